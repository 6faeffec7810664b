#pragma once
// The controls of the main window, in declaration order (earlier declared
// windowed controls lie in front). Positions are twips. Each subsystem sets
// the captions, positions and handlers of the controls it serves.

#include "platform/Controls.h"
#include "platform/Form.h"
#include "platform/ListBox.h"
#include "platform/Menu.h"
#include "platform/PictureBox.h"
#include "platform/ScrollBar.h"

namespace orv {

struct LogControls {
    explicit LogControls(plat::Form& f);

    // --- menus: File, Functions (with Alarms), and the pop-ups
    plat::Menu mnuFile;
    plat::Menu mnuStartMode;
    plat::Menu mnuStartMode2;
    plat::Menu mnuQuit;

    plat::Menu mnuFunctions;
    plat::Menu mnuParameterVB, mnuligne9, mnuAlarm;
    plat::Menu mnuAlarmHalogen, mnuAlarmPlateau, mnuAlarmLFC, mnuStopAlarm, mnulg27, mnuAD;
    plat::Menu mnuligne10, mnuParameters, mnuVdesParam, mnuTestMateriel, mnuCoeff, mnuArdwUptime, mnuEspion;
    plat::Menu mnuligne23, mnuRegulateActive, MnuResetMagDrive, mnuligne22, mnuIOListData, mnuLg5;
    plat::Menu mnuCreateDataLogger, mnuOffDataLogger, mnuLg6, mnuCodeError, mnuhisto, mnuLg8;
    plat::Menu mnuHalogen, mnuSHTFenetre, mnuLfcControlAlarm;

    // Pop-up of the trace area (never in the bar).
    plat::Menu mnuFonctions;
    plat::Menu mnuScroll, mnuAutoSaveScreen, mnuFrozen, mnuFonctionsSep1, mnuClearScreen, mnuClearScreenAll;
    plat::Menu mnuFonctionsSep2, mnuMultiEcran, mnuMonoEcran, mnuFonctionsSep3, mnuStopLEx, mnuLg7;
    plat::Menu mnuEraseListe4, mnuCancel;

    // Pop-up of the I/O monitor.
    plat::Menu mnuFuncPict22;
    plat::Menu mnuRFStamptoPC, mnuRFPCtoStamp;

    // Run-mode pop-up of the LE selector labels.
    plat::Menu mnuMListe;
    plat::Menu MListeNormal, MListeSymetrique, MListeAsymetrique, MListePlanning, MListeStop, MListeStartAllLE,
        MListeStopAllLE;

    // --- login panel and curtain (in front of everything while shown)
    plat::PictureBox Picture12;   // login panel
    plat::PictureBox Picture14;   // unlabelled click area of the panel
    plat::ControlArray<plat::Label> Label2;
    plat::ControlArray<plat::Label> Label29;   // element 6: the banner
    plat::ControlArray<plat::Label> Label30;   // element 6: "Password :"
    plat::TextBox Text1;
    plat::CommandButton QuitteProg;
    plat::CommandButton OkStart;

    // --- command strip and windowed controls in front of the curtain
    plat::CommandButton ActiveDesactiveRS232;
    plat::CommandButton CommHalOperator;
    // The I/O monitor, when shown, lies over the power panel's slider and
    // buttons: it comes before them so it is in front.
    plat::PictureBox Picture22;  // I/O monitor
    plat::CommandButton PWIndividuel;
    plat::CommandButton CopiePWSlider;
    plat::VScrollBar VScroll1;   // power set-point slider
    plat::VScrollBar VScroll2;   // hidden
    plat::VScrollBar VScroll3;   // hidden
    plat::PictureBox Picture13;  // trace area
    plat::PictureBox Picture15;
    plat::PictureBox Picture1;   // temperature bar
    plat::ControlArray<plat::PictureBox> Picture2;   // gauge zone (element 2)
    plat::PictureBox Picture7, Picture8, Picture9;   // gauge zones
    plat::ControlArray<plat::PictureBox> Picture6;   // MAT/SHT selector boxes
    plat::ControlArray<plat::PictureBox> Picture4;   // rest pictures, per LE
    plat::PictureBox Picture3;   // hidden
    plat::ListBox List3;

    // --- the curtain, then what it covers
    plat::PictureBox Picture10;
    plat::PictureBox Picture11;   // temperature icon
    plat::ListBox List4;          // event list
    plat::ControlArray<plat::PictureBox> Picture5;   // LE strips

    // --- per-LE labels of the strips (element = LE index)
    plat::ControlArray<plat::Label> Label11;
    plat::ControlArray<plat::Label> Label15;
    plat::ControlArray<plat::Label> Label21;
    plat::ControlArray<plat::Label> Label24;
    plat::ControlArray<plat::Label> Label26;
    plat::ControlArray<plat::Label> Label28;
    plat::ControlArray<plat::Label> Label31;
    plat::ControlArray<plat::Label> Label32;
    plat::ControlArray<plat::Label> Label33;
    plat::ControlArray<plat::Label> Label34;
    plat::ControlArray<plat::Label> Label35;
    plat::ControlArray<plat::Label> Label37;
    plat::ControlArray<plat::Label> Label39;
    plat::ControlArray<plat::Label> Label40;
    plat::ControlArray<plat::Label> Label41;
    plat::ControlArray<plat::Label> Label42;
    plat::ControlArray<plat::Label> Label44;

    // --- labels drawn on the window
    plat::Label Label1, Label3, Label5, Label6, Label7, Label8, Label9, Label10, Label12, Label13, Label17, Label19, Label20, Label22, Label23, Label25, Label36, Label38, Label43, Label46, Label47, Label48, Label49, Label50, Label55, Label66, Label68, Label70, Label71, Label72, Label73, Label74, Label75, Label76;
    plat::ControlArray<plat::Label> Label79;   // temperature scale, 0 lowest

    // --- lines of the gauges
    plat::Line Line4, Line11, Line21, Line22, Line23, Line24, Line25, Line26, Line27, Line28, Line29;
    plat::ControlArray<plat::Line> Line1;
    plat::ControlArray<plat::Line> Line2;
    plat::ControlArray<plat::Line> Line3;
    plat::ControlArray<plat::Line> Line6;
    plat::ControlArray<plat::Line> Line7;
    plat::ControlArray<plat::Line> Line8;
    plat::ControlArray<plat::Line> Line9;
    plat::ControlArray<plat::Line> Line15;
    plat::ControlArray<plat::Line> Line17;

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
    plat::FormTimer Timer15;   // shell: QTH automatic start, 20 s after start-up
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

} // namespace orv
