#pragma once
// The trace area's own state: the pane whose pop-up is open and the display
// switches. The pane acted on (ScreenLE) and the trace pens (TraceX) are
// shared state: run control restarts them.

#include "shell/State.h"

namespace orv {

struct TracesState {
    int PaneMenuLE = -1;             // LE index of the pane whose pop-up is open, else -1
    uint8_t FlagAffListeIO = 0;      // 1 while the I/O list panel is shown
    uint8_t ScrollFlag = 0;          // toggle state behind the "Scroll" menu item
    uint8_t FlagNiveauLPC = 0, FlagNiveauLFC = 0, FlagNiveauVIS = 0;   // level line requested on the traces
};

} // namespace orv
