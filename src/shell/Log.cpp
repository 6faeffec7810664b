#include "shell/Log.h"
#include "shell/Program.h"

namespace orv {

Log::Log(Program& p) : plat::Form(p.rt, "Log"), LogControls(static_cast<plat::Form&>(*this)), p_(p)
{
    wireShell();
    wireLink();
    wireRun();
    wireTraces();
    wireScheduler();
    wireParameters();
    wireAlarms();
}

void Log::Form_Load() { Timer1.setEnabled(true); }

void Log::Form_QueryUnload(int& cancel, int unloadMode) {}

} // namespace orv
