// LE selection and the run-mode pop-up: what a press on an LE's label does
// (flash, captions, set-point file, slider, items offered), and what each
// pop-up item does to the run mode, the schedule state, the start-selection
// window and the LEs' requests.
#include "alarms/AlarmsState.h"
#include "parameters/FadecParameters.h"
#include "run/RunFixture.h"
#include "run/RunState.h"
#include "scheduler/SelectionStart.h"
#include "shell/LeStrips.h"
#include "shell/LinkRequest.h"
#include "shell/LinkStatus.h"
#include "shell/LogTimers.h"
#include "shell/MainMenus.h"
#include "shell/MainPanels.h"
#include "shell/RunShared.h"
#include "shell/ScheduleFlags.h"
#include "shell/ShellState.h"
#include "shell/State.h"
#include "shell/TracesShared.h"
#include "shell/WindowLabels.h"

#include <QTest>

using namespace orv;

namespace {

const plat::Color LightGreen = plat::rgb(192, 255, 192);

} // namespace

class SelectionTest : public RunTest {
protected:
    const QString setPointFile = "C:\\LightCtl\\ConsignePW2.ini";

    SelectionStart& start() { return *prog->form<SelectionStart>(); }

    // A mouse press on LE index le's label, as the user makes it.
    void press(int le, int button = plat::LeftButton)
    {
        plat::Label& label = leStrips(*log).Label26[le];
        label.raiseMouse(label.onMouseDown, {button, 0, 300, 120});
    }
    // A left press on the LE's label, then `item` chosen in the pop-up.
    void choose(int le, const QString& item)
    {
        t.dialogs.popupChoices.push_back(item);
        press(le);
    }
    int modeOf(int le) const
    {
        int mode = 0, count = 0;
        for (int m = 0; m < 8; ++m)
            if (s->schedule->SelectionMode[le][m] == 1) mode = m, ++count;
        return count <= 1 ? mode : -1;
    }
    void setMode(int le, int mode)
    {
        s->schedule->SelectionMode[le].fill(0);
        if (mode) s->schedule->SelectionMode[le][mode] = 1;
    }
    plat::Menu* item(int mode)
    {
        plat::Menu* items[7] = {&mainMenus(*log).MListeNormal, &mainMenus(*log).MListeSymetrique, &mainMenus(*log).MListeAsymetrique,
                                &mainMenus(*log).MListePlanning, &mainMenus(*log).MListeStop, &mainMenus(*log).MListeStartAllLE,
                                &mainMenus(*log).MListeStopAllLE};
        return items[mode - 1];
    }
    // The schedule state that a run-mode item resets, dirtied.
    void dirtySchedule(int le)
    {
        s->request->StartStopPC[le] = 2;
        s->schedule->StartNorm[le] = s->schedule->StartSym[le] = s->schedule->StartSymStop[le] = s->schedule->StartStop[le] = 0;
        s->schedule->CompteursNorm[le] = s->schedule->Compteurs[le] = s->schedule->CompteursSym[le] = 3;
        s->schedule->ComptageTempo[le] = s->schedule->ComptageSymTempo[le] = 44;
        s->schedule->FlagTraceNormal[le] = s->schedule->FlagCycleSym[le] = s->schedule->FlagSymMinutes[le] = s->schedule->FlagDemiCycleOff[le] = 1;
        s->schedule->DebutTraceNormalX[le] = s->schedule->CurseurSymX[le] = s->schedule->CyclesEffectues[le] = 9;
        s->schedule->FlagDefautAsym[le] = s->schedule->FlagDefautPlan[le] = s->schedule->FlagSymBlocage[le] = s->schedule->FlagSymEtat[le] = 1;
        s->schedule->FlagVerouillage[le] = s->schedule->FlagEtat[le] = 1;
        s->tracesShared->TraceX[le] = 300;
    }
};

// ------------------------------------------------------------------ press

