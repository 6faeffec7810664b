#pragma once
// The trace area's part of the main window (Picture13 and its pop-up).
// It holds the handlers of the main window's controls that this subsystem
// serves (the system's names kept) and hooks them when the window is built.

#include "platform/Control.h"

namespace orv {

class Log;
class Program;

class LogTraces {
public:
    LogTraces(Log& log, Program& p);
    // A press on the trace area selects the pane of its LE (ScreenLE); the
    // left button also opens the area's pop-up menu for that pane.
    void Picture13_MouseDown(const plat::MouseArgs& a);
    void mnuStopLEx_Click();   // "Stop LE" of the pane's pop-up
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
    void wireLogger();
    Log& L;
    Program& p;
};

} // namespace orv
