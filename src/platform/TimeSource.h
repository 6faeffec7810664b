#pragma once
// One source of time for timers, yielding waits and the clock the program reads.
// The program runs on RealTimeSource (Qt event loop, wall clock); tests run on
// VirtualTimeSource, where time only moves when the test advances it.

#include <QDateTime>
#include <functional>
#include <memory>
#include <vector>
#include <cstdint>

class QObject;

namespace plat {

class Timer;

// Thrown by TimeSource::end() on virtual time: the program asked to end at
// once. It unwinds every handler and nested wait up to the test's call.
struct ProgramEnded {};

class TimeSource {
public:
    virtual ~TimeSource();

    // Milliseconds since the source started; never goes back.
    int64_t nowMs() const { return nowUs() / 1000; }
    // The same clock in microseconds: timers are counted on it, so that a
    // countdown started from an event's own instant keeps its precision.
    virtual int64_t nowUs() const = 0;
    // Date and time the program reads for texts (history, clock, file names).
    virtual QDateTime wallClock() const = 0;

    // Runs `fn` from the event loop soon (serial events, deferred work).
    virtual void post(std::function<void()> fn) = 0;

    // Yields to the event loop until `done()` holds: timers, serial events
    // and user input run inside, re-entrantly. Returns false when the program
    // ended while waiting.
    virtual bool waitUntil(const std::function<bool()>& done) = 0;
    // One pass of pending events, as a program's DoEvents.
    virtual void doEvents() = 0;

    // Ends the program at once, from any depth. No further handler runs.
    [[noreturn]] virtual void end() = 0;
    bool ended() const { return ended_; }

    // How deep the current code is nested in handlers, waits and modal loops
    // run by this source; 0 when no code of the program is running.
    int depth() const { return depth_; }
    // Frees something that code may still be using (an unloaded window) as
    // Qt's deleteLater does: only once control is back in the event loop
    // with no handler, wait or modal loop of the program on the stack, at
    // whatever depth it was handed over. The event that ran the handler,
    // and the handler itself, may go on using it until then.
    void deleteWhenIdle(std::function<void()> deleter);
    // Frees at once everything handed to deleteWhenIdle (teardown, with no
    // handler running).
    void destroyDeferred();
    // Runs an event handler at one more level of depth.
    void dispatch(const std::function<void()>& fn) { runHandler(fn); }

    // Marks code that runs an event loop of its own inside it (a wait, a
    // modal window, a pop-up menu): one more level of depth while it lasts.
    class Nested {
    public:
        explicit Nested(TimeSource& ts) : ts_(ts) { ts_.enter(); }
        ~Nested() { ts_.leave(); }
        Nested(const Nested&) = delete;
        Nested& operator=(const Nested&) = delete;

    private:
        TimeSource& ts_;
    };

    // --- used by Timer ---
    // off -> on, or interval set while on; the countdown starts at `fromUs`
    // (on this clock), or now when it is negative.
    void timerEnabled(Timer* t, int64_t fromUs = -1);
    void timerDisabled(Timer* t);
    // A parked timer keeps its due instant but neither fires nor wakes the
    // source; unparked, it is due at the first instant of its own series
    // (due + k intervals) that is not past.
    void timerParked(Timer* t, bool parked);
    void timerDestroyed(Timer* t);

protected:
    struct Entry {
        Timer* timer;
        int64_t due;     // microseconds
        uint64_t seq;    // enable order, to order timers due at the same instant
        bool parked = false;
    };
    // Fires every timer due at or before `nowUs`, in (due, enable order); a
    // timer never fires before its due time. Returns the number fired.
    int fireDue(int64_t nowUs);
    // Earliest due time (microseconds) of a timer that may fire now (not
    // already running), or -1 when none.
    int64_t nextDue() const;
    // The instant to wake for the timers (microseconds), -1 when none: the
    // earliest due time, or up to CoalesceUs later when the timers due before
    // that instant all have intervals of at least CoalesceMinMs, so that one
    // wake serves them all. A timer is never woken for before its due time.
    static constexpr int64_t CoalesceUs = 2000;
    static constexpr int CoalesceMinMs = 100;
    int64_t wakeDue() const;
    // Resumes every timer parked by parkWhile whose condition no longer
    // holds; called whenever what is due is decided.
    void resumeUnsettled();
    void unpark(Entry& e);
    void runHandler(const std::function<void()>& fn);
    virtual void scheduleChanged() {}
    void enter() { ++depth_; }
    void leave();
    // Frees what waits for deleteWhenIdle, when no code of the program runs.
    void collectGarbage();
    // Asks the Qt event loop to collect when control is back in it.
    void requestCollect();

    std::vector<Entry> active_;
    uint64_t seq_ = 0;
    int depth_ = 0;
    bool ended_ = false;
    std::vector<std::function<void()>> graveyard_;
    std::unique_ptr<QObject> collector_;   // context of the collection posted to the Qt event loop
    bool collectPosted_ = false;
};

// The program's time: Qt timers and the wall clock.
class RealTimeSource : public TimeSource {
public:
    // Chooses the event loop the program runs on; called before the
    // application object exists. Qt's own loop, not the GLib one: the program
    // needs nothing of GLib, and GLib's loop makes an extra pass through
    // every watched line whenever a line is taken into or out of the watch.
    static void selectEventLoop();

    // Every timer ticks at its due time, never before it; it is late only
    // by the time the event loop takes to come round to it, and a timer of
    // 100 ms or more by up to 2 ms more to share a wake (wakeDue).
    RealTimeSource();
    ~RealTimeSource() override;
    int64_t nowUs() const override;
    QDateTime wallClock() const override;
    void post(std::function<void()> fn) override;
    bool waitUntil(const std::function<bool()>& done) override;
    void doEvents() override;
    [[noreturn]] void end() override;

protected:
    void scheduleChanged() override;

private:
    void wake();
    struct Impl;
    Impl* d_;
};

// Test time: nothing moves until the test advances it.
class VirtualTimeSource : public TimeSource {
public:
    explicit VirtualTimeSource(QDateTime start = QDateTime(QDate(2026, 3, 2), QTime(8, 0, 0)));
    int64_t nowUs() const override { return now_ * 1000; }
    QDateTime wallClock() const override { return start_.addMSecs(now_ + clockOffset_); }
    void setWallClock(const QDateTime& t) { clockOffset_ = start_.msecsTo(t) - now_; }
    void post(std::function<void()> fn) override;
    bool waitUntil(const std::function<bool()>& done) override;
    void doEvents() override;
    [[noreturn]] void end() override;

    // Moves time forward by `ms`, firing every timer and posted event due on
    // the way, in order. Returns false when the program ended on the way.
    bool advance(int64_t ms);
    // Advances until `done()` holds or `limitMs` of virtual time passed.
    bool runUntil(const std::function<bool()>& done, int64_t limitMs = 600000);
    // Runs the posted events due now.
    void runPending();
    // Limit for one nested wait in virtual time; a wait that reaches it
    // without its condition is a test fault and throws WaitTimeout.
    int64_t waitLimitMs = 24LL * 3600 * 1000;

    struct WaitTimeout {};

private:
    bool step(int64_t limit);   // one event; false when nothing due before limit
    int64_t now_ = 0;
    int64_t clockOffset_ = 0;
    QDateTime start_;
    std::vector<std::function<void()>> posted_;
};

} // namespace plat
