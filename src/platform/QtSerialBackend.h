#pragma once
// A comm port on a real serial device (or a pseudo-terminal) through
// QSerialPort: raw 8-bit bytes both ways, exclusive open.

#include "platform/SerialBackend.h"

#include <QString>
#include <memory>

class QSerialPort;

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
    // Sets the line's VMIN so that the kernel wakes the event loop only once
    // the wake threshold could be reached by what the port already holds.
    void updateKernelWake();

    void handleError(int qtError);
    bool hungUp() const;

    QString path_;
    std::unique_ptr<QSerialPort> port_;
    bool configuring_ = false;
    int wakeThreshold_ = 1;
    int vmin_ = -1;   // VMIN last set on the line; -1 unknown
};

} // namespace plat
