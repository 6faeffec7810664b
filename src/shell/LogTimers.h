#pragma once
// The main window's timers.
// Part of the main window's controls (LogControls); a file that needs only
// these includes this header and reaches them through logTimers().

#include "platform/Form.h"

namespace orv {

class Log;
class Program;

struct LogTimers {
    explicit LogTimers(plat::Form& f);

    // --- timers: each one's role and the subsystem that serves it (the
    // table in src/shell/README.md gives the file)
    plat::FormTimer Timer1;   // shell: start-up, 100 ms after load, once
    plat::FormTimer Timer2;   // shell: login panel armed 200 ms after load
    plat::FormTimer Timer3;   // shell: one-second status refresh
    plat::FormTimer Timer4;   // traces: trace plot of LE-1, 500 ms
    plat::FormTimer Timer5;   // traces: trace restart of LE-1, 30 ms one-shot
    plat::FormTimer Timer6;   // traces: trace plot of LE-2, 500 ms
    plat::FormTimer Timer7;   // traces: trace restart of LE-2, 30 ms one-shot
    plat::FormTimer Timer8;   // shell: LFC-2 labels
    plat::FormTimer Timer9;   // shell: 60 s; nothing switches it on, its tick only switches it off
    plat::FormTimer Timer10;   // traces: trace plot of LE-3, 500 ms
    plat::FormTimer Timer11;   // link: "Stop Alarm" countdown
    plat::FormTimer Timer12;   // link: 500 ms: the selected LE's status, the I/O monitor, the no-communication watchdog
    plat::FormTimer Timer13;   // shell: login curtain
    plat::FormTimer Timer14;   // run: start-all sequencer, one LE per second
    plat::FormTimer Timer15;   // run: QTH automatic start, 20 s after start-up
    plat::FormTimer Timer16;   // run: stop-all sequencer, one LE per second
    plat::FormTimer Timer17;   // traces: trace restart of LE-3, 30 ms one-shot
    plat::FormTimer Timer18;   // traces: trace plot of LE-4, 500 ms
    plat::FormTimer Timer19;   // traces: trace restart of LE-4, 30 ms one-shot
    plat::FormTimer Timer20;   // traces: trace plot of LE-5, 500 ms
    plat::FormTimer Timer21;   // link: reply to LE-1, 30 ms
    plat::FormTimer Timer22;   // link: reply to LE-2, 30 ms
    plat::FormTimer Timer23;   // link: reply to LE-3, 30 ms
    plat::FormTimer Timer24;   // link: reply to LE-4, 30 ms
    plat::FormTimer Timer25;   // link: reply to LE-5, 30 ms
    plat::FormTimer Timer26;   // link: reply to LE-6, 30 ms
    plat::FormTimer Timer27;   // traces: trace restart of LE-5, 30 ms one-shot
    plat::FormTimer Timer28;   // traces: trace plot of LE-6, 500 ms
    plat::FormTimer Timer29;   // traces: trace restart of LE-6, 30 ms one-shot
    plat::FormTimer Timer30;   // link: link indicator reset of LE-1
    plat::FormTimer Timer31;   // link: link indicator reset of LE-2
    plat::FormTimer Timer32;   // link: link indicator reset of LE-3
    plat::FormTimer Timer33;   // link: link indicator reset of LE-4
    plat::FormTimer Timer34;   // link: link indicator reset of LE-5
    plat::FormTimer Timer35;   // link: link indicator reset of LE-6
    plat::FormTimer Timer36;   // run: rest countdown of LE-1, 1 s
    plat::FormTimer Timer37;   // run: rest countdown of LE-2, 1 s
    plat::FormTimer Timer38;   // run: rest countdown of LE-3, 1 s
    plat::FormTimer Timer39;   // run: rest countdown of LE-4, 1 s
    plat::FormTimer Timer40;   // run: rest countdown of LE-5, 1 s
    plat::FormTimer Timer41;   // run: rest countdown of LE-6, 1 s
    plat::FormTimer Timer42;   // traces: data logger pass
    plat::FormTimer Timer43;   // traces: end of the logger indicator's flash, 400 ms one-shot
    plat::FormTimer Timer44;   // parameters: transfer notice shown, 200 ms after a transfer
    plat::FormTimer Timer45;   // parameters: transfer notice closed 2 s later; sets TransfertDone
    plat::FormTimer Timer46;   // link: menus follow the open ports
    plat::FormTimer Timer47;   // run: control state: power panel, QTH button, relay clearing
    plat::FormTimer Timer48;   // shell: end of "Reset Magdrive", 1 s
    plat::FormTimer Timer49;   // link: reply to LE-7, 30 ms
    plat::FormTimer Timer50;   // link: link indicator reset of LE-7
    plat::FormTimer Timer51;   // traces: trace plot of LE-7, 500 ms
    plat::FormTimer Timer52;   // traces: trace restart of LE-7, 30 ms one-shot
    plat::FormTimer Timer53;   // run: rest countdown of LE-7, 1 s
    plat::FormTimer Timer54;   // shell: stop alarm
    plat::FormTimer Timer55;   // run: "Set All LE" colour back
    plat::FormTimer Timer56;   // traces: plot-timer gate, 100 ms
    plat::FormTimer Timer57;   // link: port watchdog: test pass
    plat::FormTimer Timer58;   // link: port watchdog: re-test
    plat::FormTimer Timer59;   // link: port watchdog: re-test notice
    plat::FormTimer Timer60;   // link: port watchdog: list clear
    plat::FormTimer Timer61;   // link: reply to LE-8, 30 ms
    plat::FormTimer Timer62;   // link: connect button enabled 3 s after start-up
    plat::FormTimer Timer63;   // shell: end of "Freeze", 30 s
    plat::FormTimer Timer64;   // shell: orange LE labels back, 1 s after a selection
    plat::FormTimer Timer65;   // shell: 7 s after start-up; sets a per-LE flag table nothing reads
    plat::FormTimer Timer66;   // link: link indicator reset of LE-8
    plat::FormTimer Timer67;   // traces: trace plot of LE-8, 500 ms
    plat::FormTimer Timer68;   // traces: trace restart of LE-8, 30 ms one-shot
    plat::FormTimer Timer69;   // run: rest countdown of LE-8, 1 s
    plat::FormTimer Timer70;   // traces: deferred pane blank, 200 ms one-shot
    plat::FormTimer Timer71;   // traces: deferred blank of the whole area (ScreenAll), 300 ms one-shot
    // run: ends the parameter reads before a start that no caller waits on
    // (the scheduler's starts); on only while a read is pending, interval
    // set by run control (ParamReadPollMs).
    plat::FormTimer ParamReadTimer;
};

// The main window's timers; reaching them through the program loads the window.
LogTimers& logTimers(Program& p);
LogTimers& logTimers(Log& log);

} // namespace orv
