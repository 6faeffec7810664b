#include "platform/Timer.h"
#include "platform/TimeSource.h"

namespace plat {

Timer::Timer(TimeSource& ts, QString name, int intervalMs, bool enabled)
    : ts_(ts), name_(std::move(name)), interval_(intervalMs)
{
    setEnabled(enabled);
}

Timer::~Timer() { ts_.timerDestroyed(this); }

void Timer::setInterval(int ms)
{
    if (ms < 0) ms = 0;
    interval_ = ms;
    if (scheduled())
        ts_.timerEnabled(this);   // restarts the countdown
    else
        ts_.timerDisabled(this);
}

void Timer::setEnabled(bool on)
{
    if (on == enabled_) return;   // re-enabling keeps the countdown
    enabled_ = on;
    if (scheduled())
        ts_.timerEnabled(this);
    else
        ts_.timerDisabled(this);
}

void Timer::enableFrom(int64_t fromUs)
{
    if (enabled_) return;   // re-enabling keeps the countdown
    enabled_ = true;
    if (scheduled()) ts_.timerEnabled(this, fromUs);
}

void Timer::park()
{
    settled_ = nullptr;
    if (scheduled()) ts_.timerParked(this, true);
}

void Timer::parkWhile(std::function<bool()> settled)
{
    settled_ = std::move(settled);
    if (scheduled()) ts_.timerParked(this, true);
}

void Timer::resume()
{
    if (scheduled()) ts_.timerParked(this, false);
}

void Timer::fire()
{
    if (!onTimer) return;
    running_ = true;
    struct Reset { bool& r; ~Reset() { r = false; } } reset{running_};
    onTimer();
}

} // namespace plat
