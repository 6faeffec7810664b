// Start and stop of one LE: what StartLERoutine clears and loads before the
// parameter read, StopLERoutine's request, history line and QTH switch-off,
// and "Stop LE" of the trace area's pop-up.
#include "run/LogRun.h"
#include "alarms/AlarmsState.h"
#include "alarms/ControlLfcAlarm.h"
#include "alarms/Halogen.h"
#include "alarms/SHTPC.h"
#include "link/LinkState.h"
#include "parameters/ValeurDesParam.h"
#include "run/RunFixture.h"
#include "run/RunState.h"
#include "shell/LinkRequest.h"
#include "shell/Log.h"
#include "shell/ParametersShared.h"
#include "shell/RunShared.h"
#include "shell/ScheduleFlags.h"
#include "shell/State.h"
#include "shell/TracesShared.h"
#include "traces/TracesState.h"

using namespace orv;

class StartStopTest : public RunTest {
protected:
    const QString qthFile = "C:\\LightCtl\\StartHalogen.ini";

    // The QTH lamps on, as the automatic QTH start leaves them.
    void lampsOn()
    {
        for (int le = 0; le < 8; ++le) s->request->RelayQTH[le] = 1;
        log->CommHalOperator.setCaption("QTH-Stop");
        log->CommHalOperator.setBackColor(plat::rgb(255, 192, 128));
        s->run->FlagCommHal = 1;
        writeFile(qthFile, "1\r\n");
    }
    void expectLampsOffFor1To6()
    {
        for (int le = 0; le < 6; ++le) EXPECT_EQ(s->request->RelayQTH[le], 0) << le;
        EXPECT_EQ(log->CommHalOperator.caption(), "QTH-Start");
        EXPECT_EQ(log->CommHalOperator.backColor(), plat::ButtonFace);
        EXPECT_EQ(s->run->FlagCommHal, 0);
        EXPECT_EQ(readFile(qthFile), "0\r\n");
    }
};

TEST_F(StartStopTest, StopAllSwitchesOnlyTheLampsOff)
{
    lampsOn();
    s->request->StartStopPC.fill(1);
    const QString before = histo();
    log->run->StopLERoutine(-1);
    expectLampsOffFor1To6();
    EXPECT_EQ(s->request->RelayQTH[6], 1);
    for (int le = 0; le < 8; ++le) EXPECT_EQ(s->request->StartStopPC[le], 1);
    EXPECT_TRUE(t.dialogs.shown.empty());
    EXPECT_EQ(histo(), before);
}

TEST_F(StartStopTest, StopOfAnOpenLERequestsRecordsAndSwitchesTheLampsOff)
{
    lampsOn();
    openPort(6);
    s->runShared->FlagConsignePWLE7[6] = 1;
    log->Label26[6].setBackColor(plat::colors::Green);
    log->run->StopLERoutine(7);
    EXPECT_EQ(s->request->StartStopPC[6], 2);
    EXPECT_EQ(s->runShared->FlagConsignePWLE7[6], 0);
    EXPECT_EQ(log->Label26[6].backColor(), plat::ButtonFace);
    EXPECT_EQ(histoMessages().last(), "LE7  Off LE ");
    EXPECT_TRUE(histo().endsWith("    000    LE7  Off LE \r\n"));
    expectLampsOffFor1To6();
    EXPECT_EQ(s->request->RelayQTH[6], 1);   // LE-7 and LE-8 keep theirs
    EXPECT_EQ(s->request->RelayQTH[7], 1);
}

TEST_F(StartStopTest, StopOfAClosedLEOnlyWarnsThenSwitchesTheLampsOff)
{
    lampsOn();
    s->request->StartStopPC[2] = 1;
    const QString before = histo();
    log->run->StopLERoutine(3);
    ASSERT_EQ(t.dialogs.shown.size(), 1u);
    EXPECT_EQ(t.dialogs.shown[0].text, "COMx unactivated");
    EXPECT_EQ(t.dialogs.shown[0].title, " Warning!");
    EXPECT_EQ(t.dialogs.shown[0].icon(), plat::mb::Exclamation);
    EXPECT_EQ(s->request->StartStopPC[2], 1);
    EXPECT_EQ(histo(), before);
    expectLampsOffFor1To6();
}

