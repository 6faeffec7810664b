#pragma once
// The device side of a comm port: one serial line, opened, configured, read
// and written. CommPort owns one backend per open; the backend reports
// incoming bytes and line errors through its two callbacks, which may run
// from inside the backend's own I/O handling and must therefore only record
// what happened (CommPort defers its events to the event loop).

#include <QByteArray>
#include <QtGlobal>
#include <functional>

namespace plat {

// Event codes of the comm control, as its last-event property reports them.
namespace CommEvents {
inline constexpr int Receive = 2;
inline constexpr int Break = 1001;
inline constexpr int Frame = 1004;
inline constexpr int Overrun = 1006;
inline constexpr int RxOver = 1008;
inline constexpr int RxParity = 1009;
inline constexpr int TxFull = 1010;
} // namespace CommEvents

class SerialBackend {
public:
    virtual ~SerialBackend() = default;

    // Opens the line exclusively; false when it does not exist or is in use.
    virtual bool open() = 0;
    virtual void close() = 0;
    // False once the device has gone away: the backend then closes itself
    // without raising an event.
    virtual bool isOpen() const = 0;

    virtual qint64 bytesAvailable() const = 0;
    // Takes at most `max` waiting bytes.
    virtual QByteArray read(qint64 max) = 0;
    // False when the line refuses the data or does not take all of it.
    virtual bool write(const QByteArray& data) = 0;

    // Line settings. `parity` is one of 'n', 'e', 'o', 'm', 's'; `stopBits`
    // 1 or 2; `xonXoff` software flow control; `rts` the level of the RTS
    // line when it is not used for flow control; `rtsCts` hardware flow
    // control. Only valid while open.
    virtual bool configure(int baud, char parity, int dataBits, int stopBits, bool xonXoff, bool rts,
                           bool rtsCts = false) = 0;

    // The owner raises no event below `chars` waiting characters: a backend
    // may hold arrivals back until that many could be waiting, as long as it
    // wakes no later than the moment they are. The default wakes on every
    // arrival.
    virtual void setWakeThreshold(int chars) {}

    std::function<void()> onReadyRead;
    std::function<void(int commEvent)> onError;
};

} // namespace plat
