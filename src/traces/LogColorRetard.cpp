// Blanking one LE's trace pane on the trace area Picture13 (4 x 2 panes).
#include "shell/Log.h"
#include "shell/Program.h"
#include "shell/TracesShared.h"
#include "traces/LogTraces.h"
#include "traces/TraceInstances.h"

namespace orv {

void LogTraces::ColorRetard()
{
    State& s = p.s;
    const int le = s.tracesShared->ScreenLE;
    if (le < LeCount) {
        const TraceInstance& row = traceInstance(le);
        L.Picture13.canvas().line(row.blankX1, row.blankY1, row.blankX2, row.blankY2, plat::colors::Black,
                                plat::Canvas::BoxFilled);
        s.tracesShared->TraceX[le] = 1;
    }
    GrilleScreen();
}

} // namespace orv
