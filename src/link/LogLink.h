#pragma once
// The main window's link handlers: the receive routine of the eight ports,
// the transmit routine of the eight LEs, the link indicators and their reset
// timers, the port watchdog, the 500 ms status timer and the small link and
// menu timers, and the link's procedures that other windows call
// (ActivationCOM, ListeIO, RequestParamWrite). The ports themselves are the
// main window's (LogPorts).

#include "shell/Owned.h"

#include <QString>

namespace orv {

class Log;
class Program;

class LogLink {
public:
    // Hooks the receive event of the eight ports, the transmit timers and
    // the link supervision below; starts the status and menu timers.
    LogLink(Log& L, Program& p);

    // Names the 32 I/O positions of the frames for the I/O monitor.
    void ListeIO();
    // Asks for the parameter write to the selected LE (SelectionBank 1), bound
    // to that LE and to the working copy as it stands now.
    void RequestParamWrite();
    // Opens every activated closed port and closes every deactivated open one,
    // from ComPortNumber / ComPortEnabled, then starts the port watchdog.
    void ActivationCOM();

    // Receive event of the port of LE index le (MSComm1_OnComm .. MSComm8_OnComm):
    // takes one 160-character frame, applies it when all its fields are
    // valid, and always arms the LE's reply once the port was read.
    void MSComm_OnComm(int le);
    // Transmit routine of LE index le (Timer21..26, 49, 61): on the first tick
    // after a marked frame it answers it with one command frame, then goes idle.
    void TransmitTimer_Timer(int le);
    // Drops the pending parameter write and tells the user why.
    void DropParamWrite(const QString& reason);

    // Link indicator Label21(le): "yes" on green with each answer, which
    // starts a fresh reset interval; "no" on the button-face colour once the
    // answers stop. The no-communication watchdog reads its colour.
    void LinkIndicatorOn(int le);
    void LinkIndicatorOff(int le);
    void LinkResetTimer_Timer(int le);   // Timer30..35, 50, 66
    // Port watchdog: test pass, re-test, re-test notice, list clear.
    void Timer57_Timer();
    void Timer58_Timer();
    void Timer59_Timer();
    void Timer60_Timer();
    // 500 ms status timer: the selected LE's phase, step, speeds and I/O
    // monitor, the no-communication watchdog, then its temperature.
    void Timer12_Timer();
    // The connection button: rests restart at 90 s, the port configuration
    // window opens.
    void ActiveDesactiveRS232_Click();
    void NoCommunicationStep();
    void VanishedLineStep();
    void IOMonitor();
    void Timer11_Timer();   // "Stop Alarm" countdown
    void Timer46_Timer();   // menus follow the open ports
    // After a change of ComPortOpen: the timers that show the open ports,
    // parked while nothing they show could change, tick again.
    void PortOpenChanged();
    void Timer62_Timer();   // connect button released after start-up

private:
    Log& L;
    Program& p;
};

// Builds this part of main window `log`; the program's assembly (src/app)
// calls it right after the main window's own part is built.
Owned<LogLink> makeLogLink(Log& log, Program& p);

} // namespace orv