TEST_F(SelectionTest, PressNormalisesTheSetPointFileAndMovesTheSlider)
{
    struct Case {
        const char* name;
        int le;                 // clicked LE index
        const char* modeLabel;  // of the clicked LE
        std::vector<int> lfc2;  // LE indexes with their LFC-2 box ticked
        std::initializer_list<int> file;
        int slider;
    };
    const Case cases[] = {
        {"symmetric LE-2", 1, "Sym", {1}, {50, 120, 50, 75, 50, 50, 50, 50}, 120},
        {"normal LE-2 with LFC-2", 1, "Normal", {1}, {50, 90, 50, 75, 50, 50, 50, 50}, 90},
        {"normal LE-2 without LFC-2", 1, "Normal", {}, {50, 120, 50, 75, 50, 50, 50, 50}, 120},
        // Only the clicked LE's own mode label and box count.
        {"planning LE-4, LE-1 normal", 3, "Plan", {0, 3}, {50, 120, 50, 75, 50, 50, 50, 50}, 75},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        writeFile(setPointFile, "30\r\n 120 \r\n50\r\n 75 \r\n10\r\n50\r\n 50 \r\n50\r\n");
        for (int le = 0; le < 8; ++le) {
            start().modeLabel(le).setCaption(le == c.le ? c.modeLabel : "Normal");
            settings().Check4[le].setValue(std::count(c.lfc2.begin(), c.lfc2.end(), le) ? 1 : 0);
        }
        mainPanels(*log).VScroll1.setValue(130);

        press(c.le, plat::RightButton);

        EXPECT_EQ(readFile(setPointFile), integerForm(c.file));
        int i = 0;
        for (int v : c.file) {
            EXPECT_EQ(leStrips(*log).Label15[i].caption(), QString::number(v * 10)) << i;
            EXPECT_EQ(s->runShared->ConsignePWIni[i], v) << i;
            ++i;
        }
        EXPECT_EQ(mainPanels(*log).VScroll1.value(), c.slider);
        EXPECT_EQ(windowLabels(*log).Label3.caption(), QString::number(c.slider * 10));
    }
}

TEST_F(SelectionTest, RightPressSelectsFlashesAndClearsWithoutAMenu)
{
    FadecParameters& params = *prog->form<FadecParameters>();
    for (int k = 32; k <= 63; ++k) params.setParamPC(k - 32, "17");
    s->shell->FlagCouleurLE.fill(0);
    s->alarms->AlarmSHTPCReported = 1;
    leStrips(*log).Label26[2].setBackColor(plat::colors::Orange);   // an earlier press, still orange

    press(4, plat::RightButton);

    EXPECT_EQ(s->common->SelectedLE, 5);
    EXPECT_EQ(s->schedule->Selbin, 4);
    EXPECT_EQ(params.Label64.caption(), "Selected LE : 5");
    EXPECT_EQ(windowLabels(*log).Label66.caption(), "Selected LE = 5");
    EXPECT_EQ(windowLabels(*log).Label1.caption(), "LE5");
    for (int k = 32; k <= 63; ++k) EXPECT_EQ(params.ParamPC(k - 32), "0") << k;
    for (int le = 0; le < 8; ++le) EXPECT_EQ(s->shell->FlagCouleurLE[le], 1) << le;
    EXPECT_EQ(s->alarms->AlarmSHTPCReported, 0);
    EXPECT_TRUE(t.dialogs.popupsShown.empty());
    EXPECT_EQ(readFile(setPointFile), integerForm({50, 50, 50, 50, 50, 50, 50, 50}));

    // Orange for one second, then back to the button face (the earlier one too).
    EXPECT_EQ(leStrips(*log).Label26[4].backColor(), plat::colors::Orange);
    t.time.advance(999);
    EXPECT_EQ(leStrips(*log).Label26[4].backColor(), plat::colors::Orange);
    t.time.advance(1);
    EXPECT_EQ(leStrips(*log).Label26[4].backColor(), plat::ButtonFace);
    EXPECT_EQ(leStrips(*log).Label26[2].backColor(), plat::ButtonFace);
    EXPECT_FALSE(logTimers(*log).Timer64.enabled());
}

TEST_F(SelectionTest, LeftPressOffersTheItemsOfTheLEsMode)
{
    const std::vector<bool> all(7, true);
    struct Case {
        int mode;
        std::vector<bool> enabled;   // normal ... Stop All LE
    };
    const Case cases[] = {
        {0, all},
        {1, {true, false, false, false, true, false, false}},
        {2, {false, true, false, false, true, false, false}},
        {3, {false, false, true, false, true, false, false}},
        {4, {false, false, false, true, true, false, false}},
        {5, all},
        {6, {false, false, false, false, false, true, true}},
        {7, all},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.mode);
        setMode(6, c.mode);
        t.dialogs.popupsShown.clear();
        press(6);
        EXPECT_EQ(t.dialogs.popupsShown, std::vector<QString>{"mnuMListe"});
        for (int m = 1; m <= 7; ++m) {
            EXPECT_EQ(item(m)->enabled(), c.enabled[m - 1]) << m;
            EXPECT_EQ(item(m)->checked(), m == c.mode) << m;
        }
    }
}

