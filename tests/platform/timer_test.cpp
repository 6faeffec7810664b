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

namespace {
// Virtual time with the real loop's slack: ticks of 100 ms and more may come
// early to share a wake-up.
struct CoarseVirtualTime : VirtualTimeSource {
    int64_t slackUs(int intervalMs) const override { return plat::RealTimeSource::coarseSlackUs(intervalMs); }
};
} // namespace

TEST(Timer, LongTimersShareAWakeUpEarlyAndNeverTickLate)
{
    EXPECT_EQ(plat::RealTimeSource::coarseSlackUs(30), 0);   // the reply tick stays exact
    EXPECT_EQ(plat::RealTimeSource::coarseSlackUs(50), 0);
    EXPECT_EQ(plat::RealTimeSource::coarseSlackUs(100), 5000);
    EXPECT_EQ(plat::RealTimeSource::coarseSlackUs(1000), 50000);

    CoarseVirtualTime ts;
    std::vector<std::pair<QString, int64_t>> ticks;
    Timer fast(ts, "fast", 50), slow(ts, "slow", 1000), alone(ts, "alone", 700);
    for (Timer* t : {&fast, &slow, &alone}) t->onTimer = [&, t] { ticks.push_back({t->name(), ts.nowMs()}); };
    fast.setEnabled(true);
    ts.advance(30);
    slow.setEnabled(true);    // due at 1030, 2030: within 50 ms of fast's 1000 and 2000
    ts.advance(10);
    alone.setEnabled(true);   // due at 740, 1440: no other tick within 35 ms before
    ts.advance(2100 - 40);
    std::vector<int64_t> slowAt, aloneAt, fastAt;
    for (auto& [n, at] : ticks) (n == "slow" ? slowAt : n == "alone" ? aloneAt : fastAt).push_back(at);
    EXPECT_EQ(slowAt, (std::vector<int64_t>{1000, 2000}));
    EXPECT_EQ(aloneAt, (std::vector<int64_t>{740, 1440}));
    ASSERT_EQ(fastAt.size(), 42u);
    for (size_t i = 0; i < fastAt.size(); ++i) EXPECT_EQ(fastAt[i], int64_t(50 * (i + 1)));
    // In a shared wake-up the timer that was due first ticks first.
    const auto at1000 = std::find(ticks.begin(), ticks.end(), std::pair<QString, int64_t>{"slow", 1000});
    ASSERT_NE(at1000, ticks.begin());
    EXPECT_EQ(*(at1000 - 1), (std::pair<QString, int64_t>{"fast", 1000}));
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
