#pragma once
// The main window's run-control handlers: the QTH lamp button, the rest
// countdowns, the power slider and its timers, the LE selection and the
// run-mode pop-up, the start-all and stop-all sequencers. The start and stop
// routines that other windows call (StartLERoutine, StopLERoutine,
// LectParamStampLE, EffacerSel, RestTimer, ValeurPWPh5) stay on Log.

#include "shell/Owned.h"

namespace orv {

class Log;
class Program;

class LogRun {
public:
    // Hooks the handlers below and sets the design state of the power slider
    // and the QTH button.
    LogRun(Log& L, Program& p);
    // The queued parameter reads end with the window that runs them.
    ~LogRun();

    void CommHalOperator_Click();   // QTH lamp button
    // 20 s after start-up (Timer15, armed by start-up when StartHalogen.ini
    // is there): the QTH lamps on again when they were on at the last quit.
    void Timer15_Timer();
    // Tick of the rest timer of LE index `le` (Timer36..41, 53, 69).
    void RestTimer_Timer(int le);
    // Power slider, control state, "Set All LE" colour back.
    void VScroll1_Change();
    void VScroll1_Scroll();
    // "Set All LE", "Single LE", "PWR in" (LogSetPoints.cpp).
    void CopiePWSlider_Click();
    void PWIndividuel_Click();
    void Label17_Click();
    void Timer47_Timer();   // control state: power panel, QTH button, relay clearing
    void Timer55_Timer();   // "Set All LE" colour back
    // LE selection (LogSelection.cpp): opens the run-mode pop-up mnuMListe,
    // whose items the scheduler serves.
    void Label26_MouseDown(int Index, int Button, int Shift, double X, double Y);
    // Start-all (Timer14) and stop-all (Timer16) sequencers, one LE per
    // second; enabling the timer starts them (LogSequencers.cpp).
    void Timer14_Timer();
    void Timer16_Timer();
    // Starts the stop-all sequencer: run control's entry for the alarms and
    // the stop alarm (Log::StopAllEntry).
    void StartStopAll();

private:
    Log& L;
    Program& p;
};

// Builds this part of main window `log`; the program's assembly (src/app)
// calls it right after the main window's own part is built.
Owned<LogRun> makeLogRun(Log& log, Program& p);

} // namespace orv
