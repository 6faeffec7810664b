#pragma once
// Reading and writing the settings files line by line.
//
// Each line of a settings file holds one value. LineFile reads the whole
// file and answers per line, so a comma, a quote or a bad value on one line
// never moves the values of the lines after it; a line past the end of the
// file, or a value that does not convert, answers nullopt and the caller
// keeps the value in force.

#include <QString>
#include <QStringList>
#include <cstdint>
#include <optional>

namespace plat {
class Drive;
}

namespace orv {

struct State;

class LineFile {
public:
    // nullopt when the file cannot be opened for reading.
    static std::optional<LineFile> read(const plat::Drive& drive, const QString& winPath);
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

// The first value of a line as the input statement reads it.
QString inputValue(const QString& line);

// Creates or replaces the file with these lines, each ended by CR LF.
// False when the file could not be written in full.
bool writeLines(const plat::Drive& drive, const QString& winPath, const QStringList& lines);

// Line forms: a printed number (" 50 "), quoted text ("\"0\"").
QString printed(double v);
QString quoted(const QString& text);

// BaseFolder & "\" & name.
QString inBase(const State& s, const QString& name);
// False only before start-up has looked for BaseFolder: an empty BaseFolder
// names the drive's root once it is known, and nothing before.
bool baseFolderKnown(const State& s);

} // namespace orv
