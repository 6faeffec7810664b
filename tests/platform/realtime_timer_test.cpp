// Timers on the program's real time source: no tick ever comes before its
// due time, also while other timers keep the event loop awake, and handlers
// that set their Interval again on each tick never drift early.
#include "platform/TimeSource.h"
#include "platform/Timer.h"

#include <gtest/gtest.h>
#include <ctime>
#include <memory>
#include <vector>

using plat::RealTimeSource;
using plat::Timer;

namespace {

int64_t monotonicUs()
{
    timespec t{};
    clock_gettime(CLOCK_MONOTONIC, &t);
    return int64_t(t.tv_sec) * 1000000 + t.tv_nsec / 1000;
}

// A timer whose handler sets its Interval again on every tick, recording for
// each tick the instant it was asked for (on the source's clock and on the
// machine's monotonic clock, both read before the countdown starts) and the
// instant it came.
struct Rearming {
    Rearming(plat::TimeSource& ts, int intervalMs) : ts(ts), timer(ts, "rearming", intervalMs)
    {
        timer.onTimer = [this] {
            firedUs.push_back(this->ts.nowUs());
            firedMono.push_back(monotonicUs());
            arm();
        };
        arm();
        timer.setEnabled(true);
    }
    void arm()
    {
        askedUs.push_back(ts.nowUs());
        askedMono.push_back(monotonicUs());
        timer.setInterval(timer.interval());
    }
    plat::TimeSource& ts;
    Timer timer;
    std::vector<int64_t> askedUs, askedMono, firedUs, firedMono;
};

// A 20 ms timer: it wakes the loop often, giving longer timers every chance
// to share a wake-up ahead of their time.
struct Busy {
    explicit Busy(plat::TimeSource& ts) : timer(ts, "busy", 20, true) { timer.onTimer = [] {}; }
    Timer timer;
};

} // namespace

TEST(RealTimeTimer, NoTickOfAnyLengthComesBeforeItsDueTime)
{
    RealTimeSource ts;
    Busy busy(ts);
    std::vector<std::unique_ptr<Rearming>> timers;
    for (int ms : {100, 150, 230}) timers.push_back(std::make_unique<Rearming>(ts, ms));
    const int64_t guardUs = ts.nowUs() + 20'000'000;
    ASSERT_TRUE(ts.waitUntil([&] {
        bool done = true;
        for (auto& t : timers) done = done && t->firedUs.size() >= 4;
        return done || ts.nowUs() > guardUs;
    }));
    for (auto& t : timers) {
        ASSERT_GE(t->firedUs.size(), 4u) << t->timer.interval();
        const int64_t intervalUs = int64_t(t->timer.interval()) * 1000;
        for (size_t k = 0; k < t->firedUs.size(); ++k) {
            EXPECT_GE(t->firedUs[k] - t->askedUs[k], intervalUs) << t->timer.interval() << " ms, tick " << k;
            EXPECT_GE(t->firedMono[k] - t->askedMono[k], intervalUs) << t->timer.interval() << " ms, tick " << k;
        }
    }
}

namespace {
// The real source on a clock the test moves forward: its own reading of now
// runs ahead of the machine's by `aheadUs`, so a minute passes in a moment.
struct SteppedRealTime : RealTimeSource {
    int64_t nowUs() const override { return RealTimeSource::nowUs() + aheadUs; }
    int64_t aheadUs = 0;
};
} // namespace

TEST(RealTimeTimer, AMinuteTimerSettingItsIntervalOnEachTickNeverDriftsEarly)
{
    SteppedRealTime ts;
    Busy busy(ts);
    Rearming minute(ts, 60000);
    const int64_t startUs = minute.askedUs.front();
    for (size_t tick = 1; tick <= 4; ++tick) {
        // Jump to 300 ms before the tick is due, then let real time run.
        ts.aheadUs += minute.askedUs.back() + 60'000'000 - 300'000 - ts.nowUs();
        const int64_t guardMono = monotonicUs() + 10'000'000;
        ASSERT_TRUE(ts.waitUntil([&] { return minute.firedUs.size() >= tick || monotonicUs() > guardMono; }));
        ASSERT_EQ(minute.firedUs.size(), tick);
        EXPECT_GE(minute.firedUs.back() - minute.askedUs[tick - 1], 60'000'000) << "tick " << tick;
        EXPECT_GE(minute.firedUs.back() - startUs, int64_t(tick) * 60'000'000) << "tick " << tick;
    }
}

// A handler that changes what a parked timer watches and then waits: the
// timer resumes at its next tick, not once some other handler has run.
TEST(RealTimeTimer, AWaitResumesATimerParkedOnWhatItsHandlerChanged)
{
    RealTimeSource ts;
    int value = 1, shown = 0;
    std::vector<int64_t> shownAt;
    Timer gate(ts, "gate", 100, true);
    gate.onTimer = [&] {
        if (shown != value) shownAt.push_back(ts.nowUs());
        shown = value;
        gate.parkWhile([&] { return shown == value; });
    };
    ASSERT_TRUE(ts.waitUntil([&] { return shown == 1; }));

    // The only other timer ends the handler's wait 700 ms in.
    bool waited = false;
    int64_t changedAt = -1;
    Timer end(ts, "end", 700);
    end.onTimer = [&] {
        waited = true;
        end.setEnabled(false);
    };
    ts.post([&] {
        value = 2;
        changedAt = ts.nowUs();
        end.setEnabled(true);
        ts.waitUntil([&] { return waited; });
    });
    ASSERT_TRUE(ts.waitUntil([&] { return waited; }));
    ASSERT_EQ(shownAt.size(), 2u);
    EXPECT_LT(shownAt[1] - changedAt, 400'000);
}
