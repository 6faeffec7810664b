#pragma once
// Run control's part of the main window: start and stop of one LE, the
// parameter read before a start, the rest countdowns, the power set-points,
// the QTH lamp button, the LE selection and the run-mode pop-up, the
// start-all and stop-all sequencers. The scheduler reaches the procedures
// through the window's part: log.run->StartLERoutine(n).

#include "run/RunState.h"
#include "shell/Owned.h"

#include <functional>

namespace plat {
class FormTimer;
}

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

    // n is the LE number 1-8. StartLERoutine(0) only restores the alarm menu
    // captions; StopLERoutine with any n switches the QTH lamps off.
    // StartLERoutine prepares a new run of LE n and then reads and starts it
    // as LectParamStampLE does, waiting or queued alike.
    void StartLERoutine(int n);
    void StartLERoutine(int n, std::function<void(ReadEnd)> then, ReadWish wish = {});
    void StopLERoutine(int n);
    // The parameter read before a start of LE index `le` (0-7): asks the LE
    // for its table, and once the transfer notice that follows its own
    // read-back has closed, lists it, keeps what the run needs and requests
    // the start. Refused, changing nothing, when the LE's port is closed, its
    // marker missing or it is not idle, at the call or when its turn comes.
    // Reads run one at a time, in the order asked: a read waits until the
    // ones before it have ended, and then its gate and each caller's
    // stillWanted are looked at again. A read fails ("LEn  Parameters could
    // not be read ", a start request beside it taken back) when, before its
    // LE has read back, the port closes, the link is or was lost, or
    // ParamReadTimeoutMs pass.
    // A command waits, yielding, for its read's end; a wait cut short by the
    // end of the program or of the main window requests nothing more.
    ReadEnd LectParamStampLE(int le, ReadWish wish = {});
    // The scheduler tick only queues the read and goes on; `then` runs when
    // the read has ended (at once when it is refused now).
    void LectParamStampLE(int le, std::function<void(ReadEnd)> then, ReadWish wish = {});
    // The start request of LE index `le`, shown by its selector label turning green.
    void RequestStart(int le);
    // True while LE index `le` has a read queued or under way.
    bool ParamReadQueued(int le) const;
    // Takes LE index `le`'s read off the queue, waiting or under way: it
    // starts nothing, and its request is not sent if it has not gone out.
    // A stop of the LE and a new run mode for it call this.
    void WithdrawParamRead(int le);
    // A stop-all's part in run control: every read withdrawn, a start
    // sequence under way ended (StopAllCount), every LE marked as stopped by
    // it (StoppedByStopAll).
    void StopAllStarts();
    // The transfer notice has closed: the read under way is completed when
    // its own LE's read-back came before (the notice's entry).
    void ParamNoticeClosed();
    // Ends the read under way when it has failed and puts the next on the
    // line (ParamReadTimer, and every pass of a waiting command).
    void ParamReadsStep();
    // The rest timer of LE index `le` (Timer36..41, 53, 69).
    plat::FormTimer& RestTimer(int le);
    // Power set-points: "Single LE" applies the slider to the selected LE.
    // False when nothing was applied (no LE selected, set-point file that
    // cannot be read or written).
    bool ValeurPWPh5();

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
    // StartLERoutine's first part: alarm captions, report marks, alarm
    // windows loaded, settings reader closed; false when n is no LE.
    bool prepareNewRun(int n);
    // Takes the first read off the queue, lists and starts its LE or records
    // its failure, then runs what its callers asked; false when that ended
    // the window.
    bool endParamRead(ReadEnd end);
    // Takes the read at `index` off the queue as withdrawn; false when what
    // its callers did ended the window.
    bool withdrawParamRead(size_t index);
    // Makes the read request of the first read, with the start request of a
    // caller that sends it beside the read, and starts its time limit.
    void putOnLine(ParamRead& read);

    Log& L;
    Program& p;
};

// Builds this part of main window `log`; the program's assembly (src/app)
// calls it right after the main window's own part is built.
Owned<LogRun> makeLogRun(Log& log, Program& p);

} // namespace orv
