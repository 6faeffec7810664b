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
    plat::CommandButton PWIndividuel;
    plat::CommandButton CopiePWSlider;
    plat::VScrollBar VScroll1;   // power set-point slider
    plat::VScrollBar VScroll2;   // hidden
    plat::VScrollBar VScroll3;   // hidden
    plat::PictureBox Picture13;  // trace area
    plat::PictureBox Picture15;
    plat::PictureBox Picture22;  // I/O monitor
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

    // --- timers (intervals as designed; each subsystem enables its own)
    plat::FormTimer Timer1;
    plat::FormTimer Timer2;
    plat::FormTimer Timer3;
    plat::FormTimer Timer4;
    plat::FormTimer Timer5;
    plat::FormTimer Timer6;
    plat::FormTimer Timer7;
    plat::FormTimer Timer8;
    plat::FormTimer Timer9;
    plat::FormTimer Timer10;
    plat::FormTimer Timer11;
    plat::FormTimer Timer12;
    plat::FormTimer Timer13;
    plat::FormTimer Timer14;
    plat::FormTimer Timer15;
    plat::FormTimer Timer16;
    plat::FormTimer Timer17;
    plat::FormTimer Timer18;
    plat::FormTimer Timer19;
    plat::FormTimer Timer20;
    plat::FormTimer Timer21;
    plat::FormTimer Timer22;
    plat::FormTimer Timer23;
    plat::FormTimer Timer24;
    plat::FormTimer Timer25;
    plat::FormTimer Timer26;
    plat::FormTimer Timer27;
    plat::FormTimer Timer28;
    plat::FormTimer Timer29;
    plat::FormTimer Timer30;
    plat::FormTimer Timer31;
    plat::FormTimer Timer32;
    plat::FormTimer Timer33;
    plat::FormTimer Timer34;
    plat::FormTimer Timer35;
    plat::FormTimer Timer36;
    plat::FormTimer Timer37;
    plat::FormTimer Timer38;
    plat::FormTimer Timer39;
    plat::FormTimer Timer40;
    plat::FormTimer Timer41;
    plat::FormTimer Timer42;   // data logger writer, one tick a minute while it runs (traces/LoggerWriter.cpp)
    plat::FormTimer Timer43;   // data logger indicator: ends the 400 ms flash after a pass (traces/LoggerWriter.cpp)
    plat::FormTimer Timer44;
    plat::FormTimer Timer45;
    plat::FormTimer Timer46;
    plat::FormTimer Timer47;
    plat::FormTimer Timer48;
    plat::FormTimer Timer49;
    plat::FormTimer Timer50;
    plat::FormTimer Timer51;
    plat::FormTimer Timer52;
    plat::FormTimer Timer53;
    plat::FormTimer Timer54;
    plat::FormTimer Timer55;
    plat::FormTimer Timer56;
    plat::FormTimer Timer57;
    plat::FormTimer Timer58;
    plat::FormTimer Timer59;
    plat::FormTimer Timer60;
    plat::FormTimer Timer61;
    plat::FormTimer Timer62;
    plat::FormTimer Timer63;
    plat::FormTimer Timer64;
    plat::FormTimer Timer65;
    plat::FormTimer Timer66;
    plat::FormTimer Timer67;
    plat::FormTimer Timer68;
    plat::FormTimer Timer69;
    plat::FormTimer Timer70;
    plat::FormTimer Timer71;
};

} // namespace orv
