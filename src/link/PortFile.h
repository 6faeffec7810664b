#pragma once
// The port file "ParamComx2.ini" in the base folder: 16 lines, two per LE in
// LE order, each one quoted text (write form): the port number as typed,
// then "1" (activated) or "0".
//
//   portFilePath(baseFolder)                      - BaseFolder & "\ParamComx2.ini"
//   writePortFile(drive, path, numbers, enabled)  - the 16 lines, replacing the file
//   writeDefaultPortFile(drive, path)             - "0" on all 16 lines (start-up, file missing)
//   portNumberOf(text)                            - the port a typed text names, 1 to 14, if any
//   portTextReadable(text), activationReadable(text) - a line of the file that the window shows
//
// The port window reads the file line by line (SettingsReader), so a bad
// line never moves the lines after it.

#include <QString>
#include <QStringList>
#include <array>
#include <optional>

namespace plat {
class Drive;
}

namespace orv {

using PortTexts = std::array<QString, 8>;   // one text per LE index 0-7

QString portFilePath(const QString& baseFolder);

// Creates the file anew. False when it cannot be created or written.
bool writePortFile(const plat::Drive& drive, const QString& path, const PortTexts& numbers,
                   const PortTexts& enabled);
bool writeDefaultPortFile(const plat::Drive& drive, const QString& path);

inline const QString PortFileName = QStringLiteral("ParamComx2.ini");
constexpr int HighestPort = 14;

// The port a text names: a whole number from 1 to 14 in digits, blanks
// around it allowed. Nothing for anything else ("0", "abc", "1e1", "").
std::optional<int> portNumberOf(const QString& text);
// A port-number line the window shows: empty, "0" (no port yet, as a new
// file holds) or a port number. Anything else shows as an empty box.
bool portTextReadable(const QString& text);
// An activation line: "1" or "0". Anything else unticks, as "0" does.
bool activationReadable(const QString& text);

} // namespace orv
