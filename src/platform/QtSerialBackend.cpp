#include "platform/QtSerialBackend.h"

#include <QSerialPort>
#include <algorithm>
#include <poll.h>
#include <sys/ioctl.h>
#include <termios.h>

namespace plat {

QtSerialBackend::QtSerialBackend(QString devicePath)
    : path_(std::move(devicePath)), port_(std::make_unique<QSerialPort>())
{
    // A path is used as the device's location as it stands.
    port_->setPortName(path_);
    QObject::connect(port_.get(), &QSerialPort::readyRead, [this] {
        updateKernelWake();
        if (onReadyRead) onReadyRead();
    });
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
    return port_->open(QIODevice::ReadWrite);
}

void QtSerialBackend::close()
{
    port_->close();
    vmin_ = -1;
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
    if (port_->bytesAvailable() < max && kernelPending() > 0) port_->waitForReadyRead(0);
    QByteArray data = port_->read(max);
    updateKernelWake();
    return data;
}

void QtSerialBackend::setWakeThreshold(int chars)
{
    wakeThreshold_ = std::max(1, chars);
    updateKernelWake();
}

void QtSerialBackend::updateKernelWake()
{
    if (!port_->isOpen()) return;
    // Above 64 the kernel's poll no longer waits for VMIN characters.
    const int want = int(std::clamp<qint64>(wakeThreshold_ - port_->bytesAvailable(), 1, 64));
    if (want == vmin_) return;
    termios tio;
    if (::tcgetattr(int(port_->handle()), &tio) != 0) return;
    tio.c_cc[VMIN] = cc_t(want);
    tio.c_cc[VTIME] = 0;
    if (::tcsetattr(int(port_->handle()), TCSANOW, &tio) == 0) vmin_ = want;
}

bool QtSerialBackend::write(const QByteArray& data)
{
    if (!port_->isOpen()) return false;
    if (port_->write(data) != data.size()) return false;
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
    updateKernelWake();
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
