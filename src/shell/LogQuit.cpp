// Quit from the main window's File menu: after the question, the day's
// schedule strips are saved as images, every open window is closed in a
// fixed order (its timers stopped first, so its closing handler runs
// undisturbed and saves what it saves), then the program ends.

#include "alarms/ControlLfcAlarm.h"
#include "alarms/Halogen.h"
#include "alarms/SHTPC.h"
#include "link/ConfigurationRS232.h"
#include "parameters/FadecParameters.h"
#include "parameters/OKTransfert.h"
#include "parameters/Saisie.h"
#include "parameters/TestsMateriel.h"
#include "parameters/Usures.h"
#include "parameters/ValeurDesParam.h"
#include "platform/Dialogs.h"
#include "platform/Drive.h"
#include "platform/VbText.h"
#include "run/PW6Sliders.h"
#include "scheduler/RefLevelTrigLFC3.h"
#include "scheduler/SelectionStart.h"
#include "shell/BoiteDialogue.h"
#include "shell/Histo.h"
#include "shell/Log.h"
#include "shell/MessagesError.h"
#include "shell/ParamLogicielVB.h"
#include "shell/Program.h"

namespace orv {

namespace {

// A window of the quit order: the open instance, or null (never loads it).
using OpenWindow = plat::Form* (*)(Program&);

template <class W>
plat::Form* ifOpen(Program& p)
{
    return p.ifLoaded<W>();
}

plat::Form* mainWindow(Program& p) { return p.Log.ifLoaded(); }

// The order in which quit closes the windows. A window class that joins the
// program takes its line at its place in this order.
const OpenWindow QuitOrder[] = {
    ifOpen<BoiteDialogue>,
    // Coefficients
    ifOpen<ConfigurationRS232>,
    ifOpen<ControlLfcAlarm>,
    // Datalogger
    // EspionStart
    ifOpen<FadecParameters>,
    // GraphiqueScreen
    ifOpen<Halogen>,
    ifOpen<Histo>,
    // InterCMD1
    mainWindow,   // only its timers stop; it closes last
    ifOpen<MessagesError>,
    ifOpen<OKTransfert>,
    ifOpen<ParamLogicielVB>,
    ifOpen<PW6Sliders>,
    // RefCapteurLFC2
    ifOpen<RefLevelTrigLFC3>,
    ifOpen<Saisie>,
    ifOpen<SelectionStart>,
    ifOpen<SHTPC>,
    ifOpen<TestsMateriel>,
    ifOpen<Usures>,
    ifOpen<ValeurDesParam>,
    // VisualiserImagesHMS
};

// "dd/mm/yyyy" becomes "dd.mm.yyyy"; a date text without "/" stays as it is.
QString imageDate(const QString& date)
{
    if (!date.contains(QLatin1Char('/')))
        return date;
    return plat::mid(date, 1, 2) + QStringLiteral(".") + plat::mid(date, 4, 2) + QStringLiteral(".")
        + plat::mid(date, 7, 4);
}

} // namespace

void Log::mnuQuit_Click()
{
    if (p_.rt.dialogs.msgBox(QStringLiteral("Are you sure you want to exit the program!"), plat::mb::YesNo,
                             QStringLiteral(" Warning!"))
        != plat::mb::Yes)
        return;

    State& s = p_.s;
    s.DateCourante = imageDate(p_.rt.dateText());

    // The strips of LE-1 to LE-8 as Picture2 to Picture9: "_02.bmp" to
    // "_09.bmp". A strip that does not exist or cannot be saved is skipped.
    if (SelectionStart* start = p_.ifLoaded<SelectionStart>()) {
        for (int le = 0; le < LeCount; ++le) {
            plat::PictureBox* strip = start->DayStrips[le];
            if (!strip)
                continue;
            const QString name = s.BaseFolder + QStringLiteral("\\Images_Traces\\") + s.DateCourante
                + QStringLiteral("_0") + QString::number(le + 2) + QStringLiteral(".bmp");
            strip->canvas().save(p_.rt.drive.hostPath(name));
        }
    }

    for (OpenWindow find : QuitOrder) {
        plat::Form* w = find(p_);
        if (!w)
            continue;
        w->stopTimers();
        if (w != this)
            w->unload();   // a closing handler may end the program here
    }

    p_.Log.unload();
    p_.End();
}

} // namespace orv
