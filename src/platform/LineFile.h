#pragma once
// Settings files read and written line by line, on top of SeqFile.
//
// Each line of a settings file holds one value. LineFile reads the whole
// file and answers per line, so a comma, a quote or a bad value on one line
// never moves the values of the lines after it; a line past the end of the
// file, or a value that does not convert, answers nullopt and the caller
// keeps the value in force. A line's value is read as SeqFile's input form
// reads a field (inputValue).

#include "platform/SeqFile.h"
#include "platform/VbText.h"

#include <QString>
#include <QStringList>
#include <cstdint>
#include <optional>

namespace plat {

class Drive;

class LineFile {
public:
    // nullopt when the file cannot be opened for reading.
    static std::optional<LineFile> read(const Drive& drive, const QString& winPath);
    explicit LineFile(QStringList lines) : lines_(std::move(lines)) {}

    int count() const { return int(lines_.size()); }
    // Line n (1-based) whole, without its line end.
    std::optional<QString> line(int n) const;
    // The line's value as the input statement reads it: leading blanks
    // dropped, surrounding double quotes dropped, up to the first comma.
    std::optional<QString> text(int n) const;
    // The leading number of the line's value; a value that is not a number
    // reads as 0.
    std::optional<double> number(int n) const;
    // The line's value converted to a whole number (rounded); nullopt when
    // the value is not a number or is out of [lo, hi].
    std::optional<int64_t> whole(int n, int64_t lo, int64_t hi) const;
    // number(n) rounded to a whole number within [lo, hi].
    std::optional<int64_t> roundedNumber(int n, int64_t lo, int64_t hi) const;

private:
    QStringList lines_;
};

// Creates or replaces the file with these lines, each ended by CR LF.
// False when the file could not be written in full.
bool writeLines(const Drive& drive, const QString& winPath, const QStringList& lines);

// A line holding quoted text ("\"0\""); a printed number is printForm(v).
QString quoted(const QString& text);

} // namespace plat
