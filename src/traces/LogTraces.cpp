// The trace area's own input: a press on a pane.
#include "shell/Log.h"
#include "shell/Program.h"

namespace orv {

namespace {
// Pane boundaries of the trace area, in twips: four columns, two rows.
constexpr int PaneWidth = 2343;
constexpr int PaneHeight = 2107;
} // namespace

void Log::wireTraces()
{
    Picture13.onMouseDown = [this](const plat::MouseArgs& a) { Picture13_MouseDown(a); };
}

void Log::Picture13_MouseDown(const plat::MouseArgs& a)
{
    State& s = p_.s;
    const int column = int(a.x / PaneWidth);
    const int row = int(a.y / PaneHeight);
    if ((a.button == plat::LeftButton || a.button == plat::RightButton) && column >= 0 && column <= 3)
        s.ScreenLE = uint8_t(row == 0 ? column : 4 + column);
    if (a.button != plat::LeftButton) return;
    // The pane's commands act on the pane that opened the menu, whatever a
    // timer does to ScreenLE while the menu is open.
    s.PaneMenuLE = s.ScreenLE;
    popupMenu(mnuFonctions);
    s.PaneMenuLE = -1;
}

} // namespace orv
