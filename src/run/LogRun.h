#pragma once
// The main window's run-control handlers: the QTH lamp button, the rest
// countdowns, the power slider and its timers, the LE selection and the
// run-mode pop-up, the start-all and stop-all sequencers. The start and stop
// routines that other windows call (StartLERoutine, StopLERoutine,
// LectParamStampLE, EffacerSel, RestTimer, ValeurPWPh5) stay on Log.

namespace orv {

class Log;
class Program;

class LogRun {
public:
    // Hooks the handlers below and sets the design state of the power slider
    // and the QTH button.
    LogRun(Log& L, Program& p);

    void CommHalOperator_Click();   // QTH lamp button
    // Tick of the rest timer of LE index `le` (Timer36..41, 53, 69).
    void RestTimer_Timer(int le);
    // Power slider, control state, "Set All LE" colour back.
    void VScroll1_Change();
    void VScroll1_Scroll();
    void Timer47_Timer();   // control state: power panel, QTH button, relay clearing
    void Timer55_Timer();   // "Set All LE" colour back
    // LE selection and the run-mode pop-up mnuMListe (LogSelection.cpp). The
    // items act on the LE whose label opened the pop-up, else on SelectedLE.
    void Label26_MouseDown(int Index, int Button, int Shift, double X, double Y);
    void MListeNormal_Click();
    void MListeSymetrique_Click();
    void MListeAsymetrique_Click();
    void MListePlanning_Click();
    void MListeStop_Click();
    void MListeStartAllLE_Click();
    void MListeStopAllLE_Click();
    // Start-all (Timer14) and stop-all (Timer16) sequencers, one LE per
    // second; enabling the timer starts them (LogSequencers.cpp).
    void Timer14_Timer();
    void Timer16_Timer();

private:
    Log& L;
    Program& p;
};

} // namespace orv
