// A parameter read that waits its turn, end to end: the whole program on the
// real clock and real serial ports, the LEs played by tools/le-sim (some
// answering their read late or never), what each LE was sent read from
// le-sim's trace. A waiting read is judged when its turn comes: a start
// request never goes out before its LE's read request, a Stop, a stop-all or
// the port window's OK is never undone by a read that waited, and only an
// LE's own read-back completes its read.
#include "e2e/StartRig.h"
#include "link/ConfigurationRS232.h"
#include "run/LogRun.h"
#include "shell/LinkRequest.h"
#include "shell/Log.h"
#include "shell/MainMenus.h"
#include "shell/ParamLogicielVB.h"
#include "support/Printing.h"

#include <QTimer>

namespace {

using namespace startrig;

constexpr qint64 kNoticeUs = 2'000'000;   // the notice is open 2 s (after 200 ms)

class ReadTurnPty : public StartRig {
protected:
    orv::State& s() { return rig->prog().s; }
    bool inHistory(const QString& text) { return history().contains(text.toLatin1()); }
    // The first frame LE n took with a start request, after fromUs; -1 if none.
    qint64 firstStartAfter(int n, qint64 fromUs) { return sentTo(*sim, n, fromUs).firstStartUs; }
    // Runs the event loop for ms milliseconds: what must not happen has had
    // its time to happen.
    static void runFor(int ms)
    {
        const qint64 until = monotonicUs() + qint64(ms) * 1000;
        waitUntil([&] { return monotonicUs() >= until; }, ms + 1000);
    }
    // The read request of LE n is on the line (le-sim took it).
    void waitForReadRequest(int n, qint64 fromUs)
    {
        ASSERT_TRUE(waitUntil([&] { return sentTo(*sim, n, fromUs).readRequestUs >= 0; }));
    }
    // LE-2 and LE-3 in asymmetric mode, their windows open all day; START
    // LE. Returns once LE-2's read is on the line and LE-3's waits.
    void windowsWaiting()
    {
        allDayAsym(2);
        allDayAsym(3);
        ASSERT_TRUE(waitUntil([&] { return start().modeLabel(2).caption() == "Asym"; }));
        const qint64 pressedUs = monotonicUs();
        start().StartSortie.click();
        waitForReadRequest(2, pressedUs);
        ASSERT_TRUE(waitUntil([&] { return rig->log().run->ParamReadQueued(2); }));
    }
};

// LE-2's window read is on the line (its read-back comes 2 s late) and
// LE-3's waits; then "normal" for LE-1 and START LE: LE-1's start request
// goes out only with its own read request, once the reads before it ended.
TEST_F(ReadTurnPty, StartLEForANormalLEWaitsForItsReadTurnAndSendsTheStartWithTheRead)
{
    bringUp(3, {1, 2, 3}, {"--fault", "2:readback=2000"});
    const qint64 armedUs = monotonicUs();
    ASSERT_NO_FATAL_FAILURE(windowsWaiting());

    choose(1, "MListeNormal");
    ASSERT_TRUE(waitUntil([&] { return start().modeLabel(0).caption() == "Normal"; }));
    const qint64 pressedUs = monotonicUs();
    start().StartSortie.click();   // returns once LE-1's read has ended

    ASSERT_TRUE(waitUntil([&] { return started({1, 2, 3}); })) << history().toStdString();
    const Sent le1 = sentTo(*sim, 1, pressedUs);
    const Sent le3 = sentTo(*sim, 3, armedUs);
    EXPECT_EQ(le1.readRequests, 1);
    ASSERT_GE(le1.readRequestUs, 0);
    // No frame carried its start request before its read request; they went together.
    EXPECT_EQ(le1.firstStartUs, le1.readRequestUs);
    EXPECT_EQ(le1.readRequestStart, 1);
    // Its turn came after LE-3's read had ended.
    ASSERT_GE(le3.readBackUs, 0);
    EXPECT_GT(le1.readRequestUs, le3.readBackUs + kNoticeUs);
    const QByteArray h = history();
    EXPECT_GT(h.indexOf("LE1  Starting LE "), h.indexOf("LE3  Starting LE "));
}

// "Stop" on LE-3 while its window read waits behind LE-2's: LE-3 is neither
// read nor started, then or later, and its history has only its stop.
TEST_F(ReadTurnPty, StopOnAnLEWhoseReadWaitsNeitherReadsNorStartsIt)
{
    bringUp(3, {2, 3}, {"--fault", "2:readback=2000"});
    const qint64 armedUs = monotonicUs();
    ASSERT_NO_FATAL_FAILURE(windowsWaiting());

    choose(3, "MListeStop");
    ASSERT_TRUE(inHistory("LE3  Off LE "));
    EXPECT_FALSE(rig->log().run->ParamReadQueued(2));
    ASSERT_TRUE(waitUntil([&] { return started({2}); })) << history().toStdString();
    runFor(6000);   // past the 5 s after which the waiting read used to start LE-3

    const Sent le3 = sentTo(*sim, 3, armedUs);
    EXPECT_EQ(le3.readRequests, 0);
    EXPECT_EQ(le3.firstStartUs, -1);
    EXPECT_FALSE(inHistory("LE3  Starting LE "));
    EXPECT_EQ(s().status->PhaseLP[2], 0);
    EXPECT_GE(s().status->PhaseLP[1], 1);
}

// LE-1 runs with the SHT alarm on while the window reads of LE-2 to LE-4
// wait; its SHT above the limit raises the alarm, whose stop-all stops every
// LE: no waiting read starts one afterwards.
TEST_F(ReadTurnPty, AStopAllFromAnShtAlarmWhileWindowReadsWaitStartsNoLE)
{
    bringUp(4, {1, 2, 3, 4}, {"--fault", "1:temp=25,200", "--fault", "2:readback=4000"});
    orv::ParamLogicielVB& settings = *rig->prog().form<orv::ParamLogicielVB>();
    for (int le = 0; le < 4; ++le) settings.Check1[le].setValue(1);
    settings.Option1[0].setValue(true);   // LE-1's SHT watched
    // A port whose activation changed is closed and opened again.
    ASSERT_TRUE(waitUntil([&] { return linked({1, 2, 3, 4}); }));

    choose(1, "MListeNormal");
    for (int n : {2, 3, 4}) allDayAsym(n);
    ASSERT_TRUE(waitUntil([&] { return start().modeLabel(3).caption() == "Asym"; }));
    const qint64 pressedUs = monotonicUs();
    start().StartSortie.click();   // LE-1 read and started; the windows armed
    waitForReadRequest(2, pressedUs);
    ASSERT_TRUE(waitUntil([&] { return rig->log().run->ParamReadQueued(3); }));

    // The alarm on while LE-2's read is on the line and LE-3's and LE-4's wait.
    orv::MainMenus& menus = mainMenus(rig->log());
    if (!menus.mnuAlarmPlateau.checked()) menus.mnuAlarmPlateau.click();
    ASSERT_TRUE(waitUntil([&] { return inHistory("LE1  Alarm SHT (FADEC) "); }));
    const qint64 alarmUs = monotonicUs();
    EXPECT_FALSE(started({2}));
    runFor(7000);   // LE-2's late read-back and notice, and seven ticks of the windows

    for (int n : {2, 3, 4}) {
        SCOPED_TRACE(n);
        EXPECT_EQ(firstStartAfter(n, alarmUs), -1);
        EXPECT_FALSE(inHistory(QStringLiteral("LE%1  Starting LE ").arg(n)));
        EXPECT_EQ(s().status->PhaseLP[n - 1], 0);
        EXPECT_TRUE(inHistory(QStringLiteral("LE%1  Off LE ").arg(n)));
    }
}

// OK in the port window while LE-2's read is on the line, with LE-2 and LE-3
// unticked: LE-4, whose port was never touched, is started only through its
// own read, and no LE is started without one.
TEST_F(ReadTurnPty, OkInThePortWindowDuringAReadStartsNoLEWithoutItsRead)
{
    // At 250 ms a frame, LE-4's marker, cleared by OK, is still missing when
    // the reads after LE-2's are judged.
    bringUp(4, {2, 3, 4}, {"--fault", "2:readback=3000", "--period", "250"});
    for (int n : {2, 3, 4}) allDayAsym(n);
    ASSERT_TRUE(waitUntil([&] { return start().modeLabel(3).caption() == "Asym"; }));
    const qint64 armedUs = monotonicUs();
    start().StartSortie.click();
    waitForReadRequest(2, armedUs);

    orv::ConfigurationRS232& ports = *rig->prog().form<orv::ConfigurationRS232>();
    for (int le : {1, 2}) ports.Check1[le].userClick();   // LE-2 and LE-3 unticked
    const qint64 okUs = monotonicUs();
    ports.Command1.click();

    // LE-4 links again and its window starts it through its read.
    ASSERT_TRUE(waitUntil([&] { return started({4}); }));
    ASSERT_TRUE(waitUntil([&] { return firstStartAfter(4, okUs) >= 0; }));
    const Sent le4 = sentTo(*sim, 4, okUs);
    ASSERT_GE(le4.readRequestUs, 0);
    EXPECT_GE(le4.firstStartUs, le4.readRequestUs + kNoticeUs);
    // LE-2 and LE-3 are not started while their ports are closed.
    for (int n : {2, 3}) {
        SCOPED_TRACE(n);
        EXPECT_EQ(firstStartAfter(n, okUs), -1);
        EXPECT_FALSE(inHistory(QStringLiteral("LE%1  Starting LE ").arg(n)));
    }
}

// START LE with LE-1 answering its read 8 s late and LE-2 never: LE-1's read
// fails at its 6 s bound; its late read-back, during LE-2's read, completes
// nothing of LE-2's: LE-2 is reported failed and not started, and no start
// request reaches it once its read has failed.
TEST_F(ReadTurnPty, AnotherLEsLateReadBackDoesNotCompleteARead)
{
    bringUp(3, {1, 2, 3}, {"--fault", "1:readback=8000", "--fault", "2:readback=never"});
    choose(3, "MListeStartAllLE");   // LE-3 started; every open LE marked normal
    ASSERT_TRUE(waitUntil([&] { return started({3}) && start().modeLabel(0).caption() == "Normal"; }));
    const qint64 pressedUs = monotonicUs();
    start().StartSortie.click();

    ASSERT_TRUE(waitUntil([&] { return inHistory("LE2  Parameters could not be read "); }));
    const qint64 failedUs = monotonicUs();
    const Sent le1 = sentTo(*sim, 1, pressedUs);
    const Sent le2 = sentTo(*sim, 2, pressedUs);
    ASSERT_GE(le1.readBackUs, 0);   // LE-1's late read-back came during LE-2's read
    EXPECT_GT(le1.readBackUs, le2.readRequestUs);
    EXPECT_TRUE(inHistory("LE1  Parameters could not be read "));
    EXPECT_FALSE(inHistory("LE2  Starting LE "));
    EXPECT_EQ(s().request->StartStopPC[1], 0);
    runFor(2000);
    // Frames taken after the failure (and the one in flight) carry no start request.
    EXPECT_EQ(firstStartAfter(2, failedUs + 2 * kPeriodMs * 1000), -1);
}

// "Stop All LE" 1.5 s into START LE's sequence, while LE-1's read (never
// answered) is on the line: the sequence ends; no LE is started after it.
TEST_F(ReadTurnPty, StopAllLEEndsStartLEsSequence)
{
    bringUp(4, {1, 2, 3, 4}, {"--fault", "1:readback=never"});
    choose(2, "MListeStartAllLE");   // LE-2 started; every open LE marked normal
    ASSERT_TRUE(waitUntil([&] { return started({2}) && start().modeLabel(3).caption() == "Normal"; }));

    qint64 stopAllUs = -1;
    QTimer::singleShot(1500, [&] {
        choose(2, "MListeStopAllLE");
        stopAllUs = monotonicUs();
    });
    start().StartSortie.click();   // returns at the stop-all
    ASSERT_TRUE(waitUntil([&] { return stopAllUs >= 0; }));
    runFor(8000);   // past LE-1's 6 s bound and the reads of two more LEs

    for (int n : {1, 3, 4}) {
        SCOPED_TRACE(n);
        EXPECT_EQ(firstStartAfter(n, stopAllUs + 2 * kPeriodMs * 1000), -1);
        EXPECT_FALSE(inHistory(QStringLiteral("LE%1  Starting LE ").arg(n)));
        EXPECT_EQ(s().status->PhaseLP[n - 1], 0);
    }
    EXPECT_EQ(sentTo(*sim, 3, stopAllUs).readRequests, 0);
}

} // namespace
