#include "platform/TimeSource.h"
#include "platform/Timer.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QPointer>
#include <QSocketNotifier>
#include <QTimer>
#include <algorithm>
#include <cstdio>
#include <set>
#include <sys/timerfd.h>
#include <time.h>
#include <unistd.h>

namespace plat {

TimeSource::~TimeSource() = default;

void TimeSource::timerEnabled(Timer* t, int64_t fromUs)
{
    auto it = std::find_if(active_.begin(), active_.end(), [t](const Entry& e) { return e.timer == t; });
    const int64_t now = nowUs();
    const int64_t start = fromUs >= 0 && fromUs <= now ? fromUs : now;
    Entry e{t, start + int64_t(t->interval()) * 1000, ++seq_};
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

void TimeSource::timerParked(Timer* t, bool parked)
{
    auto it = std::find_if(active_.begin(), active_.end(), [t](const Entry& e) { return e.timer == t; });
    if (it == active_.end() || it->parked == parked) return;
    if (parked) {
        it->parked = true;
        return;
    }
    unpark(*it);
    scheduleChanged();
}

void TimeSource::unpark(Entry& e)
{
    e.parked = false;
    // The ticks skipped while parked would have come on time: the series
    // goes on from its own due instants, the first one not yet past.
    const int64_t step = int64_t(e.timer->interval()) * 1000;
    const int64_t now = nowUs();
    if (step > 0 && e.due < now) e.due += (now - e.due + step - 1) / step * step;
}

void TimeSource::resumeUnsettled()
{
    if (ended_) return;
    for (Entry& e : active_)
        if (e.parked && !e.timer->staysParked()) unpark(e);
}

void TimeSource::timerDestroyed(Timer* t) { timerDisabled(t); }

int64_t TimeSource::nextDue() const
{
    int64_t best = -1;
    for (const Entry& e : active_)
        if (!e.parked && !e.timer->running() && (best < 0 || e.due < best))
            best = e.due;
    return best;
}

int64_t TimeSource::wakeDue() const
{
    const int64_t first = nextDue();
    if (first < 0) return -1;
    // No timer with a short interval may wait: the wake is at the latest due
    // time within the slack that no such timer precedes.
    int64_t limit = first + CoalesceUs;
    for (const Entry& e : active_)
        if (!e.parked && !e.timer->running() && e.timer->interval() < CoalesceMinMs)
            limit = std::min(limit, e.due);
    int64_t wake = first;
    for (const Entry& e : active_)
        if (!e.parked && !e.timer->running() && e.due <= limit)
            wake = std::max(wake, e.due);
    return wake;
}

int TimeSource::fireDue(int64_t now)
{
    int fired = 0;
    for (;;) {
        if (ended_) return fired;
        resumeUnsettled();
        const Entry* pick = nullptr;
        for (const Entry& e : active_)
            if (e.due <= now && !e.parked && !e.timer->running()
                && (!pick || e.due < pick->due || (e.due == pick->due && e.seq < pick->seq)))
                pick = &e;
        if (!pick) return fired;
        Timer* t = pick->timer;
        // Next tick one interval after this one; missed ticks are dropped.
        const int64_t step = int64_t(t->interval()) * 1000;
        int64_t next = pick->due + step;
        if (next <= now) next = now + step;
        const_cast<Entry*>(pick)->due = next;
        ++fired;
        runHandler([t] { t->fire(); });
    }
}

void TimeSource::runHandler(const std::function<void()>& fn)
{
    enter();
    struct Leave {
        TimeSource& ts;
        ~Leave()
        {
            ts.leave();
            ts.resumeUnsettled();
            ts.scheduleChanged();
        }
    } leave{*this};
    fn();
}

void TimeSource::leave()
{
    if (--depth_ == 0 && !graveyard_.empty()) requestCollect();
}

void TimeSource::deleteWhenIdle(std::function<void()> deleter)
{
    graveyard_.push_back(std::move(deleter));
    if (depth_ == 0) requestCollect();
}

void TimeSource::requestCollect()
{
    // A posted call runs once Qt's handling of the current event is over.
    if (collectPosted_ || !QCoreApplication::instance()) return;
    if (!collector_) collector_ = std::make_unique<QObject>();
    collectPosted_ = true;
    QMetaObject::invokeMethod(
        collector_.get(),
        [this] {
            collectPosted_ = false;
            collectGarbage();
        },
        Qt::QueuedConnection);
}

void TimeSource::collectGarbage()
{
    // Inside a handler or a wait the code on the stack may still use what
    // waits here; the handler's end asks again.
    if (depth_ > 0) return;
    destroyDeferred();
}

void TimeSource::destroyDeferred()
{
    while (!graveyard_.empty()) {
        auto dead = std::move(graveyard_);
        graveyard_.clear();
        for (auto& d : dead) d();
    }
}

// ---------------------------------------------------------------- real time

// Timers wake the event loop through one timerfd, armed at the earliest due
// instant to the microsecond: a Qt timer counts in whole milliseconds, which
// would make every tick late by up to one. The notifier is served inside
// nested event loops too, so a timer fires while a handler waits.
struct RealTimeSource::Impl {
    QObject context;
    QElapsedTimer clock;
    int fd = -1;
    QSocketNotifier* notifier = nullptr;
    int64_t armedUs = -1;   // due time the timerfd is armed for, -1 when disarmed
    int64_t originNs = 0;   // CLOCK_MONOTONIC at clock start
};

void RealTimeSource::selectEventLoop()
{
    if (!qEnvironmentVariableIsSet("QT_NO_GLIB")) qputenv("QT_NO_GLIB", "1");
}

RealTimeSource::RealTimeSource() : d_(new Impl)
{
    d_->clock.start();
    timespec ts{};
    clock_gettime(CLOCK_MONOTONIC, &ts);
    d_->originNs = int64_t(ts.tv_sec) * 1000000000 + ts.tv_nsec;
    d_->fd = ::timerfd_create(CLOCK_MONOTONIC, TFD_NONBLOCK | TFD_CLOEXEC);
    if (d_->fd >= 0) {
        d_->notifier = new QSocketNotifier(d_->fd, QSocketNotifier::Read, &d_->context);
        QObject::connect(d_->notifier, &QSocketNotifier::activated, &d_->context, [this] {
            uint64_t expirations = 0;
            [[maybe_unused]] const auto n = ::read(d_->fd, &expirations, sizeof expirations);
            d_->armedUs = -1;
            wake();
        });
    }
}

RealTimeSource::~RealTimeSource()
{
    delete d_->notifier;
    if (d_->fd >= 0) ::close(d_->fd);
    delete d_;
}

int64_t RealTimeSource::nowUs() const
{
    timespec ts{};
    clock_gettime(CLOCK_MONOTONIC, &ts);
    return (int64_t(ts.tv_sec) * 1000000000 + ts.tv_nsec - d_->originNs) / 1000;
}
QDateTime RealTimeSource::wallClock() const { return QDateTime::currentDateTime(); }

void RealTimeSource::post(std::function<void()> fn)
{
    QTimer::singleShot(0, &d_->context, [this, fn = std::move(fn)] {
        if (!ended_) runHandler(fn);
    });
}

void RealTimeSource::scheduleChanged()
{
    // Timers of 100 ms or more may come up to 2 ms late to share a wake
    // with the next timer due: each wake of the idle program costs more than
    // the handlers it runs. The virtual source keeps exact due times.
    const int64_t next = wakeDue();
    if (next < 0 || ended_) return;
    if (d_->armedUs >= 0 && d_->armedUs <= next) return;
    if (d_->fd < 0) {
        // No timerfd: a Qt timer, rounded up so that it never fires early.
        const int64_t delayMs = std::max<int64_t>(0, (next - nowUs() + 999) / 1000);
        d_->armedUs = next;
        QTimer::singleShot(int(delayMs), Qt::PreciseTimer, &d_->context, [this] {
            d_->armedUs = -1;
            wake();
        });
        return;
    }
    // Absolute expiry on the monotonic clock, counted from this source's own
    // reading of now; an instant already past fires at once. The monotonic
    // clock is read after it, so that the expiry is never before the due
    // instant.
    const int64_t now = nowUs();
    timespec mono{};
    clock_gettime(CLOCK_MONOTONIC, &mono);
    const int64_t ns = std::max<int64_t>(int64_t(mono.tv_sec) * 1000000000 + mono.tv_nsec + (next - now) * 1000, 1);
    itimerspec expiry{};
    expiry.it_value.tv_sec = ns / 1000000000;
    expiry.it_value.tv_nsec = ns % 1000000000;
    if (::timerfd_settime(d_->fd, TFD_TIMER_ABSTIME, &expiry, nullptr) == 0) d_->armedUs = next;
}

void RealTimeSource::wake()
{
    fireDue(nowUs());
    scheduleChanged();
}

bool RealTimeSource::waitUntil(const std::function<bool()>& done)
{
    Nested wait(*this);
    while (!ended_ && !done()) {
        // What ran before the wait, or the test itself, may have unsettled a
        // parked timer: resume it before sleeping, as after a handler.
        resumeUnsettled();
        scheduleChanged();
        QCoreApplication::processEvents(QEventLoop::AllEvents | QEventLoop::WaitForMoreEvents);
    }
    return !ended_;
}

void RealTimeSource::doEvents()
{
    Nested wait(*this);
    resumeUnsettled();
    scheduleChanged();
    QCoreApplication::processEvents(QEventLoop::AllEvents);
}

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
    // Between events with no code of the program running: the virtual
    // event loop frees what was unloaded.
    collectGarbage();
    if (!posted_.empty()) {
        auto fn = std::move(posted_.front());
        posted_.erase(posted_.begin());
        runHandler(fn);
        return true;
    }
    // What a test changed between steps counts as changed now.
    resumeUnsettled();
    int64_t next = nextDue();
    if (next < 0 || next > limit * 1000) return false;
    now_ = std::max(now_, (next + 999) / 1000);
    fireDue(now_ * 1000);
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
    Nested wait(*this);
    const int64_t limit = now_ + waitLimitMs;
    while (!done()) {
        if (ended_) return false;
        if (!step(limit)) throw WaitTimeout{};
    }
    return !ended_;
}

void VirtualTimeSource::doEvents()
{
    Nested wait(*this);
    while (!ended_ && step(now_)) {}
}

void VirtualTimeSource::end()
{
    ended_ = true;
    throw ProgramEnded{};
}

} // namespace plat
