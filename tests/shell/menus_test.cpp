// The Functions menu: alarm switches with their blinking labels and common
// reset, the stop alarm, "Freeze" and its end after 30 s, "Reset Magdrive",
// the phase guards of the windows it opens, the alarm windows' thresholds,
// the data logger off item and "Erase (List error)".

#include "alarms/AlarmsState.h"
#include "alarms/ControlLfcAlarm.h"
#include "alarms/Halogen.h"
#include "alarms/SHTPC.h"
#include "parameters/FadecParameters.h"
#include "parameters/LogParameters.h"
#include "shell/LinkRequest.h"
#include "shell/LinkStatus.h"
#include "shell/Log.h"
#include "shell/ShellState.h"
#include "shell/State.h"
#include "support/ProgramFixture.h"

using namespace orv;

namespace {

class MenusTest : public ProgramTest {
protected:
    void SetUp() override
    {
        ProgramTest::SetUp();
        startUp();
    }
    Log& w() { return *prog->Log; }
};

TEST_F(MenusTest, AlarmSwitchesToggleOnTheirOwnStateAndBlinkTheirWindowsLabel)
{
    Log& l = w();
    l.mnuAlarmHalogen.click();
    EXPECT_TRUE(l.mnuAlarmHalogen.checked());
    EXPECT_EQ(prog->s.alarms->FlagMenuQTH, 1);
    auto& qth = prog->form<Halogen>().get();
    EXPECT_FALSE(qth.visible());   // loaded, not shown
    // Both blink timers run: the label alternates every 500 ms.
    t.time.advance(500);
    const QString first = qth.Label2.caption();
    t.time.advance(500);
    const QString second = qth.Label2.caption();
    EXPECT_NE(first, second);
    EXPECT_TRUE(first == "QTH-Lamp Activated" || second == "QTH-Lamp Activated");

    l.mnuAD.click();   // "Unselect All"
    EXPECT_FALSE(l.mnuAlarmHalogen.checked());
    EXPECT_EQ(l.mnuAlarmHalogen.caption(), "QTH-Lamp");
    EXPECT_EQ(qth.Label2.caption(), QString(18, ' '));
    t.time.advance(2000);
    EXPECT_EQ(qth.Label2.caption(), QString(18, ' '));   // blinking stopped

    l.mnuAlarmHalogen.click();
    EXPECT_TRUE(l.mnuAlarmHalogen.checked());

    // The state byte decides, not the check mark.
    l.mnuAlarmHalogen.setChecked(false);
    l.mnuAlarmHalogen.click();
    EXPECT_EQ(prog->s.alarms->FlagMenuQTH, 0);
}

TEST_F(MenusTest, SwitchingAnAlarmOffRestoresItsCaption)
{
    Log& l = w();
    const struct {
        plat::Menu* item;
        const char* raised;
        const char* plain;
    } cases[] = {{&l.mnuAlarmPlateau, "SHT (FADEC and PC) *", "SHT (FADEC and PC)"},
                 {&l.mnuAlarmLFC, "LFC *", "LFC"},
                 {&l.mnuAlarmHalogen, "QTH-Lamp *", "QTH-Lamp"}};
    for (const auto& c : cases) {
        c.item->click();
        c.item->setCaption(c.raised);   // an alarm fired
        c.item->click();
        EXPECT_FALSE(c.item->checked());
        EXPECT_EQ(c.item->caption(), c.plain);
    }
    // Off blanks the windows' blinking labels.
    EXPECT_EQ(prog->form<SHTPC>()->Label7.caption(), QString(29, ' '));
    EXPECT_EQ(prog->form<ControlLfcAlarm>()->Label12.caption(), QString(18, ' '));
}

TEST_F(MenusTest, SHTAndLFCSwitchesStartTheFirstBlinkTimerOnly)
{
    Log& l = w();
    l.mnuAlarmPlateau.click();
    l.mnuAlarmLFC.click();
    EXPECT_TRUE(prog->form<SHTPC>()->Timer2.enabled());
    EXPECT_FALSE(prog->form<SHTPC>()->Timer3.enabled());
    EXPECT_TRUE(prog->form<ControlLfcAlarm>()->Timer5.enabled());
    EXPECT_FALSE(prog->form<ControlLfcAlarm>()->Timer6.enabled());
    t.time.advance(500);
    EXPECT_EQ(prog->form<SHTPC>()->Label7.caption(), "SHT (FADEC and PC) Activated ");
    EXPECT_EQ(prog->form<ControlLfcAlarm>()->Label12.caption(), "LFC Activated");
}

TEST_F(MenusTest, StopAlarmArmsItsCountdownAndOffResetsIt)
{
    Log& l = w();
    l.mnuStopAlarm.click();
    EXPECT_TRUE(l.mnuStopAlarm.checked());
    EXPECT_EQ(prog->s.common->TempoStopAlarm, 20);
    EXPECT_TRUE(l.Timer11.enabled());
    prog->s.common->TempoStopAlarm = 7;   // partway through the countdown
    l.Timer54.setEnabled(true);
    l.mnuStopAlarm.setCaption("Stop Alarm (7 sec.)");
    l.mnuStopAlarm.click();
    EXPECT_FALSE(l.mnuStopAlarm.checked());
    EXPECT_EQ(l.mnuStopAlarm.caption(), "Stop Alarm");
    EXPECT_EQ(prog->s.common->TempoStopAlarm, 20);
    EXPECT_FALSE(l.Timer11.enabled());
    EXPECT_FALSE(l.Timer54.enabled());
    // "Unselect All" switches it off whatever its state byte holds.
    l.mnuStopAlarm.click();
    l.mnuAD.click();
    EXPECT_EQ(prog->s.shell->FlagMenuStopAlarm, 0);
    EXPECT_FALSE(l.Timer11.enabled());
}

TEST_F(MenusTest, FreezeHoldsTheRunningLEsFor30Seconds)
{
    auto& s = prog->s;
    s.status->PhaseLP[0] = 5;
    s.status->PhaseLP[1] = 3;
    s.status->PhaseLP[2] = 5;
    w().mnuRegulateActive_Click();
    EXPECT_EQ(s.request->SubCommand[0], 1);
    EXPECT_EQ(s.request->EnableCooling[0], 4);
    EXPECT_EQ(s.request->SubCommand[2], 1);
    EXPECT_EQ(s.request->SubCommand[1], 0);
    EXPECT_EQ(s.request->EnableCooling[1], 0);
    EXPECT_TRUE(w().mnuRegulateActive.checked());

    t.time.advance(10000);
    s.status->PhaseLP[2] = 6;   // LE-3 stops meanwhile
    t.time.advance(19900);
    EXPECT_TRUE(w().mnuRegulateActive.checked());
    t.time.advance(100);
    EXPECT_FALSE(w().mnuRegulateActive.checked());
    EXPECT_EQ(s.request->SubCommand[0], 0);      // FreezeOff
    EXPECT_EQ(s.request->EnableCooling[0], 4);   // still a sub-command request
    EXPECT_EQ(s.request->SubCommand[2], 1);      // LE-3 keeps FreezeOn
    EXPECT_FALSE(w().Timer63.enabled());
}

TEST_F(MenusTest, ResetMagdriveAsksAnIdleLEForOneSecond)
{
    auto& s = prog->s;
    s.common->SelectedLE = 3;
    s.request->SubCommand[2] = 5;
    w().MnuResetMagDrive.click();
    EXPECT_EQ(s.request->EnableCooling[2], 4);
    EXPECT_EQ(s.request->SubCommand[2], 5);
    ASSERT_EQ(w().List4.listCount(), 1);
    EXPECT_EQ(w().List4.list(0), "LE3  Reset MagDrive - ok ");
    EXPECT_EQ(w().List4.foreColor(), plat::colors::Green);
    s.common->SelectedLE = 5;   // a later selection does not move the clearing
    t.time.advance(1000);
    EXPECT_EQ(s.request->EnableCooling[2], 0);
    EXPECT_FALSE(w().Timer48.enabled());
}

TEST_F(MenusTest, ResetMagdriveOnABusyLEChangesNothing)
{
    auto& s = prog->s;
    s.common->SelectedLE = 2;
    s.status->PhaseLP[1] = 5;
    s.request->EnableCooling[1] = 4;   // a running freeze request
    w().MnuResetMagDrive_Click();
    EXPECT_EQ(w().List4.listCount(), 0);
    EXPECT_FALSE(w().Timer48.enabled());
    t.time.advance(2000);
    EXPECT_EQ(s.request->EnableCooling[1], 4);
}

TEST_F(MenusTest, WindowsThatNeedAnIdleLEAreRefusedWithAStopBox)
{
    auto& s = prog->s;
    s.common->SelectedLE = 1;
    s.status->PhaseLP[0] = 2;
    w().parameters->mnuParameters_Click();
    w().parameters->mnuTestMateriel_Click();
    ASSERT_EQ(t.dialogs.shown.size(), 2u);
    EXPECT_EQ(t.dialogs.shown[0].text, "LE is not in phase 0 ");
    EXPECT_EQ(t.dialogs.shown[1].text, "Tests can be done when phase (0)! ");
    for (const auto& box : t.dialogs.shown) {
        EXPECT_EQ(box.title, " Warning!");
        EXPECT_EQ(box.icon(), plat::mb::Critical);
    }
    EXPECT_FALSE(prog->form<FadecParameters>()->visible());
}

TEST_F(MenusTest, FadecParametersTakesTheLEChosenInAnotherWindow)
{
    auto& s = prog->s;
    auto& params = prog->form<FadecParameters>().get();
    // Nothing selected since start-up: the values read "0".
    params.setParamPC(8, "77");
    w().parameters->mnuParameters_Click();
    EXPECT_TRUE(params.visible());
    EXPECT_EQ(params.ParamPC(8), "0");
    EXPECT_FALSE(params.Label61[0].caption().isEmpty());   // titles written

    s.common->SelectedLE = 1;
    s.status->PhaseLP[4] = 5;   // the chosen LE's phase is not tested
    w().Label26[4].setBackColor(plat::rgb(91, 255, 0));
    params.setParamPC(8, "77");
    w().parameters->mnuParameters_Click();
    EXPECT_EQ(s.common->SelectedLE, 5);
    EXPECT_EQ(params.Label64.caption(), "Selected LE : 5");
    EXPECT_EQ(params.ParamPC(8), "77");
}

TEST_F(MenusTest, AlarmWindowsShowOneAtATimeWithTheirSavedThreshold)
{
    writeFile("C:\\LightCtl\\SHTConsigne.ini", "55\r\n");
    writeFile("C:\\LightCtl\\Consigne.ini", " 180 \r\n");
    w().mnuSHTFenetre.click();
    auto& sht = prog->form<SHTPC>().get();
    EXPECT_TRUE(sht.visible());
    EXPECT_EQ(sht.VScroll1[0].value(), 55);

    w().mnuHalogen.click();
    auto& qth = prog->form<Halogen>().get();
    EXPECT_FALSE(sht.visible());
    EXPECT_TRUE(qth.visible());
    EXPECT_EQ(qth.VScroll1.value(), 180);

    // A bad threshold file gives the threshold of a new file; the window
    // shows all the same.
    writeFile("C:\\LightCtl\\Consigne.ini", "abc\r\n");
    qth.VScroll1.setValue(99);
    w().mnuLfcControlAlarm.click();
    EXPECT_FALSE(qth.visible());
    EXPECT_TRUE(prog->form<ControlLfcAlarm>()->visible());
    w().mnuHalogen.click();
    EXPECT_EQ(qth.VScroll1.value(), 220);
    EXPECT_FALSE(prog->form<ControlLfcAlarm>()->visible());
}

TEST_F(MenusTest, LoggerOffAndEraseList)
{
    Log& l = w();
    l.Timer42.setEnabled(true);
    l.Picture3.setVisible(true);
    l.mnuCreateDataLogger.setChecked(true);
    l.mnuOffDataLogger.setChecked(false);
    l.mnuOffDataLogger.click();
    EXPECT_FALSE(l.Timer42.enabled());
    EXPECT_TRUE(l.mnuOffDataLogger.checked());
    EXPECT_FALSE(l.mnuCreateDataLogger.checked());
    EXPECT_FALSE(l.Picture3.visible());

    const QByteArray history = "  08:00:00    02/03/2026    000    kept\r\n";
    writeFile("C:\\LightCtl\\Histo.txt", history);
    l.List4.addItem("one");
    l.List4.addItem("two");
    l.mnuEraseListe4.click();
    EXPECT_EQ(l.List4.listCount(), 0);
    EXPECT_EQ(readFile("C:\\LightCtl\\Histo.txt"), history);
}

} // namespace
