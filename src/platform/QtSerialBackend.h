#pragma once
// A comm port on a real serial device (or a pseudo-terminal) through
// QSerialPort: raw 8-bit bytes both ways, exclusive open.
//
// Waking: the owner raises no event below its wake threshold, so the port
// does not watch the line while the threshold cannot be reached yet. Each
// time it looks at the line it bounds from below the moment the newest
// waiting character was on the line, and from that the earliest moment the
// missing ones could all be there at the line's rate (start bit, data bits,
// parity, stop bits at the set baud rate). It leaves the line out of the
// event loop's poll set until a few milliseconds before that moment, then
// lets the kernel hold the rest back (VMIN) so that one wake-up brings the
// whole frame; what waits meanwhile is counted by bytesAvailable(), and a
// read takes all that was counted, whatever the kernel's wake count. While a
// line is watched, every character that arrives wakes the kernel's poll
// (VMIN only keeps it from returning), so the watch is kept short.
//
// What it assumes of the line: characters come no faster than the line's
// rate, and a device that holds characters back sends them once it is full
// or once the line has been quiet since the newest it holds (a UART's FIFO
// of 16 and its time-out of four character times, a USB adapter's packets
// of up to 64 and its latency timer of up to 16 ms), so that the line
// brings the next character no earlier than about the moment the PC
// receives the previous one (kHeldNs). Characters may come in pieces of any
// size; none of it makes the port later than watching every character
// would.

#include "platform/SerialBackend.h"

#include <QPointer>
#include <QString>
#include <QTimer>
#include <memory>
#include <termios.h>

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
    // of a pause watches it at once (`mayPause` false). `woken` tells that
    // the line's own wake-up brought the characters just now.
    void watchLine(bool mayPause = true, bool woken = false);
    // Counts what waits now and updates the bound on the newest character's
    // moment on the line; returns the count.
    qint64 lookAtLine(qint64 inPort, qint64 inKernel, int64_t nowNs, bool woken);
    void forgetLine();
    // Takes what the kernel holds into the port now.
    bool pullFromKernel();
    void setLineWatched(bool on);
    void setKernelWake(int chars);

    void handleError(int qtError);
    bool hungUp() const;

    QString path_;
    std::unique_ptr<QSerialPort> port_;
    bool configuring_ = false;
    int wakeThreshold_ = 1;
    int vmin_ = -1;            // VMIN last set on the line; -1 unknown
    termios tio_{};            // the line's attributes as last set, while vmin_ is known
    int64_t charNs_ = 0;       // one character's time on the line; 0 unknown
    // The line as last looked at: when (monotonic ns, -1 never), how many
    // characters waited, and the earliest moment the newest of them can
    // have been on the line (kUnknown when nothing bounds it).
    int64_t lookedNs_ = -1;
    qint64 waiting_ = 0;
    int64_t newestNs_ = 0;
    bool wakeMeansNew_ = false; // the line's next wake-up comes from characters arriving then
    bool pulling_ = false;     // the port takes the kernel's characters on request, not on a wake-up
    QPointer<QSocketNotifier> readWatch_;   // the port's own read notifier
    QTimer pause_;             // ends the pause in watching the line
};

} // namespace plat
