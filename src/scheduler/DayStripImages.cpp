#include "scheduler/DayStripImages.h"
#include "platform/Canvas.h"
#include "platform/Drive.h"
#include "scheduler/SelectionStart.h"
#include "shell/Program.h"
#include "shell/StartupFiles.h"

namespace orv {

void saveDayStripImages(Program& p)
{
    State& s = p.s;
    s.DateCourante = imageDateText(p.rt.dateText());
    SelectionStart* start = p.ifLoaded<SelectionStart>();
    if (!start) return;
    for (int le = 0; le < LeCount; ++le) {
        plat::PictureBox* strip = start->DayStrips[le];
        if (!strip) continue;
        const QString name = s.BaseFolder + QStringLiteral("\\Images_Traces\\") + s.DateCourante
            + QStringLiteral("_0") + QString::number(le + 2) + QStringLiteral(".bmp");
        strip->canvas().save(p.rt.drive.hostPath(name));
    }
}

} // namespace orv
