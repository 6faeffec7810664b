#pragma once
// The trace area's pane and columns, and the I/O list panel's state.
// Written by the traces (ScreenLE and TraceX also by the scheduler when an
// LE starts or changes mode, FlagAffListeIO by the parameter windows that
// hide the panel); read by the link's I/O monitor, the parameter windows and
// the scheduler. Reached as p.s.tracesShared->Name.

#include "shell/StateParts.h"

namespace orv {

struct TracesShared {
    uint8_t ScreenLE = 0;            // LE index of the trace pane being acted on
    PerLE<int32_t> TraceX{};         // column of the LE's next trace point; 1 restarts at the left edge
    uint8_t IOMonitorPCToStamp = 0;  // the I/O monitor lists 0 the frames received, 1 the frames sent
    uint8_t FlagAffListeIO = 0;      // 1 while the I/O list panel is shown
};

} // namespace orv
