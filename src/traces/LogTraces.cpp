// The trace part of the main window: hooks its handlers to the window's
// controls and timers, and the trace area's own input, a press on a pane.
#include "traces/LogTraces.h"
#include "traces/TracesStartup.h"

#include "shell/LinkRequest.h"
#include "shell/Log.h"
#include "shell/Program.h"
#include "shell/RunShared.h"
#include "shell/ScheduleFlags.h"
#include "shell/TracesShared.h"
#include "traces/TraceInstances.h"
#include "traces/TracesState.h"

namespace orv {

Owned<LogTraces> makeLogTraces(Log& log, Program& p) { return Owned<LogTraces>::make(log, p); }

namespace {
// Pane boundaries of a press, in twips: four columns, two rows. They are
// not the grid lines.
constexpr int PressColumnWidth = 2343;
constexpr int PressRowHeight = 2107;
} // namespace

LogTraces::LogTraces(Log& log, Program& prog) : L(log), p(prog)
{
    for (const TraceInstance& row : traceInstances()) {
        const int le = row.le;
        plat::FormTimer& plot = L.*row.plotTimer;
        plot.onTimer = [this, le] { PlotTimer_Timer(le); };
        plot.setEnabled(true);   // the gate's first tick stops those of idle LEs
        plat::FormTimer& restart = L.*row.restartTimer;
        restart.onTimer = [this, le] { RestartTimer_Timer(le); };
        restart.setEnabled(row.restartAtLoad);
    }
    L.Timer56.onTimer = [this] { Timer56_Timer(); };
    L.Timer56.setEnabled(true);
    L.Timer70.onTimer = [this] { Timer70_Timer(); };
    L.Timer71.onTimer = [this] { Timer71_Timer(); };

    L.Picture13.onMouseDown = [this](const plat::MouseArgs& a) { Picture13_MouseDown(a); };
    L.Picture22.onMouseDown = [this](const plat::MouseArgs& a) { Picture22_MouseDown(a); };
    const std::pair<plat::Menu*, void (LogTraces::*)()> items[] = {
        {&L.mnuScroll, &LogTraces::mnuScroll_Click},
        {&L.mnuAutoSaveScreen, &LogTraces::mnuAutoSaveScreen_Click},
        {&L.mnuFrozen, &LogTraces::mnuFrozen_Click},
        {&L.mnuClearScreen, &LogTraces::mnuClearScreen_Click},
        {&L.mnuClearScreenAll, &LogTraces::mnuClearScreenAll_Click},
        {&L.mnuMultiEcran, &LogTraces::mnuMultiEcran_Click},
        {&L.mnuMonoEcran, &LogTraces::mnuMonoEcran_Click},
        {&L.mnuStopLEx, &LogTraces::mnuStopLEx_Click},
        {&L.mnuIOListData, &LogTraces::mnuIOListData_Click},
        {&L.mnuRFStamptoPC, &LogTraces::mnuRFStamptoPC_Click},
        {&L.mnuRFPCtoStamp, &LogTraces::mnuRFPCtoStamp_Click},
    };
    for (const auto& [item, handler] : items) item->onClick = [this, h = handler] { (this->*h)(); };
    L.Label6.onClick = [this] { Label6_Click(); };
    L.Label13.onClick = [this] { Label13_Click(); };
    L.Label8.onClick = [this] { Label8_Click(); };
    wireLogger();

    // Start-up steps.
    Program& program = p;
    StartupEntries& su = L.startup;
    su.GrilleScreen = [this] { GrilleScreen(); };
    su.IoListHidden = [&program] { startupIoListHidden(program); };
    su.LoggerNs = [&program] { startupLoggerNs(program); };
    su.LoggerTypeFile = [&program] { startupLoggerTypeFile(program); };
    su.ScrollOff = [&program] { startupScrollOff(program); };
}

void LogTraces::Picture13_MouseDown(const plat::MouseArgs& a)
{
    State& s = p.s;
    TracesState& t = *s.traces;
    const int column = int(a.x / PressColumnWidth);
    const int row = int(a.y / PressRowHeight);
    if ((a.button == plat::LeftButton || a.button == plat::RightButton) && column >= 0 && column <= 3)
        s.tracesShared->ScreenLE = uint8_t(row == 0 ? column : 4 + column);
    if (a.button != plat::LeftButton) return;
    // The pane's commands act on the pane that opened the menu, whatever a
    // timer (a plot routine at the end of its pane) does to ScreenLE while
    // the menu is open.
    t.PaneMenuLE = s.tracesShared->ScreenLE;
    L.popupMenu(L.mnuFonctions);
    t.PaneMenuLE = -1;
}

// "Stop LE" of the pane's pop-up: ends the schedules and automatic restarts
// of the pane's LE and asks it to stop.
void LogTraces::mnuStopLEx_Click()
{
    State& s = p.s;
    const int le = paneCommandLE();
    if (le >= LeCount) return;
    s.request->StartStopPC[le] = 2;
    s.runShared->RestSeconds[le] = 0;
    s.schedule->StartNorm[le] = 0;
    s.schedule->StartSym[le] = 0;
    s.schedule->StartSymStop[le] = 0;
    s.schedule->StartStop[le] = 0;
    s.schedule->ComptageTempo[le] = 0;
    s.schedule->FlagSymBlocage[le] = 0;
    s.schedule->FlagVerouillage[le] = 0;
    for (int mode = 1; mode <= 7; ++mode) s.schedule->SelectionMode[le][mode] = mode == Stop ? 1 : 0;
}

// The level-line headers ask for a level line on the traces.
void LogTraces::Label6_Click() { p.s.traces->FlagNiveauLPC = 1; }
void LogTraces::Label13_Click() { p.s.traces->FlagNiveauLFC = 1; }
void LogTraces::Label8_Click() { p.s.traces->FlagNiveauVIS = 1; }

} // namespace orv
