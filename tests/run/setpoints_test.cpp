// Power set-points: the file ConsignePW2.ini (forms read, bytes written, bad
// lines read as 50), "Single LE" (ValeurPWPh5), the slider's labels, the 300 ms
// control-state timer and the "Set All LE" colour reset.
#include "run/LogRun.h"
#include "link/SetPointFile.h"
#include "run/RunFixture.h"
#include "shell/LinkRequest.h"
#include "shell/LinkStatus.h"
#include "shell/Log.h"
#include "shell/ParametersShared.h"
#include "shell/RunShared.h"
#include "shell/State.h"

using namespace orv;

class SetPointTest : public RunTest {
protected:
    const QString file = "C:\\LightCtl\\ConsignePW2.ini";
    void tick47() { t.time.advance(300); }
};

TEST_F(SetPointTest, FileReadsBothLineFormsAndWritesIntegerForm)
{
    // Start-up created it with eight times 50.
    EXPECT_EQ(readFile(file), integerForm({50, 50, 50, 50, 50, 50, 50, 50}));

    writeFile(file, " 60 \r\n70\r\n 80 \r\n90\r\n 100 \r\n110\r\n 120 \r\n130\r\nextra\r\n");
    const auto v = readSetPoints(*prog);
    ASSERT_TRUE(v);
    EXPECT_EQ(*v, (SetPoints{60, 70, 80, 90, 100, 110, 120, 130}));

    ASSERT_TRUE(writeSetPointFile(t.drive, file, *v));
    EXPECT_EQ(readFile(file), integerForm({60, 70, 80, 90, 100, 110, 120, 130}));
}

TEST_F(SetPointTest, BadLinesReadAsFiftyAndTheOthersKeepTheirValues)
{
    const QByteArray seven = integerForm({60, 70, 80, 90, 100, 110, 120});
    const struct {
        QByteArray bytes;
        SetPoints read;
    } cases[] = {
        {"", {50, 50, 50, 50, 50, 50, 50, 50}},
        {seven, {60, 70, 80, 90, 100, 110, 120, 50}},
        {seven + "abc\r\n", {60, 70, 80, 90, 100, 110, 120, 50}},
        {seven + " 300 \r\n", {60, 70, 80, 90, 100, 110, 120, 50}},
        {seven + "-1\r\n", {60, 70, 80, 90, 100, 110, 120, 50}},
        {seven + " 29 \r\n", {60, 70, 80, 90, 100, 110, 120, 50}},   // below the sliders
        {seven + "\r\n", {60, 70, 80, 90, 100, 110, 120, 50}},
        {"1,2\r\n" + seven, {50, 60, 70, 80, 90, 100, 110, 120}},   // a comma moves nothing
    };
    for (const auto& c : cases) {
        writeFile(file, c.bytes);
        EXPECT_EQ(readSetPoints(*prog), c.read) << c.bytes.constData();
    }
    t.drive.removeFile(file);
    EXPECT_FALSE(readSetPoints(*prog));
}

TEST_F(SetPointTest, SingleLEChangesOneLineTheSetPointAndTheLabels)
{
    writeFile(file, integerForm({50, 60, 50, 50, 50, 50, 50, 90}));
    s->common->SelectedLE = 3;
    ASSERT_TRUE(log->VScroll1.setValue(75));
    log->run->ValeurPWPh5();
    EXPECT_EQ(readFile(file), integerForm({50, 60, 75, 50, 50, 50, 50, 90}));
    EXPECT_EQ(s->request->ConsignePW[2], 75);
    EXPECT_EQ(s->request->ConsignePW[1], 0);   // the others' set-points are loaded at phase 5
    EXPECT_EQ(s->runShared->ConsignePWIni[2], 75);
    EXPECT_EQ(s->runShared->ConsignePWIni[7], 90);
    EXPECT_EQ(log->Label15[2].caption(), "750");
    EXPECT_EQ(log->Label15[1].caption(), "600");
    EXPECT_TRUE(t.dialogs.shown.empty());
}

TEST_F(SetPointTest, SingleLEWithoutAFileChangesNothingAndTheButtonKeepsItsColour)
{
    t.drive.removeFile(file);
    s->common->SelectedLE = 1;
    s->request->ConsignePW[0] = 44;
    log->Label15[0].setCaption("440");
    log->VScroll1.setValue(120);
    log->PWIndividuel.setEnabled(true);
    log->PWIndividuel.click();
    EXPECT_EQ(readFile(file), QByteArray());
    EXPECT_EQ(s->request->ConsignePW[0], 44);
    EXPECT_EQ(log->Label15[0].caption(), "440");
    EXPECT_EQ(log->PWIndividuel.backColor(), plat::ButtonFace);
    ASSERT_EQ(t.dialogs.shown.size(), 1u);
    EXPECT_TRUE(t.dialogs.shown[0].text.contains("ConsignePW2.ini"));

    // The same click with a sound file applies the value and turns it green.
    writeFile(file, integerForm({50, 50, 50, 50, 50, 50, 50, 50}));
    log->PWIndividuel.click();
    EXPECT_EQ(s->request->ConsignePW[0], 120);
    EXPECT_EQ(log->PWIndividuel.backColor(), plat::colors::Green);
}

