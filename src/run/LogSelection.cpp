// LE selection from the main window and the run-mode pop-up mnuMListe.
//
// A press on an LE's label (Label26) selects the LE, flashes the label
// orange for one second, normalises the set-point file, clears the parameter
// working copy, moves the power slider to the LE's set-point and offers the
// pop-up items that the LE's run mode allows.
//
// The items record an LE's run mode in SelectionMode and prepare the
// start-selection window (the four run modes), stop one LE ("Stop"), or act
// on every LE ("Start All LE", "Stop All LE"). They act on the LE whose label
// opened the pop-up: timers run while a pop-up is open and may change
// SelectedLE (a parameter read, the start-all sequencer) before the user
// chooses; only an item run without the pop-up falls back on SelectedLE.
#include "run/RunState.h"
#include "parameters/FadecParameters.h"
#include "platform/Dialogs.h"
#include "run/SetPointFile.h"
#include "scheduler/SelectionStart.h"
#include "run/LogRun.h"
#include "shell/Log.h"
#include "shell/ParamLogicielVB.h"
#include "shell/Program.h"

#include <algorithm>

namespace orv {

namespace {


constexpr plat::Color Orange = plat::colors::Orange;
constexpr plat::Color LightGreen = plat::rgb(192, 255, 192);
constexpr plat::Color Silver = plat::colors::Grey;
constexpr int SelectionFlashMs = 1000;
constexpr int16_t LowestSetPoint = 50;
constexpr int16_t LfcNormalSetPoint = 90;   // an LE with an LFC-2 sensor in normal mode
constexpr int SymCycleMs = 60000;

// Items offered by the pop-up (normal ... Stop All LE) for each run mode.
constexpr bool Offered[8][7] = {
    {true, true, true, true, true, true, true},         // no mode chosen
    {true, false, false, false, true, false, false},    // normal
    {false, true, false, false, true, false, false},    // symmetric
    {false, false, true, false, true, false, false},    // asymmetric
    {false, false, false, true, true, false, false},    // planning
    {true, true, true, true, true, true, true},         // stop
    {false, false, false, false, false, true, true},    // start all
    {true, true, true, true, true, true, true},         // stop all
};

int modeOf(const State& s, int le)
{
    for (int m = Normal; m <= StopAll; ++m)
        if (s.SelectionMode[le][m] == 1) return m;
    return NoMode;
}

void recordMode(State& s, int le, int mode)
{
    s.SelectionMode[le].fill(0);
    s.SelectionMode[le][mode] = 1;
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
        s.StartStopPC[le] = 0;
        s.StartNorm[le] = 1;
        s.CompteursNorm[le] = 0;
        s.FlagTraceNormal[le] = 0;
        s.DebutTraceNormalX[le] = 0;
        s.Compteurs[le] = 0;
        s.ComptageTempo[le] = 0;
        break;
    case Symmetric:
        s.Compteurs[le] = 0;
        s.StartSym[le] = 1;
        s.FlagCycleSym[le] = 0;
        s.FlagSymMinutes[le] = 0;
        s.CurseurSymX[le] = 0;
        s.FlagDemiCycleOff[le] = 0;
        s.CyclesEffectues[le] = 0;
        break;
    case Asymmetric:
        s.StartStopPC[le] = 0;
        s.StartSymStop[le] = 1;
        s.ComptageSymTempo[le] = 0;
        s.CompteursSym[le] = 0;
        s.FlagDefautAsym[le] = 0;
        s.FlagSymBlocage[le] = 0;
        s.FlagSymEtat[le] = 0;
        break;
    case Planning:
        s.StartStopPC[le] = 0;
        s.Compteurs[le] = 0;
        s.ComptageTempo[le] = 0;
        s.StartStop[le] = 1;
        s.FlagDefautPlan[le] = 0;
        s.FlagVerouillage[le] = 0;
        s.FlagEtat[le] = 0;
        break;
    default: break;
    }
}

// The LE number the items act on (1-8), or 0 when none is selected.
int itemLE(const State& s)
{
    const int n = s.run->MenuLE != 0 ? s.run->MenuLE : s.SelectedLE;
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

    // Whatever the LE's phase.
    if (item.mode == Normal) s.FlagImages2359 = 0;
    if (item.labelsAlways) {
        w.nameLabel(le).setBackColor(LightGreen);
        w.modeLabel(le).setBackColor(LightGreen);
    }
    if (item.mode == Symmetric) {
        log.Timer2.setEnabled(true);   // the login panel comes back when the start-mode login is set
        w.Text1.setBackColor(plat::colors::Green);
        w.Label106.setBackColor(plat::colors::Green);
    }
    if (item.mode == Asymmetric) s.FlagTrigLFC3Off[le] = 0;

    // Only an idle LE starts its mode afresh.
    const bool idle = s.PhaseLP[le] == 0;
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
        if (item.mode == Asymmetric && le == 0) s.FlagTailleLFC3 = 1;

        resetScheduleState(s, le, item.mode);

        s.ScreenLE = uint8_t(le);
        log.ColorRetard();
        s.TraceX[le] = 1;
        w.Label41.setCaption(selectionText(n));
    }

