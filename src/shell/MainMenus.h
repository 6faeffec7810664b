#pragma once
// The main window's menus: File and Functions in its bar, and the pop-ups of
// the trace area, of the I/O monitor and of the LE selector labels (run
// modes), which never show in the bar.
// Part of the main window's controls (LogControls); a file that needs only
// these includes this header and reaches them through mainMenus().

#include "platform/Menu.h"

namespace orv {

class Log;
class Program;

struct MainMenus {
    explicit MainMenus(plat::Form& f);

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
};

// The main window's menus; reaching them through the program loads the window.
MainMenus& mainMenus(Program& p);
MainMenus& mainMenus(Log& log);

} // namespace orv
