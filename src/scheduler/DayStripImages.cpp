// The day images of the strips: BaseFolder\Images_Traces\dd.mm.yyyy_02.bmp
// (LE-1) to _09.bmp (LE-8), written as a set by the File menu, the scheduler
// and quit, and loaded back as the strips' background pictures.

#include "scheduler/DayStripImages.h"

#include "platform/Canvas.h"
#include "platform/Drive.h"
#include "scheduler/SchedulerState.h"
#include "scheduler/SelectionStart.h"
#include "scheduler/StripModel.h"
#include "shell/Program.h"
#include "shell/State.h"
#include "traces/VisualiserImagesHMS.h"

namespace orv {

namespace {
QString dayImagePath(const State& s, const QString& imageDate, int le)
{
    return s.common->BaseFolder + QStringLiteral("\\Images_Traces\\") + dayImageName(imageDate, le);
}
} // namespace

void saveDayStripImages(Program& p)
{
    if (SelectionStart* start = p.ifLoaded<SelectionStart>())
        start->SauvTraces();
    else
        p.s.common->DateCourante = imageDate(p.rt.time.wallClock().date());
}

QStringList SelectionStart::SauvTraces()
{
    State& s = p_.s;
    // Built from the date itself, whatever the regional date format.
    s.common->DateCourante = imageDate(p_.rt.time.wallClock().date());
    // A strip that cannot be saved (folder gone, disk full) is skipped; the
    // others are still written.
    QStringList failed;
    for (int le = 0; le < 8; ++le) {
        const QString path = dayImagePath(s, s.common->DateCourante, le);
        if (!strip(le).canvas().save(p_.rt.drive.hostPath(path))) failed << path;
    }
    return failed;
}

void SelectionStart::mnu2SauverLesTraces_Click() { SauvTraces(); }

// Loads the viewer when it is not loaded (its load lists the days), else
// brings it to the front as it is.
void SelectionStart::mnu2Visualiser_Click() { p_.form<VisualiserImagesHMS>()->show(); }

bool SelectionStart::loadDayImage(int le, const QString& imageDate)
{
    const QString path = dayImagePath(p_.s, imageDate, le);
    if (!p_.rt.drive.fileExists(path)) return false;
    const auto image = plat::Canvas::load(p_.rt.drive.hostPath(path));
    if (!image) return false;
    strip(le).canvas().setPicture(*image);
    return true;
}

} // namespace orv
