// The main window's refresh timers: selector colours by phase, the clock and
// the display settings by start mode, the menu enabling for the selected LE,
// the set-point flags, the LFC-2 labels, the orange restore, and the QTH
// automatic start 20 s after start-up.

#include "run/RunState.h"
#include "shell/LinkRequest.h"
#include "shell/LinkStatus.h"
#include "shell/Log.h"
#include "shell/ParamLogicielVB.h"
#include "shell/ParametersShared.h"
#include "shell/RunShared.h"
#include "shell/ScheduleFlags.h"
#include "shell/State.h"
#include "support/ProgramFixture.h"

using namespace orv;

namespace {

constexpr plat::Color Green = plat::colors::Green;
constexpr plat::Color Cyan = plat::colors::Cyan;
constexpr plat::Color Orange = plat::rgb(255, 128, 0);
constexpr plat::Color ChosenGreen = plat::rgb(91, 255, 0);

class RefreshTest : public ProgramTest {
protected:
    void SetUp() override
    {
        ProgramTest::SetUp();
        startUp();
    }
    Log& w() { return *prog->Log; }
    ParamLogicielVB& settings() { return prog->form<ParamLogicielVB>().get(); }
    void tick() { t.time.advance(1000); }
};

TEST_F(RefreshTest, SelectorLabelsFollowThePhase)
{
    auto& s = prog->s;
    const struct {
        uint8_t phase;
        plat::Color colour;
    } cases[] = {{1, Green}, {3, Green}, {5, Green}, {6, Cyan}, {0, plat::ButtonFace}};
    for (const auto& c : cases) {
        s.status->PhaseLP[2] = c.phase;
        tick();
        EXPECT_EQ(w().Label26[2].backColor(), c.colour) << int(c.phase);
    }
    // Idle: painted once, then a colour another window put on it stays.
    w().Label26[2].setBackColor(ChosenGreen);
    tick();
    EXPECT_EQ(w().Label26[2].backColor(), ChosenGreen);
    // A running LE is repainted every second.
    s.status->PhaseLP[4] = 5;
    tick();
    w().Label26[4].setBackColor(Orange);
    tick();
    EXPECT_EQ(w().Label26[4].backColor(), Green);
}

TEST_F(RefreshTest, FreezeAndResetMagdriveFollowTheSelectedLEsPhase)
{
    auto& s = prog->s;
    s.common->SelectedLE = 2;
    for (uint8_t phase = 0; phase <= 6; ++phase) {
        s.status->PhaseLP[1] = phase;
        tick();
        EXPECT_EQ(w().mnuRegulateActive.enabled(), phase == 5) << int(phase);
        EXPECT_EQ(w().MnuResetMagDrive.enabled(), phase == 0) << int(phase);
    }
}

TEST_F(RefreshTest, ClockAndSensorColumnsOnlyOutsideModeZero)
{
    Log& l = w();
    settings().Check9.setValue(1);   // "LFC Invisible"
    tick();
    EXPECT_EQ(l.Label25.caption(), t.rt.timeText() + "  /  " + t.rt.dateText());
    EXPECT_FALSE(l.Label13.visible());
    for (int i = 0; i < 6; ++i) EXPECT_FALSE(l.Label32[i].visible()) << i;
    for (int i = 6; i < 8; ++i) l.Label32[i].setVisible(true);
    settings().Check9.setValue(0);
    tick();
    EXPECT_TRUE(l.Label13.visible());
    EXPECT_TRUE(l.Label32[0].visible());

    // Mode 0 (first password): clock and columns keep what they show.
    prog->s.common->StartMode = 0;
    const QString clock = l.Label25.caption();
    settings().Check9.setValue(1);
    settings().Check10.setValue(1);
    t.time.advance(5000);
    EXPECT_EQ(l.Label25.caption(), clock);
    EXPECT_TRUE(l.Label13.visible());
    EXPECT_TRUE(l.Label33[0].visible());
    // Mode 2 acts like mode 1; LE-7 and LE-8 are never touched.
    prog->s.common->StartMode = 2;
    tick();
    EXPECT_FALSE(l.Label8.visible());
    EXPECT_FALSE(l.Label33[5].visible());
    EXPECT_TRUE(l.Label32[6].visible());
    EXPECT_TRUE(l.Label32[7].visible());
}

TEST_F(RefreshTest, TheCoolingTypeSetsTheTemperatureScale)
{
    Log& l = w();
    tick();
    EXPECT_EQ(l.Label79[0].caption(), QString::fromUtf8("  0°C"));
    EXPECT_EQ(l.Label79[9].caption(), QString::fromUtf8("128°C"));
    EXPECT_TRUE(l.Label79[9].visible());
    EXPECT_TRUE(l.Line15[0].visible());
    EXPECT_TRUE(l.Picture8.visible());
    EXPECT_FALSE(l.Picture9.visible());
    EXPECT_EQ(l.Picture7.top(), 4665);
    EXPECT_EQ(l.Picture7.height(), 2505);

    settings().Check8.setValue(1);   // " 70°C Water Cooling"
    tick();
    for (int k = 5; k < 10; ++k) EXPECT_FALSE(l.Label79[k].visible()) << k;
    EXPECT_TRUE(l.Label79[4].visible());
    EXPECT_EQ(l.Label79[4].caption(), QString::fromUtf8("  70°C"));
    EXPECT_FALSE(l.Line17[0].visible());
    EXPECT_FALSE(l.Picture2[2].visible());
    EXPECT_FALSE(l.Picture8.visible());
    EXPECT_TRUE(l.Picture9.visible());
    EXPECT_EQ(l.Picture7.top(), 5185);
    EXPECT_EQ(l.Picture7.height(), 2000);
}

TEST_F(RefreshTest, MotorLabelsShowWhileRpmControlIsOn)
{
    Log& l = w();
    tick();
    EXPECT_FALSE(l.Label9.visible());
    EXPECT_FALSE(l.Label22.visible());
    prog->s.paramShared->SpeedM = 3000;
    prog->s.common->SelectedLE = 3;
    prog->s.status->ReturnSpeedM[2] = 77;
    settings().Check6.setValue(1);
    tick();
    EXPECT_TRUE(l.Label9.visible());
    EXPECT_EQ(l.Label9.caption(), " Speed of M = 3000 RPM");
    EXPECT_EQ(l.Label22.caption(), " Value DA      = 77");
}

TEST_F(RefreshTest, ARestingLEsSetPointIsLoadedAgainNextTime)
{
    auto& s = prog->s;
    for (int i = 0; i < 8; ++i) s.runShared->FlagConsignePW(i) = 1;
    s.status->PhaseLP[0] = 6;
    s.status->PhaseLP[7] = 6;
    s.status->PhaseLP[3] = 5;
    tick();
    EXPECT_EQ(s.runShared->FlagConsignePWLE1[0], 0);
    EXPECT_EQ(s.runShared->FlagConsignePWLE8[7], 0);
    EXPECT_EQ(s.runShared->FlagConsignePWLE4[3], 1);
}

TEST_F(RefreshTest, WithoutLFC2SensorsTheBlockStaysHiddenAndTheStripsNarrow)
{
    Log& l = w();
    settings().Check4[5].setValue(1);
    EXPECT_EQ(l.Picture5[0].width(), 11775);
    tick();
    EXPECT_EQ(l.Picture5[0].width(), 11775);   // the refresh leaves a fitted sensor alone
    settings().Check4[5].setValue(0);
    l.Picture5[3].setWidth(11775);
    l.Label36.setVisible(true);
    tick();
    for (int i = 0; i < 8; ++i) EXPECT_EQ(l.Picture5[i].width(), 9780) << i;
    EXPECT_FALSE(l.Label36.visible());
    EXPECT_FALSE(l.Label46.visible());
}

TEST_F(RefreshTest, CalibrationLabelsShowEachLEsValue)
{
    prog->s.schedule->CalLFC2[0] = 0;
    prog->s.schedule->CalLFC2[6] = 212;
    tick();
    EXPECT_EQ(w().Label44[0].caption(), "[0]");
    EXPECT_EQ(w().Label44[6].caption(), "[212]");
}

TEST_F(RefreshTest, OrangeSelectorsTurnBackToButtonFace)
{
    Log& l = w();
    l.Label26[1].setBackColor(Orange);
    l.Label26[2].setBackColor(ChosenGreen);
    l.Timer64.setInterval(1000);
    l.Timer64.setEnabled(true);
    t.time.advance(1000);
    EXPECT_EQ(l.Label26[1].backColor(), plat::ButtonFace);
    EXPECT_EQ(l.Label26[2].backColor(), ChosenGreen);
    EXPECT_FALSE(l.Timer64.enabled());
}

TEST_F(RefreshTest, TheSevenSecondTimerOfStartUpRunsOnce)
{
    EXPECT_TRUE(w().Timer65.enabled());
    t.time.advance(7000);
    EXPECT_FALSE(w().Timer65.enabled());
}

// The QTH start file is read 20 s after start-up; only "1" switches the lamps on.
class QthAutoStartTest : public ProgramTest {};

TEST_F(QthAutoStartTest, OnlyAFileHoldingOneSwitchesTheLampsOn)
{
    const struct {
        QByteArray content;
        bool on;
    } cases[] = {{"1\r\n", true}, {" 1 \r\n", true}, {"0\r\n", false}, {"x\r\n", false}, {"", false}, {"300\r\n", false}};
    for (const auto& c : cases) {
        makeProgram();
        writeFile("C:\\LightCtl\\StartHalogen.ini", c.content);
        startUp();
        Log& l = *prog->Log;
        EXPECT_TRUE(l.Timer15.enabled());
        t.time.advance(19900);
        EXPECT_EQ(prog->s.request->RelayQTH[0], 0);
        t.time.advance(200);
        EXPECT_FALSE(l.Timer15.enabled());
        for (int i = 0; i < 6; ++i) EXPECT_EQ(prog->s.request->RelayQTH[i], c.on ? 1 : 0) << c.content.constData();
        EXPECT_EQ(prog->s.request->RelayQTH[6], 0);
        EXPECT_EQ(prog->s.run->FlagCommHal, c.on ? 1 : 0);
        if (c.on) {
            EXPECT_EQ(l.CommHalOperator.caption(), "QTH-Stop");
            EXPECT_EQ(l.CommHalOperator.backColor(), plat::rgb(255, 192, 128));
        }
    }
}

} // namespace
