// The trace display options of the trace area's pop-up - Scroll, Frozen
// (Figer), Auto-Save - and the plot-timer gate Timer56, which runs each LE's
// plot timer only while the LE is out of phase 0 and its link is not
// declared lost, and shows the QTH items by the QTH option; it parks while
// it has nothing to change.
#include "shell/LogTimers.h"
#include "shell/MainMenus.h"
#include "shell/MainPanels.h"
#include "traces/TracesState.h"
#include "traces/LogTraces.h"

#include "shell/LinkStatus.h"
#include "shell/ParamLogicielVB.h"
#include "shell/Program.h"
#include "traces/TraceInstances.h"

#include <optional>

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

// What the gate makes of one LE's plot timer: on while the LE is out of
// phase 0 and its link is not declared lost, off when idle, except that
// LE-1 idle in the single-screen layout keeps its timer as it is.
std::optional<bool> LogTraces::gatedPlotTimer(const TraceInstance& row) const
{
    const State& s = p.s;
    if (s.status->PhaseLP[row.le] != 0) return s.status->FlagCommPerdue[row.le] != 1;
    if (row.wholeAreaPane && mainMenus(L).mnuMonoEcran.checked()) return std::nullopt;
    return false;
}

// Re-enabling a running plot timer leaves its countdown alone, so the
// timers still tick every 500 ms although the gate runs every 100 ms.
// Once the gate has set everything it shows, its ticks change nothing until
// a phase, a link-lost flag, the layout, the QTH option or one of the items
// it sets changes: it parks meanwhile, and the time source resumes it on
// the tick of its 100 ms series that follows the change.
void LogTraces::Timer56_Timer()
{
    const bool qth = p.form<ParamLogicielVB>()->QTHFunctions();
    mainMenus(L).mnuHalogen.setVisible(qth);
    if (!qth) mainPanels(L).CommHalOperator.setVisible(false);
    for (const TraceInstance& row : traceInstances())
        if (const std::optional<bool> on = gatedPlotTimer(row)) (logTimers(L).*row.plotTimer).setEnabled(*on);
    mainMenus(L).mnuAlarmHalogen.setVisible(p.form<ParamLogicielVB>()->QTHFunctions());
    settings_ = &p.form<ParamLogicielVB>();
    logTimers(L).Timer56.parkWhile([this] { return gateSettled(); });
}

// Whether a tick of the gate would change nothing; it would load the
// settings window if that were not loaded. Asked after every handler, so
// it only reads what it holds at hand.
bool LogTraces::gateSettled() const
{
    const ParamLogicielVB* settings = settings_->ifLoaded();
    if (!settings) return false;
    const bool qth = settings->QTHFunctions();
    const MainMenus& menus = mainMenus(L);
    if (menus.mnuHalogen.visible() != qth || menus.mnuAlarmHalogen.visible() != qth) return false;
    if (!qth && mainPanels(L).CommHalOperator.visible()) return false;
    for (const TraceInstance& row : traceInstances()) {
        const std::optional<bool> on = gatedPlotTimer(row);
        if (on && (logTimers(L).*row.plotTimer).enabled() != *on) return false;
    }
    return true;
}

} // namespace orv
