// The run-mode pop-up mnuMListe that a press on an LE's label opens.
//
// The items record an LE's run mode in SelectionMode and prepare the
// start-selection window (the four run modes), stop one LE ("Stop"), or act
// on every LE ("Start All LE", "Stop All LE"). They act on the LE whose label
// opened the pop-up: timers run while a pop-up is open and may change
// SelectedLE (a parameter read, the start-all sequencer) before the user
// chooses; only an item run without the pop-up falls back on SelectedLE.
#include "run/LogRun.h"
#include "run/RunState.h"
#include "scheduler/LogScheduler.h"
#include "scheduler/SelectionStart.h"
#include "shell/LinkRequest.h"
#include "shell/LinkStatus.h"
#include "shell/Log.h"
#include "shell/Program.h"
#include "shell/RunShared.h"
#include "shell/ScheduleFlags.h"
#include "shell/State.h"
#include "shell/TracesShared.h"
#include "traces/LogTraces.h"

namespace orv {

namespace {

constexpr plat::Color LightGreen = plat::rgb(192, 255, 192);
constexpr plat::Color Silver = plat::colors::Grey;
constexpr int SymCycleMs = 60000;

void recordMode(State& s, int le, int mode)
{
    s.schedule->SelectionMode[le].fill(0);
    s.schedule->SelectionMode[le][mode] = 1;
}

// What a run-mode item does besides recording its mode, as far as it
// differs between the four items.
struct ModeItem {
    RunMode mode;
    const char* suffix;     // of the start-selection window's caption
    bool labelsAlways;      // name and mode labels light green whatever the phase
    bool labelsWhenIdle;    // ... only when the LE is idle
    bool stripWhenIdle;     // strip cleared to light grey, ConfigNormal, when idle
    bool gridAlways;        // the trace grid redrawn whatever the phase (else when idle)
    bool showAlways;        // the window laid out and shown whatever the phase (else when idle)
};

constexpr ModeItem NormalItem{Normal, " (Normal)", true, false, true, true, true};
constexpr ModeItem SymmetricItem{Symmetric, " (Symétrique)", false, false, false, true, true};
constexpr ModeItem AsymmetricItem{Asymmetric, " (Asymétrique)", false, true, true, false, true};
constexpr ModeItem PlanningItem{Planning, " (Planing)", false, true, true, false, false};

// The schedule state an idle LE starts its new mode with: counts and waits
// at zero, the mode's automatic restart on, its schedule not armed.
void resetScheduleState(State& s, int le, RunMode mode)
{
    switch (mode) {
    case Normal:
        s.request->StartStopPC[le] = 0;
        s.schedule->StartNorm[le] = 1;
        s.schedule->CompteursNorm[le] = 0;
        s.schedule->FlagTraceNormal[le] = 0;
        s.schedule->DebutTraceNormalX[le] = 0;
        s.schedule->Compteurs[le] = 0;
        s.schedule->ComptageTempo[le] = 0;
        break;
    case Symmetric:
        s.schedule->Compteurs[le] = 0;
        s.schedule->StartSym[le] = 1;
        s.schedule->FlagCycleSym[le] = 0;
        s.schedule->FlagSymMinutes[le] = 0;
        s.schedule->CurseurSymX[le] = 0;
        s.schedule->FlagDemiCycleOff[le] = 0;
        s.schedule->CyclesEffectues[le] = 0;
        break;
    case Asymmetric:
        s.request->StartStopPC[le] = 0;
        s.schedule->StartSymStop[le] = 1;
        s.schedule->ComptageSymTempo[le] = 0;
        s.schedule->CompteursSym[le] = 0;
        s.schedule->FlagDefautAsym[le] = 0;
        s.schedule->FlagSymBlocage[le] = 0;
        s.schedule->FlagSymEtat[le] = 0;
        break;
    case Planning:
        s.request->StartStopPC[le] = 0;
        s.schedule->Compteurs[le] = 0;
        s.schedule->ComptageTempo[le] = 0;
        s.schedule->StartStop[le] = 1;
        s.schedule->FlagDefautPlan[le] = 0;
        s.schedule->FlagVerouillage[le] = 0;
        s.schedule->FlagEtat[le] = 0;
        break;
    default: break;
    }
}

// The LE number the items act on (1-8), or 0 when none is selected.
int itemLE(const State& s)
{
    const int n = s.run->MenuLE != 0 ? s.run->MenuLE : s.common->SelectedLE;
    return n >= 1 && n <= LeCount ? n : 0;
}

// A run-mode item ("normal", "symmetric", "asymmetric", "planing") for LE n.
void chooseRunMode(Log& log, int n, const ModeItem& item)
{
    Program& p = log.prog();
    State& s = p.s;
    const int le = n - 1;
    SelectionStart& w = *p.form<SelectionStart>();

    w.setCaption(QStringLiteral(" Selection LE-%1").arg(n) + QString::fromUtf8(item.suffix));
    w.Timer2.setEnabled(true);
    recordMode(s, le, item.mode);
    s.run->StoppedByStopAll[le] = 0;
    // A start of the old mode still waiting for its read does not follow.
    log.run->WithdrawParamRead(le);

    // Whatever the LE's phase.
    if (item.mode == Normal) s.schedule->FlagImages2359 = 0;
    if (item.labelsAlways) {
        w.nameLabel(le).setBackColor(LightGreen);
        w.modeLabel(le).setBackColor(LightGreen);
    }
    if (item.mode == Symmetric) {
        log.Timer2.setEnabled(true);   // the login panel comes back when the start-mode login is set
        w.Text1.setBackColor(plat::colors::Green);
        w.Label106.setBackColor(plat::colors::Green);
    }
    if (item.mode == Asymmetric) s.schedule->FlagTrigLFC3Off[le] = 0;

    // Only an idle LE starts its mode afresh.
    const bool idle = s.status->PhaseLP[le] == 0;
    if (idle) {
        if (item.stripWhenIdle) {
            plat::PictureBox& strip = w.strip(le);
            strip.setBackColor(plat::colors::LightGrey);
            strip.canvas().cls();
        }
        if (item.labelsWhenIdle) {
            w.nameLabel(le).setBackColor(LightGreen);
            w.modeLabel(le).setBackColor(LightGreen);
        }
        if (item.mode == Normal) w.symTimer(le).setEnabled(false);
        if (item.mode == Symmetric) {
            w.symTimer(le).setEnabled(false);
            w.symTimer(le).setInterval(SymCycleMs);
            w.Text1.setEnabled(true);
            w.Text1.setVisible(true);
        }
        if (item.stripWhenIdle) w.ConfigNormal();
        if (item.mode == Asymmetric && le == 0) s.schedule->FlagTailleLFC3 = 1;

        resetScheduleState(s, le, item.mode);

        s.tracesShared->ScreenLE = uint8_t(le);
        log.traces->ColorRetard();
        s.tracesShared->TraceX[le] = 1;
        w.Label41.setCaption(selectionText(n));
    }

    if (item.gridAlways || idle) log.traces->GrilleScreen();
    if (item.showAlways || idle) {
        w.Timer1.setEnabled(true);
        w.show();
    }
}

} // namespace

void LogScheduler::MListeNormal_Click()
{
    if (const int n = itemLE(p.s)) chooseRunMode(L, n, NormalItem);
}

void LogScheduler::MListeSymetrique_Click()
{
    if (const int n = itemLE(p.s)) chooseRunMode(L, n, SymmetricItem);
}

void LogScheduler::MListeAsymetrique_Click()
{
    if (const int n = itemLE(p.s)) chooseRunMode(L, n, AsymmetricItem);
}

void LogScheduler::MListePlanning_Click()
{
    if (const int n = itemLE(p.s)) chooseRunMode(L, n, PlanningItem);
}

// Ends every schedule and automatic restart of the LE, then stops it.
void LogScheduler::MListeStop_Click()
{
    State& s = p.s;
    const int n = itemLE(s);
    if (n == 0) return;
    const int le = n - 1;
    SelectionStart& w = *p.form<SelectionStart>();

    w.Timer2.setEnabled(true);
    w.Text1.setBackColor(plat::ButtonFace);
    w.Label106.setBackColor(plat::ButtonFace);

    // The restart wait bar goes.
    L.Picture15.setVisible(false);
    L.Picture15.canvas().line(0, 0, 1620, 615, Silver, plat::Canvas::BoxFilled);
    s.schedule->LargeurAttente = 0;

    s.runShared->RestSeconds[le] = 0;
    w.nameLabel(le).setBackColor(plat::ButtonFace);
    w.modeLabel(le).setBackColor(plat::ButtonFace);
    w.symTimer(le).setEnabled(false);

    s.request->StartStopPC[le] = 0;
    s.schedule->StartNorm[le] = 0;
    s.schedule->ComptageTempo[le] = 0;
    s.schedule->StartSym[le] = 0;
    s.schedule->StartSymStop[le] = 0;
    s.schedule->FlagSymBlocage[le] = 0;
    s.schedule->StartStop[le] = 0;
    s.schedule->FlagVerouillage[le] = 0;

    w.Label41.setCaption(selectionText(n));
    recordMode(s, le, Stop);
    L.traces->GrilleScreen();
    w.show();
    L.run->StopLERoutine(n);
}

// Marks every LE whose port is open for a normal start (START LE starts
// them) and starts the LE of the pop-up now.
void LogScheduler::MListeStartAllLE_Click()
{
    State& s = p.s;
    const int n = itemLE(s);
    if (n == 0) return;
    const int le = n - 1;
    {
        SelectionStart& w = *p.form<SelectionStart>();
        w.setCaption(QStringLiteral(" Selection des LE-1 à LE-8"));
        w.Timer2.setEnabled(true);
        for (int i = 0; i < LeCount; ++i) s.request->StartStopPC[i] = 0;
        for (int i = 0; i < LeCount; ++i) {
            if (!L.MSComm(i).portOpen()) continue;
            w.nameLabel(i).setBackColor(LightGreen);
            w.modeLabel(i).setBackColor(LightGreen);
            w.modeLabel(i).setCaption(QStringLiteral("Normal"));
        }
    }
    s.schedule->FlagTraceNormal[le] = 0;
    s.schedule->DebutTraceNormalX[le] = 0;
    s.schedule->StartNorm[le] = 1;
    s.tracesShared->ScreenLE = uint8_t(le);
    L.traces->ColorRetard();

    // The parameter read waits for its transfer; other handlers, this pop-up
    // included, run meanwhile. A main window closed during the wait ends it.
    const auto alive = L.aliveToken();
    L.run->StartLERoutine(n);
    if (!*alive) return;

    for (int i = 0; i < LeCount; ++i) recordMode(s, i, StartAll);
    p.form<SelectionStart>()->show();
}

// Every start under way or waiting ends, every LE is asked to stop and put in
// the stop-all mode; the QTH lamps go off.
void LogScheduler::MListeStopAllLE_Click()
{
    State& s = p.s;
    // No start under way or waiting follows the stop.
    L.run->StopAllStarts();
    EffacerSel();
    for (int i = 0; i < LeCount; ++i) {
        s.schedule->StartNorm[i] = 0;
        s.request->StartStopPC[i] = 2;
    }
    L.run->StopLERoutine(-1);
    for (int i = 0; i < LeCount; ++i) recordMode(s, i, StopAll);
}

void LogScheduler::EffacerSel()
{
    SelectionStart& w = *p.form<SelectionStart>();
    for (int le = 0; le < LeCount; ++le) w.nameLabel(le).setBackColor(plat::ButtonFace);
    for (int le = 0; le < LeCount; ++le) w.modeLabel(le).setBackColor(plat::ButtonFace);
}

} // namespace orv