TEST_F(SelectionTest, AMissingSetPointFileStaysMissing)
{
    t.drive.removeFile(setPointFile);
    mainPanels(*log).VScroll1.setValue(77);
    press(1, plat::RightButton);
    EXPECT_EQ(s->common->SelectedLE, 2);
    EXPECT_FALSE(t.drive.fileExists(setPointFile));
    EXPECT_EQ(mainPanels(*log).VScroll1.value(), 77);
}

// The selection rewrites the file: a line that is missing, not a number or
// beyond the sliders becomes 50, as in a new file.
TEST_F(SelectionTest, BadSetPointLinesAreWrittenBackAsFifty)
{
    writeFile(setPointFile, " 90 \r\nabc\r\n");
    mainPanels(*log).VScroll1.setValue(77);
    press(1, plat::RightButton);
    EXPECT_EQ(readFile(setPointFile), integerForm({90, 50, 50, 50, 50, 50, 50, 50}));
    EXPECT_EQ(mainPanels(*log).VScroll1.value(), 50);

    writeFile(setPointFile, integerForm({90, 200, 60, 50, 50, 50, 50, 50}));
    press(1, plat::RightButton);
    EXPECT_EQ(mainPanels(*log).VScroll1.value(), 50);
    EXPECT_EQ(readFile(setPointFile), integerForm({90, 50, 60, 50, 50, 50, 50, 50}));
}

// ------------------------------------------------------------- run modes

TEST_F(SelectionTest, NormalForAnIdleLEStartsTheModeAfresh)
{
    dirtySchedule(2);
    s->schedule->FlagImages2359 = 1;
    start().strip(2).setBackColor(plat::colors::Yellow);
    start().symTimer(2).setEnabled(true);
    mainPanels(*log).Picture13.canvas().line(4700, 0, 7000, 2100, plat::colors::Red, plat::Canvas::BoxFilled);

    choose(2, "MListeNormal");

    SelectionStart& w = start();
    EXPECT_EQ(w.caption(), " Selection LE-3 (Normal)");
    EXPECT_EQ(modeOf(2), 1);
    EXPECT_EQ(s->schedule->FlagImages2359, 0);
    EXPECT_EQ(w.nameLabel(2).backColor(), LightGreen);
    EXPECT_EQ(w.modeLabel(2).backColor(), LightGreen);
    EXPECT_EQ(w.strip(2).backColor(), plat::colors::LightGrey);
    EXPECT_FALSE(w.symTimer(2).enabled());
    EXPECT_FALSE(w.Text1.visible());   // the symmetric-cycle panel is hidden
    EXPECT_EQ(s->request->StartStopPC[2], 0);
    EXPECT_EQ(s->schedule->StartNorm[2], 1);
    EXPECT_EQ(s->schedule->CompteursNorm[2] + s->schedule->Compteurs[2] + s->schedule->ComptageTempo[2], 0);
    EXPECT_EQ(s->schedule->FlagTraceNormal[2] + s->schedule->DebutTraceNormalX[2], 0);
    EXPECT_EQ(s->schedule->CompteursSym[2], 3);   // another mode's state stays
    EXPECT_EQ(mainPanels(*log).Picture13.canvas().point(5000, 1000), plat::colors::Black);
    EXPECT_EQ(s->tracesShared->ScreenLE, 2);
    EXPECT_EQ(s->tracesShared->TraceX[2], 1);
    EXPECT_EQ(w.Label41.caption(), "Sélection en cours :  LE-3");
    EXPECT_TRUE(w.visible());
    EXPECT_EQ(w.modeLabel(2).caption(), " ");   // the caption before any choice
    t.time.advance(50);
    EXPECT_EQ(w.modeLabel(2).caption(), "Normal");
    EXPECT_EQ(w.height(), 9800);

    // Twice gives the same state as once.
    const auto modes = s->schedule->SelectionMode;
    const auto norm = s->schedule->StartNorm;
    choose(2, "MListeNormal");
    EXPECT_EQ(s->schedule->SelectionMode, modes);
    EXPECT_EQ(s->schedule->StartNorm, norm);
    EXPECT_EQ(w.caption(), " Selection LE-3 (Normal)");
}

