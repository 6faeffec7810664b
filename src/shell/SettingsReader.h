#pragma once
// A settings file read value by value against the ranges of the controls
// that take its values.
//
// A value that is missing, does not convert or lies outside its range is not
// used: the caller puts in its place the value start-up writes when the file
// is missing, so a bad line never switches off an alarm or a set-point. The
// first time in a run that a file needs such a fall-back, one history line
// names it. Nothing here rewrites the file: its own window or routine does,
// as always.

#include "shell/StartupFilesIo.h"

#include <QString>
#include <optional>

namespace orv {

class Program;

class SettingsReader {
public:
    // Reads BaseFolder & "\" & name.
    SettingsReader(Program& p, QString name);

    // False when the file could not be opened, or start-up has not found
    // BaseFolder yet: no value is read and nothing is reported; the caller
    // keeps what it does with a missing file.
    bool opened() const { return file_.has_value(); }
    // Line n (1-based) is present in the file.
    bool has(int n) const { return file_ && file_->line(n).has_value(); }

    // Line n as a whole number (rounded) within [lo, hi]; otherwise the
    // fall-back is noted and the answer is nullopt, or `fallback`.
    std::optional<int> whole(int n, int lo, int hi);
    int whole(int n, int lo, int hi, int fallback) { return whole(n, lo, hi).value_or(fallback); }

    // Line n's value as text (see inputValue) when `good` accepts it;
    // otherwise the fall-back is noted and the answer is nullopt.
    std::optional<QString> text(int n, bool (*good)(const QString&));

    // Notes a fall-back the caller found itself.
    void fellBack();

private:
    Program& p_;
    QString name_;
    std::optional<LineFile> file_;
};

// The history line of a settings file whose bad values were replaced by
// their defaults, written once per run and file.
QString settingsFallbackMessage(const QString& name);
void reportSettingsFallback(Program& p, const QString& name);

} // namespace orv
