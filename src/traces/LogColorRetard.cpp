// Blanking one LE's trace pane on the trace area Picture13 (4 x 2 panes).
#include "shell/Log.h"
#include "shell/Program.h"

namespace orv {

namespace {

constexpr int RowSplit = 2107;      // the top row ends, the bottom row begins
constexpr int RowBottom = 4214;
// Left and right edge of each column's pane; the first pane of the bottom
// row ends at 2335, the grid line.
constexpr int PaneLeft[4] = {0, 2343, 4678, 7005};
constexpr int PaneRight[4] = {2343, 4678, 7013, 9340};
constexpr int BottomFirstRight = 2335;

} // namespace

void Log::ColorRetard()
{
    State& s = p_.s;
    const int le = s.ScreenLE;
    if (le < LeCount) {
        const int column = le % 4;
        const bool bottom = le >= 4;
        const int right = bottom && column == 0 ? BottomFirstRight : PaneRight[column];
        Picture13.canvas().line(PaneLeft[column], bottom ? RowSplit : 0, right, bottom ? RowBottom : RowSplit,
                                plat::colors::Black, plat::Canvas::BoxFilled);
        s.TraceX[le] = 1;
    }
    GrilleScreen();
}

} // namespace orv
