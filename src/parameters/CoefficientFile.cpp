#include "parameters/CoefficientFile.h"

#include "platform/VbText.h"
#include "platform/LineFile.h"

namespace orv {

QString coefficientFilePath(const QString& baseFolder) { return baseFolder + "\\Coefficients2.ini"; }

QString coefficientDefault(int row)
{
    if (row >= 0 && row <= 4) return QStringLiteral("1");
    if (row == 10) return QStringLiteral("4");
    if (row == 11) return QStringLiteral("2");
    return QStringLiteral("0");
}

QStringList coefficientDefaults()
{
    QStringList lines;
    for (int le = 0; le < 8; ++le)
        for (int row = 0; row < CoeffRows; ++row) lines += coefficientDefault(row);
    return lines;
}

std::optional<QStringList> readCoefficientFile(const plat::Drive& drive, const QString& path)
{
    const auto file = plat::LineFile::read(drive, path);
    if (!file) return std::nullopt;
    QStringList values;
    for (int n = 1; n <= file->count() && n <= CoeffLines; ++n) values += *file->text(n);
    return values;
}

bool writeCoefficientFile(const plat::Drive& drive, const QString& path, const QStringList& values)
{
    return plat::writeLines(drive, path, values);
}

std::optional<QString> acceptedCoefficient(const QString& typed)
{
    QString t = typed.trimmed();
    t.replace(QLatin1Char(','), QLatin1Char('.'));
    // The stored text must read back as a number whatever the system's
    // decimal separator, so only the point form is kept.
    if (t.isEmpty() || !plat::toDouble(t)) return std::nullopt;
    return t;
}

} // namespace orv
