// The start-all (Timer14) and stop-all (Timer16) sequencers: each tick
// handles one LE, LE-1 to LE-8, then the sequencer stops itself. Enabling a
// running sequencer leaves it where it is.
//
// Stop-all first ends every start under way or waiting (StopAllStarts), then
// requests every LE's stop and records each stop once (history, event list)
// for the LEs activated in the settings. Start-all reads each
// idle LE's parameters, waiting for the transfer as a single start does,
// then requests its start; it stays on an LE that is not idle.
#include "link/CommandFrame.h"
#include "link/StampFrame.h"
#include "parameters/ValeurDesParam.h"
#include "run/LogRun.h"
#include "run/ParamReadList.h"
#include "run/RunInstances.h"
#include "run/RunState.h"
#include "shell/LinkRequest.h"
#include "shell/LinkStatus.h"
#include "shell/Log.h"
#include "shell/ParamLogicielVB.h"
#include "shell/ParametersShared.h"
#include "shell/Program.h"
#include "shell/ScheduleFlags.h"
#include "shell/State.h"
#include "traces/TraceInstances.h"

#include <algorithm>

namespace orv {

namespace {

constexpr uint8_t StopRequest = 2;
constexpr uint8_t StartRequest = 1;
constexpr uint8_t NoMoreRestarts = 4;   // the scheduler restarts only below 3

} // namespace

void LogRun::StartStopAll()
{
    StopAllStarts();
    L.Timer16.setEnabled(true);
}

void LogRun::Timer16_Timer()
{
    State& s = p.s;
    const int le = std::min<int>(s.run->StopAllIndex, LeCount - 1);

    s.request->StartStopPC[le] = StopRequest;
    s.run->StoppedByStopAll[le] = 1;
    if (s.run->OffLELogged[le] == 0 && p.form<ParamLogicielVB>()->LEActivated(le)) {
        for (int i = 0; i < LeCount; ++i) s.schedule->CompteursNorm[i] = NoMoreRestarts;
        L.WriteHisto(QStringLiteral("LE%1  Off LE ").arg(le + 1), QStringLiteral("0"), plat::colors::Orange);
        s.run->OffLELogged[le] = 1;
    }
    L.Label26[le].setBackColor(plat::ButtonFace);

    if (le < LeCount - 1) {
        s.run->StopAllIndex = uint8_t(le + 1);
    } else {
        s.run->StopAllIndex = 0;
        L.Timer16.setEnabled(false);
    }
}

void LogRun::Timer14_Timer()
{
    State& s = p.s;
    // A tick still waiting for its transfer keeps the sequencer on its LE:
    // no second tick acts on the same LE meanwhile.
    if (s.run->StartAllWaiting) return;

    ValeurDesParam::Close(p);

    const int le = std::min<int>(s.run->StartAllIndex, LeCount - 1);
    if (s.status->PhaseLP[le] != 0) return;   // the same LE again at the next tick
    const RunInstance& inst = runInstances()[le];

    // A closed port has nothing to wait for.
    s.paramShared->TransfertDone = L.MSComm(le).portOpen() ? 0 : 1;
    s.common->SelectedLE = inst.number;
    s.request->SelectionBank = bank::ReadParam;

    s.run->StartAllWaiting = 1;
    const auto alive = L.aliveToken();
    const bool running = p.rt.time.waitUntil([&] { return s.paramShared->TransfertDone == 1 || !*alive; });
    s.run->StartAllWaiting = 0;
    if (!running || !*alive) return;   // the program or its main window closed meanwhile

    if (s.status->SynchroRS232[le] == SynchroMarker) {
        listParamsRead(L, inst);
        (L.*traceInstance(le).restartTimer).setEnabled(true);
    }

    s.request->StartStopPC[le] = StartRequest;
    if (s.run->StartLELogged[le] == 0 && p.form<ParamLogicielVB>()->LEActivated(le)) {
        L.WriteHisto(inst.name() + QStringLiteral("  Start LE "));
        s.run->StartLELogged[le] = 1;
    }

    s.run->StartAllIndex = uint8_t(le + 1);
    if (s.run->StartAllIndex == LeCount) {
        s.run->StartAllIndex = 0;
        L.Timer14.setEnabled(false);
    }
}

} // namespace orv
