// START LE: one press acts on every LE by the run mode its mode label shows.
// Normal-mode LEs are started one after another, each through its parameter
// read; symmetric LEs begin their cycles; asymmetric windows and plannings
// are armed with copies of the times drawn on their strips, for the tick to
// carry out. Then the cycle timers and the tick take over.
#include "platform/Dialogs.h"
#include "scheduler/SchedulerInstances.h"
#include "scheduler/SelectionStart.h"
#include "shell/Log.h"
#include "shell/Program.h"

namespace orv {

namespace {
constexpr plat::Color PaleGreen = plat::rgb(0xC0, 0xFF, 0xC0);
constexpr plat::Color LightOrange = plat::rgb(0xFF, 0xC0, 0x80);
constexpr plat::Color DarkBlue = plat::rgb(0x00, 0x00, 0x80);
} // namespace

void SelectionStart::wireScheduler()
{
    StartSortie.setCaption(QStringLiteral("START LE"));
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
    Log& log = *p.Log;
    const auto alive = aliveToken();
    const auto logAlive = log.aliveToken();
    const int sel = s.Selbin < LeCount ? s.Selbin : 0;

    // 1. The cycle count of the selected LE.
    if (Text1.text().isEmpty()) Text1.setText(QStringLiteral("1"));
    s.NBCycles[sel] = Text1.text();
    Label99.setCaption(s.NBCycles[sel]);
    Text1.setEnabled(false);
    Label98.setCaption(QString::number(s.Selbin));

    auto mode = [&](const SchedulerInstance& in) { return (this->*in.modeLabel).caption(); };

    // 2. Normal mode: each LE's read and start, one after another.
    for (const SchedulerInstance& in : schedulerInstances()) {
        if (mode(in) != QLatin1String("Normal")) continue;
        s.StartStopPC[in.le] = 1;
        log.LectParamStampLE(in.le);
        if (!*alive || !*logAlive) return;
    }

    // 3. Symmetric cycles.
    for (const SchedulerInstance& in : schedulerInstances()) {
        if (mode(in) != QLatin1String("Sym")) continue;
        const int i = in.le;
        if (s.HeuresCycleSym[i] < 1) {
            p.rt.dialogs.msgBox(QString::fromUtf8("Erreur, sélectionner un cycle complet en heure(s)   s.v.p ! "),
                                int(plat::mb::OKOnly) | int(plat::mb::Exclamation), QString());
            if (!*alive || !*logAlive) return;
            continue;
        }
        s.HeureStartSym[i] = p.rt.timeText();
        Label22.setCaption(s.HeureStartSym[i]);
        s.DateStartSym[i] = p.rt.dateText();
        Label30.setCaption(s.DateStartSym[i]);
        (this->*in.symTimer).setEnabled(true);
        s.MinutesSym[i] = 0;
        s.FlagDemiCycleOff[i] = 0;
        s.CompteurHisto[i] = 0;
        s.ProgressionSym[i] = 0;
        (this->*in.strip).canvas().line(0, 185, 0, 375, plat::colors::Green, plat::Canvas::BoxFilled);
        s.CyclesEffectues[i] = 0;
        Label32.setCaption(QStringLiteral("0"));
        s.FlagCycleSym[i] = 1;
        log.StartLERoutine(in.number);
        if (!*alive || !*logAlive) return;
        (this->*in.nameLabel).setBackColor(PaleGreen);
        (this->*in.modeLabel).setBackColor(PaleGreen);
    }

    // 4. Asymmetric windows armed.
    for (const SchedulerInstance& in : schedulerInstances()) {
        if (mode(in) != QLatin1String("Asym")) continue;
        const int i = in.le;
        s.HeureDebutAsym[i] = s.HeuresTransition[0][i];
        s.MinuteDebutAsym[i] = s.MinutesTransition[0][i];
        s.HeureFinAsym[i] = s.HeuresTransition[1][i];
        s.MinuteFinAsym[i] = s.MinutesTransition[1][i];
        if (in.le == 0 && log.mnuMonoEcran.checked()) {
            log.Picture13.canvas().line(0, 0, 9340, 4214, DarkBlue, plat::Canvas::BoxFilled);
            log.Timer71.setEnabled(true);
        }
        s.FlagSymBlocage[i] = 1;
        log.Label26[i].setBackColor(LightOrange);
    }

    // 5. Plannings locked.
    for (const SchedulerInstance& in : schedulerInstances()) {
        if (mode(in) != QLatin1String("Plan")) continue;
        const int i = in.le;
        s.HeureDebutPlan1[i] = s.HeuresTransition[0][i];
        s.MinuteDebutPlan1[i] = s.MinutesTransition[0][i];
        s.HeureFinPlan1[i] = s.HeuresTransition[1][i];
        s.MinuteFinPlan1[i] = s.MinutesTransition[1][i];
        s.HeureDebutPlan2[i] = s.HeuresTransition[2][i];
        s.MinuteDebutPlan2[i] = s.MinutesTransition[2][i];
        s.HeureFinPlan2[i] = s.HeuresTransition[3][i];
        s.MinuteFinPlan2[i] = s.MinutesTransition[3][i];
        s.FlagVerouillage[i] = 1;
        log.Label26[i].setBackColor(LightOrange);
    }
}

} // namespace orv
