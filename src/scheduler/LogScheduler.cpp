#include "scheduler/LogScheduler.h"
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
    L.ModeShown = [this](int le) { return p.form<SelectionStart>()->modeLabel(le).caption(); };
}

} // namespace orv
