// Timer rules and yielding waits on virtual time.
#include "platform/TimeSource.h"
#include "platform/Timer.h"

#include <gtest/gtest.h>
#include <algorithm>
#include <functional>
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

// A parked timer neither ticks nor holds time up, and resumes on its own
// series of instants: the first one not yet past.
TEST(Timer, ParkedTimerResumesOnItsOwnSeries)
{
    Recorder r;
    Timer t(r.ts, "t", 50, true);
    Timer other(r.ts, "other", 70, true);
    r.hook(t);
    r.hook(other);
    t.onTimer = [&] {
        r.ticks.push_back({t.name(), r.ts.nowMs()});
        if (r.ts.nowMs() == 100) t.park();
    };
    r.ts.advance(237);
    EXPECT_EQ(r.times("t"), (std::vector<int64_t>{50, 100}));
    EXPECT_EQ(r.times("other"), (std::vector<int64_t>{70, 140, 210}));
    EXPECT_TRUE(t.enabled());
    t.resume();
    t.resume();   // resuming a timer that is not parked changes nothing
    r.ts.advance(113);   // to 350
    EXPECT_EQ(r.times("t"), (std::vector<int64_t>{50, 100, 250, 300, 350}));

    // Resumed exactly on an instant of its series, it ticks at that instant.
    t.onTimer = [&] { r.ticks.push_back({t.name(), r.ts.nowMs()}); };
    t.park();
    r.ts.advance(100);   // to 450
    t.resume();
    r.ts.runPending();
    EXPECT_EQ(r.times("t").back(), 450);
}

TEST(Timer, RestartingOrStoppingEndsTheParking)
{
    struct Case {
        const char* what;
        std::function<void(Timer&)> act;
        std::vector<int64_t> ticks;   // after parking at 0 and acting at 30, up to 200
    };
    const Case cases[] = {
        {"off then on counts a new interval", [](Timer& t) { t.setEnabled(false); t.setEnabled(true); }, {130}},
        {"a new interval restarts the countdown", [](Timer& t) { t.setInterval(80); }, {110, 190}},
        {"off stays off, on again unparked", [](Timer& t) { t.setEnabled(false); }, {}},
        {"on while on stays parked", [](Timer& t) { t.setEnabled(true); }, {}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        Recorder r;
        Timer t(r.ts, "t", 100, true);
        r.hook(t);
        t.park();
        r.ts.advance(30);
        c.act(t);
        r.ts.advance(170);
        EXPECT_EQ(r.times("t"), c.ticks);
    }
}

// A timer parked while what it reads stays as it was wakes nobody; a change
// made anywhere (by a handler, or between events) resumes it on the instant
// of its series that follows, as if it had never stopped ticking.
TEST(Timer, ParkedWhileSettledResumesAtTheNextInstantAfterAChange)
{
    Recorder r;
    int value = 0, shown = 0;
    Timer t(r.ts, "t", 100, true);
    Timer writer(r.ts, "writer", 1000, true);
    writer.onTimer = [&] { value = 2; };
    t.onTimer = [&] {
        r.ticks.push_back({t.name(), r.ts.nowMs()});
        shown = value;
        t.parkWhile([&] { return shown == value; });
    };
    r.ts.advance(950);
    EXPECT_EQ(r.times("t"), (std::vector<int64_t>{100}));
    r.ts.advance(150);   // the writer's change at 1000 shows at 1000, in the same pass
    EXPECT_EQ(r.times("t"), (std::vector<int64_t>{100, 1000}));
    EXPECT_EQ(shown, 2);

    r.ts.advance(237);   // to 1337
    value = 3;
    r.ts.advance(62);
    EXPECT_EQ(r.times("t").back(), 1000);
    r.ts.advance(1);
    EXPECT_EQ(r.times("t").back(), 1400);

    // A plain park ignores the condition: only resume() wakes it.
    t.park();
    value = 4;
    r.ts.advance(450);
    EXPECT_EQ(r.times("t").back(), 1400);
    t.resume();
    r.ts.advance(100);
    EXPECT_EQ(r.times("t").back(), 1900);
}

// Where the program's time source wakes: timers of 100 ms or more due first
// wait up to 2 ms for a timer due after them; nothing wakes before a due time.
namespace {
struct WakeProbe : VirtualTimeSource {
    using VirtualTimeSource::wakeDue;
};
} // namespace

TEST(Timer, LongTimersShareTheWakeOfATimerDueWithin2ms)
{
    struct Case {
        const char* what;
        int firstInterval;    // enabled at 0
        int secondAt;         // enabled at this instant ...
        int secondInterval;   // ... with this interval
        int64_t wakeUs;
    };
    const Case cases[] = {
        {"long first waits for a short one 2 ms later", 100, 52, 50, 102000},
        {"long first waits for a long one 1 ms later", 500, 1, 500, 501000},
        {"beyond 2 ms each has its own wake", 100, 53, 50, 100000},
        {"a short first never waits", 50, 1, 50, 50000},
        {"a short first never waits for a long one", 50, 0, 100, 50000},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        WakeProbe ts;
        Timer first(ts, "first", c.firstInterval, true);
        ts.advance(c.secondAt);
        Timer second(ts, "second", c.secondInterval, true);
        EXPECT_EQ(ts.wakeDue(), c.wakeUs);
    }
    // A parked timer neither wakes nor holds a wake back.
    WakeProbe ts;
    Timer longer(ts, "longer", 100, true);
    Timer shorter(ts, "shorter", 50, true);
    ts.advance(1);
    Timer later(ts, "later", 100, true);
    shorter.park();
    EXPECT_EQ(ts.wakeDue(), 101000);
    longer.park();
    later.park();
    EXPECT_EQ(ts.wakeDue(), -1);
}
