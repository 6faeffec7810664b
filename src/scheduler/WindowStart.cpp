// The start of an LE when its asymmetric or planning window opens: its
// parameter read first, then the start request, as a command would, except
// that the tick does not wait: the rest runs when the read has ended.
#include "run/LogRun.h"
#include "run/RunState.h"
#include "scheduler/SchedulerTick.h"
#include "scheduler/SelectionStart.h"
#include "shell/LeStrips.h"
#include "shell/LinkRequest.h"
#include "shell/Log.h"
#include "shell/Program.h"
#include "shell/ScheduleFlags.h"
#include "shell/State.h"

namespace orv {

namespace {
constexpr plat::Color PaleGreen = plat::rgb(0xC0, 0xFF, 0xC0);
} // namespace

void windowStart(Program& p, int le, PerLE<uint8_t> ScheduleFlags::*started)
{
    Log& log = *p.Log;
    if (log.run->ParamReadQueued(le)) return;
    log.run->LectParamStampLE(le, [&p, le, started](ReadEnd end) {
        State& s = p.s;
        // Refused (port closed, no marker, not idle): the start request goes
        // out all the same, for the LE to take when it can.
        if (end != ReadEnd::Failed) {
            s.request->StartStopPC[le] = 1;
            if (Log* main = p.Log.ifLoaded()) leStrips(*main).Label26[le].setBackColor(plat::colors::Green);
            if (SelectionStart* w = p.form<SelectionStart>().ifLoaded()) w->StartSortie.setBackColor(PaleGreen);
        }
        ((*s.schedule).*started)[le] = 1;
    });
}

} // namespace orv
