#pragma once
// The parameter windows' part of the main window: the transfer notice's
// timers and the Functions menu items that open the parameter windows
// ("FADEC Parameters", "Read LE Settings", "LE Data", "Hardware Uptime",
// "Hardward Tests", "Debugger Stamp").
// It holds the handlers of the main window's controls that this subsystem
// serves (the system's names kept) and hooks them when the window is built.

#include "platform/Control.h"
#include "shell/Owned.h"

namespace orv {

class Log;
class Program;

class LogParameters {
public:
    LogParameters(Log& log, Program& p);
    // Titles of the 32 parameter entries into FadecParameters.Label61(0..31);
    // the defaults into the working copy ParamPC.
    void TitreListeParam();
    void TableParamDefaut();
    // Transfer notice: Timer44 shows OKTransfert (modal), Timer45 closes it
    // 2 s later and sets TransfertDone.
    void Timer44_Timer();
    void Timer45_Timer();
    // "Hardward Tests": shows the hardware-test window, modeless, only while
    // the selected LE is idle (phase 0); otherwise says so and shows nothing.
    void mnuTestMateriel_Click();
    // "Debugger Stamp": shows the start-up debugger, modeless.
    void mnuEspion_Click();
    // Functions menu.
    void mnuParameters_Click();
    void mnuVdesParam_Click();
    void mnuCoeff_Click();
    void mnuArdwUptime_Click();
    // The speed label Label9: asks for the motor M speed of the selected LE
    // through the value input.
    void Label9_Click();

private:
    Log& L;
    Program& p;
};

// Builds this part of main window `log`; the program's assembly (src/app)
// calls it right after the main window's own part is built.
Owned<LogParameters> makeLogParameters(Log& log, Program& p);

} // namespace orv
