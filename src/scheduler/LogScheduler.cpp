#include "scheduler/LogScheduler.h"
#include "scheduler/SchedulerStartup.h"
#include "scheduler/DayStripImages.h"
#include "scheduler/SelectionStart.h"
#include "shell/Log.h"
#include "shell/Program.h"

namespace orv {

Owned<LogScheduler> makeLogScheduler(Log& log, Program& p) { return Owned<LogScheduler>::make(log, p); }

LogScheduler::LogScheduler(Log& log, Program& prog) : L(log), p(prog)
{
    L.MListeNormal.onClick = [this] { MListeNormal_Click(); };
    L.MListeSymetrique.onClick = [this] { MListeSymetrique_Click(); };
    L.MListeAsymetrique.onClick = [this] { MListeAsymetrique_Click(); };
    L.MListePlanning.onClick = [this] { MListePlanning_Click(); };
    L.MListeStop.onClick = [this] { MListeStop_Click(); };
    L.MListeStartAllLE.onClick = [this] { MListeStartAllLE_Click(); };
    L.MListeStopAllLE.onClick = [this] { MListeStopAllLE_Click(); };
    for (int i = 0; i < LeCount; ++i) {
        L.Label37[i].onMouseDown = [this, i](const plat::MouseArgs& a) { Label37_MouseDown(i, a.button, a.shift, a.x, a.y); };
        L.Label42[i].onMouseDown = [this, i](const plat::MouseArgs& a) { Label42_MouseDown(i, a.button, a.shift, a.x, a.y); };
    }
    L.ModeShown = [this](int le) { return p.form<SelectionStart>()->modeLabel(le).caption(); };

    // Start-up and quit steps.
    Program& program = p;
    StartupEntries& su = L.startup;
    su.SelectionHeight = [&program] { program.form<SelectionStart>()->setHeight(9105); };
    su.WindowPosition = [&program] { startupWindowPosition(program); };
    su.TodayImages = [&program] { startupTodayImages(program); };
    su.Lfc2Reference = [&program] { startupLfc2Reference(program); };
    su.Lfc3Trigger = [&program] { startupLfc3Trigger(program); };
    su.SaveDayStrips = [&program] { saveDayStripImages(program); };
}

} // namespace orv
