#pragma once
// The trace area's own state: the pane whose pop-up is open, the samples
// and freeze of each LE's trace, the display switches. The pane acted on
// (ScreenLE) and the trace pens (TraceX) are shared state: run control
// restarts them.

#include "shell/State.h"

namespace orv {

// The eight samples a plot tick takes, in this order.
enum TraceSignal { TraceLPC, TraceLFC, TraceMAT, TraceVIS, TraceIR, TraceRH, TraceLFC2, TraceLFC3 };
using TraceSamples = std::array<int16_t, 8>;   // indexed by TraceSignal; TraceMAT is twice the °C

struct TracesState {
    int PaneMenuLE = -1;             // LE index of the pane whose pop-up is open, else -1
    uint8_t FlagAffListeIO = 0;      // 1 while the I/O list panel is shown
    uint8_t ScrollFlag = 0;          // toggle state behind the "Scroll" menu item
    PerLE<uint8_t> FrozenLE{};       // 1 while the LE's pane is frozen: its ticks only take samples
    PerLE<TraceSamples> TraceNow{};  // the samples of the LE's current tick
    PerLE<TraceSamples> TracePrev{}; // the samples of its last drawn tick, where each segment starts
    PerLE<uint8_t> TraceLastPhase{}; // the phase its last unfrozen tick saw; a change draws a marker
    PerLE<uint8_t> ClearPending{};   // 1 from a Clear Screen of the pane until Timer70 blanks it black
    uint8_t FrozenFlag = 0;          // "Frozen (Figer)" toggle: 0 = the next use freezes
    uint8_t AutoSaveFlag = 0;        // "Auto-Save (Out of screen)" toggle; nothing else reads it
    uint8_t FlagNiveauLPC = 0, FlagNiveauLFC = 0, FlagNiveauVIS = 0;   // level line requested on the traces
};

} // namespace orv
