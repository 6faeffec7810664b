#include "platform/QtSerialBackend.h"

#include <QSerialPort>
#include <QSocketNotifier>
#include <algorithm>
#include <ctime>
#include <limits>
#include <poll.h>
#include <sys/ioctl.h>
#include <termios.h>
#include <unistd.h>

namespace plat {

namespace {
// The line is watched again this long before the missing characters could
// all be there, so that a late pause timer costs nothing; a shorter pause is
// not worth taking.
constexpr int64_t kWatchAheadNs = 5'000'000;
// How much earlier than the PC receives a character the line may already
// bring the next one. A device that holds characters back (a UART's FIFO
// time-out, a USB adapter's latency timer) sends them when the line has
// been quiet since the newest, and a full FIFO or packet goes at once; what
// is left is the USB host's polling of the adapter (1 ms) and a character
// time.
constexpr int64_t kHeldNs = 2'000'000;
// A wake-up of the line is served by the event loop within this.
constexpr int64_t kWokenNs = 1'000'000;
constexpr int64_t kUnknown = std::numeric_limits<int64_t>::min() / 4;

int64_t monotonicNs()
{
    timespec t{};
    clock_gettime(CLOCK_MONOTONIC, &t);
    return int64_t(t.tv_sec) * 1'000'000'000 + t.tv_nsec;
}
} // namespace

QtSerialBackend::QtSerialBackend(QString devicePath)
    : path_(std::move(devicePath)), port_(std::make_unique<QSerialPort>())
{
    // A path is used as the device's location as it stands.
    port_->setPortName(path_);
    QObject::connect(port_.get(), &QSerialPort::readyRead, [this] {
        // Characters taken from the kernel on request were counted as
        // waiting already: the owner hears only of new ones.
        if (pulling_) return;
        watchLine(true, wakeMeansNew_);
        if (onReadyRead) onReadyRead();
    });
    pause_.setSingleShot(true);
    pause_.setTimerType(Qt::PreciseTimer);
    // After a pause the line is watched whatever is missing: a line that
    // went quiet or hung up must still be seen.
    QObject::connect(&pause_, &QTimer::timeout, [this] { watchLine(false); });
    QObject::connect(port_.get(), &QSerialPort::errorOccurred,
                     [this](QSerialPort::SerialPortError e) { handleError(int(e)); });
}

QtSerialBackend::~QtSerialBackend()
{
    // No callback may reach the owner while the port is torn down.
    onReadyRead = nullptr;
    onError = nullptr;
    port_->close();
}

bool QtSerialBackend::open()
{
    if (port_->isOpen()) return false;
    // QSerialPort takes a lock on the device, so a second open of the same
    // line, from this program or another, fails here.
    if (!port_->open(QIODevice::ReadWrite)) return false;
    // The port watches the line through its read notifier; pausing that
    // notifier is how the line leaves the poll set. Without one found, the
    // line is simply watched all the time.
    readWatch_ = nullptr;
    for (QSocketNotifier* n : port_->findChildren<QSocketNotifier*>())
        if (n->type() == QSocketNotifier::Read && n->socket() == port_->handle()) readWatch_ = n;
    forgetLine();
    return true;
}

void QtSerialBackend::close()
{
    pause_.stop();
    readWatch_ = nullptr;
    port_->close();
    vmin_ = -1;
    charNs_ = 0;
    forgetLine();
}

void QtSerialBackend::forgetLine()
{
    lookedNs_ = -1;
    waiting_ = 0;
    newestNs_ = kUnknown;
}

bool QtSerialBackend::isOpen() const { return port_->isOpen(); }

qint64 QtSerialBackend::kernelPending() const
{
    int n = 0;
    return ::ioctl(int(port_->handle()), FIONREAD, &n) == 0 ? n : 0;
}

// What waits counts the characters the kernel still holds back.
qint64 QtSerialBackend::bytesAvailable() const
{
    return port_->isOpen() ? port_->bytesAvailable() + kernelPending() : 0;
}

QByteArray QtSerialBackend::read(qint64 max)
{
    if (!port_->isOpen() || max <= 0) return {};
    // Characters held back by the kernel are taken into the port first.
    if (port_->bytesAvailable() < max && kernelPending() > 0) pullFromKernel();
    QByteArray data = port_->read(max);
    waiting_ = std::max<qint64>(0, waiting_ - data.size());
    watchLine();
    return data;
}

void QtSerialBackend::setWakeThreshold(int chars)
{
    wakeThreshold_ = std::max(1, chars);
    watchLine();
}

bool QtSerialBackend::pullFromKernel()
{
    // Takes everything the kernel holds, whatever the wake count: the poll
    // behind the read waits for that count, which may exceed what is held.
    const qint64 held = kernelPending();
    if (held <= 0) return false;
    if (vmin_ < 0 || vmin_ > held) setKernelWake(1);
    pulling_ = true;
    const bool got = port_->waitForReadyRead(0);
    pulling_ = false;
    return got;
}

qint64 QtSerialBackend::lookAtLine(qint64 inPort, qint64 inKernel, int64_t nowNs, bool woken)
{
    const qint64 waiting = inPort + inKernel;
    if (waiting > waiting_ && charNs_ > 0) {
        // The newest character came after the characters before it, at the
        // line's rate at best, and reached the PC after the last look (just
        // now, when the line's wake-up brought it); the line brings the next
        // one no earlier than kHeldNs before that.
        int64_t bound = newestNs_ == kUnknown ? kUnknown : newestNs_ + (waiting - waiting_) * charNs_;
        const int64_t arrivedAfter = woken ? nowNs - kWokenNs : lookedNs_;
        if (arrivedAfter >= 0) bound = std::max(bound, arrivedAfter - kHeldNs);
        // It is here, so it was on the line by now, however fast the far
        // side fed it.
        newestNs_ = std::min(bound, nowNs);
    }
    waiting_ = waiting;
    lookedNs_ = nowNs;
    return waiting;
}

void QtSerialBackend::watchLine(bool mayPause, bool woken)
{
    pause_.stop();
    if (!port_->isOpen()) return;
    // The clock is read before the line, so that what the look finds came
    // at or before that instant.
    const int64_t nowNs = monotonicNs();
    const qint64 inPort = port_->bytesAvailable();
    const qint64 inKernel = kernelPending();
    const qint64 missing = wakeThreshold_ - lookAtLine(inPort, inKernel, nowNs, woken);
    if (mayPause && readWatch_ && charNs_ > 0 && missing > 0 && newestNs_ != kUnknown) {
        const int64_t pauseNs = newestNs_ + missing * charNs_ - kWatchAheadNs - nowNs;
        if (pauseNs > kWatchAheadNs) {
            setLineWatched(false);
            pause_.start(int(pauseNs / 1'000'000));
            return;
        }
    }
    // VMIN counts what the kernel holds, and above 64 the kernel's poll no
    // longer waits for it: characters held that would keep the count above
    // 64 are taken into the port first.
    qint64 inPortNow = inPort;
    if (wakeThreshold_ - inPort > 64 && inKernel > 0 && pullFromKernel()) inPortNow = port_->bytesAvailable();
    const int wake = int(std::clamp<qint64>(wakeThreshold_ - inPortNow, 1, 64));
    setKernelWake(wake);
    setLineWatched(true);
    // A wake-up tells of characters that came just now only if the kernel
    // held fewer than its wake count when the watch began.
    wakeMeansNew_ = (inPortNow != inPort ? 0 : inKernel) < wake;
    // What the kernel held may have completed the frame meanwhile: no
    // wake-up of the line will tell, so the owner hears of it now.
    if (inPortNow != inPort && inPortNow >= wakeThreshold_ && onReadyRead) onReadyRead();
}

void QtSerialBackend::setLineWatched(bool on)
{
    if (readWatch_ && readWatch_->isEnabled() != on) readWatch_->setEnabled(on);
}

void QtSerialBackend::setKernelWake(int chars)
{
    if (chars == vmin_) return;
    // The line's other attributes change only through configure(), which
    // forgets the copy: it is read once per configuration, not per frame.
    if (vmin_ < 0 && ::tcgetattr(int(port_->handle()), &tio_) != 0) return;
    tio_.c_cc[VMIN] = cc_t(chars);
    tio_.c_cc[VTIME] = 0;
    vmin_ = ::tcsetattr(int(port_->handle()), TCSANOW, &tio_) == 0 ? chars : -1;
}

bool QtSerialBackend::write(const QByteArray& data)
{
    if (!port_->isOpen()) return false;
    // With nothing queued in the port, the bytes go to the device at once:
    // a short frame on an idle line is taken whole, and the port's write
    // notifier is neither armed nor served for it. What the device does not
    // take, or a failure, goes the port's own way.
    qint64 done = 0;
    if (port_->bytesToWrite() == 0) {
        const ssize_t n = ::write(int(port_->handle()), data.constData(), size_t(data.size()));
        if (n > 0) done = n;
        if (done == data.size()) return true;
    }
    if (port_->write(data.constData() + done, data.size() - done) != data.size() - done) return false;
    // Hand the bytes to the device now rather than at the next event-loop
    // pass; this does not block.
    port_->flush();
    return true;
}

bool QtSerialBackend::configure(int baud, char parity, int dataBits, int stopBits, bool xonXoff, bool rts,
                                bool rtsCts)
{
    if (!port_->isOpen()) return false;
    // Failures here are the return value, not line events.
    configuring_ = true;
    struct Done { bool& f; ~Done() { f = false; } } done{configuring_};
    QSerialPort::Parity p;
    switch (parity) {
    case 'n': p = QSerialPort::NoParity; break;
    case 'e': p = QSerialPort::EvenParity; break;
    case 'o': p = QSerialPort::OddParity; break;
    case 'm': p = QSerialPort::MarkParity; break;
    case 's': p = QSerialPort::SpaceParity; break;
    default: return false;
    }
    if (dataBits < 5 || dataBits > 8 || (stopBits != 1 && stopBits != 2)) return false;

    bool ok = port_->setBaudRate(baud) && port_->setParity(p)
              && port_->setDataBits(QSerialPort::DataBits(dataBits))
              && port_->setStopBits(stopBits == 1 ? QSerialPort::OneStop : QSerialPort::TwoStop);
    if (!ok) return false;

    if (rtsCts) {
        if (!port_->setFlowControl(QSerialPort::HardwareControl)) return false;
        if (xonXoff) {
            // QSerialPort offers one kind of flow control; both kinds at once
            // need the terminal flags set directly.
            termios tio;
            if (::tcgetattr(port_->handle(), &tio) != 0) return false;
            tio.c_iflag |= IXON | IXOFF;
            if (::tcsetattr(port_->handle(), TCSANOW, &tio) != 0) return false;
        }
    } else {
        if (!port_->setFlowControl(xonXoff ? QSerialPort::SoftwareControl : QSerialPort::NoFlowControl))
            return false;
        // A line without modem control (a pseudo-terminal, some adapters)
        // cannot set RTS; that is no reason to refuse the port.
        port_->setRequestToSend(rts);
        port_->clearError();
    }
    // The settings rewrote the line's terminal attributes.
    vmin_ = -1;
    forgetLine();
    const int bits = 1 + dataBits + (parity == 'n' ? 0 : 1) + stopBits;
    charNs_ = baud > 0 ? int64_t(bits) * 1'000'000'000 / baud : 0;
    watchLine();
    return true;
}

bool QtSerialBackend::hungUp() const
{
    pollfd p{int(port_->handle()), POLLIN, 0};
    return ::poll(&p, 1, 0) > 0 && (p.revents & (POLLHUP | POLLERR | POLLNVAL));
}

void QtSerialBackend::handleError(int qtError)
{
    if (configuring_) return;
    switch (QSerialPort::SerialPortError(qtError)) {
    case QSerialPort::ResourceError:
        // The device went away: the port reads as closed from now on.
        port_->close();
        break;
    case QSerialPort::ReadError:
    case QSerialPort::WriteError:
        // A line that hung up (the far side of a pseudo-terminal closed, a
        // USB adapter pulled) fails its reads and writes with EIO: it is
        // gone, not merely losing data.
        if (hungUp())
            port_->close();
        else if (onError)
            onError(qtError == QSerialPort::ReadError ? CommEvents::Overrun : CommEvents::TxFull);
        break;
    default:
        // Open and set-up failures are reported to the caller as a status.
        break;
    }
}

} // namespace plat
