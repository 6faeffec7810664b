#pragma once
// The frame an LE sends (StampToPCFrame), parsed without a port, a window or
// a timer: 160 characters, 32 fields of 5 decimal characters, each a whole
// number 0-255 with blanks allowed before and after its digits. There is no
// other framing, so the parse is all or nothing: a frame is either 32 valid
// bytes or rejected with the first field that failed.

#include <QByteArray>
#include <array>
#include <cstdint>
#include <optional>

namespace orv {

constexpr int StampFieldWidth = 5;
constexpr int SynchroMarker = 123;     // field 30 of every frame the PC answers
constexpr int BankReadParam = 2;       // field 0 of a parameter read-back
constexpr int WearCounterMark = 5;     // field 31 of a wear-counter frame

// Field positions the reception reads.
namespace fld {
constexpr int Bank = 0, Phase = 1, StartStop = 2, StartStep = 5, ErrorCode = 9, TempMAT = 10, TempSHT = 11;
constexpr int LPC = 12, LFC = 13, LFC2 = 14, LFC3 = 15, VIS = 16, IR = 17, RH = 18, AD13 = 19;
constexpr int FirstWear = 13;          // three counters of three bytes, fields 13-21
constexpr int ReturnSpeedM = 25, Version = 26, TachyM = 27, TachyV1 = 28, TachyV2 = 29;
constexpr int Synchro = 30, Cooling = 31;
} // namespace fld

enum class FrameKind {
    Status,          // every other frame
    ParamReadBack,   // field 0 = 2: the 32 fields are the LE's parameter table
    WearCounter,     // field 0 != 2 and field 31 = 5: fields 13-21 carry the wear counters
};

struct StampFrame {
    std::array<uint8_t, 32> fields{};
    FrameKind kind = FrameKind::Status;
    bool marker = false;   // field 30 holds the synchro marker

    int operator[](int i) const { return fields[i]; }
};

enum class FieldError {
    NotANumber,   // empty, letters, a sign, a point, a blank between digits, a missing field
    OutOfRange,   // a whole number above 255
};

struct FrameParse {
    std::optional<StampFrame> frame;   // set when all 32 fields are valid
    int badField = -1;                 // else the first field that failed
    FieldError error = FieldError::NotANumber;
};

// Value of one 5-character field: a whole number, nullopt when the text is
// not blanks-digits-blanks with at least one digit.
std::optional<int> stampFieldValue(const QByteArray& field);

FrameKind frameKind(int field0, int field31);

// Parses the first 160 characters of `chars`; in a shorter text the first
// field that is cut short or missing is the bad one.
FrameParse parseStampFrame(const QByteArray& chars);

} // namespace orv
