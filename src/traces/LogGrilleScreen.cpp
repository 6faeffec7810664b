// The white grid that separates the eight trace panes of the multi-screen
// layout; the single-screen layout has none.
#include "traces/LogTraces.h"

#include "shell/Log.h"

namespace orv {

void LogTraces::GrilleScreen()
{
    if (L.mnuMonoEcran.checked()) return;
    plat::Canvas& area = L.Picture13.canvas();
    area.line(0, 2107, 9340, 2107, plat::colors::White);
    for (int x : {2335, 4670, 7005}) area.line(x, 0, x, 4215, plat::colors::White);
}

} // namespace orv
