// Quit from the main window's File menu: after the question, the day's
// schedule strips are saved as images, every open window is closed in a
// fixed order (its timers stopped first, so its closing handler runs
// undisturbed and saves what it saves), then the program ends.

#include "platform/Dialogs.h"
#include "shell/Log.h"
#include "shell/Program.h"

namespace orv {

namespace {

// The order in which quit closes the windows, by the system's window names.
// "Log", the main window, only has its timers stopped here; it closes last.
const char* const QuitOrder[] = {
    "BoiteDialogue",
    "Coefficients",
    "ConfigurationRS232",
    "ControlLfcAlarm",
    "Datalogger",
    "EspionStart",
    "FadecParameters",
    "GraphiqueScreen",
    "Halogen",
    "Histo",
    "InterCMD1",
    "Log",
    "MessagesError",
    "OKTransfert",
    "ParamLogicielVB",
    "PW6Sliders",
    "RefCapteurLFC2",
    "RefLevelTrigLFC3",
    "Saisie",
    "SelectionStart",
    "SHTPC",
    "TestsMateriel",
    "Usures",
    "ValeurDesParam",
    "VisualiserImagesHMS",
};

} // namespace

void Log::mnuQuit_Click()
{
    if (p_.rt.dialogs.msgBox(QStringLiteral("Are you sure you want to exit the program!"), plat::mb::YesNo,
                             QStringLiteral(" Warning!"))
        != plat::mb::Yes)
        return;

    if (startup.SaveDayStrips) startup.SaveDayStrips();

    for (const char* name : QuitOrder) {
        plat::Form* w = p_.loadedForm(QString::fromLatin1(name));
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
