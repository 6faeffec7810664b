// The trace display options of the trace area's pop-up - Scroll, Frozen
// (Figer), Auto-Save - and the plot-timer gate Timer56, which runs each LE's
// plot timer only while the LE is out of phase 0 and its link is not
// declared lost, and shows the QTH items by the QTH option.
#include "shell/LogTimers.h"
#include "shell/MainMenus.h"
#include "shell/MainPanels.h"
#include "traces/TracesState.h"
#include "traces/LogTraces.h"

#include "shell/LinkStatus.h"
#include "shell/ParamLogicielVB.h"
#include "shell/Program.h"
#include "traces/TraceInstances.h"

namespace orv {

void LogTraces::mnuScroll_Click()
{
    TracesState& t = *p.s.traces;
    const bool on = t.ScrollFlag != 0;
    mainMenus(L).mnuScroll.setChecked(on);
    t.ScrollFlag = on ? 0 : 1;
}

// One toggle and one mark serve the eight panes: the command freezes or
// unfreezes the selected pane by the toggle, whatever that pane's state.
void LogTraces::mnuFrozen_Click()
{
    TracesState& t = *p.s.traces;
    const int le = paneCommandLE();
    const bool freeze = t.FrozenFlag == 0;
    if (le < LeCount) t.FrozenLE[le] = freeze ? 1 : 0;
    mainMenus(L).mnuFrozen.setChecked(freeze);
    t.FrozenFlag = freeze ? 1 : 0;
}

// A check mark and nothing more.
void LogTraces::mnuAutoSaveScreen_Click()
{
    TracesState& t = *p.s.traces;
    t.AutoSaveFlag = t.AutoSaveFlag == 0 ? 1 : 0;
    mainMenus(L).mnuAutoSaveScreen.setChecked(t.AutoSaveFlag != 0);
}

// Re-enabling a running plot timer leaves its countdown alone, so the
// timers still tick every 500 ms although the gate runs every 100 ms.
void LogTraces::Timer56_Timer()
{
    const State& s = p.s;
    const bool qth = p.form<ParamLogicielVB>()->QTHFunctions();
    mainMenus(L).mnuHalogen.setVisible(qth);
    if (!qth) mainPanels(L).CommHalOperator.setVisible(false);
    for (const TraceInstance& row : traceInstances()) {
        plat::FormTimer& plot = logTimers(L).*row.plotTimer;
        const int le = row.le;
        if (s.status->PhaseLP[le] != 0) {
            plot.setEnabled(s.status->FlagCommPerdue[le] != 1);
        } else if (!(row.wholeAreaPane && mainMenus(L).mnuMonoEcran.checked())) {
            // LE-1 idle in the single-screen layout keeps its timer as it is.
            plot.setEnabled(false);
        }
    }
    mainMenus(L).mnuAlarmHalogen.setVisible(p.form<ParamLogicielVB>()->QTHFunctions());
}

} // namespace orv