TEST_F(SelectionTest, ModeItemsForARunningLEOnlyRecordTheMode)
{
    s->status->PhaseLP[2] = 5;
    dirtySchedule(2);
    start().Label41.setCaption("before");

    choose(2, "MListeNormal");
    SelectionStart& w = start();
    EXPECT_EQ(modeOf(2), 1);
    EXPECT_EQ(w.nameLabel(2).backColor(), LightGreen);   // "normal" colours them always
    EXPECT_TRUE(w.visible());
    EXPECT_EQ(s->schedule->StartNorm[2], 0);
    EXPECT_EQ(s->request->StartStopPC[2], 2);
    EXPECT_EQ(s->schedule->CompteursNorm[2], 3);
    EXPECT_EQ(s->tracesShared->TraceX[2], 300);
    EXPECT_EQ(w.Label41.caption(), "before");

    // "planing" for running LE-2: titled and recorded, nothing shown or coloured.
    t.time.advance(200);
    w.hide();
    s->status->PhaseLP[1] = 5;
    setMode(1, 5);
    choose(1, "MListePlanning");
    EXPECT_EQ(w.caption(), " Selection LE-2 (Planing)");
    EXPECT_EQ(modeOf(1), 4);
    EXPECT_FALSE(w.visible());
    EXPECT_EQ(w.nameLabel(1).backColor(), plat::ButtonFace);
    EXPECT_TRUE(w.Timer2.enabled());
    EXPECT_FALSE(w.Timer1.enabled());
}

TEST_F(SelectionTest, AsymmetricSetsTheLfc3WindowSizeOnlyForLE1)
{
    for (int le : {0, 1}) {
        SCOPED_TRACE(le);
        s->schedule->FlagTailleLFC3 = 0;
        s->schedule->FlagTrigLFC3Off[le] = 1;
        dirtySchedule(le);
        choose(le, "MListeAsymetrique");
        EXPECT_EQ(start().caption(), QStringLiteral(" Selection LE-%1 (Asymétrique)").arg(le + 1));
        EXPECT_EQ(s->schedule->FlagTailleLFC3, le == 0 ? 1 : 0);
        EXPECT_EQ(s->schedule->FlagTrigLFC3Off[le], 0);
        EXPECT_EQ(s->schedule->StartSymStop[le], 1);
        EXPECT_EQ(s->schedule->FlagSymBlocage[le] + s->schedule->FlagSymEtat[le] + s->schedule->FlagDefautAsym[le] + s->schedule->CompteursSym[le], 0);
        EXPECT_EQ(s->request->StartStopPC[le], 0);
        EXPECT_EQ(start().nameLabel(le).backColor(), LightGreen);
        setMode(le, 5);
    }
}

TEST_F(SelectionTest, SymmetricOpensTheCycleCountBox)
{
    SelectionStart& w = start();
    w.ConfigNormal();
    w.symTimer(5).setInterval(2000);
    w.symTimer(5).setEnabled(true);
    w.strip(5).setBackColor(plat::colors::Yellow);
    s->schedule->CurseurSymX[4] = 77;
    dirtySchedule(5);

    choose(5, "MListeSymetrique");

    EXPECT_EQ(w.caption(), " Selection LE-6 (Symétrique)");
    EXPECT_FALSE(w.symTimer(5).enabled());
    EXPECT_EQ(w.symTimer(5).interval(), 60000);
    EXPECT_TRUE(w.Text1.visible());
    EXPECT_TRUE(w.Text1.enabled());
    EXPECT_EQ(w.Text1.backColor(), plat::colors::Green);
    EXPECT_EQ(w.Label106.backColor(), plat::colors::Green);
    EXPECT_EQ(w.strip(5).backColor(), plat::colors::Yellow);
    EXPECT_EQ(w.nameLabel(5).backColor(), plat::ButtonFace);
    EXPECT_EQ(s->schedule->StartSym[5], 1);
    EXPECT_EQ(s->schedule->CurseurSymX[5] + s->schedule->FlagCycleSym[5] + s->schedule->CyclesEffectues[5] + s->schedule->Compteurs[5], 0);
    EXPECT_EQ(s->schedule->CurseurSymX[4], 77);
    EXPECT_EQ(s->request->StartStopPC[5], 2);   // "symmetric" leaves the request alone
    EXPECT_TRUE(logTimers(*log).Timer2.enabled());   // the login panel step runs again
    EXPECT_TRUE(w.visible());
}

