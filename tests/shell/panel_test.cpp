// The main window's panel commands: the set-point buttons and "PWR in", the
// motor speed entry through the value input window, the connection button,
// the LFC-2/LFC-3 labels, the level-line headers and the MAT/SHT selector.

#include "link/ConfigurationRS232.h"
#include "link/LogLink.h"
#include "parameters/FadecParameters.h"
#include "parameters/ParametersState.h"
#include "parameters/Saisie.h"
#include "run/LogRun.h"
#include "scheduler/RefLevelTrigLFC3.h"
#include "scheduler/SchedulerState.h"
#include "shell/LinkRequest.h"
#include "shell/Log.h"
#include "shell/ParamLogicielVB.h"
#include "shell/ParametersShared.h"
#include "shell/RunShared.h"
#include "shell/State.h"
#include "support/ProgramFixture.h"
#include "traces/TracesState.h"

#include <QDir>

using namespace orv;

namespace {

constexpr plat::Color Green = plat::colors::Green;
constexpr plat::Color Pale = plat::rgb(192, 255, 255);
const QString SetPointFile = QStringLiteral("C:\\LightCtl\\ConsignePW2.ini");

class PanelTest : public ProgramTest {
protected:
    void SetUp() override
    {
        ProgramTest::SetUp();
        startUp();
    }
    Log& w() { return *prog->Log; }

