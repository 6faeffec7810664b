#pragma once
// A window timer: Interval in ms and Enabled, as the forms run-time has them.
//  - the first tick comes one interval after the timer goes from off to on;
//  - enabling a running timer leaves its countdown alone;
//  - setting Interval on a running timer restarts the countdown;
//  - Interval 0 never fires; late ticks do not queue;
//  - a timer whose handler is still running (suspended in a nested wait or a
//    modal window) does not fire again until it returns.

#include <QString>
#include <functional>
#include <cstdint>

namespace plat {

class TimeSource;

class Timer {
public:
    Timer(TimeSource& ts, QString name = {}, int intervalMs = 0, bool enabled = false);
    ~Timer();
    Timer(const Timer&) = delete;
    Timer& operator=(const Timer&) = delete;

    const QString& name() const { return name_; }

    int interval() const { return interval_; }
    void setInterval(int ms);
    bool enabled() const { return enabled_; }
    void setEnabled(bool on);
    // Enables the timer as setEnabled(true) does, but a timer that was off
    // counts its first interval from `fromUs` (TimeSource::nowUs() of the
    // event that asked for it) rather than from now.
    void enableFrom(int64_t fromUs);
    // A timer whose ticks would change nothing until something it reads
    // changes can be parked: it stays enabled and keeps its place in time,
    // but nothing wakes for it. resume(), called where what it reads
    // changes, lets it tick again at the next instant it would have ticked
    // had it never been parked. Enabling it from off, disabling it or a new
    // interval ends the parking as they restart or stop the countdown.
    void park();
    void resume();
    // Parks the timer for as long as `settled()` holds (a tick would change
    // nothing). The time source asks it each time it comes to decide what is
    // due (after every handler, before every wait), and resumes the timer as
    // resume() does once it no longer holds; so whoever changes what the
    // timer reads needs no hook of its own. `settled` only reads.
    void parkWhile(std::function<bool()> settled);

    bool running() const { return running_; }

    std::function<void()> onTimer;

private:
    friend class TimeSource;
    void fire();
    bool scheduled() const { return enabled_ && interval_ > 0; }
    // While parked by parkWhile: whether it may stay parked.
    bool staysParked() const { return !settled_ || settled_(); }

    TimeSource& ts_;
    QString name_;
    int interval_ = 0;
    bool enabled_ = false;
    bool running_ = false;
    std::function<bool()> settled_;
};

} // namespace plat
