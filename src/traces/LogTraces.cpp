// The trace area's own input: a press on a pane.
#include "traces/LogTraces.h"
#include "shell/Log.h"
#include "shell/Program.h"
#include "traces/TracesState.h"

namespace orv {

namespace {
// Pane boundaries of the trace area, in twips: four columns, two rows.
constexpr int PaneWidth = 2343;
constexpr int PaneHeight = 2107;
} // namespace

Owned<LogTraces> makeLogTraces(Log& log, Program& p) { return Owned<LogTraces>::make(log, p); }

LogTraces::LogTraces(Log& log, Program& prog) : L(log), p(prog)
{
    L.Picture13.onMouseDown = [this](const plat::MouseArgs& a) { Picture13_MouseDown(a); };
    wireLogger();
}

void LogTraces::Picture13_MouseDown(const plat::MouseArgs& a)
{
    TracesState& t = *p.s.traces;
    const int column = int(a.x / PaneWidth);
    const int row = int(a.y / PaneHeight);
    if ((a.button == plat::LeftButton || a.button == plat::RightButton) && column >= 0 && column <= 3)
        t.ScreenLE = uint8_t(row == 0 ? column : 4 + column);
    if (a.button != plat::LeftButton) return;
    // The pane's commands act on the pane that opened the menu, whatever a
    // timer does to ScreenLE while the menu is open.
    t.PaneMenuLE = t.ScreenLE;
    L.popupMenu(L.mnuFonctions);
    t.PaneMenuLE = -1;
}

} // namespace orv
