// The symmetric cycle timers of the start-selection window: one routine,
// bound to each LE by its row of the scheduler's instance table. Each tick
// (a minute, or 2 s in the editor's minutes variant) advances the cycle and
// its progress bar on the LE's strip; the end of the ON half requests the
// stop, the end of the OFF half the start of the next cycle, with one
// history line per cycle, until NBCycles cycles are done.
#include "platform/VbText.h"
#include "run/RunState.h"
#include "scheduler/SchedulerInstances.h"
#include "scheduler/SchedulerState.h"
#include "scheduler/SelectionStart.h"
#include "shell/LinkRequest.h"
#include "shell/Log.h"
#include "shell/Program.h"
#include "shell/RunShared.h"
#include "shell/ScheduleFlags.h"
#include "shell/State.h"

namespace orv {

namespace {
constexpr plat::Color PaleGreen = plat::rgb(0xC0, 0xFF, 0xC0);
constexpr int UnitsPerTick = 16;   // ProgressionSym is strip units x 2
} // namespace

void SelectionStart::SymTimer_Timer(int le)
{
    if (le < 0 || le >= LeCount) return;
    const SchedulerInstance& in = schedulerInstances()[le];
    Program& p = p_;
    State& s = p.s;
    SchedulerState& sc = *s.scheduler;
    Log& log = *p.Log;
    plat::Canvas& strip = (this->*in.strip).canvas();
    const int i = in.le;

    ++sc.MinutesSym[i];
    strip.line(0, 180, s.schedule->CurseurSymX[i], 375, plat::colors::Green, plat::Canvas::BoxFilled);
    strip.line(0, 170, s.schedule->CurseurSymX[i], 375, plat::colors::Black, plat::Canvas::Box);
    log.Label26[i].setBackColor(plat::colors::Green);
    sc.ProgressionSym[i] += UnitsPerTick;
    Label25.setCaption(QString::number(sc.ProgressionSym[i]));
    s.schedule->CurseurSymX[i] = sc.ProgressionSym[i] / 2;

    if (sc.MinutesSym[i] <= sc.MinutesDemiCycle[i] - 1) return;
    sc.MinutesSym[i] = 0;

    if (s.schedule->FlagDemiCycleOff[i] == 0) {
        // End of the ON half.
        s.schedule->FlagDemiCycleOff[i] = 1;
        s.request->StartStopPC[i] = 2;
        s.runShared->FlagConsignePW(i) = 0;
        return;
    }

    // End of the OFF half: a full cycle. An LE the stop-all sequence stopped
    // is not started again until its mode is chosen anew.
    if (s.run->StoppedByStopAll[i] == 0) s.request->StartStopPC[i] = 1;
    StartSortie.setBackColor(PaleGreen);
    (log.*in.traceRestart).setEnabled(true);
    log.Label26[i].setBackColor(plat::colors::Green);
    strip.line(0, 180, s.schedule->CurseurSymX[i], 375, plat::colors::White, plat::Canvas::BoxFilled);
    sc.MinutesSym[i] = 0;
    s.schedule->FlagDemiCycleOff[i] = 0;
    sc.ProgressionSym[i] = 0;
    s.schedule->CurseurSymX[i] = 0;
    ++sc.CompteurHisto[i];
    log.WriteHisto(QStringLiteral("Cycle(s) : ") + (QStringLiteral("0000000") + QString::number(sc.CompteurHisto[i])).right(7));
    ++s.schedule->CyclesEffectues[i];
    Label32.setCaption(QString::number(s.schedule->CyclesEffectues[i]));

    const int fin = sc.FinCycleSymX[i];
    if (plat::vbVal(sc.NBCycles[i]) > s.schedule->CyclesEffectues[i]) {
        log.Label26[i].setBackColor(plat::ButtonFace);
        strip.line(fin, 0, fin, 375, plat::colors::Black);
        strip.line(fin / 2, 0, fin, 170, plat::colors::Black, plat::Canvas::BoxFilled);
        strip.line(0, 170, fin / 2, 170, plat::colors::Black);
        return;
    }

    // The cycles are done.
    strip.line(fin, 0, fin, 375, plat::colors::Black);
    s.schedule->FlagDemiCycleOff[i] = 1;
    s.request->StartStopPC[i] = 2;
    s.runShared->FlagConsignePW(i) = 0;
    log.Label26[i].setBackColor(plat::ButtonFace);
    sc.ProgressionSym[i] = 0;
    sc.MinutesSym[i] = 0;
    sc.CompteurHisto[i] = 0;
    (this->*in.symTimer).setEnabled(false);
}

} // namespace orv
