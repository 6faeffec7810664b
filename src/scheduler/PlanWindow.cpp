// The planning section of the scheduler tick, one routine for the eight
// LEs. A planning holds two windows a day; START LE locks it. The section
// requests the start when a window opens ("Execute") and the stop when the
// LE is outside both ("Arret"), which unlocks the planning: the first window
// is entered locked or not, the second only while locked. Inside a window,
// with automatic restart on, an LE found idle once the wait (250 s, 700 s
// with the sulphur setting) has run out is started again, at most three
// times; the wait shows on the main window's bar.
#include "scheduler/SchedulerInstances.h"
#include "scheduler/SchedulerState.h"
#include "scheduler/SchedulerTick.h"
#include "scheduler/SelectionStart.h"
#include "shell/LinkRequest.h"
#include "shell/Log.h"
#include "shell/ParamLogicielVB.h"
#include "shell/Program.h"
#include "shell/RunShared.h"
#include "shell/ScheduleFlags.h"

namespace orv {

namespace {
// What the restart supervision counts and redraws for this mode.
const WindowRestartCells Cells{&ScheduleFlags::ComptageTempo, &ScheduleFlags::Compteurs, &ScheduleFlags::FlagEtat, &SelectionStart::TracePlanLE};

// Inside the first window, or inside the second while locked, at the tick's time.
bool insideWindow(const State& s, int i)
{
    const SchedulerState& sc = *s.scheduler;
    const int64_t t1 = hhmm(sc.HeureDebutPlan1[i], sc.MinuteDebutPlan1[i]);
    const int64_t t2 = hhmm(sc.HeureFinPlan1[i], sc.MinuteFinPlan1[i]);
    const int64_t t3 = hhmm(sc.HeureDebutPlan2[i], sc.MinuteDebutPlan2[i]);
    const int64_t t4 = hhmm(sc.HeureFinPlan2[i], sc.MinuteFinPlan2[i]);
    const int64_t now = hhmm(sc.HeureTick, sc.MinuteTick);
    return (t1 <= now && now < t2) || (t3 <= now && now < t4 && s.schedule->FlagVerouillage[i] == 1);
}

} // namespace

bool planWindowWants(Program& p, int i)
{
    // The first window opens locked or not: the user's "Stop", which leaves
    // the mode label as it is until the window next opens, holds it too.
    return p.form<SelectionStart>()->modeLabel(i).caption() == QLatin1String("Plan") && insideWindow(p.s, i)
           && p.s.schedule->SelectionMode[i][Stop] == 0;
}

void planSection(Program& p, const SchedulerInstance& in)
{
    SelectionStart& w = *p.form<SelectionStart>();
    if ((w.*in.modeLabel).caption() != QLatin1String("Plan")) return;
    State& s = p.s;
    Log& log = *p.Log;
    const int i = in.le;

    const bool inside = insideWindow(s, i);

    if (!inside) {
        if (s.schedule->FlagEtat[i] == 1) {
            if (in.writesCaptions) {
                w.Label78.setCaption(QStringLiteral("Arret"));
                w.Label81.setCaption(QString());
                w.Label80.setCaption(QString());
            }
            s.request->StartStopPC[i] = 2;
            s.runShared->FlagConsignePW(i) = 0;
            log.Label26[i].setBackColor(plat::ButtonFace);
            s.schedule->FlagVerouillage[i] = 0;
        }
    } else {
        if (in.writesCaptions) w.Label80.setCaption(QStringLiteral("A=B ok"));
        if (s.schedule->FlagEtat[i] == 0) {
            if (in.writesCaptions) {
                w.Label81.setCaption(QStringLiteral("Execute"));
                w.Label78.setCaption(QString());
            }
            const auto alive = log.aliveToken();
            windowStart(p, i, &ScheduleFlags::FlagEtat, [&p, i] { return planWindowWants(p, i); });
            if (!*alive) return;
        }
        if (s.schedule->StartStop[i] == 1) windowRestartSupervision(p, in, Cells);
    }

    if (in.writesCaptions) {
        w.Label86.setCaption(QString::number(s.schedule->LargeurAttente));
        w.Label93.setCaption(QString::number(s.schedule->ComptageTempo[0]));
        w.Label95.setCaption(QString::number(s.schedule->StartStop[0]));
        w.Label83.setCaption(QString::number(s.schedule->FlagEtat[0]));
        w.Label84.setCaption(QString::number(s.schedule->Compteurs[0]));
    }
}

} // namespace orv