TEST_F(StartStopTest, StartZeroOnlyRestoresTheAlarmMenuCaptions)
{
    for (plat::Menu* m : {&log->mnuAlarmHalogen, &log->mnuAlarmPlateau, &log->mnuAlarmLFC, &log->mnuStopAlarm})
        m->setCaption(m->caption() + " *");
    s->link->AlarmSHTLatchLE5 = 1;
    s->alarms->AlarmSHTPCReported = 1;
    log->run->StartLERoutine(0);
    EXPECT_EQ(log->mnuAlarmHalogen.caption(), "QTH-Lamps");
    EXPECT_EQ(log->mnuAlarmPlateau.caption(), "SHT (FADEC and PC)");
    EXPECT_EQ(log->mnuAlarmLFC.caption(), "LFC");
    EXPECT_EQ(log->mnuStopAlarm.caption(), "Stop Alarm");
    EXPECT_EQ(s->link->AlarmSHTLatchLE5, 1);
    EXPECT_EQ(s->alarms->AlarmSHTPCReported, 1);
}

TEST_F(StartStopTest, StartClearsEveryLatchButOnlyItsOwnErrorMarks)
{
    s->alarms->AlarmSHTPCReported = 1;
    s->alarms->AlarmQTHReported.fill(1);
    s->link->AlarmSHTLatchLE5 = 1;
    s->link->AlarmLFCLatchLE8 = 1;
    s->run->StartLELogged.fill(1);
    s->run->OffLELogged.fill(1);
    s->common->StopAlarmLogged.fill(1);
    s->common->ErrCodeReported.fill(1);
    // The settings reader is open; the start closes it.
    prog->form<ValeurDesParam>()->List2.addItem("old");
    prog->form<ValeurDesParam>()->Timer1.setEnabled(true);
    // LE-2's port is closed, so the parameter read returns at once.
    log->run->StartLERoutine(2);

    EXPECT_EQ(s->alarms->AlarmSHTPCReported, 0);
    EXPECT_EQ(s->alarms->AlarmQTHReported, (std::array<uint8_t, 4>{}));
    EXPECT_EQ(s->link->AlarmSHTLatchLE5, 0);
    EXPECT_EQ(s->link->AlarmLFCLatchLE8, 0);
    for (int le = 0; le < 6; ++le) {
        EXPECT_EQ(s->run->StartLELogged[le], 0);
        EXPECT_EQ(s->run->OffLELogged[le], 0);
        EXPECT_EQ(s->common->StopAlarmLogged[le], 0);
    }
    EXPECT_EQ(s->common->StopAlarmLogged[6], 1);
    for (int code = 0; code <= 20; ++code) {
        EXPECT_EQ(s->common->ErrCodeReported[code + 21 * 1], 0);   // LE-2's marks
        EXPECT_EQ(s->common->ErrCodeReported[code + 21 * 4], 1);   // LE-5's stay
    }
    EXPECT_TRUE(prog->ifLoaded<Halogen>());
    EXPECT_TRUE(prog->ifLoaded<ControlLfcAlarm>());
    EXPECT_TRUE(prog->ifLoaded<SHTPC>());
    EXPECT_FALSE(prog->ifLoaded<Halogen>()->visible());
    t.time.runPending();
    EXPECT_FALSE(prog->form<ValeurDesParam>().isLoaded());
    EXPECT_EQ(prog->form<ValeurDesParam>()->List2.listCount(), 0);
}

