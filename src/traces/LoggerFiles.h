#pragma once
// The data logger's texts: the per-LE data file names, the two settings
// files TypeFile.ini and NS.ini, and the header block and data rows of a data
// file. Pure functions over values, shared by the set-up window and the
// writer.

#include <QString>
#include <QStringList>
#include <array>
#include <cstdint>
#include <optional>

namespace orv::logger {

constexpr int ChannelCount = 16;     // check boxes of the set-up window
constexpr int WrittenChannels = 8;   // channels 0-7 have columns; 8-15 are never written
constexpr int PeriodCount = 11;      // period buttons
constexpr int LoggedLEs = 6;         // LE-1 to LE-6 have data files

// Minutes of each period button.
constexpr std::array<int, PeriodCount> PeriodMinutes = {1, 2, 5, 10, 20, 30, 60, 120, 180, 240, 300};

// ".txt" for the ASCII types 0 and 2, ".csv" for the CSV types 1 and 3.
QString extensionOfType(int fileType);
// 0 selects ",", any other value ";".
QString separatorText(int separatorChoice);

// The longest file name the host takes, in bytes of its encoding.
constexpr int MaxHostFileNameBytes = 255;
// Whether a typed file name stays a plain name in the data logger folder:
// no path separator, no character a file name cannot hold, not "." or "..",
// and short enough that each per-LE data file it gives (with the type's
// extension) fits the host's limit on a file name.
bool isPlainFileName(const QString& name, const QString& extension);
// The dialog's name with the type's extension appended when the name does
// not already hold it (case-sensitive).
QString withExtension(const QString& name, const QString& extension);

// The names of the data files of LE-1 to LE-6 derived from the full name F:
// X is F's last four characters, the stem is F up to the first X within the
// file name part, and LE k gets stem & "_LE" & k & X. nullopt when the file
// name part is shorter than four characters (no extension to keep).
std::optional<std::array<QString, LoggedLEs>> perLeFileNames(const QString& fullName);

// ------------------------------------------------------------ settings files
struct TypeFileValues {
    int fileType = 0;
    std::array<uint8_t, ChannelCount> channelFlags{};
    QString fileName;   // blanks around it dropped
    std::array<uint8_t, PeriodCount> periodFlags{};
};
// The 29 lines as START writes them.
QStringList typeFileLines(const TypeFileValues& v);
// Reads the lines of TypeFile.ini: a line that is missing or bad (not a
// number of the line's kind, out of 0-255, a flag other than 0 or 1) gives
// that line's start-up default. The file name is the whole line 18, so a
// comma in it moves nothing.
TypeFileValues parseTypeFile(const QStringList& lines);

struct NsValues {
    int reserved = 0;          // line 3, carried through
    int separatorChoice = 1;   // line 4
};
// The four lines as the separator options write them.
QStringList nsFileLines(const NsValues& v);
NsValues parseNsFile(const QStringList& lines);

// ------------------------------------------------------------ data files
// Which of the channels 0-7 have a column.
using Columns = std::array<bool, WrittenChannels>;
// The header block: an empty line, the names line, the units line and a
// line holding one blank.
QStringList headerBlock(const Columns& columns, const QString& sep);
// One data row: pass number, date, time, then the values of the chosen
// channels (each followed by the separator; channel 7 by one blank).
QString dataRow(int64_t pass, const QString& date, const QString& time, const Columns& columns,
                const std::array<QString, WrittenChannels>& values, const QString& sep);

} // namespace orv::logger
