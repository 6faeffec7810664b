// The trace area's own input: a press on a pane.
#include "traces/LogTraces.h"
#include "shell/Log.h"
#include "shell/Program.h"
#include "traces/TracesState.h"

namespace orv {

namespace {
// Pane boundaries of the trace area, in twips: four columns, two rows.
constexpr int PaneWidth = 2343;
constexpr int PaneHeight = 2107;
} // namespace

Owned<LogTraces> makeLogTraces(Log& log, Program& p) { return Owned<LogTraces>::make(log, p); }

LogTraces::LogTraces(Log& log, Program& prog) : L(log), p(prog)
{
    L.Picture13.onMouseDown = [this](const plat::MouseArgs& a) { Picture13_MouseDown(a); };
    L.mnuStopLEx.onClick = [this] { mnuStopLEx_Click(); };
    L.Label6.onClick = [this] { Label6_Click(); };
    L.Label13.onClick = [this] { Label13_Click(); };
    L.Label8.onClick = [this] { Label8_Click(); };
    wireLogger();
}

void LogTraces::Picture13_MouseDown(const plat::MouseArgs& a)
{
    State& s = p.s;
    TracesState& t = *s.traces;
    const int column = int(a.x / PaneWidth);
    const int row = int(a.y / PaneHeight);
    if ((a.button == plat::LeftButton || a.button == plat::RightButton) && column >= 0 && column <= 3)
        s.ScreenLE = uint8_t(row == 0 ? column : 4 + column);
    if (a.button != plat::LeftButton) return;
    // The pane's commands act on the pane that opened the menu, whatever a
    // timer does to ScreenLE while the menu is open.
    t.PaneMenuLE = s.ScreenLE;
    L.popupMenu(L.mnuFonctions);
    t.PaneMenuLE = -1;
}

// "Stop LE" of the pane's pop-up: ends the schedules and automatic restarts
// of the pane's LE and asks it to stop.
void LogTraces::mnuStopLEx_Click()
{
    State& s = p.s;
    const int le = s.traces->PaneMenuLE >= 0 ? s.traces->PaneMenuLE : s.ScreenLE;
    if (le >= LeCount) return;
    s.StartStopPC[le] = 2;
    s.RestSeconds[le] = 0;
    s.StartNorm[le] = 0;
    s.StartSym[le] = 0;
    s.StartSymStop[le] = 0;
    s.StartStop[le] = 0;
    s.ComptageTempo[le] = 0;
    s.FlagSymBlocage[le] = 0;
    s.FlagVerouillage[le] = 0;
    for (int mode = 1; mode <= 7; ++mode) s.SelectionMode[le][mode] = mode == Stop ? 1 : 0;
}

// The level-line headers ask for a level line on the traces.
void LogTraces::Label6_Click() { p.s.traces->FlagNiveauLPC = 1; }
void LogTraces::Label13_Click() { p.s.traces->FlagNiveauLFC = 1; }
void LogTraces::Label8_Click() { p.s.traces->FlagNiveauVIS = 1; }

} // namespace orv
