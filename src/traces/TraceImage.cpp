#include "traces/TraceImage.h"

#include "platform/Canvas.h"
#include "platform/Drive.h"

namespace orv {

QString restTraceImagePath(const QString& baseFolder, int number)
{
    return baseFolder + QStringLiteral("\\Img\\LE") + QString::number(number) + QStringLiteral("-0000.bmp");
}

bool saveRestTraceImage(const plat::Drive& drive, const plat::Canvas& area, const QString& baseFolder, int number)
{
    return area.save(drive.hostPath(restTraceImagePath(baseFolder, number)));
}

} // namespace orv