TEST_F(SelectionTest, StopEndsTheSchedulesAndStopsTheLE)
{
    openPort(3);
    s->status->PhaseLP[3] = 5;
    s->schedule->StartNorm[3] = s->schedule->StartSym[3] = s->schedule->StartSymStop[3] = s->schedule->StartStop[3] = 1;
    s->schedule->FlagSymBlocage[3] = s->schedule->FlagVerouillage[3] = 1;
    s->runShared->RestSeconds[3] = 50;
    s->schedule->LargeurAttente = 900;
    mainPanels(*log).Picture15.setVisible(true);
    mainPanels(*log).Picture15.canvas().line(0, 0, 1200, 615, plat::colors::Cyan, plat::Canvas::BoxFilled);
    setMode(3, 1);
    start().symTimer(3).setEnabled(true);

    choose(3, "MListeStop");

    EXPECT_EQ(s->schedule->StartNorm[3] + s->schedule->StartSym[3] + s->schedule->StartSymStop[3] + s->schedule->StartStop[3], 0);
    EXPECT_EQ(s->schedule->FlagSymBlocage[3] + s->schedule->FlagVerouillage[3], 0);
    EXPECT_EQ(s->runShared->RestSeconds[3], 0);
    EXPECT_FALSE(mainPanels(*log).Picture15.visible());
    EXPECT_EQ(mainPanels(*log).Picture15.canvas().point(1000, 300), plat::colors::Grey);
    EXPECT_EQ(s->schedule->LargeurAttente, 0);
    EXPECT_FALSE(start().symTimer(3).enabled());
    EXPECT_EQ(start().Label41.caption(), "Sélection en cours :  LE-4");
    EXPECT_EQ(modeOf(3), 5);
    EXPECT_EQ(s->request->StartStopPC[3], 2);
    EXPECT_EQ(histoMessages().last(), "LE4  Off LE ");
    EXPECT_TRUE(t.dialogs.shown.empty());
    EXPECT_TRUE(start().visible());
}

TEST_F(SelectionTest, StopOfAClosedLEWarnsOnceAndLeavesNoRequest)
{
    s->request->StartStopPC[3] = 1;
    setMode(3, 2);
    choose(3, "MListeStop");
    ASSERT_EQ(t.dialogs.shown.size(), 1u);
    EXPECT_EQ(t.dialogs.shown[0].text, "COMx unactivated");
    EXPECT_EQ(s->request->StartStopPC[3], 0);
    EXPECT_EQ(modeOf(3), 5);
}

// The pop-up as the user meets it: a real press on the LE's label, a real
// click (or the keys) on "Stop" runs the item once.
TEST_F(SelectionTest, ARealStopChoiceStopsTheLEOnce)
{
    mainForm().show();
    auto realChoice = [&](int le, TestDialogs::By by) {
        t.dialogs.realPopups.push_back({"MListeStop", by});
        leStrips(*log).Label26[le].setVisible(true);
        QTest::mouseClick(leStrips(*log).Label26[le].widget(), Qt::LeftButton, {}, QPoint(10, 5));
    };
    openPort(3);
    s->status->PhaseLP[3] = 5;
    realChoice(3, TestDialogs::By::Mouse);
    EXPECT_EQ(histoMessages().count("LE4  Off LE "), 1);
    EXPECT_EQ(s->request->StartStopPC[3], 2);

    s->request->StartStopPC[2] = 1;   // a closed port
    realChoice(2, TestDialogs::By::Keys);
    ASSERT_EQ(t.dialogs.shown.size(), 1u);
    EXPECT_EQ(t.dialogs.shown[0].text, "COMx unactivated");
    EXPECT_EQ(t.dialogs.popupsShown, (std::vector<QString>{"mnuMListe", "mnuMListe"}));
}

