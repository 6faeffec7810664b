#include "shell/ErrorReport.h"

#include "platform/VbText.h"

namespace orv {

QString ErrorReportLine(int code, const QString& message, const QString& time)
{
    if (code == StopActivatedCode)
        return QStringLiteral(" ------> ") + message + QStringLiteral("  (") + plat::mid(time, 1, 2)
            + QStringLiteral("h") + plat::mid(time, 4, 2) + QStringLiteral(")");
    return QStringLiteral(" Error ") + message;
}

QString Bits8(int b)
{
    QString out;
    for (int mask = 128; mask >= 1; mask /= 2) {
        if (b >= mask) {
            out += QLatin1Char('1');
            b -= mask;
        } else {
            out += QLatin1Char('0');
        }
    }
    return out;
}

} // namespace orv