TEST_F(StartStopTest, StartGoesThroughTheParameterRead)
{
    openPort(1);
    markIdle(1);
    // LE-2's read-back and the transfer notice's close, 50 ms later.
    plat::Timer notice(t.time, "notice", 50, true);
    notice.onTimer = [&] {
        notice.setEnabled(false);
        ++s->status->ReadBacks[1];
        s->paramShared->TransfertDone = 1;
        log->ParamNoticeClosedEntry();
    };
    log->run->StartLERoutine(2);
    EXPECT_EQ(s->request->StartStopPC[1], 1);
    EXPECT_EQ(histoMessages().last(), "LE2  Starting LE ");
}

TEST_F(StartStopTest, StopLEOfTheTracePanePutsItInStopMode)
{
    // LE-3's port is closed: the request stays until the link answers again.
    s->tracesShared->ScreenLE = 2;
    s->runShared->RestSeconds[2] = 50;
    s->schedule->StartNorm[2] = s->schedule->StartSym[2] = s->schedule->StartSymStop[2] = s->schedule->StartStop[2] = 1;
    s->schedule->ComptageTempo[2] = 17;
    s->schedule->FlagSymBlocage[2] = s->schedule->FlagVerouillage[2] = 1;
    s->schedule->SelectionMode[2][1] = 1;
    s->request->RelayQTH[0] = 1;
    const QString before = histo();
    log->mnuStopLEx.click();
    EXPECT_EQ(s->request->StartStopPC[2], 2);
    EXPECT_EQ(s->runShared->RestSeconds[2], 0);
    EXPECT_EQ(s->schedule->StartNorm[2] + s->schedule->StartSym[2] + s->schedule->StartSymStop[2] + s->schedule->StartStop[2], 0);
    EXPECT_EQ(s->schedule->ComptageTempo[2], 0);
    EXPECT_EQ(s->schedule->FlagSymBlocage[2] + s->schedule->FlagVerouillage[2], 0);
    for (int mode = 1; mode <= 7; ++mode) EXPECT_EQ(s->schedule->SelectionMode[2][mode], mode == 5 ? 1 : 0) << mode;
    EXPECT_EQ(s->request->RelayQTH[0], 1);
    EXPECT_EQ(histo(), before);
    EXPECT_TRUE(t.dialogs.shown.empty());
}

TEST_F(StartStopTest, APressOnTheTraceAreaSelectsThePaneOfItsLE)
{
    const struct {
        int button;
        double x, y;
        int screenLE;   // expected after the press, from 0
    } presses[] = {
        {plat::LeftButton, 2340, 10, 0},      // before the second pane's origin
        {plat::LeftButton, 2343, 10, 1},
        {plat::RightButton, 7029, 2106, 3},   // top row up to y 2106
        {plat::RightButton, 10, 2107, 4},     // bottom row from y 2107
        {plat::MiddleButton, 5000, 3000, 0},  // another button changes nothing
        {plat::LeftButton, 9400, 10, 0},      // right of the fourth column
    };
    for (const auto& p : presses) {
        s->tracesShared->ScreenLE = 0;
        log->Picture13.onMouseDown({p.button, 0, p.x, p.y});
        EXPECT_EQ(s->tracesShared->ScreenLE, p.screenLE) << p.x << "," << p.y;
    }
    // Only the left button opened the pop-up.
    EXPECT_EQ(t.dialogs.popupsShown.size(), 3u);
}

TEST_F(StartStopTest, StopLEStopsThePaneThatOpenedTheMenuEvenWhenScreenLEMovesMeanwhile)
{
    // While the menu is open, a routine blanks another pane.
    t.dialogs.onPopup = [this](plat::Menu&) { s->tracesShared->ScreenLE = 1; };
    t.dialogs.popupChoices.push_back("mnuStopLEx");
    log->Picture13.onMouseDown({plat::LeftButton, 0, 2343 * 2 + 5, 2107 + 5});   // LE-7's pane
    EXPECT_EQ(s->request->StartStopPC[6], 2);
    EXPECT_EQ(s->request->StartStopPC[1], 0);
    EXPECT_EQ(s->traces->PaneMenuLE, -1);
}
