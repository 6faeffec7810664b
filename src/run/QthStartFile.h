#pragma once
// The QTH start file "StartHalogen.ini": one line, "1" when the QTH lamps
// were last switched on with the QTH button, "0" otherwise.
//
// Pure routines for start-up (create when missing, the automatic QTH start)
// and the QTH button:
//   qthStartFilePath(baseFolder)      - BaseFolder & "\StartHalogen.ini"
//   writeQthStartFile(drive, path, on)- the single bare line "1" or "0"
//   readQthStartFile(drive, path)     - the first value as a number, or nothing

#include <QString>
#include <optional>

namespace plat {
class Drive;
}

namespace orv {

QString qthStartFilePath(const QString& baseFolder);

// False when the file cannot be written.
bool writeQthStartFile(const plat::Drive& drive, const QString& path, bool on);

// Nothing when the file is missing, empty, or its first value is not a
// number; the caller then leaves the lamps as they are.
std::optional<double> readQthStartFile(const plat::Drive& drive, const QString& path);

} // namespace orv
