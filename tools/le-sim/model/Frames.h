#pragma once
// Byte layouts of the two frames on an LE's serial line, as pure functions.
//
// LE to PC: 160 characters, 32 fields of 5 decimal characters each.
// PC to LE: 32 bytes (one per I/O position), then CR LF.
#include <QByteArray>
#include <array>
#include <optional>
#include <vector>

namespace le {

using Fields = std::array<int, 32>;

constexpr int kFieldCount = 32;
constexpr int kFieldWidth = 5;
constexpr int kStampFrameLength = kFieldCount * kFieldWidth;   // 160
constexpr int kCommandLength = kFieldCount + 2;                // 34
constexpr int kSynchroMarker = 123;

// Positions and codes of the frames, named as the program names them.
namespace pos {
constexpr int Bank = 0;
constexpr int Phase = 1;
constexpr int StartStop = 2;
constexpr int Confirmation = 3;
constexpr int Power = 4;
constexpr int StartStep = 5;
constexpr int RelayQTH = 6;
constexpr int QthState = 7;
constexpr int RelayAlarm = 8;
constexpr int ErrorCode = 9;
constexpr int TempMAT = 10;
constexpr int TempSHT = 11;
constexpr int LPC = 12;          // the LE reports LPC here; the PC sends SubCommand here
constexpr int SubCommand = 12;
constexpr int LFC = 13;
constexpr int LFC2 = 14;
constexpr int LFC3 = 15;
constexpr int VIS = 16;
constexpr int IR = 17;
constexpr int RH = 18;
constexpr int AD13 = 19;
constexpr int Vmot = 24;
constexpr int ReturnSpeedM = 25;
constexpr int Version = 26;
constexpr int TachyM = 27;
constexpr int TachyV1 = 28;
constexpr int TachyV2 = 29;
constexpr int Synchro = 30;
constexpr int Cooling = 31;      // cooling state from the LE, EnableCooling from the PC
constexpr int FirstWearField = 13;
}

enum Bank { BankCommand = 0, BankWriteParam = 1, BankReadParam = 2 };
enum StartStop { NoRequest = 0, StartRequest = 1, StopRequest = 2 };
enum SubCommandCode { FreezeOff = 0, FreezeOn = 1, ResetSLamp = 2, ResetHLamp = 3,
                      ResetMagnetron = 4, ReadCounters = 5 };
constexpr int SubCommandRequest = 4;   // EnableCooling value that makes SubCommand a request
constexpr int WearCounterMark = 5;     // field 31 of a wear-counter frame

// 160 characters: each field right-aligned in 5 characters, padded with
// leading blanks ("  255"). Values are written as given, so a test can build
// an out-of-range field; the caller keeps them to 0..99999 for a valid width.
QByteArray composeFrame(const Fields& fields);

// Numbered frames, for soak runs that check every frame the PC takes in: the
// four fields the program never reads in a status frame (20 to 23) carry a
// sequence number (20 high byte, 21 low byte, counting on from 65535 to 0),
// the LE's number and a check byte (the other 31 fields' sum, modulo 256).
namespace numbered {
constexpr int SeqHigh = 20, SeqLow = 21, Le = 22, Check = 23;
}
struct FrameNumber {
    int le;
    int seq;   // 0..65535
};
// `frame` with its number set, or unchanged when it is not 32 numeric fields
// (line noise).
QByteArray numberFrame(const QByteArray& frame, int le, int seq);
// The number of a numbered frame, or nothing unless `frame` is exactly the
// 160 characters composeFrame makes of its fields and its check byte holds.
std::optional<FrameNumber> frameNumber(const QByteArray& frame);

// The 32 positions of one PC frame, or nothing when `bytes` is not exactly
// 32 bytes followed by CR LF.
std::optional<Fields> parseCommand(const QByteArray& bytes);

// The reverse of parseCommand, for tests and tools that play the PC.
QByteArray composeCommand(const Fields& positions);

// Cuts the PC's byte stream into command frames. A window of 34 bytes is a
// frame when it ends with CR LF. Otherwise bytes were lost or added on the
// line: everything up to and including the first CR LF is thrown away and
// cutting starts again after it, so one damaged frame costs only itself.
class CommandSplitter {
public:
    // Appends bytes and returns the frames they complete, in order.
    std::vector<Fields> feed(const QByteArray& bytes);
    int discardedBytes() const { return discarded_; }

private:
    QByteArray buffer_;
    int discarded_ = 0;
};

} // namespace le
