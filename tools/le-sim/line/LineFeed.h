#pragma once
// How one simulated line hands its characters to the PC, at the line's rate.
//
// Characters queued go on the line one after another, each taking the time of
// one character at the line's rate (ten bits at 19200 baud: 0.52 ms); the
// delivery decides when those already on the line reach the PC's port:
//  - even: whatever is on the line, each time the simulator comes round
//    (about every millisecond);
//  - chars: each character alone, the moment its last bit is on the line;
//  - fifo: a UART's receive FIFO, pieces of 14 characters, and the rest once
//    the line has been quiet for four character times;
//  - usb: a USB adapter's packets of 1 to 64 characters (sizes drawn at
//    random, the same series every run), each the moment its last character
//    is on the line; packets run across frames;
//  - usb-latency: a USB adapter that sends 64 characters as soon as it holds
//    them, and whatever it holds once its latency timer (16 ms from the first
//    character held) runs out;
//  - mix: pieces cut the ways above at random, one way per piece (UART
//    pieces of 20, USB packets of 16 to 64, pieces of 4, single characters),
//    each the moment its last character is on the line; pieces run across
//    frames.
// Times are microseconds on any one monotonic clock.

#include <QByteArray>
#include <QString>

#include <cstdint>
#include <deque>
#include <random>

namespace lesim {

class LineFeed {
public:
    enum class Mode { Even, Chars, Fifo, Usb, UsbLatency, Mix };

    static constexpr int kFifoPiece = 14;
    static constexpr int kPacketMax = 64;
    static constexpr int64_t kLatencyUs = 16000;

    // Parses a delivery name (the list above); false when unknown.
    static bool parse(const QString& name, Mode& mode);
    static QString name(Mode mode);

    LineFeed(Mode mode, int baud, unsigned seed);

    Mode mode() const { return mode_; }
    // Characters put on the line after those already queued, from `nowUs`
    // at the earliest.
    void queue(const QByteArray& bytes, int64_t nowUs);
    // Characters not yet handed to the PC.
    qsizetype pending() const { return held_.size(); }
    // Takes the characters the PC receives at `nowUs`.
    QByteArray take(int64_t nowUs);
    // When take() next has something, or -1 with nothing queued.
    int64_t nextUs(int64_t nowUs) const;
    // Drops everything queued (the PC closed the line).
    void clear();

private:
    // Characters on the line (last bit sent) by `nowUs`.
    qsizetype onLine(int64_t nowUs) const;
    int64_t doneUs(qsizetype i) const { return done_[size_t(i)]; }
    void drawPacket();

    Mode mode_;
    double charUs_;
    double lineFreeUs_ = 0;     // when the line has sent everything queued
    QByteArray held_;           // queued, not yet handed over
    std::deque<int64_t> done_;  // per held character: when its last bit is on the line
    std::mt19937 random_;
    int packet_ = 0;            // size of the USB packet being filled
};

} // namespace lesim
