#pragma once
// The alarm windows' part of the main window: the three items that open the
// QTH, SHT and LFC alarm windows, the three alarm switches ("QTH-Lamps",
// "SHT (FADEC and PC)", "LFC") that start and stop the windows' blinking
// line, and "Unselect All". It holds these handlers (the system's names
// kept) and hooks them when the window is built.

#include "shell/Owned.h"

namespace orv {

class Log;
class Program;

class LogAlarms {
public:
    LogAlarms(Log& log, Program& p);

    // The alarm windows are never shown together. The QTH and SHT windows
    // take their saved threshold again, dropping a slider move not saved.
    void mnuHalogen_Click();
    void mnuSHTFenetre_Click();
    void mnuLfcControlAlarm_Click();
    // Each switch keeps its own state byte; a click tests the byte, not the mark.
    void mnuAlarmHalogen_Click();
    void mnuAlarmPlateau_Click();
    void mnuAlarmLFC_Click();
    // Unticks the three switches and the stop alarm.
    void mnuAD_Click();

private:
    void qthAlarmOff();
    void shtAlarmOff();
    void lfcAlarmOff();
    Log& L;
    Program& p;
};

// Builds this part of main window `log`; the program's assembly (src/app)
// calls it right after the main window's own part is built.
Owned<LogAlarms> makeLogAlarms(Log& log, Program& p);

} // namespace orv
