// The parameter read that precedes a start (LectParamStampLE1..8): ask an
// idle LE for its parameter table, and once its transfer notice has closed,
// list the table in the settings reader, keep the values the run needs, then
// request the start and record it.
//
// There is one read request (SelectedLE, SelectionBank) and one transfer flag
// (TransfertDone) for all LEs, so reads run one at a time: the queue
// RunState::ParamReads holds them in the order they were asked for, and only
// its first is on the line. Its request is made when its turn comes (the gate
// is looked at again then), and it ends at the first of:
// - the completed transfer (TransfertDone): the LE is listed and started;
// - before the LE has read back, its port closing, its link lost, or no
//   read-back within ParamReadTimeoutMs of the request: the read fails, starts
//   nothing and says so in red. Once the read-back has come, the transfer
//   notice runs out whatever the port does, and the start request goes out
//   when the port is open again.
// Then the next read goes on the line. A command (START LE, the pop-up, the
// hardware tests) waits, yielding, for its own read's end; the scheduler tick
// only queues its read with what to do at the end, so one LE's read never
// holds the tick that schedules the others. ParamReadTimer moves the queue on
// while nobody waits.
#include "link/CommandFrame.h"
#include "link/StampFrame.h"
#include "run/LogRun.h"
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
#include <memory>
#include <optional>

namespace orv {

namespace {

// The LE can be asked for its table: port open, marker, idle.
bool readable(Log& log, const State& s, int le)
{
    return log.MSComm(le).portOpen() && s.status->SynchroRS232[le] == SynchroMarker && s.status->PhaseLP[le] == 0;
}

} // namespace

ReadEnd LogRun::LectParamStampLE(int le)
{
    if (le < 0 || le >= LeCount || !readable(L, p.s, le)) return ReadEnd::Refused;
    auto end = std::make_shared<std::optional<ReadEnd>>();
    LectParamStampLE(le, [end](ReadEnd e) { *end = e; });

    const auto alive = L.aliveToken();
    p.rt.time.waitUntil([&] {
        if (!*alive) return true;
        ParamReadsStep();
        return end->has_value();
    });
    // Cut short by the end of the program or of this window: nothing ended.
    return end->value_or(ReadEnd::Failed);
}

void LogRun::LectParamStampLE(int le, std::function<void(ReadEnd)> then)
{
    if (le < 0 || le >= LeCount || !readable(L, p.s, le)) {
        if (then) then(ReadEnd::Refused);
        return;
    }
    RunState& r = *p.s.run;
    auto queued = std::find_if(r.ParamReads.begin(), r.ParamReads.end(), [le](const ParamRead& q) { return q.le == le; });
    // A second start of an LE whose read is queued or under way joins it.
    if (queued == r.ParamReads.end()) queued = r.ParamReads.insert(r.ParamReads.end(), ParamRead{le, {}});
    if (then) queued->then.push_back(std::move(then));
    L.ParamReadTimer.setEnabled(true);
    ParamReadsStep();
}

bool LogRun::ParamReadQueued(int le) const
{
    const auto& reads = p.s.run->ParamReads;
    return std::any_of(reads.begin(), reads.end(), [le](const ParamRead& q) { return q.le == le; });
}

void LogRun::ParamReadsStep()
{
    State& s = p.s;
    RunState& r = *s.run;
    while (!r.ParamReads.empty()) {
        ParamRead& read = r.ParamReads.front();
        const int le = read.le;
        const RunInstance& inst = runInstances()[le];

        if (!read.onLine) {
            if (!readable(L, s, le)) {
                if (!endParamRead(ReadEnd::Refused)) return;
                continue;
            }
            // A rest countdown in progress ends: grey at once, back to 90 at the next tick.
            s.runShared->RestSeconds[le] = 0;
            RestTimer(le).setEnabled(true);
            L.Picture4[le].canvas().cls();
            L.Picture4[le].setBackColor(plat::colors::Grey);
            s.runShared->ComptageCOM[le] = 0;

            s.paramShared->TransfertDone = 0;
            s.common->SelectedLE = inst.number;
            s.request->SelectionBank = bank::ReadParam;
            read.onLine = true;
            read.deadlineMs = p.rt.time.nowMs() + ParamReadTimeoutMs;
            read.readBacksAtRequest = s.status->ReadBacks[le];
            return;
        }

        // Once the LE has read back, its transfer notice decides the end; the
        // time limit only ends a notice that never comes.
        const bool readBack = s.status->ReadBacks[le] != read.readBacksAtRequest;
        const bool noticeRunning = L.Timer44.enabled() || L.Timer45.enabled();
        const bool timedOut = p.rt.time.nowMs() >= read.deadlineMs;
        const bool linkGone = !L.MSComm(le).portOpen() || s.status->FlagCommPerdue[le] == 1;
        ReadEnd end;
        if (s.paramShared->TransfertDone == 1)
            end = ReadEnd::Completed;
        else if (readBack ? timedOut && !noticeRunning : linkGone || timedOut)
            end = ReadEnd::Failed;
        else
            return;
        if (!endParamRead(end)) return;
    }
    L.ParamReadTimer.setEnabled(false);
}

bool LogRun::endParamRead(ReadEnd end)
{
    State& s = p.s;
    RunState& r = *s.run;
    ParamRead read = std::move(r.ParamReads.front());
    r.ParamReads.pop_front();
    const int le = read.le;
    const RunInstance& inst = runInstances()[le];

    if (end == ReadEnd::Failed) {
        // The request, if it has not gone out, is not sent any more; a start
        // request the caller wrote before the read is taken back.
        if (read.onLine && s.common->SelectedLE == inst.number && s.request->SelectionBank == bank::ReadParam)
            s.request->SelectionBank = bank::Command;
        if (s.request->StartStopPC[le] == 1) s.request->StartStopPC[le] = 0;
        L.WriteHisto(inst.name() + QStringLiteral("  Parameters could not be read "), QStringLiteral("0"), plat::colors::Red);
        // The caller's start request went out beside the read request, and
        // the LE took it: it runs without its table read.
        if (s.status->PhaseLP[le] != 0)
            L.WriteHisto(inst.name() + QStringLiteral("  Started without its parameters "), QStringLiteral("0"), plat::colors::Red);
    } else if (end == ReadEnd::Completed) {
        // The start delays too (entries 18-20): item k holds entry 31 - k.
        const plat::ListBox& list = listParamsRead(L, inst);
        s.runShared->ParamZ1[le] = uint8_t(paramItemValue(list.list(13)));
        s.runShared->ParamZ2[le] = uint8_t(paramItemValue(list.list(12)));
        s.runShared->ParamZ3[le] = uint8_t(paramItemValue(list.list(11)));

        s.runShared->FlagConsignePW(le) = 0;
        (L.*traceInstance(le).restartTimer).setEnabled(true);   // the trace starts again on the left
        s.request->StartStopPC[le] = 1;
        L.Label26[le].setBackColor(plat::colors::Green);
        L.WriteHisto(inst.name() + QStringLiteral("  Starting LE "));
        s.runShared->LoggerHeaderDone[le] = 0;
    }

    const auto alive = L.aliveToken();
    for (auto& then : read.then) {
        then(end);
        if (!*alive) return false;
    }
    return true;
}

} // namespace orv
