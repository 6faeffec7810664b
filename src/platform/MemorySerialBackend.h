#pragma once
// In-memory serial lines for tests. A MemoryPortHub stands for the PC's
// ports, keyed by port number; a test plays the far side of each line:
// it injects bytes, takes what the program wrote, makes opens or writes
// fail, raises line errors and unplugs devices.

#include "platform/SerialBackend.h"

#include <QByteArray>
#include <cstdint>
#include <map>
#include <set>
#include <vector>

namespace plat {

class TimeSource;
class MemorySerialBackend;

class MemoryPortHub {
public:
    struct Frame {
        int64_t atMs;      // TimeSource::nowMs() of the write
        QByteArray bytes;  // one write call
    };
    struct LineConfig {
        int baud = 0;
        char parity = 0;
        int dataBits = 0;
        int stopBits = 0;
        bool xonXoff = false;
        bool rts = false;
        bool rtsCts = false;
    };

    explicit MemoryPortHub(TimeSource& ts);
    ~MemoryPortHub();
    MemoryPortHub(const MemoryPortHub&) = delete;
    MemoryPortHub& operator=(const MemoryPortHub&) = delete;

    // Bytes from the far side. Lost when nobody has the port open (returns
    // false then), as on a real line.
    bool inject(int port, const QByteArray& bytes);
    // Everything written to the port since the last take.
    QByteArray takeWritten(int port);
    // Every write to the port, in order, with its time.
    const std::vector<Frame>& frames(int port);

    void failOpen(int port, bool fail);
    void refuseWrite(int port, bool refuse);
    // A line error; delivered only while the port is open.
    void raiseError(int port, int commEvent);
    // The device goes away: the open port closes without an event.
    void unplug(int port);

    bool isOpen(int port) const;
    int openCount(int port) const;
    // Settings of the last configuration of the port.
    LineConfig lineConfig(int port) const;

private:
    friend class MemorySerialBackend;
    struct Line {
        bool failOpen = false;
        bool refuseWrite = false;
        int openCount = 0;
        MemorySerialBackend* owner = nullptr;   // the backend that has it open
        QByteArray pending;                    // received, not yet read
        QByteArray written;
        std::vector<Frame> frames;
        LineConfig config;
    };
    Line& line(int port) { return lines_[port]; }

    TimeSource& ts_;
    std::map<int, Line> lines_;
    std::set<MemorySerialBackend*> backends_;
};

class MemorySerialBackend : public SerialBackend {
public:
    MemorySerialBackend(MemoryPortHub& hub, int port);
    ~MemorySerialBackend() override;

    bool open() override;
    void close() override;
    bool isOpen() const override;
    qint64 bytesAvailable() const override;
    QByteArray read(qint64 max) override;
    bool write(const QByteArray& data) override;
    bool configure(int baud, char parity, int dataBits, int stopBits, bool xonXoff, bool rts,
                   bool rtsCts = false) override;

private:
    friend class MemoryPortHub;
    MemoryPortHub::Line* line() const;

    MemoryPortHub* hub_;   // null once the hub is gone
    int port_;
};

} // namespace plat
