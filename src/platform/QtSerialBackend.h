#pragma once
// A comm port on a real serial device (or a pseudo-terminal) through
// QSerialPort: raw 8-bit bytes both ways, exclusive open.
//
// Waking: the owner raises no event below its wake threshold, so the port
// does not watch the line while the threshold cannot be reached yet. After
// each read it works out how long the missing characters need at the line's
// rate (start bit, data bits, parity, stop bits at the set baud rate), leaves
// the line out of the event loop's poll set until a few characters before
// that moment, then lets the kernel hold the rest back (VMIN) so that one
// wake-up brings the whole frame. Characters cannot come faster than the
// line's rate, so this never makes the port later than it would be watching
// every character; what waits meanwhile is counted by bytesAvailable().

#include "platform/SerialBackend.h"

#include <QPointer>
#include <QString>
#include <QTimer>
#include <memory>

class QSerialPort;
class QSocketNotifier;

namespace plat {

class QtSerialBackend : public SerialBackend {
public:
    explicit QtSerialBackend(QString devicePath);
    ~QtSerialBackend() override;

    const QString& devicePath() const { return path_; }

    bool open() override;
    void close() override;
    bool isOpen() const override;
    qint64 bytesAvailable() const override;
    QByteArray read(qint64 max) override;
    bool write(const QByteArray& data) override;
    bool configure(int baud, char parity, int dataBits, int stopBits, bool xonXoff, bool rts,
                   bool rtsCts = false) override;
    void setWakeThreshold(int chars) override;

private:
    // Characters the kernel holds for the line that the port has not read yet.
    qint64 kernelPending() const;
    // Decides, after anything that changed what waits, whether to watch the
    // line now (with the kernel's wake count set) or after a pause; the end
    // of a pause watches it at once (`mayPause` false).
    void watchLine(bool mayPause = true);
    void setLineWatched(bool on);
    void setKernelWake(int chars);

    void handleError(int qtError);
    bool hungUp() const;

    QString path_;
    std::unique_ptr<QSerialPort> port_;
    bool configuring_ = false;
    int wakeThreshold_ = 1;
    int vmin_ = -1;            // VMIN last set on the line; -1 unknown
    int64_t charNs_ = 0;       // one character's time on the line; 0 unknown
    QPointer<QSocketNotifier> readWatch_;   // the port's own read notifier
    QTimer pause_;             // ends the pause in watching the line
};

} // namespace plat