// The items act on the LE whose label opened the pop-up, whatever a timer
// does to SelectedLE and ScreenLE while it is open.
TEST_F(SelectionTest, ItemsActOnTheLEWhoseLabelOpenedThePopup)
{
    openPort(2);
    openPort(5);
    t.dialogs.onPopup = [this](plat::Menu&) {
        s->common->SelectedLE = 6;
        s->tracesShared->ScreenLE = 5;
    };
    choose(2, "MListeStop");
    EXPECT_EQ(s->request->StartStopPC[2], 2);
    EXPECT_EQ(s->request->StartStopPC[5], 0);
    EXPECT_EQ(histoMessages().last(), "LE3  Off LE ");
    EXPECT_EQ(modeOf(2), 5);
    EXPECT_EQ(modeOf(5), 0);

    choose(2, "MListePlanning");
    EXPECT_EQ(modeOf(2), 4);
    EXPECT_EQ(modeOf(5), 0);
    EXPECT_EQ(s->run->MenuLE, 0);   // nothing held once the pop-up closed
}

TEST_F(SelectionTest, StartAllMarksTheOpenLEsAndStartsTheSelectedOne)
{
    FakeLE& two = addFake(1);
    openPort(0);
    openPort(4);
    ASSERT_TRUE(t.time.runUntil([&] { return s->status->SynchroRS232[1] == 123; }));
    s->request->StartStopPC.fill(2);
    s->schedule->StartNorm[1] = 0;
    s->schedule->FlagTraceNormal[1] = 1;
    const size_t sentBefore = two.commands().size();

    choose(1, "MListeStartAllLE");   // returns once LE-2's parameter read is over

    SelectionStart& w = start();
    EXPECT_EQ(w.caption(), " Selection des LE-1 à LE-8");
    for (int le = 0; le < 8; ++le) {
        const bool open = le == 0 || le == 1 || le == 4;
        EXPECT_EQ(w.nameLabel(le).backColor(), open ? LightGreen : plat::ButtonFace) << le;
        EXPECT_EQ(w.modeLabel(le).caption(), open ? "Normal" : " ") << le;
        EXPECT_EQ(modeOf(le), 6) << le;
        EXPECT_EQ(s->request->StartStopPC[le], le == 1 ? 1 : 0) << le;
    }
    EXPECT_EQ(s->schedule->StartNorm[1], 1);
    EXPECT_EQ(s->schedule->FlagTraceNormal[1], 0);
    bool readRequested = false;
    for (size_t i = sentBefore; i < two.commands().size(); ++i)
        readRequested = readRequested || two.commands()[i][le::pos::Bank] == le::BankReadParam;
    EXPECT_TRUE(readRequested);
    EXPECT_EQ(histoMessages().last(), "LE2  Starting LE ");
    EXPECT_TRUE(w.visible());
}

TEST_F(SelectionTest, StopAllAsksEveryLEToStopAndSwitchesTheLampsOff)
{
    for (int le : {0, 2, 6}) s->status->PhaseLP[le] = 5;
    s->request->RelayQTH.fill(1);
    s->schedule->StartNorm.fill(1);
    for (int le = 0; le < 8; ++le) start().modeLabel(le).setBackColor(LightGreen);
    const QString before = histo();

    choose(0, "MListeStopAllLE");

    for (int le = 0; le < 8; ++le) {
        EXPECT_EQ(s->request->StartStopPC[le], 2) << le;
        EXPECT_EQ(s->schedule->StartNorm[le], 0) << le;
        EXPECT_EQ(modeOf(le), 7) << le;
        EXPECT_EQ(start().modeLabel(le).backColor(), plat::ButtonFace) << le;
        EXPECT_EQ(s->request->RelayQTH[le], le < 6 ? 0 : 1) << le;
    }
    EXPECT_EQ(mainPanels(*log).CommHalOperator.caption(), "QTH-Start");
    EXPECT_EQ(readFile("C:\\LightCtl\\StartHalogen.ini"), "0\r\n");
    EXPECT_TRUE(t.dialogs.shown.empty());
    EXPECT_EQ(histo(), before);
    // The mode labels empty when the start-selection window next writes them.
    start().modeLabel(0).setCaption("Normal");
    start().Timer1.setEnabled(true);
    t.time.advance(50);
    EXPECT_EQ(start().modeLabel(0).caption(), "");
}
