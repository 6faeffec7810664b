// The asymmetric window section of the scheduler tick, one routine for the
// eight LEs. START LE arms an LE's one window of the day; the section
// requests the start at the first tick of its opening minute ("Execute") and
// the stop at the first tick of its closing minute ("Arret"), which also
// disarms it, so the window runs once per arming. Inside the window, with
// automatic restart on and no LFC-2 sensor, an LE found idle once the wait
// (250 s, 700 s with the sulphur setting) has run out is started again, at
// most three times; the wait shows on the main window's bar.
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
const WindowRestartCells Cells{&ScheduleFlags::ComptageSymTempo, &ScheduleFlags::CompteursSym, &ScheduleFlags::FlagSymEtat, &SelectionStart::TraceAsymLE};

// Inside the armed window at the tick's time.
bool insideWindow(const State& s, int i)
{
    const SchedulerState& sc = *s.scheduler;
    const int64_t start = hhmm(sc.HeureDebutAsym[i], sc.MinuteDebutAsym[i]);
    const int64_t end = hhmm(sc.HeureFinAsym[i], sc.MinuteFinAsym[i]);
    const int64_t now = hhmm(sc.HeureTick, sc.MinuteTick);
    return start <= now && now < end && s.schedule->FlagSymBlocage[i] == 1;
}

} // namespace

bool asymWindowWants(Program& p, int i)
{
    return p.form<SelectionStart>()->modeLabel(i).caption() == QLatin1String("Asym") && insideWindow(p.s, i);
}

void asymSection(Program& p, const SchedulerInstance& in)
{
    SelectionStart& w = *p.form<SelectionStart>();
    if ((w.*in.modeLabel).caption() != QLatin1String("Asym")) return;
    State& s = p.s;
    Log& log = *p.Log;
    const int i = in.le;
    SchedulerState& sc = *s.scheduler;

    const bool inside = insideWindow(s, i);

    if (!inside) {
        if (s.schedule->FlagSymEtat[i] == 1) {
            // Written again every tick while the mode reads "Asym".
            if (in.writesCaptions) {
                w.Label78.setCaption(QStringLiteral("Arret"));
                w.Label81.setCaption(QString());
            }
            s.request->StartStopPC[i] = 2;
            s.runShared->FlagConsignePW(i) = 0;
            s.schedule->FlagSymBlocage[i] = 0;
        }
    } else {
        if (in.writesCaptions) w.Label80.setCaption(QStringLiteral("A=B ok"));
        if (s.schedule->FlagSymEtat[i] == 0) {
            if (in.writesCaptions) {
                w.Label81.setCaption(QStringLiteral("Execute"));
                w.Label78.setCaption(QString());
            }
            const auto alive = log.aliveToken();
            windowStart(p, i, &ScheduleFlags::FlagSymEtat, [&p, i] { return asymWindowWants(p, i); });
            if (!*alive) return;
        }
        if (!p.form<ParamLogicielVB>()->LFC2SensorSet(i) && s.schedule->StartSymStop[i] == 1)
            windowRestartSupervision(p, in, Cells);
    }

    w.Label86.setCaption(QString::number(s.schedule->LargeurAttente));
    w.Label83.setCaption(QString::number(s.schedule->FlagEtat[i]));
    w.Label82.setCaption(QString::number(s.schedule->FlagSymEtat[i]));
    w.Label84.setCaption(QString::number(s.request->StartStopPC[i]));
    w.Label94.setCaption(QString::number(s.schedule->CompteursSym[i]));
    w.Label111.setCaption(QString::number(s.schedule->StartSymStop[i]));
    w.Label113.setCaption(QString::number(s.schedule->ComptageSymTempo[i]));
    w.Label115.setCaption(QString::number(sc.Tempo[i]));
    w.Label93.setCaption(QString::number(s.schedule->ComptageSymTempo[i]));
}

} // namespace orv