    // Answers the value input window: types `typed` (nothing when empty)
    // and presses OK, then Cancel when OK left it open.
    std::vector<QString> speedEntry(const QString& typed, bool ok = true)
    {
        std::vector<QString> shownValues;
        t.dialogs.onModal = [&, typed, ok](plat::Form& f) {
            auto& entry = dynamic_cast<Saisie&>(f);
            shownValues = {entry.Label1.caption(), entry.Label2.caption(), entry.Label3.caption(),
                           entry.Label4.caption()};
            if (!typed.isEmpty()) entry.Text1.setText(typed);
            if (ok) entry.ValidationSaisie.click();
            if (prog->ifLoaded<Saisie>() && entry.visible()) entry.AnnulerSaisie.click();
        };
        w().Label9.click();
        t.dialogs.onModal = nullptr;
        return shownValues;
    }
};

TEST_F(PanelTest, SetAllLEWritesTheSliderValueForEveryLE)
{
    auto& s = prog->s;
    w().VScroll1.setValue(130);
    w().run->CopiePWSlider_Click();
    EXPECT_EQ(readFile(SetPointFile), QByteArray(" 130 \r\n").repeated(8));
    for (int i = 0; i < 8; ++i) {
        EXPECT_EQ(w().Label15[i].caption(), "1300");
        EXPECT_EQ(s.runShared->ConsignePWIni[i], 130);
        EXPECT_EQ(s.request->ConsignePW[i], 130);
    }
    EXPECT_EQ(w().CopiePWSlider.backColor(), Green);
    t.time.advance(1500);
    EXPECT_EQ(w().CopiePWSlider.backColor(), plat::rgb(224, 224, 224));
}

TEST_F(PanelTest, SetAllLEChangesNothingWhenTheFileCannotBeWritten)
{
    auto& s = prog->s;
    QFile::remove(t.host(SetPointFile));
    QDir().mkpath(t.host(SetPointFile));   // a folder in its place
    w().VScroll1.setValue(90);
    w().run->CopiePWSlider_Click();
    ASSERT_EQ(t.dialogs.shown.size(), 1u);
    EXPECT_EQ(t.dialogs.shown[0].title, " Warning!");
    for (int i = 0; i < 8; ++i) {
        EXPECT_EQ(w().Label15[i].caption(), "500");
        EXPECT_EQ(s.request->ConsignePW[i], 0);
    }
    EXPECT_NE(w().CopiePWSlider.backColor(), Green);
}

TEST_F(PanelTest, PwrInShowsTheFileWithoutChangingWhatTheLEsAreSent)
{
    auto& s = prog->s;
    s.request->ConsignePW[0] = 50;
    writeFile(SetPointFile, " 60 \r\n 70 \r\n 80 \r\n 90 \r\n 100 \r\n 110 \r\n 120 \r\n 130 \r\n");
    w().Label17.click();
    for (int i = 0; i < 8; ++i) {
        EXPECT_EQ(w().Label15[i].caption(), QString::number(600 + 100 * i));
        EXPECT_EQ(s.runShared->ConsignePWIni[i], 60 + 10 * i);
    }
    EXPECT_EQ(s.request->ConsignePW[0], 50);

    // A short or bad file: its bad lines read as 50, the others as they are.
    const struct {
        QByteArray bytes;
        std::array<int, 8> read;
    } cases[] = {
        {" 40 \r\n 45 \r\n", {40, 45, 50, 50, 50, 50, 50, 50}},
        {QByteArray(" 40 \r\nx\r\n").repeated(4), {40, 50, 40, 50, 40, 50, 40, 50}},
    };
    for (const auto& c : cases) {
        writeFile(SetPointFile, c.bytes);
        w().Label17.click();
        for (int i = 0; i < 8; ++i) {
            EXPECT_EQ(w().Label15[i].caption(), QString::number(c.read[i] * 10)) << i;
            EXPECT_EQ(s.runShared->ConsignePWIni[i], c.read[i]) << i;
        }
        EXPECT_EQ(s.request->ConsignePW[0], 50);
    }

    // Without a file nothing changes, none half changed.
    t.drive.removeFile(SetPointFile);
    w().Label17.click();
    EXPECT_EQ(w().Label15[0].caption(), "400");
    EXPECT_EQ(s.runShared->ConsignePWIni[1], 50);
    ASSERT_EQ(t.dialogs.shown.size(), 1u);
    EXPECT_TRUE(t.dialogs.shown[0].text.contains("ConsignePW2.ini"));
}

TEST_F(PanelTest, AnAcceptedSpeedBecomesTheSelectedLEsMotorRequest)
{
    auto& s = prog->s;
    s.common->SelectedLE = 1;
    prog->form<FadecParameters>()->setParamPC(24, "35");
    const auto shown = speedEntry("3000");
    ASSERT_EQ(shown.size(), 4u);
    EXPECT_EQ(shown[0], "By not 100");
    EXPECT_EQ(shown[1], "3500");
    EXPECT_EQ(shown[2], "1000");
    EXPECT_EQ(shown[3], "4000");
    EXPECT_EQ(s.parameters->SaisieMode, 1);
    EXPECT_EQ(s.paramShared->SpeedM, 3000);
    EXPECT_EQ(s.request->Vmot[0], 100);
    EXPECT_FALSE(prog->ifLoaded<Saisie>() && prog->ifLoaded<Saisie>()->visible());

    // An empty box takes the shown value: 3500 rpm, request 116.
    s.common->SelectedLE = 4;
    speedEntry("");
    EXPECT_EQ(s.paramShared->SpeedM, 3500);
    EXPECT_EQ(s.request->Vmot[3], 116);
}

TEST_F(PanelTest, ARefusedOrCancelledEntryChangesNoSpeed)
{
    auto& s = prog->s;
    s.common->SelectedLE = 2;
    const struct {
        QString typed;
        const char* message;
    } refused[] = {{"999", "Input error, Value < Min or > Max "},
                   {"4001", "Input error, Value < Min or > Max "},
                   {"12a", "Input error, use number 0-9"},
                   {"99999999999999999999", "Input error, Value < Min or > Max "}};
    for (const auto& r : refused) {
        t.dialogs.shown.clear();
        speedEntry(r.typed);
        ASSERT_EQ(t.dialogs.shown.size(), 1u) << r.typed.toStdString();
        EXPECT_EQ(t.dialogs.shown[0].text, r.message);
        EXPECT_EQ(t.dialogs.shown[0].title, " Warning!");
        EXPECT_EQ(t.dialogs.shown[0].icon(), plat::mb::Exclamation);
        EXPECT_EQ(s.paramShared->SpeedM, 0);
        EXPECT_EQ(s.request->Vmot[1], 0);
    }
    // Cancel after an accepted speed on another LE: this LE gets nothing.
    s.common->SelectedLE = 1;
    speedEntry("3000");
    s.common->SelectedLE = 2;
    speedEntry("2500", false);
    EXPECT_EQ(s.paramShared->SpeedM, 3000);
    EXPECT_EQ(s.request->Vmot[1], 0);
}

TEST_F(PanelTest, TheSpeedGoesToTheLESelectedWhenTheEntryOpened)
{
    auto& s = prog->s;
    s.common->SelectedLE = 3;
    t.dialogs.onModal = [&](plat::Form& f) {
        auto& entry = dynamic_cast<Saisie&>(f);
        s.common->SelectedLE = 6;   // a start selects another LE while the entry is open
        entry.Text1.setText("2500");
        entry.ValidationSaisie.click();
    };
    w().Label9.click();
    EXPECT_EQ(s.request->Vmot[2], 83);
    EXPECT_EQ(s.request->Vmot[5], 0);
}

TEST_F(PanelTest, TheConnectionButtonOpensThePortConfigurationWithoutWaiting)
{
    auto& s = prog->s;
    s.runShared->RestSeconds[3] = 12;
    w().link->ActiveDesactiveRS232_Click();
    for (int i = 0; i < 8; ++i) EXPECT_EQ(s.runShared->RestSeconds[i], 90);
    ConfigurationRS232* ports = prog->ifLoaded<ConfigurationRS232>();
    ASSERT_NE(ports, nullptr);
    EXPECT_TRUE(ports->visible());
    EXPECT_FALSE(ports->isModal());
}

TEST_F(PanelTest, LfcLabelsActOnlyForAnLEWithAnLFC2Sensor)
{
    auto& s = prog->s;
    auto press = [&](plat::ControlArray<plat::Label>& labels, int i, double x, double y) {
        plat::MouseArgs a;
        a.button = plat::RightButton;
        a.x = x;
        a.y = y;
        labels[i].raiseMouse(labels[i].onMouseDown, a);
    };
    press(w().Label37, 4, 100.4, 20.6);
    EXPECT_EQ(s.scheduler->IndiceLFC, 0);
    EXPECT_EQ(s.scheduler->ClicLFCX, 0);

    prog->form<ParamLogicielVB>()->Check4[4].setValue(1);
    press(w().Label37, 4, 100.4, 20.6);
    EXPECT_EQ(s.scheduler->IndiceLFC, 4);
    EXPECT_EQ(s.scheduler->ClicLFCX, 100);
    EXPECT_EQ(s.scheduler->ClicLFCY, 21);
    prog->form<ParamLogicielVB>()->Check4[6].setValue(1);
    EXPECT_EQ(prog->ifLoaded<RefLevelTrigLFC3>(), nullptr);
    press(w().Label42, 6, 7.0, 8.0);
    EXPECT_EQ(s.scheduler->IndiceLFC, 6);
    EXPECT_EQ(s.scheduler->ClicLFCX, 7);
    auto* trigger = prog->ifLoaded<RefLevelTrigLFC3>();
    ASSERT_NE(trigger, nullptr);
    EXPECT_TRUE(trigger->visible());
    EXPECT_FALSE(trigger->isModal());
    EXPECT_EQ(trigger->width(), 3315);
}

TEST_F(PanelTest, LevelHeadersRequestALineEach)
{
    auto& s = prog->s;
    w().Label6.click();
    EXPECT_EQ(s.traces->FlagNiveauLPC, 1);
    EXPECT_EQ(s.traces->FlagNiveauLFC, 0);
    w().Label13.click();
    w().Label8.click();
    EXPECT_EQ(s.traces->FlagNiveauLFC, 1);
    EXPECT_EQ(s.traces->FlagNiveauVIS, 1);
}

TEST_F(PanelTest, TheTemperatureSelectorColoursItsChoice)
{
    auto& s = prog->s;
    Log& l = w();
    // Start-up painted MAT.
    EXPECT_EQ(l.Label72.backColor(), Green);
    EXPECT_EQ(l.Picture6[1].backColor(), Pale);

    t.rt.dispatch(l.Picture6[1].onClick);
    EXPECT_EQ(s.common->TempSel, 1);
    EXPECT_EQ(l.Label75.backColor(), Green);
    EXPECT_EQ(l.Label72.backColor(), Pale);
    EXPECT_EQ(l.Picture6[1].backColor(), Green);
    EXPECT_EQ(l.Picture6[0].backColor(), Pale);

    l.Label72.click();
    l.Label72.click();   // clicking the chosen one again repaints the same
    EXPECT_EQ(s.common->TempSel, 0);
    EXPECT_EQ(l.Label72.backColor(), Green);
    EXPECT_EQ(l.Label75.backColor(), Pale);
    EXPECT_EQ(l.Picture6[0].backColor(), Green);
    EXPECT_EQ(l.Picture6[1].backColor(), Pale);

    l.Label75.click();
    EXPECT_EQ(s.common->TempSel, 1);
    EXPECT_EQ(l.Picture6[1].backColor(), Green);
}

TEST_F(PanelTest, HiddenSlidersCopyTheirValues)
{
    w().VScroll2.setValue(17);
    w().VScroll3.setValue(255);
    EXPECT_EQ(w().Label49.caption(), "17");
    EXPECT_EQ(w().Label50.caption(), "255");
}

} // namespace
