#pragma once
// The trace area's own state: which pane is acted on, the trace pens, the
// display switches and the data logger's per-LE header marks.

#include "shell/State.h"

namespace orv {

struct TracesState {
    uint8_t ScreenLE = 0;            // LE index of the trace pane being acted on
    int PaneMenuLE = -1;             // LE index of the pane whose pop-up is open, else -1
    uint8_t FlagAffListeIO = 0;      // 1 while the I/O list panel is shown
    uint8_t ScrollFlag = 0;          // toggle state behind the "Scroll" menu item
    PerLE<int32_t> TraceX{};         // column of the LE's next trace point; 1 restarts at the left edge
    uint8_t FlagNiveauLPC = 0, FlagNiveauLFC = 0, FlagNiveauVIS = 0;   // level line requested on the traces
};

} // namespace orv