// "Single LE" writes the file whole: its bad lines become the 50 the
// set-points then hold, and the good ones stay.
TEST_F(SetPointTest, SingleLEWithBadLinesWritesTheirDefaults)
{
    writeFile(file, integerForm({70, 60, 90}) + "x\r\n");
    s->common->SelectedLE = 1;
    log->VScroll1.setValue(120);
    log->PWIndividuel.setEnabled(true);
    log->PWIndividuel.click();
    EXPECT_EQ(readFile(file), integerForm({120, 60, 90, 50, 50, 50, 50, 50}));
    EXPECT_EQ(s->request->ConsignePW[0], 120);
    EXPECT_EQ(s->runShared->ConsignePWIni[3], 50);
    EXPECT_EQ(log->Label15[3].caption(), "500");
    EXPECT_EQ(log->PWIndividuel.backColor(), plat::colors::Green);
    EXPECT_TRUE(t.dialogs.shown.empty());
}

TEST_F(SetPointTest, SliderShowsWattsAndTakesTheSingleLEColourAway)
{
    // Start-up gave the slider the 50 it already held: no change yet.
    EXPECT_EQ(log->Label3.caption(), "---");
    EXPECT_FALSE(log->VScroll1.enabled());
    log->PWIndividuel.setBackColor(plat::colors::Green);
    struct Case { int value; const char* label; };
    for (const Case c : {Case{130, "1300"}, Case{30, "300"}, Case{64, "640"}}) {
        ASSERT_TRUE(log->VScroll1.setValue(c.value));
        EXPECT_EQ(log->Label3.caption(), c.label);
        EXPECT_EQ(log->PWIndividuel.backColor(), plat::ButtonFace);
        log->PWIndividuel.setBackColor(plat::colors::Green);
    }
    EXPECT_FALSE(log->VScroll1.setValue(131));
    EXPECT_FALSE(log->VScroll1.setValue(29));
}

TEST_F(SetPointTest, ControlStateFollowsFlagModeOptionAndPhase)
{
    struct Case {
        const char* name;
        int startMode;
        int qthOption;
        int flag;
        int phase;
        bool panel;
        bool qthButton;
    };
    const Case cases[] = {
        {"flag 0: panel off even with another LE running", 1, 1, 0, 0, false, false},
        {"mode 1, phase 5, flag still 0", 1, 1, 0, 5, false, true},
        {"mode 1, phase 6, flag 1", 1, 1, 1, 6, true, false},
        {"mode 1, phase 0, flag 1", 1, 1, 1, 0, true, false},
        {"mode 0: the flag alone decides", 0, 1, 1, 0, true, true},
        {"mode 0, flag 0, phase 5", 0, 1, 0, 5, false, false},
        {"option off, mode 1, phase 5", 1, 0, 1, 5, true, false},
        {"option off, mode 0", 0, 0, 1, 5, true, false},
    };
    log->Timer3.setEnabled(false);   // the status refresh clears the flag in phase 6
    s->common->SelectedLE = 2;
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        s->common->StartMode = uint8_t(c.startMode);
        settings().Check5.setValue(c.qthOption);
        s->runShared->FlagConsignePWLE2[1] = uint8_t(c.flag);
        s->status->PhaseLP[1] = uint8_t(c.phase);
        s->status->PhaseLP[4] = 5;   // another LE runs
        tick47();
        EXPECT_EQ(log->VScroll1.enabled(), c.panel);
        EXPECT_EQ(log->PWIndividuel.enabled(), c.panel);
        EXPECT_EQ(log->CopiePWSlider.enabled(), c.panel);
        EXPECT_EQ(log->CommHalOperator.visible(), c.qthButton);
    }

    // Phases 1 to 4 leave the button as the flag set it.
    s->common->StartMode = 1;
    settings().Check5.setValue(1);
    s->status->PhaseLP[1] = 3;
    s->runShared->FlagConsignePWLE2[1] = 1;
    tick47();
    EXPECT_TRUE(log->CommHalOperator.visible());

    // A selected LE out of range leaves panel and button alone.
    s->common->SelectedLE = 0;
    s->runShared->FlagConsignePWLE2[1] = 0;
    tick47();
    EXPECT_TRUE(log->VScroll1.enabled());
    EXPECT_TRUE(log->CommHalOperator.visible());
}

TEST_F(SetPointTest, RelayRequestsClearOnlyWhileEveryLEIsIdle)
{
    auto request = [&] {
        s->request->RelayQTH.fill(1);
        s->request->RelayAlarm.fill(1);
    };
    request();
    s->status->PhaseLP[7] = 6;
    tick47();
    EXPECT_EQ(s->request->RelayQTH[0], 1);

    s->status->PhaseLP[7] = 0;
    s->paramShared->RelayTestActive = 1;
    tick47();
    EXPECT_EQ(s->request->RelayAlarm[3], 1);

    s->paramShared->RelayTestActive = 0;
    s->common->SelectedLE = 0;   // the relay step runs whatever LE is selected
    tick47();
    for (int le = 0; le < 8; ++le) {
        EXPECT_EQ(s->request->RelayQTH[le], 0) << le;
        EXPECT_EQ(s->request->RelayAlarm[le], 0) << le;
    }
    EXPECT_EQ(s->request->RelayQTH[8], 1);   // the unused ninth element is left alone
}

TEST_F(SetPointTest, SetAllButtonTurnsGreyAfterOneAndAHalfSeconds)
{
    log->CopiePWSlider.setBackColor(plat::colors::Green);
    log->Timer55.setEnabled(true);
    t.time.advance(1499);
    EXPECT_EQ(log->CopiePWSlider.backColor(), plat::colors::Green);
    t.time.advance(1);
    EXPECT_EQ(log->CopiePWSlider.backColor(), plat::colors::LightGrey);
    EXPECT_FALSE(log->Timer55.enabled());
}
