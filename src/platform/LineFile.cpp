#include "platform/LineFile.h"

#include "platform/SeqFile.h"
#include "platform/VbText.h"

namespace plat {

std::optional<LineFile> LineFile::read(const Drive& drive, const QString& winPath)
{
    auto f = SeqFile::open(drive, winPath, SeqFile::Mode::Input);
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
    return vbVal(*t);
}

std::optional<int64_t> LineFile::whole(int n, int64_t lo, int64_t hi) const
{
    const auto t = text(n);
    if (!t) return std::nullopt;
    const auto v = toDouble(*t);
    if (!v) return std::nullopt;
    const auto r = vbRound(*v);
    if (!r || *r < lo || *r > hi) return std::nullopt;
    return r;
}

std::optional<int64_t> LineFile::roundedNumber(int n, int64_t lo, int64_t hi) const
{
    const auto v = number(n);
    if (!v) return std::nullopt;
    const auto r = vbRound(*v);
    if (!r || *r < lo || *r > hi) return std::nullopt;
    return r;
}

bool writeLines(const Drive& drive, const QString& winPath, const QStringList& lines)
{
    auto f = SeqFile::open(drive, winPath, SeqFile::Mode::Output);
    if (!f) return false;
    bool ok = true;
    for (const QString& l : lines) ok = f->printText(l) && ok;
    return f->close() && ok;
}

QString quoted(const QString& text) { return QLatin1Char('"') + text + QLatin1Char('"'); }

} // namespace plat