    if (item.gridAlways || idle) log.GrilleScreen();
    if (item.showAlways || idle) {
        w.Timer1.setEnabled(true);
        w.show();
    }
}

} // namespace

void LogRun::Label26_MouseDown(int Index, int Button, int Shift, double X, double Y)
{
    Q_UNUSED(Shift);
    Q_UNUSED(X);
    Q_UNUSED(Y);
    if (Index < 0 || Index >= LeCount) return;
    State& s = p.s;

    // The label stays orange for one second (Timer64 puts the orange labels back).
    L.Label26[Index].setBackColor(Orange);
    L.Timer64.setInterval(SelectionFlashMs);
    L.Timer64.setEnabled(true);

    s.SelectedLE = Index + 1;
    s.Selbin = uint8_t(Index);
    const int n = s.SelectedLE;
    p.form<FadecParameters>()->Label64.setCaption(QStringLiteral("Selected LE : %1").arg(n));
    L.Label66.setCaption(QStringLiteral("Selected LE = %1").arg(n));
    L.Label1.setCaption(QStringLiteral("LE%1").arg(n));

    // Set-points below 50 are raised to 50; an LE with an LFC-2 sensor
    // chosen in normal mode gets 90. A file that cannot be opened is left as
    // it is, and the slider with it.
    const QString path = setPointFilePath(s.BaseFolder);
    if (auto values = readSetPoints(p)) {
        const bool lfcNormal = p.form<SelectionStart>()->modeLabel(Index).caption() == QLatin1String("Normal")
                               && p.form<ParamLogicielVB>()->LFC2Sensor(Index);
        for (int i = 0; i < LeCount; ++i) {
            int16_t& v = (*values)[i];
            if (v < LowestSetPoint) v = LowestSetPoint;
            if (i == Index && lfcNormal) v = LfcNormalSetPoint;
            L.Label15[i].setCaption(QString::number(v * 10));
            s.ConsignePWIni[i] = v;
        }
        writeSetPointFile(p.rt.drive, path, *values);
        for (int i = 0; i < LeCount; ++i) L.Label15[i].setCaption(QString::number(s.ConsignePWIni[i] * 10));
    }

    s.FlagCouleurLE.fill(1);

    FadecParameters& params = *p.form<FadecParameters>();
    for (int k = 32; k <= 63; ++k)
        params.setParamPC(k - 32, QStringLiteral("0"));

    // The slider takes the LE's set-point as the file now holds it; a value
    // beyond the slider's range shows as its nearest end.
    if (const auto values = readSetPoints(p))
        L.VScroll1.setValue(std::clamp<int>((*values)[Index], std::min(L.VScroll1.min(), L.VScroll1.max()),
                                            std::max(L.VScroll1.min(), L.VScroll1.max())));

    plat::Menu* items[7] = {&L.MListeNormal, &L.MListeSymetrique, &L.MListeAsymetrique, &L.MListePlanning,
                            &L.MListeStop, &L.MListeStartAllLE, &L.MListeStopAllLE};
    for (plat::Menu* item : items) item->setChecked(false);
    s.AlarmSHTPCReported = 0;
    for (int m = Normal; m <= StopAll; ++m) items[m - 1]->setChecked(s.SelectionMode[Index][m] == 1);
    const int mode = modeOf(s, Index);
    for (int m = Normal; m <= StopAll; ++m) items[m - 1]->setEnabled(Offered[mode][m - 1]);

    if (Button == plat::LeftButton) {
        // The chosen item runs inside popupMenu, for this LE; a pop-up opened
        // during a wait of an item nests and gives the outer LE back.
        struct MenuFor {
            int& held;
            int previous;
            MenuFor(int& h, int n) : held(h), previous(h) { held = n; }
            ~MenuFor() { held = previous; }
        } menuFor(s.run->MenuLE, n);
        L.popupMenu(L.mnuMListe);
    }
}

