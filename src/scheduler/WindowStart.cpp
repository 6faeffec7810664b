// The start of an LE when its asymmetric or planning window opens: its
// parameter read first, then the start request, as a command would, except
// that the tick does not wait: the rest runs when the read has ended. A read
// that waits its turn is judged again when its turn comes.
#include "run/LogRun.h"
#include "run/RunState.h"
#include "scheduler/SchedulerTick.h"
#include "scheduler/SelectionStart.h"
#include "shell/LinkStatus.h"
#include "shell/Log.h"
#include "shell/Program.h"
#include "shell/ScheduleFlags.h"
#include "shell/State.h"

namespace orv {

namespace {
constexpr plat::Color PaleGreen = plat::rgb(0xC0, 0xFF, 0xC0);
} // namespace

void windowStart(Program& p, int le, PerLE<uint8_t> ScheduleFlags::*started, std::function<bool()> windowWants)
{
    Log& log = *p.Log;
    if (log.run->ParamReadQueued(le) || p.s.run->StoppedByStopAll[le] == 1 || !windowWants()) return;
    // Judged again when the read's turn comes, as the tick would judge the
    // section then: the window still wants the start, and no stop-all came.
    auto stillWanted = [&p, le, started, windowWants = std::move(windowWants)] {
        const State& s = p.s;
        return windowWants() && ((*s.schedule).*started)[le] == 0 && s.run->StoppedByStopAll[le] == 0;
    };
    log.run->LectParamStampLE(le, [&p, le, started](ReadEnd end) {
        State& s = p.s;
        // Withdrawn, or an LE that cannot be read now (port closed, no
        // marker): the window starts nothing, and its section tries again at
        // its next tick.
        if (end == ReadEnd::Withdrawn) return;
        if (end == ReadEnd::Refused && s.status->PhaseLP[le] == 0) return;
        // Read and started; or refused as not idle: the start request goes
        // out, which a running LE ignores.
        if (end != ReadEnd::Failed) {
            if (Log* main = p.Log.ifLoaded()) main->run->RequestStart(le);
            if (SelectionStart* w = p.form<SelectionStart>().ifLoaded()) w->StartSortie.setBackColor(PaleGreen);
        }
        ((*s.schedule).*started)[le] = 1;
    }, ReadWish{false, std::move(stillWanted)});
}

} // namespace orv
