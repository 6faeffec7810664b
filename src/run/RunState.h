#pragma once
// Run control's own state: the start delays kept from the parameter read
// and the start-all / stop-all records, the parameter reads pending, the QTH
// lamp button's state. Written and read by run control; the scheduler reads
// the stop-all records and the pending reads.

#include "shell/StateParts.h"

namespace orv {

// The parameter read before a start ends without a start when no read-back
// has come this long after the request (the transfer notice that follows a
// read-back takes 2.2 s more); a pending read is looked at this often.
constexpr int ParamReadTimeoutMs = 6000;
constexpr int ParamReadPollMs = 50;

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
    // The parameter read before a start, per LE: 1 from the read request
    // until the read ends (transfer done, port closed, link lost, no
    // read-back in time); the time by which a read-back must have come.
    // The order of the requests, so that the latest read ends first.
    PerLE<uint8_t> ParamReadPending{};
    PerLE<int64_t> ParamReadDeadlineMs{};
    PerLE<uint64_t> ParamReadOrder{};
    uint64_t ParamReadCount = 0;
    uint8_t FlagCommHal = 0;          // QTH lamp button: 1 while the lamps are on as far as the button knows
};

// The part p.s.run, built by the program's assembly (src/app).
Owned<RunState> makeRunState();

} // namespace orv
