// Timer rules and yielding waits on virtual time.
#include "platform/TimeSource.h"
#include "platform/Timer.h"

#include <gtest/gtest.h>
#include <algorithm>
#include <QStringList>

using plat::Timer;
using plat::VirtualTimeSource;

namespace {

struct Recorder {
    VirtualTimeSource ts;
    std::vector<std::pair<QString, int64_t>> ticks;
    void hook(Timer& t)
    {
        t.onTimer = [this, &t] { ticks.push_back({t.name(), ts.nowMs()}); };
    }
    std::vector<int64_t> times(const QString& name) const
    {
        std::vector<int64_t> r;
        for (auto& [n, at] : ticks)
            if (n == name) r.push_back(at);
        return r;
    }
};

} // namespace

TEST(Timer, FirstTickOneIntervalAfterEnableThenPeriodic)
{
    Recorder r;
    Timer t(r.ts, "t", 100);
    r.hook(t);
    r.ts.advance(50);
    t.setEnabled(true);
    r.ts.advance(320);
    EXPECT_EQ(r.times("t"), (std::vector<int64_t>{150, 250, 350}));
}

TEST(Timer, ReenablingARunningTimerKeepsItsCountdown)
{
    Recorder r;
    Timer t(r.ts, "t", 100, true);
    r.hook(t);
    r.ts.advance(70);
    t.setEnabled(true);   // already on: no restart
    r.ts.advance(40);
    EXPECT_EQ(r.times("t"), (std::vector<int64_t>{100}));
}

TEST(Timer, OffThenOnStartsANewInterval)
{
    Recorder r;
    Timer t(r.ts, "t", 100, true);
    r.hook(t);
    r.ts.advance(70);
    t.setEnabled(false);
    t.setEnabled(true);
    r.ts.advance(120);
    EXPECT_EQ(r.times("t"), (std::vector<int64_t>{170}));
}

TEST(Timer, SettingIntervalRestartsAndZeroNeverFires)
{
    Recorder r;
    Timer t(r.ts, "t", 100, true);
    r.hook(t);
    r.ts.advance(70);
    t.setInterval(50);
    r.ts.advance(60);
    EXPECT_EQ(r.times("t"), (std::vector<int64_t>{120}));
    t.setInterval(0);
    r.ts.advance(1000);
    EXPECT_EQ(r.times("t").size(), 1u);
    EXPECT_TRUE(t.enabled());
}

TEST(Timer, LateTicksDoNotQueue)
{
    Recorder r;
    Timer fast(r.ts, "fast", 10, true);
    Timer release(r.ts, "release", 100, true);
    bool released = false;
    release.onTimer = [&] { released = true; release.setEnabled(false); };
    fast.onTimer = [&] {
        r.ticks.push_back({"fast", r.ts.nowMs()});
        if (r.ticks.size() == 1) r.ts.waitUntil([&] { return released; });
    };
    r.ts.advance(115);
    // Suspended from 10 to 100: one tick on return, none of the missed ones.
    EXPECT_EQ(r.times("fast"), (std::vector<int64_t>{10, 100, 110}));
}

TEST(Timer, TiesFireInEnableOrder)
{
    Recorder r;
    Timer b(r.ts, "b", 100);
    Timer a(r.ts, "a", 100);
    r.hook(a);
    r.hook(b);
    b.setEnabled(true);
    a.setEnabled(true);
    r.ts.advance(100);
    ASSERT_EQ(r.ticks.size(), 2u);
    EXPECT_EQ(r.ticks[0].first, "b");
    EXPECT_EQ(r.ticks[1].first, "a");
}

TEST(Timer, OneShotDisablesItself)
{
    Recorder r;
    Timer t(r.ts, "t", 200, true);
    t.onTimer = [&] {
        r.ticks.push_back({"t", r.ts.nowMs()});
        t.setEnabled(false);
    };
    r.ts.advance(1000);
    EXPECT_EQ(r.times("t"), (std::vector<int64_t>{200}));
}

// Long timers tick exactly on time beside a fast one, and a handler that
// sets its Interval again each tick keeps a steady cycle.
TEST(Timer, LongTimersTickOnTimeBesideFastOnesAndRearmingKeepsTheCycle)
{
    Recorder r;
    Timer fast(r.ts, "fast", 50), minute(r.ts, "minute", 60000), alone(r.ts, "alone", 700);
    r.hook(fast);
    r.hook(alone);
    minute.onTimer = [&] {
        r.ticks.push_back({"minute", r.ts.nowMs()});
        minute.setInterval(60000);
    };
    fast.setEnabled(true);
    r.ts.advance(30);
    minute.setEnabled(true);
    r.ts.advance(10);
    alone.setEnabled(true);
    r.ts.advance(3 * 60000);
    EXPECT_EQ(r.times("minute"), (std::vector<int64_t>{60030, 120030, 180030}));
    const std::vector<int64_t> aloneAt = r.times("alone");
    ASSERT_FALSE(aloneAt.empty());
    for (size_t i = 0; i < aloneAt.size(); ++i) EXPECT_EQ(aloneAt[i], int64_t(40 + 700 * (i + 1)));
    EXPECT_EQ(r.times("fast").size(), size_t((3 * 60000 + 40) / 50));
}

TEST(Wait, NestedWaitsRunTimersAndABusyTimerDoesNotReenter)
{
    VirtualTimeSource ts;
    Timer first(ts, "first", 30, true);
    Timer second(ts, "second", 100, true);
    Timer release(ts, "release", 500, true);
    bool released = false;
    int firstRuns = 0, secondRuns = 0;
    QStringList finished;
    release.onTimer = [&] { released = true; release.setEnabled(false); };
    first.onTimer = [&] {
        if (++firstRuns > 1) return;
        ts.waitUntil([&] { return released; });
        finished << "first";
    };
    second.onTimer = [&] {
        if (++secondRuns > 1) return;
        // Opened inside the first wait: it ends first (last in, first out).
        ts.waitUntil([&] { return released; });
        finished << "second";
    };
    ts.advance(1000);
    EXPECT_EQ(finished, (QStringList{"second", "first"}));
    // Neither fired while suspended (30..500 and 100..500); each fired once
    // on its return at 500, then on its period again.
    EXPECT_EQ(firstRuns, 1 + 1 + 16);    // 30, 500, 530 ... 980
    EXPECT_EQ(secondRuns, 1 + 1 + 5);    // 100, 500, 600 ... 1000
}

TEST(Wait, EndUnwindsFromANestedWait)
{
    VirtualTimeSource ts;
    Timer t(ts, "t", 100, true);
    Timer ender(ts, "ender", 250, true);
    bool afterWait = false;
    t.onTimer = [&] {
        ts.waitUntil([] { return false; });
        afterWait = true;
    };
    ender.onTimer = [&] { ts.end(); };
    EXPECT_FALSE(ts.advance(1000));
    EXPECT_TRUE(ts.ended());
    EXPECT_FALSE(afterWait);
    EXPECT_EQ(ts.nowMs(), 250);
}

TEST(Wait, PostedEventsRunInOrderBeforeLaterTimers)
{
    VirtualTimeSource ts;
    QStringList order;
    Timer t(ts, "t", 10, true);
    t.onTimer = [&] { order << "timer"; t.setEnabled(false); };
    ts.post([&] { order << "first"; });
    ts.post([&] { order << "second"; });
    ts.advance(20);
    EXPECT_EQ(order, (QStringList{"first", "second", "timer"}));
}
