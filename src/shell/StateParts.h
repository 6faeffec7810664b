#pragma once
// The program's state, one part per writer. Each part is declared in its own
// header, which says who writes its values and who reads them; a file
// includes the headers of the parts it uses, so that a change to one part
// rebuilds only its users. The parts are reached as p.s.<part>->Name:
//
//   common       shell/State.h             program-wide: base folder, start mode, selected LE, history, dates, texts
//   status       shell/LinkStatus.h        what reception writes from each LE's frames
//   request      shell/LinkRequest.h       what the subsystems ask the next command frame to carry
//   schedule     shell/ScheduleFlags.h     the schedule flags of the run-mode pop-up and the scheduler
//   runShared    shell/RunShared.h         what run control keeps for the others (start delays, levels, set-points)
//   paramShared  shell/ParametersShared.h  what the parameter windows keep for the others
//   tracesShared shell/TracesShared.h      the trace area's pane and column, the I/O list panel
//   alarmsShared shell/AlarmsShared.h      what the alarm windows report to reception
//   shell, link, run, traces, scheduler, parameters, alarms
//                src/<subsystem>/<Name>State.h: each subsystem's own variables

#include "shell/Owned.h"
#include "shell/StateTypes.h"

namespace orv {

struct CommonState;
struct LinkStatus;
struct LinkRequest;
struct ScheduleFlags;
struct RunShared;
struct ParametersShared;
struct TracesShared;
struct AlarmsShared;
struct ShellState;
struct LinkState;
struct RunState;
struct TracesState;
struct SchedulerState;
struct ParametersState;
struct AlarmsState;
// Each defined in the file of its part (shell/StateParts.cpp for the shared
// parts, shell/ShellState.cpp for the shell's own). A subsystem above the
// shell declares and defines its own factory with its state
// (src/<subsystem>/<Name>State.h); the program's assembly (src/app) fills
// those parts in.
Owned<CommonState> makeCommonState();
Owned<LinkStatus> makeLinkStatus();
Owned<LinkRequest> makeLinkRequest();
Owned<ScheduleFlags> makeScheduleFlags();
Owned<RunShared> makeRunShared();
Owned<ParametersShared> makeParametersShared();
Owned<TracesShared> makeTracesShared();
Owned<AlarmsShared> makeAlarmsShared();
Owned<ShellState> makeShellState();

struct State {
    Owned<CommonState> common = makeCommonState();
    Owned<LinkStatus> status = makeLinkStatus();
    Owned<LinkRequest> request = makeLinkRequest();
    Owned<ScheduleFlags> schedule = makeScheduleFlags();
    Owned<RunShared> runShared = makeRunShared();
    Owned<ParametersShared> paramShared = makeParametersShared();
    Owned<TracesShared> tracesShared = makeTracesShared();
    Owned<AlarmsShared> alarmsShared = makeAlarmsShared();

    Owned<ShellState> shell = makeShellState();
    // Filled in by the program's assembly, in this order, right after the
    // parts above (src/app/Assembly.cpp).
    Owned<LinkState> link;
    Owned<RunState> run;
    Owned<TracesState> traces;
    Owned<SchedulerState> scheduler;
    Owned<ParametersState> parameters;
    Owned<AlarmsState> alarms;
};

// BaseFolder & "\" & name.
QString inBase(const State& s, const QString& name);
// False only before start-up has looked for BaseFolder: an empty BaseFolder
// names the drive's root once it is known, and nothing before
// (StartupFilesBase.cpp).
bool baseFolderKnown(const State& s);

} // namespace orv
