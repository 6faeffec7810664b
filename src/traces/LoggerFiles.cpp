#include "traces/LoggerFiles.h"

#include "platform/VbText.h"
#include "shell/StartupFilesIo.h"

#include <QRegularExpression>
#include <cmath>

namespace orv::logger {

namespace {

constexpr int TypeFileLineCount = 29;
constexpr int FileNameLine = 18;

// The names and units of the columns of channels 0-7.
const char* const ColumnNames[WrittenChannels] = {"[LPC ]", "[LFC ]", "[VIS ]", "[IR  ]",
                                                  "[RH  ]", "[LOS ]", "[SHT ]", "[MAT ]"};
const char* const ColumnUnits[WrittenChannels] = {"[AU  ]", "[%   ]", "[W/m2]", "[%   ]",
                                                  "[%   ]", "[We  ]", "[\u00B0C/F]", "[\u00B0C/F]"};

std::optional<QString> lineAt(const QStringList& lines, int n)
{
    if (n < 1 || n > lines.size()) return std::nullopt;
    return lines.at(n - 1);
}

// True when the value starts with a number ("1", " 2 ", "-3", ".5", "1abc").
bool startsWithNumber(const QString& value)
{
    static const QRegularExpression leading(QStringLiteral("^\\s*[+-]?(\\d|\\.\\d)"));
    return leading.match(value).hasMatch();
}

// A value read as a number: its leading number rounded to a whole one, when
// it has one and it lies in 0-255.
std::optional<int> byteValue(const QStringList& lines, int n)
{
    const auto l = lineAt(lines, n);
    if (!l) return std::nullopt;
    const QString value = inputValue(*l);
    if (!startsWithNumber(value)) return std::nullopt;
    const auto r = plat::vbRound(plat::vbVal(value));
    if (!r || *r < 0 || *r > 255) return std::nullopt;
    return int(*r);
}

// A flag: 0 or 1; anything else is bad.
uint8_t flagValue(const QStringList& lines, int n)
{
    const auto v = byteValue(lines, n);
    return v && *v == 1 ? 1 : 0;
}

QString flagText(uint8_t f) { return f ? QStringLiteral("1") : QStringLiteral("0"); }

QString headerLine(const Columns& columns, const QString& sep, const char* const (&labels)[WrittenChannels])
{
    QString line = QStringLiteral("[CNT ]") + sep + QStringLiteral("[Date]") + sep + QStringLiteral("[Time]") + sep;
    for (int c = 0; c < WrittenChannels - 1; ++c)
        if (columns[c]) line += QString::fromUtf8(labels[c]) + sep;
    if (columns[WrittenChannels - 1]) line += QString::fromUtf8(labels[WrittenChannels - 1]);
    return line;
}

} // namespace

QString extensionOfType(int fileType)
{
    return fileType == 1 || fileType == 3 ? QStringLiteral(".csv") : QStringLiteral(".txt");
}

QString separatorText(int separatorChoice) { return separatorChoice == 0 ? QStringLiteral(",") : QStringLiteral(";"); }

bool isPlainFileName(const QString& name, const QString& extension)
{
    if (name == QLatin1String(".") || name == QLatin1String("..")) return false;
    for (QChar c : name) {
        if (c.unicode() < 32) return false;
        if (QStringLiteral("\\/:*?\"<>|").contains(c)) return false;
    }
    // The longest file the name leads to is a per-LE data file: it must fit
    // the host's limit on a file name.
    const auto names = perLeFileNames(withExtension(name, extension));
    if (!names) return true;
    for (const QString& n : *names)
        if (n.toUtf8().size() > MaxHostFileNameBytes) return false;
    return true;
}

QString withExtension(const QString& name, const QString& extension)
{
    return name.contains(extension, Qt::CaseSensitive) ? name : name + extension;
}

std::optional<std::array<QString, LoggedLEs>> perLeFileNames(const QString& fullName)
{
    const qsizetype nameStart =
        std::max(fullName.lastIndexOf(QLatin1Char('\\')), fullName.lastIndexOf(QLatin1Char('/'))) + 1;
    if (fullName.size() - nameStart < 4) return std::nullopt;
    const QString x = fullName.right(4);
    const QString stem = fullName.left(fullName.indexOf(x, nameStart));
    std::array<QString, LoggedLEs> names;
    for (int k = 0; k < LoggedLEs; ++k) names[k] = stem + QStringLiteral("_LE") + QString::number(k + 1) + x;
    return names;
}

QStringList typeFileLines(const TypeFileValues& v)
{
    QStringList lines{plat::printForm(v.fileType)};
    for (uint8_t f : v.channelFlags) lines << flagText(f);
    lines << v.fileName;
    for (uint8_t f : v.periodFlags) lines << flagText(f);
    return lines;
}

TypeFileValues parseTypeFile(const QStringList& lines)
{
    TypeFileValues v;
    // Line 1 must hold a whole number.
    if (const auto l = lineAt(lines, 1)) {
        const auto d = plat::toDouble(inputValue(*l));
        if (d && *d >= 0 && *d <= 255 && *d == std::floor(*d)) v.fileType = int(*d);
    }
    for (int c = 0; c < ChannelCount; ++c) v.channelFlags[c] = flagValue(lines, 2 + c);
    v.fileName = lineAt(lines, FileNameLine).value_or(QString()).trimmed();
    for (int k = 0; k < PeriodCount; ++k) v.periodFlags[k] = flagValue(lines, FileNameLine + 1 + k);
    static_assert(FileNameLine + PeriodCount == TypeFileLineCount);
    return v;
}

QStringList nsFileLines(const NsValues& v)
{
    return {QString(), QString(), plat::printForm(v.reserved), plat::printForm(v.separatorChoice)};
}

NsValues parseNsFile(const QStringList& lines)
{
    NsValues v;
    if (const auto r = byteValue(lines, 3)) v.reserved = *r;
    if (const auto s = byteValue(lines, 4)) v.separatorChoice = *s;
    return v;
}

QStringList headerBlock(const Columns& columns, const QString& sep)
{
    return {QString(), headerLine(columns, sep, ColumnNames), headerLine(columns, sep, ColumnUnits),
            QStringLiteral(" ")};
}

QString dataRow(int64_t pass, const QString& date, const QString& time, const Columns& columns,
                const std::array<QString, WrittenChannels>& values, const QString& sep)
{
    QString row = QString::number(pass) + sep + date.trimmed() + sep + time.trimmed() + sep;
    for (int c = 0; c < WrittenChannels - 1; ++c)
        if (columns[c]) row += values[c] + sep;
    if (columns[WrittenChannels - 1]) row += values[WrittenChannels - 1] + QStringLiteral(" ");
    return row;
}

} // namespace orv::logger
