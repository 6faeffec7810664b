#pragma once
// A sequential text file as the program's print, write, input and line-input
// statements use it: Windows-1252 bytes, CR LF written, CR LF, LF or CR read.
// No call throws or ends the program; a failure is the return value.
//
// Line forms written:
//   print form: text bare, a number as " 50 " / "-120 " (sign place, digits,
//               one blank), each statement a line;
//   write form: text quoted, numbers bare, comma-separated, then a line end.
// Input form, read field by field: blanks before a field are skipped; a field
// ends at a comma or the line end and loses its trailing blanks; a field that
// starts with a double quote runs to the next double quote (commas included)
// and the rest up to the next comma or line end is dropped.

#include <QFile>
#include <QList>
#include <QString>
#include <QVariant>
#include <memory>
#include <optional>

namespace plat {

class Drive;

class SeqFile {
public:
    enum class Mode {
        Input,    // the file must exist
        Output,   // created, or emptied when it exists
        Append,   // created when missing, written at its end
    };

    // nullptr when the file cannot be opened in that mode (missing file or
    // folder, a folder in its place, no permission).
    static std::unique_ptr<SeqFile> open(const Drive& drive, const QString& winPath, Mode mode);

    ~SeqFile();
    SeqFile(const SeqFile&) = delete;
    SeqFile& operator=(const SeqFile&) = delete;

    Mode mode() const { return mode_; }

    // Writing; false on an input file, a closed file or a write error.
    bool printText(const QString& text);
    bool printNumber(double v);
    bool printEmpty();
    bool writeFields(const QList<QVariant>& fields);   // strings quoted, numbers bare

    // Flushes and closes; false when the data could not all be written.
    bool close();

    // Reading; nullopt past the end of the file (an error for the caller)
    // and on a file not opened for input.
    std::optional<QString> inputField();
    // The next field's leading number; 0 when it does not start with one.
    std::optional<double> inputNumber();
    // The whole next line without its line end.
    std::optional<QString> lineInput();
    bool atEnd() const;

private:
    explicit SeqFile(Mode mode) : mode_(mode) {}
    bool writeLine(const QString& line);
    void skipLineEnd();
    bool atLineEnd() const;

    Mode mode_;
    QFile file_;          // output and append
    bool open_ = false;
    QString text_;        // input: the whole file, decoded at open
    qsizetype pos_ = 0;
};

// The first field of a line, read in the input form (as inputField reads it).
QString inputValue(const QString& line);

} // namespace plat
