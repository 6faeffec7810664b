#pragma once
// The comm control: one serial port with the properties the program sets
// (port number, settings text, handshaking, thresholds, input length, RTS)
// and one event, OnComm, raised from the event loop:
//  - code 2 (receive) while at least RThreshold (> 0) characters wait; after
//    the handler returns it comes again when the handler took characters or
//    new ones arrived and the threshold is still reached;
//  - a line-error code (1001, 1004, 1006, 1009, 1010) for each error.
// The handler is never re-entered: events due while it runs (inside a nested
// wait) are delivered after it returns. Nothing here throws: open and close
// report a status.

#include "platform/SerialBackend.h"

#include <QByteArray>
#include <QString>
#include <deque>
#include <functional>
#include <memory>

namespace plat {

class TimeSource;
class SerialFactory;

class CommPort {
public:
    CommPort(TimeSource& ts, SerialFactory& factory, QString name);
    ~CommPort();
    CommPort(const CommPort&) = delete;
    CommPort& operator=(const CommPort&) = delete;

    const QString& name() const { return name_; }

    // 1 to 14; refused (false) while the port is open or outside the range.
    int commPort() const { return commPort_; }
    bool setCommPort(int port);

    // "baud,parity,data bits,stop bits", e.g. "19200,n,8,1"; parity n, e, o,
    // m or s in either case, 5 to 8 data bits, 1 or 2 stop bits. A malformed
    // text is refused (false) and the previous settings stay.
    const QString& settings() const { return settings_; }
    bool setSettings(const QString& text);

    // 0 none, 1 XON/XOFF, 2 RTS/CTS, 3 both.
    int handshaking() const { return handshaking_; }
    bool setHandshaking(int mode);

    int rThreshold() const { return rThreshold_; }
    bool setRThreshold(int chars);
    // Most characters one input() takes; 0 takes all.
    int inputLen() const { return inputLen_; }
    bool setInputLen(int chars);
    bool rtsEnable() const { return rtsEnable_; }
    bool setRTSEnable(bool on);
    // Kept for the program to set; no send event is raised.
    int sThreshold() const { return sThreshold_; }
    bool setSThreshold(int chars);

    // The real state: false once the device has gone away.
    bool portOpen() const;
    // Opens with the current properties or closes. Returns whether the port
    // is now in the asked state; a failed open leaves it closed.
    bool setPortOpen(bool open);
    // How many times the port has opened: a reader that keeps state about
    // the line sees from it that the line started afresh.
    int openings() const { return openings_; }

    // Takes and returns at most InputLen waiting characters; empty when the
    // port is closed.
    QByteArray input();
    // False when the port is closed or the line refuses the bytes.
    bool output(const QByteArray& data);
    int inBufferCount() const;

    // Code of the event being (or last) handled.
    int commEvent() const { return commEvent_; }
    // TimeSource::nowUs() of the moment the characters of the receive event
    // being (or last) handled reached the threshold: when the line handed
    // them over, before the event loop came round to the handler.
    int64_t handOverUs() const { return handOverUs_; }

    std::function<void()> onComm;

private:
    bool applyLine();
    void dropBackend();
    void schedule();
    void dispatch();
    bool receiveDue() const;
    bool receiveDue(int waiting) const;   // with what waits counted already
    void charactersArrived();
    void tellWakeThreshold();

    TimeSource& ts_;
    SerialFactory& factory_;
    QString name_;

    int commPort_ = 1;
    QString settings_ = QStringLiteral("9600,n,8,1");
    int baud_ = 9600;
    char parity_ = 'n';
    int dataBits_ = 8;
    int stopBits_ = 1;
    int handshaking_ = 0;
    int rThreshold_ = 0;
    int inputLen_ = 0;
    bool rtsEnable_ = false;
    int sThreshold_ = 0;
    int commEvent_ = 0;
    int openings_ = 0;
    int64_t handOverUs_ = 0;
    int64_t reachedUs_ = -1;     // when the waiting characters last reached the threshold, -1 below it

    std::unique_ptr<SerialBackend> backend_;
    std::deque<int> errors_;     // line errors not yet delivered
    bool rxChanged_ = false;     // waiting characters changed since the last receive event
    bool posted_ = false;        // a dispatch is queued on the time source
    bool inHandler_ = false;
    std::shared_ptr<int> alive_ = std::make_shared<int>(0);
};

} // namespace plat
