#pragma once
// The main window's trace handlers: the trace area's panes and pop-up, the
// plot routine of each LE and its restart timer, the display options and
// the plot-timer gate, and the I/O list panel.

#include "platform/Color.h"
#include "platform/Control.h"
#include "shell/Owned.h"

#include <optional>

namespace plat {
template <class F>
class FormSlot;
}

namespace orv {

class Log;
class ParamLogicielVB;
class Program;
struct TraceInstance;

class LogTraces {
public:
    LogTraces(Log& L, Program& p);

    // --- procedures other windows call
    // Blanks the trace pane of LE index ScreenLE and restarts its trace at
    // the left edge, then redraws the grid (only the grid when ScreenLE is
    // not an LE).
    void ColorRetard();
    // Draws the white separator grid of the eight trace panels on Picture13.
    void GrilleScreen();
    // Blanks the whole area, restarts and unfreezes every trace, and stops Timer71.
    void ScreenAll();
    // The window's width: 13150 twips for w = 0, 15650 for w = 1, else unchanged.
    void LargeurScreen(int16_t& w);

    // --- trace area and panes
    void Picture13_MouseDown(const plat::MouseArgs& a);
    void mnuClearScreen_Click();
    void mnuClearScreenAll_Click();
    void mnuMonoEcran_Click();
    void mnuMultiEcran_Click();
    void mnuStopLEx_Click();   // "Stop LE" of the pane's pop-up
    void Timer70_Timer();   // a cleared pane turns black 200 ms after its Clear Screen
    void Timer71_Timer();   // the whole area turns black 300 ms after a whole-area clear
    // The steps of Clear Screen All: the area dark blue, every trace back to
    // column 1 and unfrozen, the Frozen mark cleared, black 300 ms later.
    void ClearScreenAllSteps();
    // The whole area dark blue now and black 300 ms later, when Timer71 runs
    // ScreenAll: what START LE does when it arms LE-1's asymmetric schedule
    // in the single-screen layout.
    void DeferredScreenAll();

    // --- the plot routine of LE index le (Timer4_Timer, Timer6_Timer, ...)
    // and its restart timer (Timer5_Timer, Timer7_Timer, ...)
    void PlotTimer_Timer(int le);
    void RestartTimer_Timer(int le);

    // --- display options and the plot-timer gate
    void mnuScroll_Click();
    void mnuFrozen_Click();
    void mnuAutoSaveScreen_Click();
    void Timer56_Timer();

    // --- I/O list panel
    void mnuIOListData_Click();
    // Shows the panel at the window's right edge and widens the window, or
    // hides it and narrows the window; any window may call them.
    void ShowIOList();
    void HideIOList();
    void mnuRFStamptoPC_Click();
    void mnuRFPCtoStamp_Click();
    void Picture22_MouseDown(const plat::MouseArgs& a);
    // The level-line headers LPC, LFC and VIS.
    void Label6_Click();
    void Label13_Click();
    void Label8_Click();

    // Data logger (LoggerWriter.cpp). Timer42: one tick a minute while the
    // logger runs; at the end of the period a pass appends the header block
    // (when due) and a row per active LE-1 to LE-6 to their data files.
    // Timer43: ends the indicator's 400 ms flash after a pass.
    void Timer42_Timer();
    void Timer43_Timer();
    void LoggerPass();
    void mnuCreateDataLogger_Click();
    void mnuOffDataLogger_Click();

private:
    // Fills LE index le's blank rectangle in `colour` and restarts its trace.
    void blankPane(int le, plat::Color colour);
    // The pane the pop-up's commands act on: the one whose press opened it.
    int paneCommandLE() const;
    void wireLogger();
    // The plot timer's state the gate sets for a row; none: left as it is.
    std::optional<bool> gatedPlotTimer(const TraceInstance& row) const;
    // Whether a tick of the gate would change nothing.
    bool gateSettled() const;
    plat::FormSlot<ParamLogicielVB>* settings_ = nullptr;   // the gate's settings window, loaded or not

    Log& L;
    Program& p;
};

// Builds this part of main window `log`; the program's assembly (src/app)
// calls it right after the main window's own part is built.
Owned<LogTraces> makeLogTraces(Log& log, Program& p);

} // namespace orv