void LogRun::MListeNormal_Click()
{
    if (const int n = itemLE(p.s)) chooseRunMode(L, n, NormalItem);
}

void LogRun::MListeSymetrique_Click()
{
    if (const int n = itemLE(p.s)) chooseRunMode(L, n, SymmetricItem);
}

void LogRun::MListeAsymetrique_Click()
{
    if (const int n = itemLE(p.s)) chooseRunMode(L, n, AsymmetricItem);
}

void LogRun::MListePlanning_Click()
{
    if (const int n = itemLE(p.s)) chooseRunMode(L, n, PlanningItem);
}

// Ends every schedule and automatic restart of the LE, then stops it.
void LogRun::MListeStop_Click()
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
    s.LargeurAttente = 0;

    s.RestSeconds[le] = 0;
    w.nameLabel(le).setBackColor(plat::ButtonFace);
    w.modeLabel(le).setBackColor(plat::ButtonFace);
    w.symTimer(le).setEnabled(false);

    s.StartStopPC[le] = 0;
    s.StartNorm[le] = 0;
    s.ComptageTempo[le] = 0;
    s.StartSym[le] = 0;
    s.StartSymStop[le] = 0;
    s.FlagSymBlocage[le] = 0;
    s.StartStop[le] = 0;
    s.FlagVerouillage[le] = 0;

    w.Label41.setCaption(selectionText(n));
    recordMode(s, le, Stop);
    L.GrilleScreen();
    w.show();
    L.StopLERoutine(n);
}

// Marks every LE whose port is open for a normal start (START LE starts
// them) and starts the LE of the pop-up now.
void LogRun::MListeStartAllLE_Click()
{
    State& s = p.s;
    const int n = itemLE(s);
    if (n == 0) return;
    const int le = n - 1;
    {
        SelectionStart& w = *p.form<SelectionStart>();
        w.setCaption(QStringLiteral(" Selection des LE-1 à LE-8"));
        w.Timer2.setEnabled(true);
        for (int i = 0; i < LeCount; ++i) s.StartStopPC[i] = 0;
        for (int i = 0; i < LeCount; ++i) {
            if (!L.MSComm(i).portOpen()) continue;
            w.nameLabel(i).setBackColor(LightGreen);
            w.modeLabel(i).setBackColor(LightGreen);
            w.modeLabel(i).setCaption(QStringLiteral("Normal"));
        }
    }
    s.FlagTraceNormal[le] = 0;
    s.DebutTraceNormalX[le] = 0;
    s.StartNorm[le] = 1;
    s.ScreenLE = uint8_t(le);
    L.ColorRetard();

    // The parameter read waits for its transfer; other handlers, this pop-up
    // included, run meanwhile. A main window closed during the wait ends it.
    const auto alive = L.aliveToken();
    L.StartLERoutine(n);
    if (!*alive) return;

    for (int i = 0; i < LeCount; ++i) recordMode(s, i, StartAll);
    p.form<SelectionStart>()->show();
}

// Every LE is asked to stop and put in the stop-all mode; the QTH lamps go off.
void LogRun::MListeStopAllLE_Click()
{
    State& s = p.s;
    L.EffacerSel();
    for (int i = 0; i < LeCount; ++i) {
        s.StartNorm[i] = 0;
        s.StartStopPC[i] = 2;
    }
    L.StopLERoutine(-1);
    for (int i = 0; i < LeCount; ++i) recordMode(s, i, StopAll);
}

} // namespace orv
