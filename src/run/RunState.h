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
// read and its start requested, the read failed and nothing was started, or
// the caller no longer wanted it (a stop, a mode change or a stop-all took
// it off the queue, or the caller's own conditions no longer held when its
// turn came) and nothing was started.
enum class ReadEnd { Refused, Completed, Failed, Withdrawn };

// What a caller of the parameter read asks besides the read itself.
struct ReadWish {
    // The caller's start request goes on the line beside the read request,
    // in the same frame, when the read's turn comes; a read that fails takes
    // it back.
    bool startWithRead = false;
    // Looked at when the read's turn comes: false withdraws the caller. The
    // scheduler's sections give their own conditions (mode, armed flags,
    // window open), as the tick would look at them then.
    std::function<bool()> stillWanted;
};

// One caller of a queued read: what it asked and what it does at the end.
struct ReadCaller {
    ReadWish wish;
    std::function<void(ReadEnd)> then;
};

// One LE's place in the queue of parameter reads, with its callers.
struct ParamRead {
    int le = 0;
    std::vector<ReadCaller> callers;
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
    // 1 from a stop-all (it stops every LE) until a run mode is chosen for
    // the LE again or START LE starts or arms it: the scheduler's windows,
    // cycles and restarts leave it stopped.
    PerLE<uint8_t> StoppedByStopAll{};
    // Counts the stop-alls (menu item, alarms, stop alarm): a start sequence
    // under way ends when it changes.
    uint32_t StopAllCount = 0;
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
