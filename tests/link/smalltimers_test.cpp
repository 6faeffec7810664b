// The small timers of the main window: the "Stop Alarm" countdown on the
// menu caption, the menus that follow the open ports, and the connect button
// released three seconds after start-up.
#include "link/LinkWatchFixture.h"
#include "shell/LinkStatus.h"
#include "shell/Log.h"

using namespace orv;

class SmallTimersTest : public LinkWatchTest {
protected:
    bool portMenusEnabled()
    {
        const bool a = log->mnuTestMateriel.enabled(), b = log->mnuParameters.enabled(),
                   c = log->mnuVdesParam.enabled();
        EXPECT_TRUE(a == b && b == c);
        return a;
    }
};

TEST_F(SmallTimersTest, StopAlarmCountsDownOnTheMenuThenArmsTheWatch)
{
    start();
    log->mnuStopAlarm.click();
    t.time.advance(1000);
    EXPECT_EQ(log->mnuStopAlarm.caption(), "Stop Alarm (19 sec.)");
    t.time.advance(18999);
    EXPECT_EQ(log->mnuStopAlarm.caption(), "Stop Alarm (1 sec.)");
    EXPECT_FALSE(log->Timer54.enabled());
    t.time.advance(1);   // 20 s after the check mark: the count never shows 0
    EXPECT_EQ(log->mnuStopAlarm.caption(), "Stop Alarm (Actived)");
    EXPECT_TRUE(log->Timer54.enabled());
    EXPECT_FALSE(log->Timer11.enabled());
}

TEST_F(SmallTimersTest, UncheckedStopAlarmStartsAgainFromTwenty)
{
    start();
    log->mnuStopAlarm.click();
    t.time.advance(7000);
    EXPECT_EQ(log->mnuStopAlarm.caption(), "Stop Alarm (13 sec.)");
    log->mnuStopAlarm.click();
    EXPECT_EQ(log->mnuStopAlarm.caption(), "Stop Alarm");
    t.time.advance(30000);
    EXPECT_EQ(log->mnuStopAlarm.caption(), "Stop Alarm");
    EXPECT_FALSE(log->Timer54.enabled());
    log->mnuStopAlarm.click();
    t.time.advance(1000);
    EXPECT_EQ(log->mnuStopAlarm.caption(), "Stop Alarm (19 sec.)");
}

TEST_F(SmallTimersTest, PortMenusFollowTheOpenPortsWithin50ms)
{
    Log& w = prog->Log.get();
    log = &w;
    s = &prog->s;
    t.time.advance(50);
    EXPECT_FALSE(portMenusEnabled());   // no port open after load

    t.time.advance(200);
    log->mnuParameters.setEnabled(true);   // any other setting lasts one tick at most
    t.time.advance(50);
    EXPECT_FALSE(portMenusEnabled());

    // A port activated whose open failed still counts as open.
    t.ports.failOpen(3, true);
    activate({2});
    ASSERT_FALSE(log->MSComm3.portOpen());
    t.time.advance(50);
    EXPECT_TRUE(portMenusEnabled());

    // The port watchdog closes the only open port (no LE on it) ...
    t.ports.failOpen(3, false);
    activate({2});
    ASSERT_TRUE(t.time.runUntil([&] { return s->status->ComPortOpen[2] == 0; }));
    t.time.advance(50);
    EXPECT_FALSE(portMenusEnabled());
    // ... and its re-test opens it again.
    ASSERT_TRUE(t.time.runUntil([&] { return s->status->ComPortOpen[2] == 1; }));
    t.time.advance(50);
    EXPECT_TRUE(portMenusEnabled());
}

TEST_F(SmallTimersTest, TheConnectButtonIsReleasedThreeSecondsAfterStartUp)
{
    Log& w = prog->Log.get();
    ASSERT_TRUE(t.time.runUntil([&] { return w.Timer62.enabled(); }));
    t.time.advance(2999);
    EXPECT_EQ(w.ActiveDesactiveRS232.caption(), "Please Wait");
    EXPECT_FALSE(w.ActiveDesactiveRS232.enabled());
    t.time.advance(1);
    EXPECT_EQ(w.ActiveDesactiveRS232.caption(), "Connect/Disconnect");
    EXPECT_TRUE(w.ActiveDesactiveRS232.enabled());
    EXPECT_EQ(w.ActiveDesactiveRS232.backColor(), plat::rgb(107, 255, 77));
    EXPECT_FALSE(w.Timer62.enabled());
}

// With no port open the menu timer has nothing to change and stops waking the
// program; a port opening or closing, or another setting of its menus, still
// shows on the menus at the very tick of its 50 ms series that follows.
TEST_F(SmallTimersTest, PortMenusKeepTheTicksOfTheirSeriesAfterALongIdle)
{
    Log& w = prog->Log.get();
    log = &w;
    s = &prog->s;
    t.time.advance(50);
    // An instant of the series: another setting of a menu lasts up to it.
    log->mnuVdesParam.setEnabled(true);
    for (int i = 0; i < 50 && log->mnuVdesParam.enabled(); ++i) t.time.advance(1);
    ASSERT_FALSE(log->mnuVdesParam.enabled());
    const int64_t tick = t.time.nowMs();
    const auto advanceTo = [&](int64_t ms) { t.time.advance(ms - t.time.nowMs()); };

    advanceTo(tick + 10000 + 17);   // idle, every port closed
    log->mnuTestMateriel.setEnabled(true);
    advanceTo(tick + 10049);
    EXPECT_TRUE(log->mnuTestMateriel.enabled());
    advanceTo(tick + 10050);
    EXPECT_FALSE(portMenusEnabled());

    advanceTo(tick + 20000 + 3);
    activate({2});
    advanceTo(tick + 20049);
    EXPECT_FALSE(portMenusEnabled());
    advanceTo(tick + 20050);
    EXPECT_TRUE(portMenusEnabled());

    advanceTo(tick + 20050 + 22);
    s->link->ComPortEnabled[2] = QStringLiteral("0");
    log->link->ActivationCOM();
    ASSERT_EQ(s->status->ComPortOpen[2], 0);
    advanceTo(tick + 20099);
    EXPECT_TRUE(portMenusEnabled());
    advanceTo(tick + 20100);
    EXPECT_FALSE(portMenusEnabled());

    advanceTo(tick + 40000 + 49);
    activate({4});
    advanceTo(tick + 40050);
    EXPECT_TRUE(portMenusEnabled());
}
