// The parameter read that precedes a start (LectParamStampLE1..8): ask an
// idle LE for its parameter table, wait - yielding to the event loop - until
// a transfer notice closes, list the table in the settings reader, keep the
// values the run needs, then request the start and record it.
//
// The wait is a nested event loop with no time limit. Every other handler
// runs inside it, a second start included: TransfertDone is one flag for all
// LEs, so the first completed transfer releases every waiting start, the
// innermost first. A wait cut short by the end of the program (or the main
// window closing) returns without requesting anything.
#include "run/RunState.h"
#include "link/CommandFrame.h"
#include "link/StampFrame.h"
#include "run/ParamReadList.h"
#include "run/RunInstances.h"
#include "shell/Log.h"
#include "shell/Program.h"
#include "traces/TraceInstances.h"

namespace orv {

void Log::LectParamStampLE(int le)
{
    if (le < 0 || le >= LeCount) return;
    const RunInstance& inst = runInstances()[le];
    State& s = p_.s;

    if (!MSComm(le).portOpen() || s.SynchroRS232[le] != SynchroMarker || s.PhaseLP[le] != 0) return;

    // A rest countdown in progress ends: grey at once, back to 90 at the next tick.
    s.RestSeconds[le] = 0;
    RestTimer(le).setEnabled(true);
    Picture4[le].canvas().cls();
    Picture4[le].setBackColor(plat::colors::Grey);
    s.ComptageCOM[le] = 0;

    s.TransfertDone = 0;
    s.SelectedLE = inst.number;
    s.SelectionBank = bank::ReadParam;

    // The wait also ends when this LE's port closes or its link is reported
    // lost: the LE is not started, and the caller (START LE, the scheduler
    // tick) goes on with the other LEs.
    const auto alive = aliveToken();
    const bool lostBefore = s.FlagCommPerdue[le] == 1;
    auto linkGone = [&] { return !MSComm(le).portOpen() || (!lostBefore && s.FlagCommPerdue[le] == 1); };
    const bool running
        = p_.rt.time.waitUntil([&] { return s.TransfertDone == 1 || !*alive || (*alive && linkGone()); });
    if (!running || !*alive) return;
    if (s.TransfertDone != 1) {
        if (s.SelectedLE == inst.number && s.SelectionBank == bank::ReadParam) s.SelectionBank = bank::Command;
        List4.setForeColor(plat::colors::Red);
        List4.addItem(inst.name() + QStringLiteral("  Parameters could not be read "));
        return;
    }

    // The start delays too (entries 18-20): item k holds entry 31 - k.
    const plat::ListBox& list = listParamsRead(*this, inst);
    s.ParamZ1[le] = uint8_t(paramItemValue(list.list(13)));
    s.ParamZ2[le] = uint8_t(paramItemValue(list.list(12)));
    s.ParamZ3[le] = uint8_t(paramItemValue(list.list(11)));

    s.FlagConsignePW(le) = 0;
    (this->*traceInstance(le).restartTimer).setEnabled(true);   // the trace starts again on the left
    s.StartStopPC[le] = 1;
    Label26[le].setBackColor(plat::colors::Green);
    s.HistoMessage = inst.name() + QStringLiteral("  Starting LE ");
    WriteHisto();
    s.HistoCode = QStringLiteral("0");
    s.LoggerHeaderDone[le] = 0;
}


} // namespace orv
