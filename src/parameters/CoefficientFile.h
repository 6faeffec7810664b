#pragma once
// The sensor coefficient file "Coefficients2.ini" in the base folder: 120
// lines, one coefficient per line, LE-major (line 15 x LE index + row + 1),
// rows 0-14 of LE-1 to LE-8. CoeffLE holds the same texts, element
// row + 16 x LE index.
//
// Pure routines for start-up and the coefficient window:
//   coefficientFilePath(baseFolder)
//   coefficientDefault(row), coefficientDefaults()   - the 120 texts of a new file
//   readCoefficientFile(drive, path)                  - line by line
//   writeCoefficientFile(drive, path, values)         - 120 bare lines
//   acceptedCoefficient(typed)                        - what a typed cell stores

#include <QString>
#include <QStringList>
#include <array>
#include <optional>

namespace plat {
class Drive;
}

namespace orv {

constexpr int CoeffRows = 15;                       // rows 0-14 of each LE
constexpr int CoeffLines = CoeffRows * 8;           // lines of the file
constexpr int coeffIndex(int row, int le) { return row + 16 * le; }   // element of CoeffLE
constexpr int coeffLine(int row, int le) { return CoeffRows * le + row + 1; }   // 1-based line

QString coefficientFilePath(const QString& baseFolder);

// Default of a row, the same for every LE: "1" for the five sensor factors,
// "4" and "2" for the supply and battery rows, "0" elsewhere.
QString coefficientDefault(int row);
QStringList coefficientDefaults();   // the 120 lines of a new file

// The values of the file, one per line as the input statement reads it (up
// to the first comma, without surrounding blanks and quotes). A line cannot
// move the values of the lines after it. The list is shorter than 120 when
// the file is; nothing when it cannot be read.
std::optional<QStringList> readCoefficientFile(const plat::Drive& drive, const QString& path);

// Creates or replaces the file with these lines. False when it could not be
// written in full.
bool writeCoefficientFile(const plat::Drive& drive, const QString& path, const QStringList& values);

// What a cell typed as `typed` stores: the number with blanks dropped and a
// decimal comma turned into a point ("2,5" -> "2.5"), so that the file keeps
// one value per line and reception can convert it; nothing when the text is
// not a number.
std::optional<QString> acceptedCoefficient(const QString& typed);

} // namespace orv
