#pragma once
// The scheduler's part of the main window.
// It holds the handlers of the main window's controls that this subsystem
// serves (the system's names kept) and hooks them when the window is built.

#include "platform/Control.h"

namespace orv {

class Log;
class Program;

class LogScheduler {
public:
    LogScheduler(Log& log, Program& p);

private:
    Log& L;
    Program& p;
};

} // namespace orv
