// The parameter read that precedes a start (LectParamStampLE): ask an idle LE
// for its parameter table, and once the transfer notice that follows its
// read-back has closed, list the table in the settings reader, keep the
// values the run needs, then request the start and record it.
//
// There is one read request (SelectedLE, SelectionBank) for all LEs, so reads
// run one at a time: the queue RunState::ParamReads holds them in the order
// they were asked for, and only its first is on the line. A waiting read is
// judged when its turn comes, not when it was asked for: each caller's
// stillWanted is looked at again (a caller no longer wanting it is
// withdrawn), then the gate; a read nobody wants any more is dropped. Then
// its request is made, with the start request of a caller that sends it
// beside the read, and it ends at the first of:
// - the transfer notice closing after this LE's own read-back (the notice's
//   entry ParamNoticeClosed): the LE is listed and started; a notice of
//   another LE's or of a write completes nothing;
// - before the LE has read back, its port closing, its link lost, or no
//   read-back within ParamReadTimeoutMs of the request: the read fails,
//   starts nothing and says so in red. Once the read-back has come, the
//   transfer notice runs out whatever the port does, and the start request
//   goes out when the port is open again;
// - a stop, a new run mode or a stop-all withdrawing it: nothing is started.
// Then the next read goes on the line. A command (START LE, the pop-up, the
// hardware tests) waits, yielding, for its own read's end; the scheduler tick
// only queues its read with what to do at the end, so one LE's read never
// holds the tick that schedules the others. ParamReadTimer looks for failures
// while a read is under way.
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
#include <vector>

namespace orv {

namespace {

// The LE can be asked for its table: port open, marker, idle.
bool readable(Log& log, const State& s, int le)
{
    return log.MSComm(le).portOpen() && s.status->SynchroRS232[le] == SynchroMarker && s.status->PhaseLP[le] == 0;
}

// The read request of LE `number` (1-8), if it has not gone out yet, is not
// sent any more.
void dropReadRequest(State& s, int number)
{
    if (s.common->SelectedLE == number && s.request->SelectionBank == bank::ReadParam) s.request->SelectionBank = bank::Command;
}

// Tells each caller how its read ended; false when that ended the window.
bool tellCallers(Log& log, std::vector<ReadCaller>& callers, ReadEnd end)
{
    const auto alive = log.aliveToken();
    for (ReadCaller& c : callers) {
        if (c.then) c.then(end);
        if (!*alive) return false;
    }
    return true;
}

} // namespace

ReadEnd LogRun::LectParamStampLE(int le, ReadWish wish)
{
    if (le < 0 || le >= LeCount || !readable(L, p.s, le)) return ReadEnd::Refused;
    auto end = std::make_shared<std::optional<ReadEnd>>();
    LectParamStampLE(le, [end](ReadEnd e) { *end = e; }, std::move(wish));

    const auto alive = L.aliveToken();
    p.rt.time.waitUntil([&] {
        if (!*alive) return true;
        ParamReadsStep();
        return end->has_value();
    });
    // Cut short by the end of the program or of this window: nothing ended.
    return end->value_or(ReadEnd::Failed);
}

void LogRun::LectParamStampLE(int le, std::function<void(ReadEnd)> then, ReadWish wish)
{
    if (le < 0 || le >= LeCount || !readable(L, p.s, le)) {
        if (then) then(ReadEnd::Refused);
        return;
    }
    RunState& r = *p.s.run;
    auto queued = std::find_if(r.ParamReads.begin(), r.ParamReads.end(), [le](const ParamRead& q) { return q.le == le; });
    // A second start of an LE whose read is queued or under way joins it; a
    // start request it asks for beside a read already on the line goes out
    // at once, as that read's own request has.
    if (queued == r.ParamReads.end()) queued = r.ParamReads.insert(r.ParamReads.end(), ParamRead{le, {}});
    if (queued->onLine && wish.startWithRead) p.s.request->StartStopPC[le] = 1;
    queued->callers.push_back({std::move(wish), std::move(then)});
    L.ParamReadTimer.setEnabled(true);
    ParamReadsStep();
}

void LogRun::RequestStart(int le)
{
    p.s.request->StartStopPC[le] = 1;
    L.Label26[le].setBackColor(plat::colors::Green);
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

        if (!read.onLine) {
            // Its turn: each caller judges again whether it still wants it.
            std::vector<ReadCaller> withdrawn;
            for (auto c = read.callers.begin(); c != read.callers.end();) {
                if (c->wish.stillWanted && !c->wish.stillWanted()) {
                    withdrawn.push_back(std::move(*c));
                    c = read.callers.erase(c);
                } else {
                    ++c;
                }
            }
            if (read.callers.empty()) {
                r.ParamReads.pop_front();
            } else if (!readable(L, s, le)) {
                if (!endParamRead(ReadEnd::Refused)) return;
            } else {
                putOnLine(read);
            }
            if (!tellCallers(L, withdrawn, ReadEnd::Withdrawn)) return;
            if (!r.ParamReads.empty() && r.ParamReads.front().onLine) return;
            continue;
        }

        // Once the LE has read back, its transfer notice decides the end
        // (ParamNoticeClosed); the time limit only ends a notice that never comes.
        const bool readBack = s.status->ReadBacks[le] != read.readBacksAtRequest;
        const bool noticeRunning = L.Timer44.enabled() || L.Timer45.enabled();
        const bool timedOut = p.rt.time.nowMs() >= read.deadlineMs;
        const bool linkGone = !L.MSComm(le).portOpen() || s.status->FlagCommPerdue[le] == 1;
        if (!(readBack ? timedOut && !noticeRunning : linkGone || timedOut)) return;
        if (!endParamRead(ReadEnd::Failed)) return;
    }
    L.ParamReadTimer.setEnabled(false);
}

