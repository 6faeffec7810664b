// START LE: one press acts on every LE by the run mode its mode label shows.
// Normal-mode LEs are started one after another, each through its parameter
// read; symmetric LEs begin their cycles; asymmetric windows and plannings
// are armed with copies of the times drawn on their strips, for the tick to
// carry out. Then the cycle timers and the tick take over. A stop-all during
// the sequence ends it.
#include "platform/Dialogs.h"
#include "run/LogRun.h"
#include "run/RunState.h"
#include "scheduler/SchedulerInstances.h"
#include "scheduler/SchedulerState.h"
#include "scheduler/SelectionStart.h"
#include "shell/LinkRequest.h"
#include "shell/Log.h"
#include "shell/Program.h"
#include "shell/ScheduleFlags.h"

namespace orv {

namespace {
constexpr plat::Color PaleGreen = plat::rgb(0xC0, 0xFF, 0xC0);
constexpr plat::Color LightOrange = plat::rgb(0xFF, 0xC0, 0x80);
constexpr plat::Color DarkBlue = plat::rgb(0x00, 0x00, 0x80);
} // namespace

void SelectionStart::wireScheduler()
{
    Label66.setVisible(false);   // always emptied: nothing to show
    StartSortie.onClick = [this] { StartSortie_Click(); };
    Timer3.onTimer = [this] { Timer3_Timer(); };
    for (const SchedulerInstance& in : schedulerInstances()) {
        const int le = in.le;
        (this->*in.symTimer).onTimer = [this, le] { SymTimer_Timer(le); };
    }
    Timer3.setEnabled(true);
}

void SelectionStart::StartSortie_Click()
{
    Program& p = p_;
    State& s = p.s;
    SchedulerState& sc = *s.scheduler;
    Log& log = *p.Log;
    const auto alive = aliveToken();
    const auto logAlive = log.aliveToken();
    const int sel = s.schedule->Selbin < LeCount ? s.schedule->Selbin : 0;

    // 1. The cycle count of the selected LE.
    if (Text1.text().isEmpty()) Text1.setText(QStringLiteral("1"));
    sc.NBCycles[sel] = Text1.text();
    Label99.setCaption(sc.NBCycles[sel]);
    Text1.setEnabled(false);
    Label98.setCaption(QString::number(s.schedule->Selbin));

    auto mode = [&](const SchedulerInstance& in) { return (this->*in.modeLabel).caption(); };
    // A stop-all while a start waits for its read ends the whole sequence.
    const uint32_t stopAlls = s.run->StopAllCount;
    auto goOn = [&] { return *alive && *logAlive && s.run->StopAllCount == stopAlls; };
    // START LE starts or arms the LE: a stop-all before no longer holds it.
    auto release = [&](const SchedulerInstance& in) { s.run->StoppedByStopAll[in.le] = 0; };

    // 2. Normal mode: each LE's read and start, one after another, the start
    // request beside its read request.
    for (const SchedulerInstance& in : schedulerInstances()) {
        if (mode(in) != QLatin1String("Normal")) continue;
        release(in);
        log.run->LectParamStampLE(in.le, ReadWish{true, {}});
        if (!goOn()) return;
    }

    // 3. Symmetric cycles.
    for (const SchedulerInstance& in : schedulerInstances()) {
        if (mode(in) != QLatin1String("Sym")) continue;
        const int i = in.le;
        if (sc.HeuresCycleSym[i] < 1) {
            p.rt.dialogs.msgBox(QString::fromUtf8("Erreur, sélectionner un cycle complet en heure(s)   s.v.p ! "),
                                int(plat::mb::OKOnly) | int(plat::mb::Exclamation), QString());
            if (!goOn()) return;
            continue;
        }
        sc.HeureStartSym[i] = p.rt.timeText();
        Label22.setCaption(sc.HeureStartSym[i]);
        sc.DateStartSym[i] = p.rt.dateText();
        Label30.setCaption(sc.DateStartSym[i]);
        (this->*in.symTimer).setEnabled(true);
        sc.MinutesSym[i] = 0;
        s.schedule->FlagDemiCycleOff[i] = 0;
        sc.CompteurHisto[i] = 0;
        sc.ProgressionSym[i] = 0;
        (this->*in.strip).canvas().line(0, 185, 0, 375, plat::colors::Green, plat::Canvas::BoxFilled);
        s.schedule->CyclesEffectues[i] = 0;
        Label32.setCaption(QStringLiteral("0"));
        s.schedule->FlagCycleSym[i] = 1;
        release(in);
        log.run->StartLERoutine(in.number);
        if (!goOn()) return;
        (this->*in.nameLabel).setBackColor(PaleGreen);
        (this->*in.modeLabel).setBackColor(PaleGreen);
    }

    // 4. Asymmetric windows armed.
    for (const SchedulerInstance& in : schedulerInstances()) {
        if (mode(in) != QLatin1String("Asym")) continue;
        const int i = in.le;
        sc.HeureDebutAsym[i] = sc.HeuresTransition[i][0];
        sc.MinuteDebutAsym[i] = sc.MinutesTransition[i][0];
        sc.HeureFinAsym[i] = sc.HeuresTransition[i][1];
        sc.MinuteFinAsym[i] = sc.MinutesTransition[i][1];
        if (in.le == 0 && log.mnuMonoEcran.checked()) {
            log.Picture13.canvas().line(0, 0, 9340, 4214, DarkBlue, plat::Canvas::BoxFilled);
            log.Timer71.setEnabled(true);
        }
        s.schedule->FlagSymBlocage[i] = 1;
        release(in);
        log.Label26[i].setBackColor(LightOrange);
    }

    // 5. Plannings locked.
    for (const SchedulerInstance& in : schedulerInstances()) {
        if (mode(in) != QLatin1String("Plan")) continue;
        const int i = in.le;
        sc.HeureDebutPlan1[i] = sc.HeuresTransition[i][0];
        sc.MinuteDebutPlan1[i] = sc.MinutesTransition[i][0];
        sc.HeureFinPlan1[i] = sc.HeuresTransition[i][1];
        sc.MinuteFinPlan1[i] = sc.MinutesTransition[i][1];
        sc.HeureDebutPlan2[i] = sc.HeuresTransition[i][2];
        sc.MinuteDebutPlan2[i] = sc.MinutesTransition[i][2];
        sc.HeureFinPlan2[i] = sc.HeuresTransition[i][3];
        sc.MinuteFinPlan2[i] = sc.MinutesTransition[i][3];
        s.schedule->FlagVerouillage[i] = 1;
        release(in);
        log.Label26[i].setBackColor(LightOrange);
    }
}

} // namespace orv
