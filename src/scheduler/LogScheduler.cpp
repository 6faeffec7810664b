#include "scheduler/LogScheduler.h"
#include "shell/Log.h"
#include "shell/Program.h"

namespace orv {

Owned<LogScheduler> makeLogScheduler(Log& log, Program& p) { return Owned<LogScheduler>::make(log, p); }

LogScheduler::LogScheduler(Log& log, Program& prog) : L(log), p(prog) {}

} // namespace orv
