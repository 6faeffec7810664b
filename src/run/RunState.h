#pragma once
// Run control's own state: the start delays kept from the parameter read
// and the start-all / stop-all records.

#include "shell/State.h"

namespace orv {

struct RunState {
    PerLE<uint8_t> StartLELogged{};
    PerLE<uint8_t> OffLELogged{};
    uint8_t StopAllIndex = 0;        // LE index the stop-all sequencer handles at its next tick
    uint8_t StartAllIndex = 0;       // the same for the start-all sequencer
    uint8_t StartAllWaiting = 0;     // 1 while a start-all tick waits for its parameter transfer
    // 1 once the stop-all sequence has stopped the LE, until a run mode is
    // chosen for it again: the scheduler's cycles and window restarts leave it stopped.
    PerLE<uint8_t> StoppedByStopAll{};
    int MenuLE = 0;                  // LE number whose label opened the run-mode pop-up, while it is open
};

} // namespace orv
