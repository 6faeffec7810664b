#include "shell/StartupFilesIo.h"

#include "platform/SeqFile.h"
#include "platform/VbText.h"
#include "shell/ShellState.h"
#include "shell/State.h"

namespace orv {

std::optional<LineFile> LineFile::read(const plat::Drive& drive, const QString& winPath)
{
    auto f = plat::SeqFile::open(drive, winPath, plat::SeqFile::Mode::Input);
    if (!f) return std::nullopt;
    QStringList lines;
    while (auto l = f->lineInput()) lines.append(*l);
    return LineFile(std::move(lines));
}

std::optional<QString> LineFile::line(int n) const
{
    if (n < 1 || n > lines_.size()) return std::nullopt;
    return lines_.at(n - 1);
}

std::optional<QString> LineFile::text(int n) const
{
    const auto l = line(n);
    if (!l) return std::nullopt;
    return inputValue(*l);
}

std::optional<double> LineFile::number(int n) const
{
    const auto t = text(n);
    if (!t) return std::nullopt;
    return plat::vbVal(*t);
}

std::optional<int64_t> LineFile::whole(int n, int64_t lo, int64_t hi) const
{
    const auto t = text(n);
    if (!t) return std::nullopt;
    const auto v = plat::toDouble(*t);
    if (!v) return std::nullopt;
    const auto r = plat::vbRound(*v);
    if (!r || *r < lo || *r > hi) return std::nullopt;
    return r;
}

std::optional<int64_t> LineFile::roundedNumber(int n, int64_t lo, int64_t hi) const
{
    const auto v = number(n);
    if (!v) return std::nullopt;
    const auto r = plat::vbRound(*v);
    if (!r || *r < lo || *r > hi) return std::nullopt;
    return r;
}

QString inputValue(const QString& line)
{
    qsizetype pos = 0;
    while (pos < line.size() && (line.at(pos) == QLatin1Char(' ') || line.at(pos) == QLatin1Char('\t'))) ++pos;
    if (pos < line.size() && line.at(pos) == QLatin1Char('"')) {
        const qsizetype close = line.indexOf(QLatin1Char('"'), pos + 1);
        return close < 0 ? line.mid(pos + 1) : line.mid(pos + 1, close - pos - 1);
    }
    qsizetype end = line.indexOf(QLatin1Char(','), pos);
    if (end < 0) end = line.size();
    while (end > pos && (line.at(end - 1) == QLatin1Char(' ') || line.at(end - 1) == QLatin1Char('\t'))) --end;
    return line.mid(pos, end - pos);
}

bool writeLines(const plat::Drive& drive, const QString& winPath, const QStringList& lines)
{
    auto f = plat::SeqFile::open(drive, winPath, plat::SeqFile::Mode::Output);
    if (!f) return false;
    bool ok = true;
    for (const QString& l : lines) ok = f->printText(l) && ok;
    return f->close() && ok;
}

QString printed(double v) { return plat::printForm(v); }

QString quoted(const QString& text) { return QLatin1Char('"') + text + QLatin1Char('"'); }

QString inBase(const State& s, const QString& name) { return s.BaseFolder + QLatin1Char('\\') + name; }

bool baseFolderKnown(const State& s) { return !s.BaseFolder.isEmpty() || s.shell->BaseFolderKnown; }

} // namespace orv
