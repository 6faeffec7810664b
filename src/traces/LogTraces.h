#pragma once
// The trace area's part of the main window (Picture13 and its pop-up).
// It holds the handlers of the main window's controls that this subsystem
// serves (the system's names kept) and hooks them when the window is built.

#include "platform/Control.h"

namespace orv {

class Log;
class Program;

class LogTraces {
public:
    LogTraces(Log& log, Program& p);
    // A press on the trace area selects the pane of its LE (ScreenLE); the
    // left button also opens the area's pop-up menu for that pane.
    void Picture13_MouseDown(const plat::MouseArgs& a);

private:
    Log& L;
    Program& p;
};

} // namespace orv
