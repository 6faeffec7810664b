#pragma once
// The activity history: the line format of Histo.txt and the pure steps of
// the history viewer (reading the file into entries, tidying the list).
// Log::WriteHisto appends the lines; the Histo window shows them.

#include <QString>
#include <QStringList>

namespace plat {
class Drive;
class Printer;
}

namespace orv {

// Name of the history file in BaseFolder.
inline const QString HistoFileName = QStringLiteral("Histo.txt");

// One history line without its line end: two blanks, the time, four blanks,
// the date, four blanks, the code as three digits (the last three characters
// of "000" & code), four blanks, the message. Message text goes in unchanged.
QString HistoLine(const QString& code, const QString& message, const QString& time, const QString& date);

// Empties BaseFolder\Histo.txt; false when it cannot be written.
bool EmptyHistoFile(const plat::Drive& drive, const QString& baseFolder);

// The viewer's heading line, after its indent.
inline const QString HistoHeading = QStringLiteral("  Report faults history, starts, stops and mistakes errors");

// The viewer stops reading once it has listed one entry more than this.
constexpr int HistoEntryLimit = 32000;

// The viewer's tidy pass over its list (entries before index 3 are the
// heading): removes entries of at most 36 characters and entries whose tail
// (from character 37) has its first "0" as 8th character, and takes the
// blank at the tail's 7th character out of the others. Every removal
// restarts the pass at index 3.
void TidyHistoList(QStringList& list);

// Lines printed on one page of the history list.
constexpr int HistoPageLines = 76;

// Prints the viewer's list, each entry followed by `suffix`: a blank line,
// then 76 entries a document; the third and later documents start with the
// four heading lines.
void PrintHistoList(plat::Printer& printer, const QStringList& list, const QString& suffix);

} // namespace orv
