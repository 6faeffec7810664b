// The trace area's pane commands: the pop-up menu's clears and layout
// switch, the deferred blanks of Timer70 and Timer71, and the window width.
// A clear first fills its region dark blue and turns it black from a
// one-shot timer: 200 ms later for one pane, 300 ms later for the whole area.
#include "traces/TracesState.h"
#include "traces/LogTraces.h"

#include "platform/Canvas.h"
#include "shell/Log.h"
#include "shell/Program.h"
#include "shell/TracesShared.h"
#include "traces/TraceInstances.h"

namespace orv {

namespace {
constexpr plat::Color DarkBlue = plat::rgb(0, 0, 128);
constexpr int AreaRight = 9340, AreaBottom = 4214;   // what a whole-area fill covers
constexpr int NarrowWidth = 13150, WideWidth = 15650;
} // namespace

void LogTraces::blankPane(int le, plat::Color colour)
{
    const TraceInstance& row = traceInstance(le);
    L.Picture13.canvas().line(row.blankX1, row.blankY1, row.blankX2, row.blankY2, colour, plat::Canvas::BoxFilled);
    p.s.tracesShared->TraceX[le] = 1;
}

int LogTraces::paneCommandLE() const
{
    const TracesState& t = *p.s.traces;
    return t.PaneMenuLE >= 0 ? t.PaneMenuLE : p.s.tracesShared->ScreenLE;
}

void LogTraces::mnuClearScreen_Click()
{
    TracesState& t = *p.s.traces;
    // The pane is remembered now: the black blank 200 ms later goes to it,
    // whichever pane is selected by then.
    const int le = paneCommandLE();
    if (le < LeCount) {
        blankPane(le, DarkBlue);
        t.ClearPending[le] = 1;
    }
    GrilleScreen();
    L.mnuFrozen.setChecked(false);
    L.Timer70.setEnabled(true);
}

void LogTraces::Timer70_Timer()
{
    TracesState& t = *p.s.traces;
    for (int le = 0; le < LeCount; ++le) {
        if (t.ClearPending[le] == 0) continue;
        t.ClearPending[le] = 0;
        blankPane(le, plat::colors::Black);
    }
    GrilleScreen();
    L.Timer70.setEnabled(false);
}

void LogTraces::ClearScreenAllSteps()
{
    State& s = p.s;
    TracesState& t = *s.traces;
    L.Picture13.canvas().line(0, 0, AreaRight, AreaBottom, DarkBlue, plat::Canvas::BoxFilled);
    GrilleScreen();
    for (int le = 0; le < LeCount; ++le) {
        s.tracesShared->TraceX[le] = 1;
        t.FrozenLE[le] = 0;
    }
    L.mnuFrozen.setChecked(false);
    L.Timer71.setEnabled(true);
}

void LogTraces::DeferredScreenAll()
{
    L.Picture13.canvas().line(0, 0, AreaRight, AreaBottom, DarkBlue, plat::Canvas::BoxFilled);
    L.Timer71.setEnabled(true);
}

void LogTraces::mnuClearScreenAll_Click() { ClearScreenAllSteps(); }

void LogTraces::Timer71_Timer()
{
    ScreenAll();
    L.Timer71.setEnabled(false);
}

void LogTraces::mnuMonoEcran_Click()
{
    L.mnuMultiEcran.setChecked(false);
    L.mnuMonoEcran.setChecked(true);
    ClearScreenAllSteps();
    L.Picture4[0].setVisible(true);
    for (int le = 1; le < LeCount; ++le) L.Picture4[le].setVisible(false);
    L.mnuClearScreen.setVisible(false);
}

void LogTraces::mnuMultiEcran_Click()
{
    L.mnuMultiEcran.setChecked(true);
    L.mnuMonoEcran.setChecked(false);
    for (int le = 0; le < LeCount; ++le) L.Picture4[le].setVisible(true);
    L.mnuClearScreen.setVisible(true);
}

void LogTraces::RestartTimer_Timer(int le)
{
    p.s.tracesShared->TraceX[le] = 6;
    (L.*traceInstance(le).restartTimer).setEnabled(false);
}

// ----------------------------------- procedures other windows call

void LogTraces::ScreenAll()
{
    State& s = p.s;
    TracesState& t = *s.traces;
    L.Picture13.canvas().line(0, 0, AreaRight, AreaBottom, plat::colors::Black, plat::Canvas::BoxFilled);
    GrilleScreen();
    for (int le = 0; le < LeCount; ++le) {
        s.tracesShared->TraceX[le] = 1;
        t.FrozenLE[le] = 0;
    }
    L.Timer71.setEnabled(false);
}

void LogTraces::LargeurScreen(int16_t& w)
{
    if (w == 0) L.setWidth(NarrowWidth);
    else if (w == 1) L.setWidth(WideWidth);
}

} // namespace orv
