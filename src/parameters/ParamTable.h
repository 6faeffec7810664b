#pragma once
// The LE parameter table: titles, defaults and bound texts of the 32 entries,
// and the parameter copy file "ParamSt.ini".
//
// Pure routines for start-up and the parameter windows:
//   paramTitle(p), paramDefault(p), paramMinText(p), paramMaxText(p)
//   fillParamBounds(min, max)                 - ParamMin / ParamMax, elements 1-31
//   paramCopyPath(baseFolder)                 - BaseFolder & "\ParamSt.ini"
//   readParamCopy(drive, path)                - the values in file order, or nothing
//   writeParamCopy(drive, path, values)       - 32 bare lines
// The main window's TitreListeParam / TableParamDefaut (LogParameters.h) write the
// titles and defaults into the FADEC-parameters window.

#include <QString>
#include <QStringList>
#include <array>
#include <optional>

namespace plat {
class Drive;
}

namespace orv {

constexpr int ParamCount = 32;
using ParamValues = std::array<QString, ParamCount>;

// Title of entry p (0-31), filled with blanks to 40 characters (entry 24 to
// 39); entries 9 to 17 have none. Empty for p outside the table.
QString paramTitle(int p);
// Default value text of entry p.
QString paramDefault(int p);
// Bound texts shown by the value input ("Min :" / "Max :"); hints about the
// BCD form for the clock registers 1-8, numbers for 9-31, empty for 0.
QString paramMinText(int p);
QString paramMaxText(int p);
// Fills elements 1 to 31 of the bound arrays; elements 0 and 32 are left as they are.
void fillParamBounds(std::array<QString, 33>& min, std::array<QString, 33>& max);

ParamValues paramDefaults();

QString paramCopyPath(const QString& baseFolder);

// Every value of the copy, in file order, one per line: value k belongs to
// entry k mod 32, so a file longer than 32 lines is a second pass over the
// same entries and a shorter one holds the first entries only. Nothing when
// the file cannot be read. Values are not validated: any text is a value.
std::optional<QStringList> readParamCopy(const plat::Drive& drive, const QString& path);
// Creates or truncates the file and writes the 32 values as bare lines.
// False when it cannot be written.
bool writeParamCopy(const plat::Drive& drive, const QString& path, const ParamValues& values);

} // namespace orv
