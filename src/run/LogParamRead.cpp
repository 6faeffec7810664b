// The parameter read that precedes a start (LectParamStampLE1..8): ask an
// idle LE for its parameter table, and once its transfer notice has closed,
// list the table in the settings reader, keep the values the run needs, then
// request the start and record it.
//
// Each LE's read is a pending state of its own, ended by the first of: the
// completed transfer (TransfertDone, one flag for all LEs, so the first
// completed transfer ends every pending read), the LE's port closing, its
// link lost now or before the request, or no read-back within
// ParamReadTimeoutMs. A read that ends without its transfer starts nothing
// and says so in red. A command waits, yielding, until its read has ended; the
// scheduler tick only requests the read, and ParamReadTimer ends it, so one
// LE's read never holds the tick that schedules the others. A wait cut short
// by the end of the program (or the main window closing) requests nothing.
#include "link/CommandFrame.h"
#include "link/StampFrame.h"
#include "run/ParamReadList.h"
#include "run/RunInstances.h"
#include "run/RunState.h"
#include "shell/LinkRequest.h"
#include "shell/LinkStatus.h"
#include "shell/Log.h"
#include "shell/ParametersShared.h"
#include "shell/Program.h"
#include "shell/RunShared.h"
#include "shell/State.h"
#include "traces/TraceInstances.h"

#include <algorithm>
#include <array>
#include <numeric>

namespace orv {

void Log::LectParamStampLE(int le, ReadWait wait)
{
    if (le < 0 || le >= LeCount) return;
    const RunInstance& inst = runInstances()[le];
    State& s = p_.s;

    if (!MSComm(le).portOpen() || s.status->SynchroRS232[le] != SynchroMarker || s.status->PhaseLP[le] != 0) return;

    // A rest countdown in progress ends: grey at once, back to 90 at the next tick.
    s.runShared->RestSeconds[le] = 0;
    RestTimer(le).setEnabled(true);
    Picture4[le].canvas().cls();
    Picture4[le].setBackColor(plat::colors::Grey);
    s.runShared->ComptageCOM[le] = 0;

    s.paramShared->TransfertDone = 0;
    s.common->SelectedLE = inst.number;
    s.request->SelectionBank = bank::ReadParam;

    s.run->ParamReadPending[le] = 1;
    s.run->ParamReadDeadlineMs[le] = p_.rt.time.nowMs() + ParamReadTimeoutMs;
    s.run->ParamReadOrder[le] = ++s.run->ParamReadCount;
    ParamReadTimer.setEnabled(true);
    if (wait == ReadWait::Return) return;

    const auto alive = aliveToken();
    p_.rt.time.waitUntil([&] {
        if (!*alive) return true;
        ParamReadsStep();
        return s.run->ParamReadPending[le] == 0;
    });
}

void Log::ParamReadsStep()
{
    State& s = p_.s;
    RunState& r = *s.run;
    // A read-back has come and its notice is still open: the transfer is
    // under way, whatever the time.
    const bool noticeRunning = Timer44.enabled() || Timer45.enabled();
    // The latest request first, as nested waits would end: a transfer that
    // ends several reads starts the LE asked last first.
    std::array<int, LeCount> order{};
    std::iota(order.begin(), order.end(), 0);
    std::stable_sort(order.begin(), order.end(), [&r](int a, int b) { return r.ParamReadOrder[a] > r.ParamReadOrder[b]; });
    for (int le : order) {
        const RunInstance& inst = runInstances()[le];
        if (r.ParamReadPending[le] == 0) continue;
        const bool done = s.paramShared->TransfertDone == 1;
        const bool linkGone = !MSComm(le).portOpen() || s.status->FlagCommPerdue[le] == 1;
        const bool timedOut = !noticeRunning && p_.rt.time.nowMs() >= r.ParamReadDeadlineMs[le];
        if (!done && !linkGone && !timedOut) continue;
        r.ParamReadPending[le] = 0;

        if (!done) {
            // The request, if it has not gone out, is not sent any more.
            if (s.common->SelectedLE == inst.number && s.request->SelectionBank == bank::ReadParam) s.request->SelectionBank = bank::Command;
            s.common->HistoMessage = inst.name() + QStringLiteral("  Parameters could not be read ");
            List4.setForeColor(plat::colors::Red);
            List4.addItem(s.common->HistoMessage);
            WriteHisto();
            s.common->HistoCode = QStringLiteral("0");
            continue;
        }

        // The start delays too (entries 18-20): item k holds entry 31 - k.
        const plat::ListBox& list = listParamsRead(*this, inst);
        s.runShared->ParamZ1[le] = uint8_t(paramItemValue(list.list(13)));
        s.runShared->ParamZ2[le] = uint8_t(paramItemValue(list.list(12)));
        s.runShared->ParamZ3[le] = uint8_t(paramItemValue(list.list(11)));

        s.runShared->FlagConsignePW(le) = 0;
        (this->*traceInstance(le).restartTimer).setEnabled(true);   // the trace starts again on the left
        s.request->StartStopPC[le] = 1;
        Label26[le].setBackColor(plat::colors::Green);
        s.common->HistoMessage = inst.name() + QStringLiteral("  Starting LE ");
        WriteHisto();
        s.common->HistoCode = QStringLiteral("0");
        s.runShared->LoggerHeaderDone[le] = 0;
    }
    bool anyPending = false;
    for (uint8_t pending : r.ParamReadPending) anyPending = anyPending || pending != 0;
    if (!anyPending) ParamReadTimer.setEnabled(false);
}


} // namespace orv
