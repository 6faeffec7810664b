#pragma once
// The eight per-LE instances of the live trace: one row per LE binds the
// shared plot routine and restart routine to that LE's timers and pane.

#include "platform/Form.h"

#include <QString>
#include <array>

namespace orv {

struct LogTimers;

struct TraceInstance {
    int le;       // LE index 0-7
    int number;   // LE number 1-8

    plat::FormTimer LogTimers::*plotTimer;      // 500 ms plot tick (Timer4, 6, 10, 18, 20, 28, 51, 67)
    plat::FormTimer LogTimers::*restartTimer;   // 30 ms one-shot back to column 6 (Timer5, 7, 17, 19, 27, 29, 52, 68)

    // The pane's origin in the multi-screen layout, twips of the trace area:
    // the LE's columns start at x0 and its value scale hangs from y0.
    int x0;
    int y0;
    // What a blank of the pane fills, both ends included. Neighbouring
    // rectangles overlap by up to 8 twips, and LE-5's stops at the grid line.
    int blankX1, blankY1, blankX2, blankY2;

    // The restart timer runs from the window's load (LE-6 to LE-8), so those
    // three traces begin at column 6.
    bool restartAtLoad;

    // LE-1's pane: it fills the whole area in the single-screen layout and
    // wraps there by clearing the whole area; its name, labels and phase
    // stroke sit a little differently, it draws LFC-2 under LFC-3, and it
    // reads no run-mode label (so it never draws the LFC-2 calibration line).
    bool wholeAreaPane;

    // "LE3"
    QString name() const { return QStringLiteral("LE%1").arg(number); }
};

// Row i serves LE index i.
const std::array<TraceInstance, 8>& traceInstances();
inline const TraceInstance& traceInstance(int le) { return traceInstances().at(le); }

} // namespace orv
