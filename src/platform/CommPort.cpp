#include "platform/CommPort.h"
#include "platform/PortDirectory.h"
#include "platform/TimeSource.h"

#include <QStringList>

namespace plat {

namespace {

struct LineSettings {
    int baud;
    char parity;
    int dataBits;
    int stopBits;
};

bool parseSettings(const QString& text, LineSettings& out)
{
    const QStringList parts = text.split(QLatin1Char(','));
    if (parts.size() != 4) return false;
    bool ok = false;
    const int baud = parts[0].trimmed().toInt(&ok);
    if (!ok || baud <= 0) return false;
    const QString parity = parts[1].trimmed().toLower();
    if (parity.size() != 1 || !QStringLiteral("neoms").contains(parity[0])) return false;
    const int dataBits = parts[2].trimmed().toInt(&ok);
    if (!ok || dataBits < 5 || dataBits > 8) return false;
    const int stopBits = parts[3].trimmed().toInt(&ok);
    if (!ok || (stopBits != 1 && stopBits != 2)) return false;
    out = {baud, char(parity[0].unicode()), dataBits, stopBits};
    return true;
}

} // namespace

CommPort::CommPort(TimeSource& ts, SerialFactory& factory, QString name)
    : ts_(ts), factory_(factory), name_(std::move(name))
{
}

CommPort::~CommPort() { dropBackend(); }

bool CommPort::setCommPort(int port)
{
    if (portOpen() || !PortDirectory::isValidPort(port)) return false;
    commPort_ = port;
    return true;
}

bool CommPort::setSettings(const QString& text)
{
    LineSettings s;
    if (!parseSettings(text, s)) return false;
    const LineSettings old{baud_, parity_, dataBits_, stopBits_};
    baud_ = s.baud;
    parity_ = s.parity;
    dataBits_ = s.dataBits;
    stopBits_ = s.stopBits;
    if (!applyLine()) {
        baud_ = old.baud;
        parity_ = old.parity;
        dataBits_ = old.dataBits;
        stopBits_ = old.stopBits;
        applyLine();
        return false;
    }
    settings_ = text;
    return true;
}

bool CommPort::setHandshaking(int mode)
{
    if (mode < 0 || mode > 3) return false;
    const int old = handshaking_;
    handshaking_ = mode;
    if (!applyLine()) {
        handshaking_ = old;
        applyLine();
        return false;
    }
    return true;
}

bool CommPort::setRThreshold(int chars)
{
    if (chars < 0) return false;
    rThreshold_ = chars;
    // A lowered threshold may already be reached by what waits.
    rxChanged_ = true;
    if (portOpen()) {
        tellWakeThreshold();
        charactersArrived();
    }
    return true;
}

bool CommPort::setInputLen(int chars)
{
    if (chars < 0) return false;
    inputLen_ = chars;
    return true;
}

bool CommPort::setRTSEnable(bool on)
{
    const bool old = rtsEnable_;
    rtsEnable_ = on;
    if (!applyLine()) {
        rtsEnable_ = old;
        applyLine();
        return false;
    }
    return true;
}

bool CommPort::setSThreshold(int chars)
{
    if (chars < 0) return false;
    sThreshold_ = chars;
    return true;
}

// Pushes the line properties to an open port; a closed port takes them at
// its next open.
bool CommPort::applyLine()
{
    if (!portOpen()) return true;
    return backend_->configure(baud_, parity_, dataBits_, stopBits_, (handshaking_ & 1) != 0, rtsEnable_,
                               (handshaking_ & 2) != 0);
}

bool CommPort::portOpen() const { return backend_ && backend_->isOpen(); }

bool CommPort::setPortOpen(bool open)
{
    if (!open) {
        dropBackend();
        return true;
    }
    if (portOpen()) return true;
    dropBackend();   // a backend whose device went away
    backend_ = factory_.create(commPort_);
    if (!backend_) return false;
    if (!backend_->open() || !applyLine()) {
        dropBackend();
        return false;
    }
    ++openings_;
    // The backend calls these from its own I/O handling; the event itself
    // always comes later, from the event loop.
    backend_->onReadyRead = [this] {
        rxChanged_ = true;
        charactersArrived();
    };
    backend_->onError = [this](int code) {
        errors_.push_back(code);
        schedule();
    };
    // Characters already waiting count as arrived.
    tellWakeThreshold();
    rxChanged_ = true;
    charactersArrived();
    return true;
}

void CommPort::dropBackend()
{
    if (backend_) {
        backend_->onReadyRead = nullptr;
        backend_->onError = nullptr;
        backend_->close();
        backend_.reset();
    }
    errors_.clear();
    rxChanged_ = false;
    reachedUs_ = -1;
}

// A receive event is only worth a pass of the event loop once the threshold
// is reached: below it the dispatch would find nothing to raise. The moment
// it is reached is the frame's hand-over.
void CommPort::charactersArrived()
{
    // One count of what waits serves every test below (each count asks the
    // kernel).
    const int waiting = inBufferCount();
    if (!receiveDue(waiting)) {
        if (waiting < rThreshold_) reachedUs_ = -1;
        return;
    }
    if (reachedUs_ < 0) reachedUs_ = ts_.nowUs();
    schedule();
}

// The backend may hold characters back below this count (a serial line lets
// the kernel gather them), as long as it wakes no later than the moment the
// threshold is reached.
void CommPort::tellWakeThreshold()
{
    if (!backend_) return;
    backend_->setWakeThreshold(rThreshold_ > 0 ? rThreshold_ : 1);
}

QByteArray CommPort::input()
{
    if (!portOpen()) return {};
    const qint64 waiting = backend_->bytesAvailable();
    QByteArray taken = backend_->read(inputLen_ > 0 ? std::min<qint64>(inputLen_, waiting) : waiting);
    if (inBufferCount() < rThreshold_) reachedUs_ = -1;
    return taken;
}

bool CommPort::output(const QByteArray& data)
{
    return portOpen() && backend_->write(data);
}

int CommPort::inBufferCount() const
{
    return portOpen() ? int(backend_->bytesAvailable()) : 0;
}

bool CommPort::receiveDue() const { return rxChanged_ && rThreshold_ > 0 && inBufferCount() >= rThreshold_; }

bool CommPort::receiveDue(int waiting) const { return rxChanged_ && rThreshold_ > 0 && waiting >= rThreshold_; }

void CommPort::schedule()
{
    if (posted_) return;
    posted_ = true;
    std::weak_ptr<int> alive = alive_;
    ts_.post([this, alive] {
        if (alive.expired()) return;
        posted_ = false;
        dispatch();
    });
}

void CommPort::dispatch()
{
    // While the handler runs (it may be waiting in a nested event loop) the
    // event stays due; the handler's own return picks it up.
    if (inHandler_ || !portOpen()) return;

    int code;
    const int waiting = inBufferCount();
    if (!errors_.empty()) {
        code = errors_.front();
        errors_.pop_front();
    } else if (receiveDue(waiting)) {
        code = CommEvents::Receive;
        rxChanged_ = false;
        handOverUs_ = reachedUs_ >= 0 ? reachedUs_ : ts_.nowUs();
        // Characters left at or above the threshold count as handed over now.
        reachedUs_ = -1;
    } else {
        return;
    }
    commEvent_ = code;

    const int before = waiting;
    std::weak_ptr<int> alive = alive_;
    // A copy, so the handler may replace onComm or destroy this port.
    const std::function<void()> handler = onComm;
    if (handler) {
        inHandler_ = true;
        try {
            handler();
        } catch (...) {
            if (!alive.expired()) {
                inHandler_ = false;
                if (!errors_.empty() || receiveDue()) schedule();
            }
            throw;
        }
        if (alive.expired()) return;
        inHandler_ = false;
    }
    const int after = inBufferCount();
    if (after != before) rxChanged_ = true;
    if (!errors_.empty() || receiveDue(after)) schedule();
}

} // namespace plat
