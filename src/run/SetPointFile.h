#pragma once
// The power set-point file "ConsignePW2.ini": eight lines, the set-points of
// LE-1 to LE-8 in tens of watts.
//
// Routines for start-up, the set-point commands and reception:
//   setPointFilePath(baseFolder)          - BaseFolder & "\ConsignePW2.ini"
//   readSetPoints(p)                      - the eight values, or nothing
//   writeSetPointFile(drive, path, v)     - eight lines in integer form (" 50 ")
//   defaultSetPoints()                    - eight times 50, the file's content when created
//   warnSetPointFile(dialogs, what)       - the warning of a set-point command whose file failed

#include <QString>
#include <array>
#include <cstdint>
#include <optional>

namespace plat {
class Dialogs;
class Drive;
}

namespace orv {

class Program;

using SetPoints = std::array<int16_t, 8>;

constexpr int16_t DefaultSetPoint = 50;
// The range of the power sliders, in tens of watts.
constexpr int16_t SetPointMin = 30, SetPointMax = 130;
inline const QString SetPointFileName = QStringLiteral("ConsignePW2.ini");

QString setPointFilePath(const QString& baseFolder);
SetPoints defaultSetPoints();

// One value per line, blanks around the digits allowed (integer form " 50 "
// and text form "50" alike), rounded to a whole number. A line that is
// missing, not a number or outside the sliders' 30 to 130 takes 50, the
// value of a new file, and the history names the file once a run; the other
// lines keep their values. Nothing when the file cannot be opened.
std::optional<SetPoints> readSetPoints(Program& p);

// Creates or truncates the file and writes the eight values in integer form.
// False when it cannot be written.
bool writeSetPointFile(const plat::Drive& drive, const QString& path, const SetPoints& values);

// Tells the user that the file could not be `what` ("read", "written") and
// that the set-points in force stay as they are.
void warnSetPointFile(plat::Dialogs& dialogs, const QString& what);

} // namespace orv
