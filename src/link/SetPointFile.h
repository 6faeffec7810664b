#pragma once
// The power set-point file "ConsignePW2.ini": eight lines, the set-points of
// LE-1 to LE-8 in tens of watts.
//
// Routines for start-up, the set-point commands and reception:
//   setPointFilePath(baseFolder)          - BaseFolder & "\ConsignePW2.ini"
//   readSetPointFile(drive, path)         - the eight values, or nothing
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

using SetPoints = std::array<int16_t, 8>;

constexpr int16_t DefaultSetPoint = 50;

QString setPointFilePath(const QString& baseFolder);
SetPoints defaultSetPoints();

// One value per line, blanks around the digits allowed (integer form " 50 "
// and text form "50" alike), rounded to a whole number. Nothing when the file
// is missing, has fewer than eight values, or one of the eight is not a
// number from 0 to 255: a bad file never changes the set-points in force.
std::optional<SetPoints> readSetPointFile(const plat::Drive& drive, const QString& path);

// Creates or truncates the file and writes the eight values in integer form.
// False when it cannot be written.
bool writeSetPointFile(const plat::Drive& drive, const QString& path, const SetPoints& values);

// Tells the user that the file could not be `what` ("read", "written") and
// that the set-points in force stay as they are.
void warnSetPointFile(plat::Dialogs& dialogs, const QString& what);

} // namespace orv
