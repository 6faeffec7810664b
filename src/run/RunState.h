#pragma once
// Run control's own state: the start-all / stop-all records, the queue of
// parameter reads before a start, the QTH lamp button's state. Written and
// read by run control; the scheduler reads the stop-all records.

#include "shell/StateParts.h"

#include <deque>
#include <functional>
#include <vector>

namespace orv {

// The parameter read before a start ends without a start when no read-back
// has come this long after the request (the transfer notice that follows a
// read-back takes 2.2 s more); a pending read is looked at this often.
constexpr int ParamReadTimeoutMs = 6000;
constexpr int ParamReadPollMs = 50;

// How a parameter read before a start ended: the LE was not ready to be
// read when its turn came (port closed, no marker, not idle), its table was
// read and its start requested, or the read failed and nothing was started.
enum class ReadEnd { Refused, Completed, Failed };

// One LE's place in the queue of parameter reads, with what its callers do
// once it has ended.
struct ParamRead {
    int le = 0;
    std::vector<std::function<void(ReadEnd)>> then;
    // Once its turn has come and its request is made: no read-back by
    // deadlineMs fails it; readBacksAtRequest is the LE's ReadBacks count then.
    bool onLine = false;
    int64_t deadlineMs = 0;
    uint32_t readBacksAtRequest = 0;
};

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
    // The parameter reads before a start, one at a time in the order they
    // were asked for: only the first goes on the line; the others wait for
    // it to end.
    std::deque<ParamRead> ParamReads;
    uint8_t FlagCommHal = 0;          // QTH lamp button: 1 while the lamps are on as far as the button knows
};

// The part p.s.run, built by the program's assembly (src/app).
Owned<RunState> makeRunState();

} // namespace orv
