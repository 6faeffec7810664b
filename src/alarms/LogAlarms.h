#pragma once
// The alarm windows' part of the main window.
// It holds the handlers of the main window's controls that this subsystem
// serves (the system's names kept) and hooks them when the window is built.

#include "platform/Control.h"

namespace orv {

class Log;
class Program;

class LogAlarms {
public:
    LogAlarms(Log& log, Program& p);

private:
    Log& L;
    Program& p;
};

} // namespace orv
