#pragma once
// The eight per-LE instances of the scheduler's sections and cycle timers:
// one row per LE binds the shared routines to that LE's mode label, strip,
// symmetric cycle timer and name label on the start-selection window and to
// its trace-restart one-shot on the main window.

#include "platform/Controls.h"
#include "platform/Form.h"
#include "platform/PictureBox.h"

#include <array>

namespace orv {

struct LogTimers;
class SelectionStart;

struct SchedulerInstance {
    int le;       // LE index 0-7
    int number;   // LE number 1-8

    plat::Label SelectionStart::*modeLabel;        // Label1, 2, 11, 17, 18, 19, 120, 121
    plat::PictureBox SelectionStart::*strip;       // Picture2..Picture9
    plat::FormTimer SelectionStart::*symTimer;     // Timer4..Timer9, Timer16, Timer17
    plat::Label SelectionStart::*nameLabel;        // Label3..Label8, Label89, Label90
    plat::FormTimer LogTimers::*traceRestart;    // Timer5, 7, 17, 19, 27, 29, 52, 68

    // Only LE-1 writes the "Arret", "A=B ok" and "Execute" captions and the
    // planning diagnostics, and only LE-1 has the light-triggered mode.
    bool writesCaptions;
};

// Row i serves LE index i.
const std::array<SchedulerInstance, 8>& schedulerInstances();

} // namespace orv
