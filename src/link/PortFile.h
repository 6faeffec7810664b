#pragma once
// The port file "ParamComx2.ini" in the base folder: 16 lines, two per LE in
// LE order, each one quoted text (write form): the port number as typed,
// then "1" (activated) or "0".
//
//   portFilePath(baseFolder)                      - BaseFolder & "\ParamComx2.ini"
//   writePortFile(drive, path, numbers, enabled)  - the 16 lines, replacing the file
//   writeDefaultPortFile(drive, path)             - "0" on all 16 lines (start-up, file missing)
//   readPortFile(drive, path)                     - the values in file order, as far as they read

#include <QString>
#include <QStringList>
#include <array>

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

// The values of the file in order (port number of LE-1, its activation, port
// number of LE-2, ...), each line read as one field of the input form. At
// most 16; fewer when the file is short, none when it is missing.
QStringList readPortFile(const plat::Drive& drive, const QString& path);

} // namespace orv
