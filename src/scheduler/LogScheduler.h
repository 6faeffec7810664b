#pragma once
// The scheduler's part of the main window.
// It holds the handlers of the main window's controls that this subsystem
// serves (the system's names kept) and hooks them when the window is built.

#include "platform/Control.h"
#include "shell/Owned.h"

namespace orv {

class Log;
class Program;

class LogScheduler {
public:
    // Hooks the run-mode pop-up's items and registers the start-selection
    // window's mode text for the lower subsystems (Log::ModeShown).
    LogScheduler(Log& log, Program& p);

    // The run-mode pop-up mnuMListe (RunModeMenu.cpp). The items act on the
    // LE whose label opened the pop-up, else on SelectedLE.
    void MListeNormal_Click();
    void MListeSymetrique_Click();
    void MListeAsymetrique_Click();
    void MListePlanning_Click();
    void MListeStop_Click();
    void MListeStartAllLE_Click();
    void MListeStopAllLE_Click();
    // Clears the highlight of the start-selection window's name and mode
    // labels of every LE ("Stop All LE").
    void EffacerSel();
    // The LFC-2 / LFC-3 value labels of an LE with an LFC-2 sensor open the
    // reference and trigger-level windows at that LE (LfcLabels.cpp).
    void Label37_MouseDown(int Index, int Button, int Shift, double X, double Y);
    void Label42_MouseDown(int Index, int Button, int Shift, double X, double Y);

private:
    Log& L;
    Program& p;
};

// Builds this part of main window `log`; the program's assembly (src/app)
// calls it right after the main window's own part is built.
Owned<LogScheduler> makeLogScheduler(Log& log, Program& p);

} // namespace orv
