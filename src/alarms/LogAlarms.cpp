#include "alarms/LogAlarms.h"
#include "shell/Log.h"
#include "shell/Program.h"

namespace orv {

Owned<LogAlarms> makeLogAlarms(Log& log, Program& p) { return Owned<LogAlarms>::make(log, p); }

LogAlarms::LogAlarms(Log& log, Program& prog) : L(log), p(prog) {}

} // namespace orv
