// The automatic restart sections of the scheduler tick, normal mode and the
// ON half of a symmetric cycle, one routine each for the eight LEs. An LE
// seen in phase 6 and then idle is started again after 60 s of phase 0
// (780 s with the sulphur setting), at most three times in all; the restart
// count is one for both modes, and the stop-all sequence ends it. Only the
// normal-mode wait shows on the main window's bar.
#include "platform/VbText.h"
#include "run/LogRun.h"
#include "run/RunState.h"
#include "scheduler/SchedulerInstances.h"
#include "scheduler/SchedulerState.h"
#include "scheduler/SchedulerTick.h"
#include "scheduler/SelectionStart.h"
#include "shell/LinkRequest.h"
#include "shell/LinkStatus.h"
#include "shell/Log.h"
#include "shell/ParamLogicielVB.h"
#include "shell/Program.h"
#include "shell/ScheduleFlags.h"
#include "shell/TracesShared.h"
#include "traces/LogTraces.h"

namespace orv {

namespace {
constexpr int MaxRestarts = 3;

// The conditions under which each section watches its LE at all.
bool normalRestartWanted(Program& p, const SchedulerInstance& in)
{
    const State& s = p.s;
    const int i = in.le;
    return ((*p.form<SelectionStart>()).*in.modeLabel).caption() == QLatin1String("Normal") && s.request->StartStopPC[i] != 0
           && s.schedule->StartNorm[i] == 1;
}

bool symRestartWanted(Program& p, const SchedulerInstance& in)
{
    const State& s = p.s;
    const int i = in.le;
    return ((*p.form<SelectionStart>()).*in.modeLabel).caption() == QLatin1String("Sym") && s.schedule->StartSym[i] == 1
           && s.schedule->FlagCycleSym[i] == 1 && s.schedule->FlagDemiCycleOff[i] == 0;
}

// Steps shared by both modes: latch, count, threshold and the end of the
// wait. Returns false when the program ended during the restart's read.
bool watch(Program& p, const SchedulerInstance& in, bool normalMode)
{
    State& s = p.s;
    SchedulerState& sc = *s.scheduler;
    Log& log = *p.Log;
    const int i = in.le;
    sc.LEIndexTick = uint8_t(i);
    if (normalMode && in.writesCaptions) {
        SelectionStart& w = *p.form<SelectionStart>();
        w.Label107.setCaption(QString::number(s.schedule->StartNorm[0]));
        w.Label70.setCaption(QString::number(s.status->PhaseLP[0]));
        w.Label69.setCaption(QStringLiteral("Pass"));
    }

    if (sc.FlagPhase6[i] == 0 && s.status->PhaseLP[i] == 6) sc.FlagPhase6[i] = 1;
    if (sc.FlagPhase6[i] == 1 && s.status->PhaseLP[i] == 0) ++s.schedule->ComptageTempo[i];
    sc.Tempo[i] = p.form<ParamLogicielVB>()->LESulphurSet(i) ? 780 : 60;

    if (s.schedule->ComptageTempo[i] > sc.Tempo[i]) {
        if (s.schedule->CompteursNorm[i] < MaxRestarts) {
            const int k = s.schedule->CompteursNorm[i] + 1;
            log.List4.addItem(QStringLiteral(" ------> ") + QStringLiteral("restart ") + QStringLiteral(" ")
                              + QString::number(k) + QStringLiteral("  (") + sc.HeureTick + QLatin1Char('h')
                              + sc.MinuteTick + QStringLiteral(")  LE-%1").arg(in.number));
            // Queued: the tick goes on. When its turn comes the section's
            // own conditions must still hold, as the tick would look at them.
            const auto alive = log.aliveToken();
            auto stillWanted = [&p, &in, normalMode] {
                return (normalMode ? normalRestartWanted(p, in) : symRestartWanted(p, in)) && p.s.run->StoppedByStopAll[in.le] == 0;
            };
            log.run->StartLERoutine(in.number, [](ReadEnd) {}, ReadWish{false, stillWanted});
            if (!*alive) return false;
            ++s.schedule->CompteursNorm[i];
        }
        s.schedule->ComptageTempo[i] = 0;
        sc.FlagPhase6[i] = 0;
        if (normalMode) {
            clearWaitBar(p);
            s.schedule->LargeurAttente = 0;
        }
        s.tracesShared->ScreenLE = uint8_t(i);
        log.traces->ColorRetard();
    }
    return true;
}
} // namespace

void normalRestartSection(Program& p, const SchedulerInstance& in)
{
    State& s = p.s;
    SchedulerState& sc = *s.scheduler;
    SelectionStart& w = *p.form<SelectionStart>();
    const int i = in.le;
    if (!normalRestartWanted(p, in)) return;
    if (!watch(p, in, true)) return;

    if (s.schedule->CompteursNorm[i] < MaxRestarts && s.schedule->ComptageTempo[i] > 0) {
        if (p.form<ParamLogicielVB>()->LESulphurSet(i))
            s.schedule->LargeurAttente = int32_t(plat::vbRound(s.schedule->ComptageTempo[i] * 2.07692).value_or(0));
        else
            s.schedule->LargeurAttente = s.schedule->ComptageTempo[i] * 27;
        drawWaitBar(p, s.schedule->LargeurAttente);
    }

    if (in.writesCaptions) {
        w.Label86.setCaption(QString::number(s.schedule->LargeurAttente));
        w.Label71.setCaption(QString::number(sc.FlagPhase6[0]));
        w.Label93.setCaption(QString::number(s.schedule->ComptageTempo[0]));
        w.Label84.setCaption(QString::number(s.schedule->Compteurs[0]));
        w.Label97.setCaption(QString::number(s.request->StartStopPC[0]));
        w.Label115.setCaption(QString::number(sc.Tempo[0]));
    }
}

void symRestartSection(Program& p, const SchedulerInstance& in)
{
    SelectionStart& w = *p.form<SelectionStart>();
    if (!symRestartWanted(p, in)) return;
    if (in.writesCaptions) w.Label69.setCaption(QStringLiteral("Pass"));
    watch(p, in, false);
}

} // namespace orv
