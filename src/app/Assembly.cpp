// The program's assembly: the one place that knows every subsystem. It
// builds each subsystem's own state and, in every main window, each
// subsystem's part, in the order the subsystems have always been built in.
// The shell builds the shared state and the main window's own part; the
// subsystems above it are linked below this file, never the other way.

#include "alarms/AlarmsState.h"
#include "alarms/LogAlarms.h"
#include "link/LinkState.h"
#include "link/LogLink.h"
#include "parameters/LogParameters.h"
#include "parameters/ParametersState.h"
#include "run/LogRun.h"
#include "run/RunState.h"
#include "scheduler/LogScheduler.h"
#include "scheduler/SchedulerState.h"
#include "shell/Log.h"
#include "shell/Program.h"
#include "traces/LogTraces.h"
#include "traces/TracesState.h"

namespace orv {

namespace {

// The shared parts and the shell's own come first (State's defaults), then
// each subsystem's own.
State assembledState()
{
    State s;
    s.link = makeLinkState();
    s.run = makeRunState();
    s.traces = makeTracesState();
    s.scheduler = makeSchedulerState();
    s.parameters = makeParametersState();
    s.alarms = makeAlarmsState();
    return s;
}

// Each part hooks its handlers and registers its entries as it is built; a
// part may register into the parts built before it.
void addLogParts(Log& log, Program& p)
{
    log.link = makeLogLink(log, p);
    log.run = makeLogRun(log, p);
    log.traces = makeLogTraces(log, p);
    log.scheduler = makeLogScheduler(log, p);
    log.parameters = makeLogParameters(log, p);
    log.alarms = makeLogAlarms(log, p);
}

} // namespace

Program::Program(plat::Runtime& rt) : Program(rt, assembledState(), &addLogParts) {}

} // namespace orv
