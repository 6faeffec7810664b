// The restart supervision of the asymmetric and planning sections: inside
// an armed window, with automatic restart on, the wait counts up to its
// threshold (250 s, 700 s with the sulphur setting) and shows on the main
// window's bar; an LE found idle once it has run out is started again at the
// next tick, at most three times. Each mode brings its own cells.
#include "platform/VbText.h"
#include "run/LogRun.h"
#include "run/RunState.h"
#include "scheduler/SchedulerInstances.h"
#include "scheduler/SchedulerState.h"
#include "scheduler/SchedulerTick.h"
#include "scheduler/SelectionStart.h"
#include "shell/LinkStatus.h"
#include "shell/Log.h"
#include "shell/ParamLogicielVB.h"
#include "shell/Program.h"
#include "shell/ScheduleFlags.h"
#include "shell/TracesShared.h"
#include "traces/LogTraces.h"

namespace orv {

namespace {
constexpr plat::Color LightOrange = plat::rgb(0xFF, 0xC0, 0x80);
constexpr int MaxRestarts = 3;
constexpr int BarFrom = 50;   // counts up to this draw no bar
} // namespace

void windowRestartSupervision(Program& p, const SchedulerInstance& in, const WindowRestartCells& cells)
{
    State& s = p.s;
    SchedulerState& sc = *s.scheduler;
    Log& log = *p.Log;
    SelectionStart& w = *p.form<SelectionStart>();
    const int i = in.le;
    int32_t& count = ((*s.schedule).*cells.count)[i];
    uint8_t& restarts = ((*s.schedule).*cells.restarts)[i];

    const bool sulphur = p.form<ParamLogicielVB>()->LESulphurSet(i);
    sc.Tempo[i] = sulphur ? 700 : 250;
    // An LE the stop-all sequence stopped waits for its mode to be chosen again.
    const bool mayRestart = restarts < MaxRestarts && s.run->StoppedByStopAll[i] == 0;

    if (count > sc.Tempo[i]) {
        if (s.status->PhaseLP[i] == 0 && mayRestart) {
            ((*s.schedule).*cells.started)[i] = 0;
            count = 0;
            const int k = ++restarts;
            log.List4.setForeColor(plat::colors::Red);
            log.List4.addItem(QStringLiteral(" ------>  restart %1  (").arg(k) + sc.HeureTick + QLatin1Char('h')
                              + sc.MinuteTick + QStringLiteral(")  LE-%1").arg(in.number));
            (w.*in.strip).setBackColor(LightOrange);
            (w.*cells.redraw)(i);
            clearWaitBar(p);
            s.schedule->LargeurAttente = 0;
            s.tracesShared->ScreenLE = uint8_t(i);
            log.traces->ColorRetard();
        }
        return;
    }
    ++count;
    if (count > BarFrom && s.status->PhaseLP[i] == 0 && mayRestart) {
        const double factor = sulphur ? 2.3142857 : 6.48;
        s.schedule->LargeurAttente = int32_t(plat::vbRound(count * factor).value_or(0));
        drawWaitBar(p, s.schedule->LargeurAttente);
    }
}

} // namespace orv
