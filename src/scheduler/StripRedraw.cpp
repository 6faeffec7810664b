// The restart sections draw an LE's schedule again through the strip
// editor's drawing procedures.
#include "scheduler/SchedulerTick.h"
#include "scheduler/SelectionStart.h"
#include "shell/Program.h"

namespace orv {

// The editor's drawings are not part of the window yet: the strip keeps the
// background the restart gave it.
void redrawAsymWindow(Program& p, int le) { Q_UNUSED(p); Q_UNUSED(le); }
void redrawPlanning(Program& p, int le) { Q_UNUSED(p); Q_UNUSED(le); }

} // namespace orv
