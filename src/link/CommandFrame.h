#pragma once
// The command frame to an LE (PCToStampFrame): the LE's 32 I/O positions as
// it last reported them, with the positions the PC owns overwritten by the
// pending requests, one byte each, then CR LF. Pure functions over a row of
// FadecIO; the transmit routine decides when they run.

#include <QByteArray>
#include <QString>
#include <array>
#include <cstdint>
#include <optional>

namespace orv {

using IORow = std::array<int32_t, 161>;   // one row of FadecIO; positions 0-31 used

constexpr int CommandFrameLength = 34;

// Bank requests (SelectionBank) carried in position 0 for the selected LE.
namespace bank {
constexpr int Command = 0;      // BankCommand: an ordinary frame
constexpr int WriteParam = 1;   // BankWriteParam: the frame carries parameters 1-31
constexpr int ReadParam = 2;    // BankReadParam: the LE answers with its parameter table
} // namespace bank

// EnableCooling value that makes the SubCommand position a request.
constexpr uint8_t SubCommandRequest = 4;

// Positions the PC owns.
namespace cmdpos {
constexpr int Bank = 0;
constexpr int StartStop = 2;
constexpr int Power = 4;
constexpr int RelayQTH = 6;
constexpr int RelayAlarm = 8;
constexpr int SubCommand = 12;
constexpr int Vmot = 24;
constexpr int EnableCooling = 31;
} // namespace cmdpos

// What the PC asks of one LE at the moment its frame is built.
struct PcRequests {
    bool selected = false;    // the LE is SelectedLE
    int selectionBank = 0;    // SelectionBank (sent to the selected LE only)
    int phase = 0;            // PhaseLP: the power set-point goes out in phase 5 only
    int startStopPC = 0;
    int consignePW = 0;
    int relayQTH = 0;
    int relayAlarm = 0;
    int subCommand = 0;
    int vmot = 0;
    int enableCooling = 0;
};

// Writes the requests into the row; every other position keeps the LE's echo.
void applyRequests(IORow& row, const PcRequests& r);

// The parameter-write frame: position 0 := 1, positions 1-31 := parameters
// 1-31 in place of the requests and echoes. `params[0]` is not used.
void applyParameterWrite(IORow& row, const std::array<int, 32>& params);

// Value of one entry of the working copy as the write sends it: the number
// the whole text holds (blanks around it allowed), rounded to a whole number;
// -1 for an empty or non-numeric text and for a number too large to hold.
// The result may lie outside 0-255.
int paramValue(const QString& text);

// The 34 bytes of positions 0-31, CR, LF; nothing when a position lies
// outside 0-255, since such a frame cannot be encoded.
std::optional<QByteArray> encodeCommandFrame(const IORow& row);

} // namespace orv