void LogRun::putOnLine(ParamRead& read)
{
    State& s = p.s;
    const int le = read.le;
    const RunInstance& inst = runInstances()[le];
    // A rest countdown in progress ends: grey at once, back to 90 at the next tick.
    s.runShared->RestSeconds[le] = 0;
    RestTimer(le).setEnabled(true);
    L.Picture4[le].canvas().cls();
    L.Picture4[le].setBackColor(plat::colors::Grey);
    s.runShared->ComptageCOM[le] = 0;

    s.paramShared->TransfertDone = 0;
    s.common->SelectedLE = inst.number;
    s.request->SelectionBank = bank::ReadParam;
    // A caller's start request goes out in the same frame as the read request.
    if (std::any_of(read.callers.begin(), read.callers.end(), [](const ReadCaller& c) { return c.wish.startWithRead; }))
        s.request->StartStopPC[le] = 1;
    read.onLine = true;
    read.deadlineMs = p.rt.time.nowMs() + ParamReadTimeoutMs;
    read.readBacksAtRequest = s.status->ReadBacks[le];
}

void LogRun::ParamNoticeClosed()
{
    State& s = p.s;
    RunState& r = *s.run;
    if (r.ParamReads.empty()) return;
    const ParamRead& read = r.ParamReads.front();
    // Only this LE's read-back, come since its request, completes its read.
    if (!read.onLine || s.status->ReadBacks[read.le] == read.readBacksAtRequest) return;
    if (!endParamRead(ReadEnd::Completed)) return;
    ParamReadsStep();
}

void LogRun::WithdrawParamRead(int le)
{
    RunState& r = *p.s.run;
    for (size_t k = 0; k < r.ParamReads.size(); ++k) {
        if (r.ParamReads[k].le != le) continue;
        if (withdrawParamRead(k)) ParamReadsStep();
        return;
    }
}

void LogRun::StopAllStarts()
{
    RunState& r = *p.s.run;
    ++r.StopAllCount;
    r.StoppedByStopAll.fill(1);
    // The reads behind the first go first, so that none is put on the line
    // meanwhile.
    while (!r.ParamReads.empty())
        if (!withdrawParamRead(r.ParamReads.size() - 1)) return;
    L.ParamReadTimer.setEnabled(false);
}

bool LogRun::withdrawParamRead(size_t index)
{
    State& s = p.s;
    RunState& r = *s.run;
    ParamRead read = std::move(r.ParamReads[index]);
    r.ParamReads.erase(r.ParamReads.begin() + std::ptrdiff_t(index));
    // Its read-back, should it come, is kept as one nobody asked for.
    if (read.onLine) dropReadRequest(s, runInstances()[read.le].number);
    return tellCallers(L, read.callers, ReadEnd::Withdrawn);
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
        // A start request that went beside the read request is taken back.
        dropReadRequest(s, inst.number);
        if (s.request->StartStopPC[le] == 1) s.request->StartStopPC[le] = 0;
        L.WriteHisto(inst.name() + QStringLiteral("  Parameters could not be read "), QStringLiteral("0"), plat::colors::Red);
        // The start request went out beside the read request, and the LE
        // took it: it runs without its table read.
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
        RequestStart(le);
        L.WriteHisto(inst.name() + QStringLiteral("  Starting LE "));
        s.runShared->LoggerHeaderDone[le] = 0;
    }
    return tellCallers(L, read.callers, end);
}

} // namespace orv
