// The small timers of the main window: the "Stop Alarm" countdown on the
// menu caption, the menus that follow the open ports, and the connect button
// released three seconds after start-up.
#include "link/LinkWatchFixture.h"
#include "shell/LinkStatus.h"

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
