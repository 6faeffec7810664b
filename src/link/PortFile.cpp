#include "link/PortFile.h"

#include "platform/SeqFile.h"

namespace orv {

QString portFilePath(const QString& baseFolder) { return baseFolder + QLatin1Char('\\') + PortFileName; }

bool writePortFile(const plat::Drive& drive, const QString& path, const PortTexts& numbers,
                   const PortTexts& enabled)
{
    auto file = plat::SeqFile::open(drive, path, plat::SeqFile::Mode::Output);
    if (!file)
        return false;
    bool ok = true;
    for (int le = 0; le < 8; ++le) {
        ok = file->writeFields({numbers[le]}) && ok;
        ok = file->writeFields({enabled[le]}) && ok;
    }
    return file->close() && ok;
}

bool writeDefaultPortFile(const plat::Drive& drive, const QString& path)
{
    PortTexts zeros;
    zeros.fill(QStringLiteral("0"));
    return writePortFile(drive, path, zeros, zeros);
}

std::optional<int> portNumberOf(const QString& text)
{
    const QString t = text.trimmed();
    if (t.isEmpty()) return std::nullopt;
    for (const QChar c : t)
        if (c < QLatin1Char('0') || c > QLatin1Char('9')) return std::nullopt;
    bool ok = false;
    const int n = t.toInt(&ok);
    if (!ok || n < 1 || n > HighestPort) return std::nullopt;
    return n;
}

bool portTextReadable(const QString& text)
{
    return text.isEmpty() || text == QLatin1String("0") || portNumberOf(text).has_value();
}

bool activationReadable(const QString& text) { return text == QLatin1String("1") || text == QLatin1String("0"); }

} // namespace orv
