#include "platform/TimeSource.h"
#include "platform/Timer.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QPointer>
#include <QTimer>
#include <algorithm>
#include <cstdio>
#include <set>
#include <unistd.h>

namespace plat {

TimeSource::~TimeSource() = default;

void TimeSource::timerEnabled(Timer* t)
{
    auto it = std::find_if(active_.begin(), active_.end(), [t](const Entry& e) { return e.timer == t; });
    Entry e{t, nowMs() + t->interval(), ++seq_};
    if (it == active_.end())
        active_.push_back(e);
    else
        *it = e;
    scheduleChanged();
}

void TimeSource::timerDisabled(Timer* t)
{
    std::erase_if(active_, [t](const Entry& e) { return e.timer == t; });
}

void TimeSource::timerDestroyed(Timer* t) { timerDisabled(t); }

int64_t TimeSource::nextDue() const
{
    int64_t best = -1;
    for (const Entry& e : active_)
        if (!e.timer->running() && (best < 0 || e.due < best))
            best = e.due;
    return best;
}

int TimeSource::fireDue(int64_t now)
{
    int fired = 0;
    for (;;) {
        if (ended_) return fired;
        const Entry* pick = nullptr;
        for (const Entry& e : active_)
            if (e.due <= now && !e.timer->running()
                && (!pick || e.due < pick->due || (e.due == pick->due && e.seq < pick->seq)))
                pick = &e;
        if (!pick) return fired;
        Timer* t = pick->timer;
        // Next tick one interval after this one; missed ticks are dropped.
        int64_t next = pick->due + t->interval();
        if (next <= now) next = now + t->interval();
        const_cast<Entry*>(pick)->due = next;
        ++fired;
        runHandler([t] { t->fire(); });
    }
}

void TimeSource::runHandler(const std::function<void()>& fn)
{
    ++depth_;
    struct Leave {
        TimeSource& ts;
        ~Leave()
        {
            if (--ts.depth_ == 0) ts.collectGarbage();
            ts.scheduleChanged();
        }
    } leave{*this};
    fn();
}

void TimeSource::deleteWhenIdle(std::function<void()> deleter)
{
    if (depth_ == 0)
        deleter();
    else
        graveyard_.push_back(std::move(deleter));
}

void TimeSource::collectGarbage()
{
    auto dead = std::move(graveyard_);
    graveyard_.clear();
    for (auto& d : dead) d();
}

// ---------------------------------------------------------------- real time

struct RealTimeSource::Impl {
    QObject context;
    QElapsedTimer clock;
    std::multiset<int64_t> armed;   // due times of pending wake-ups
};

RealTimeSource::RealTimeSource() : d_(new Impl) { d_->clock.start(); }
RealTimeSource::~RealTimeSource() { delete d_; }

int64_t RealTimeSource::nowMs() const { return d_->clock.elapsed(); }
QDateTime RealTimeSource::wallClock() const { return QDateTime::currentDateTime(); }

void RealTimeSource::post(std::function<void()> fn)
{
    QTimer::singleShot(0, &d_->context, [this, fn = std::move(fn)] {
        if (!ended_) runHandler(fn);
    });
}

// Each wake-up is a fresh single-shot Qt timer, so a wake-up can fire inside
// a nested event loop that a running handler opened.
void RealTimeSource::scheduleChanged()
{
    int64_t next = nextDue();
    if (next < 0 || ended_) return;
    if (!d_->armed.empty() && *d_->armed.begin() <= next) return;
    d_->armed.insert(next);
    int64_t delay = std::max<int64_t>(0, next - nowMs());
    QTimer::singleShot(int(delay), Qt::PreciseTimer, &d_->context, [this, next] {
        d_->armed.erase(d_->armed.find(next));
        wake();
    });
}

void RealTimeSource::wake()
{
    fireDue(nowMs());
    scheduleChanged();
}

bool RealTimeSource::waitUntil(const std::function<bool()>& done)
{
    while (!ended_ && !done())
        QCoreApplication::processEvents(QEventLoop::AllEvents | QEventLoop::WaitForMoreEvents);
    return !ended_;
}

void RealTimeSource::doEvents() { QCoreApplication::processEvents(QEventLoop::AllEvents); }

void RealTimeSource::end()
{
    ended_ = true;
    std::fflush(nullptr);
    ::_exit(0);
}

// ------------------------------------------------------------- virtual time

VirtualTimeSource::VirtualTimeSource(QDateTime start) : start_(std::move(start)) {}

void VirtualTimeSource::post(std::function<void()> fn) { posted_.push_back(std::move(fn)); }

bool VirtualTimeSource::step(int64_t limit)
{
    if (ended_) return false;
    if (!posted_.empty()) {
        auto fn = std::move(posted_.front());
        posted_.erase(posted_.begin());
        runHandler(fn);
        return true;
    }
    int64_t next = nextDue();
    if (next < 0 || next > limit) return false;
    now_ = std::max(now_, next);
    fireDue(now_);
    return true;
}

bool VirtualTimeSource::advance(int64_t ms)
{
    const int64_t target = now_ + ms;
    try {
        while (step(target)) {}
    } catch (const ProgramEnded&) {
        return false;
    }
    if (!ended_) now_ = std::max(now_, target);
    return !ended_;
}

bool VirtualTimeSource::runUntil(const std::function<bool()>& done, int64_t limitMs)
{
    const int64_t limit = now_ + limitMs;
    try {
        while (!done()) {
            if (!step(limit)) {
                now_ = std::max(now_, limit);
                return done();
            }
        }
    } catch (const ProgramEnded&) {
        return false;
    }
    return true;
}

void VirtualTimeSource::runPending() { advance(0); }

bool VirtualTimeSource::waitUntil(const std::function<bool()>& done)
{
    const int64_t limit = now_ + waitLimitMs;
    while (!done()) {
        if (ended_) return false;
        if (!step(limit)) throw WaitTimeout{};
    }
    return !ended_;
}

void VirtualTimeSource::doEvents()
{
    while (!ended_ && step(now_)) {}
}

void VirtualTimeSource::end()
{
    ended_ = true;
    throw ProgramEnded{};
}

} // namespace plat
