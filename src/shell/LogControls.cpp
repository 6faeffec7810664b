#include "shell/LogControls.h"

namespace orv {

MainMenus::MainMenus(plat::Form& f)
    : mnuFile(f, "mnuFile", "File"),
      mnuStartMode(mnuFile, "mnuStartMode", "Start in Mode (Password)"),
      mnuStartMode2(mnuFile, "mnuStartMode2", "Start in Mode 2"),
      mnuQuit(mnuFile, "mnuQuit", "Quit"),
      mnuFunctions(f, "mnuFunctions", "Functions"),
      mnuParameterVB(mnuFunctions, "mnuParameterVB", "Software Settings"),
      mnuligne9(mnuFunctions, "mnuligne9", "-"),
      mnuAlarm(mnuFunctions, "mnuAlarm", "Alarms"),
      mnuAlarmHalogen(mnuAlarm, "mnuAlarmHalogen", "QTH-Lamps"),
      mnuAlarmPlateau(mnuAlarm, "mnuAlarmPlateau", "SHT (FADEC and PC)"),
      mnuAlarmLFC(mnuAlarm, "mnuAlarmLFC", "LFC"),
      mnuStopAlarm(mnuAlarm, "mnuStopAlarm", "Stop Alarm"),
      mnulg27(mnuAlarm, "mnulg27", "-"),
      mnuAD(mnuAlarm, "mnuAD", "Unselect All"),
      mnuligne10(mnuFunctions, "mnuligne10", "-"),
      mnuParameters(mnuFunctions, "mnuParameters", "FADEC Parameters"),
      mnuVdesParam(mnuFunctions, "mnuVdesParam", "Read LE Settings"),
      mnuTestMateriel(mnuFunctions, "mnuTestMateriel", "Hardward Tests"),
      mnuCoeff(mnuFunctions, "mnuCoeff", "LE Data"),
      mnuArdwUptime(mnuFunctions, "mnuArdwUptime", "Hardware Uptime"),
      mnuEspion(mnuFunctions, "mnuEspion", "Debugger Stamp"),
      mnuligne23(mnuFunctions, "mnuligne23", "-"),
      mnuRegulateActive(mnuFunctions, "mnuRegulateActive", "Freeze"),
      MnuResetMagDrive(mnuFunctions, "MnuResetMagDrive", "Reset Magdrive"),
      mnuligne22(mnuFunctions, "mnuligne22", "-"),
      mnuIOListData(mnuFunctions, "mnuIOListData", "Read FADEC I/O"),
      mnuLg5(mnuFunctions, "mnuLg5", "-"),
      mnuCreateDataLogger(mnuFunctions, "mnuCreateDataLogger", "Create Datalogger"),
      mnuOffDataLogger(mnuFunctions, "mnuOffDataLogger", "OFF Datalogger"),
      mnuLg6(mnuFunctions, "mnuLg6", "-"),
      mnuCodeError(mnuFunctions, "mnuCodeError", "FADEC Error Codes"),
      mnuhisto(mnuFunctions, "mnuhisto", "Activity Logging"),
      mnuLg8(mnuFunctions, "mnuLg8", "-"),
      mnuHalogen(mnuFunctions, "mnuHalogen", "QTH Alarm Control"),
      mnuSHTFenetre(mnuFunctions, "mnuSHTFenetre", "SHT Alarm Control (PC)"),
      mnuLfcControlAlarm(mnuFunctions, "mnuLfcControlAlarm", "LFC Alarm Control "),
      mnuFonctions(f, "mnuFonctions", "Functions"),
      mnuScroll(mnuFonctions, "mnuScroll", "Scroll"),
      mnuAutoSaveScreen(mnuFonctions, "mnuAutoSaveScreen", "Auto-Save (Out of screen)"),
      mnuFrozen(mnuFonctions, "mnuFrozen", "Frozen (Figer)"),
      mnuFonctionsSep1(mnuFonctions, "mnuFonctionsSep1", "-"),
      mnuClearScreen(mnuFonctions, "mnuClearScreen", "Clear Screen"),
      mnuClearScreenAll(mnuFonctions, "mnuClearScreenAll", "Clear Screen All"),
      mnuFonctionsSep2(mnuFonctions, "mnuFonctionsSep2", "-"),
      mnuMultiEcran(mnuFonctions, "mnuMultiEcran", "Multi-Screen  (LE-1 to 8)"),
      mnuMonoEcran(mnuFonctions, "mnuMonoEcran", "Single Screen (LE-1 Only)"),
      mnuFonctionsSep3(mnuFonctions, "mnuFonctionsSep3", "-"),
      mnuStopLEx(mnuFonctions, "mnuStopLEx", "Stop LE"),
      mnuLg7(mnuFonctions, "mnuLg7", "-"),
      mnuEraseListe4(mnuFonctions, "mnuEraseListe4", "Erase (List error)"),
      mnuCancel(mnuFonctions, "mnuCancel", "Cancel"),
      mnuFuncPict22(f, "mnuFuncPict22", "Read Fadec IO"),
      mnuRFStamptoPC(mnuFuncPict22, "mnuRFStamptoPC", "Read Fadec IO - Stamp to PC"),
      mnuRFPCtoStamp(mnuFuncPict22, "mnuRFPCtoStamp", "Read Fadec IO - PC to Stamp"),
      mnuMListe(f, "mnuMListe", "MListe"),
      MListeNormal(mnuMListe, "MListeNormal", "normal"),
      MListeSymetrique(mnuMListe, "MListeSymetrique", "symmetric"),
      MListeAsymetrique(mnuMListe, "MListeAsymetrique", "asymmetric"),
      MListePlanning(mnuMListe, "MListePlanning", "planing"),
      MListeStop(mnuMListe, "MListeStop", "Stop"),
      MListeStartAllLE(mnuMListe, "MListeStartAllLE", "Start All LE"),
      MListeStopAllLE(mnuMListe, "MListeStopAllLE", "Stop All LE")
{
}

LoginPanel::LoginPanel(plat::Form& f)
    : Picture12(f, "Picture12"),
      Picture14(Picture12, "Picture14"),
      Label2(Picture12, "Label2"),
      Label29(Picture12, "Label29"),
      Label30(Picture12, "Label30"),
      Text1(Picture12, "Text1"),
      QuitteProg(Picture12, "QuitteProg"),
      OkStart(Picture12, "OkStart")
{
}

MainPanels::MainPanels(plat::Form& f)
    : ActiveDesactiveRS232(f, "ActiveDesactiveRS232"),
      CommHalOperator(f, "CommHalOperator"),
      Picture22(f, "Picture22"),
      PWIndividuel(f, "PWIndividuel"),
      CopiePWSlider(f, "CopiePWSlider"),
      VScroll1(f, "VScroll1"),
      VScroll2(f, "VScroll2"),
      VScroll3(f, "VScroll3"),
      Picture13(f, "Picture13"),
      Picture15(f, "Picture15"),
      Picture1(f, "Picture1"),
      Picture2(f, "Picture2"),
      Picture7(f, "Picture7"),
      Picture8(f, "Picture8"),
      Picture9(f, "Picture9"),
      Picture6(f, "Picture6"),
      Picture3(f, "Picture3"),
      List3(f, "List3"),
      Picture10(f, "Picture10"),
      Picture11(f, "Picture11"),
      List4(f, "List4")
{
}

LeStrips::LeStrips(plat::Form& f)
    : Picture4(f, "Picture4"),
      Picture5(f, "Picture5"),
      Label11(f, "Label11"),
      Label15(f, "Label15"),
      Label21(f, "Label21"),
      Label24(f, "Label24"),
      Label26(f, "Label26"),
      Label28(f, "Label28"),
      Label31(f, "Label31"),
      Label32(f, "Label32"),
      Label33(f, "Label33"),
      Label34(f, "Label34"),
      Label35(f, "Label35"),
      Label37(f, "Label37"),
      Label39(f, "Label39"),
      Label40(f, "Label40"),
      Label41(f, "Label41"),
      Label42(f, "Label42"),
      Label44(f, "Label44")
{
}

WindowLabels::WindowLabels(plat::Form& f, MainPanels& panels)
    : Label1(f, "Label1"),
      Label3(f, "Label3"),
      Label5(f, "Label5"),
      Label6(f, "Label6"),
      Label7(f, "Label7"),
      Label8(f, "Label8"),
      Label9(f, "Label9"),
      Label10(f, "Label10"),
      Label12(f, "Label12"),
      Label13(f, "Label13"),
      Label17(f, "Label17"),
      Label19(f, "Label19"),
      Label20(f, "Label20"),
      Label22(f, "Label22"),
      Label23(f, "Label23"),
      Label25(f, "Label25"),
      Label36(f, "Label36"),
      Label38(f, "Label38"),
      Label43(f, "Label43"),
      Label46(f, "Label46"),
      Label47(f, "Label47"),
      Label48(f, "Label48"),
      Label49(f, "Label49"),
      Label50(f, "Label50"),
      Label55(panels.Picture3, "Label55"),   // inside the logger indicator
      Label66(f, "Label66"),
      Label68(f, "Label68"),
      Label70(f, "Label70"),
      Label71(f, "Label71"),
      Label72(panels.Picture6.add(0), "Label72"),   // inside selector box 0
      Label73(f, "Label73"),
      Label74(f, "Label74"),
      Label75(panels.Picture6.add(1), "Label75"),   // inside selector box 1
      Label76(f, "Label76"),
      Label79(f, "Label79"),
      Line4(f, "Line4"),
      Line11(f, "Line11"),
      Line21(f, "Line21"),
      Line22(f, "Line22"),
      Line23(f, "Line23"),
      Line24(f, "Line24"),
      Line25(f, "Line25"),
      Line26(f, "Line26"),
      Line27(f, "Line27"),
      Line28(f, "Line28"),
      Line29(f, "Line29"),
      Line1(f, "Line1"),
      Line2(f, "Line2"),
      Line3(f, "Line3"),
      Line6(f, "Line6"),
      Line7(f, "Line7"),
      Line8(f, "Line8"),
      Line9(f, "Line9"),
      Line15(f, "Line15"),
      Line17(f, "Line17")
{
}

LogTimers::LogTimers(plat::Form& f)
    : Timer1(f, "Timer1", 100),
      Timer2(f, "Timer2", 200),
      Timer3(f, "Timer3", 10),
      Timer4(f, "Timer4", 500),
      Timer5(f, "Timer5", 30),
      Timer6(f, "Timer6", 500),
      Timer7(f, "Timer7", 30),
      Timer8(f, "Timer8", 1000),
      Timer9(f, "Timer9", 60000),
      Timer10(f, "Timer10", 500),
      Timer11(f, "Timer11", 1000),
      Timer12(f, "Timer12", 500),
      Timer13(f, "Timer13", 30),
      Timer14(f, "Timer14", 1000),
      Timer15(f, "Timer15", 20000),
      Timer16(f, "Timer16", 1000),
      Timer17(f, "Timer17", 30),
      Timer18(f, "Timer18", 500),
      Timer19(f, "Timer19", 30),
      Timer20(f, "Timer20", 500),
      Timer21(f, "Timer21", 30),
      Timer22(f, "Timer22", 30),
      Timer23(f, "Timer23", 30),
      Timer24(f, "Timer24", 30),
      Timer25(f, "Timer25", 30),
      Timer26(f, "Timer26", 30),
      Timer27(f, "Timer27", 30),
      Timer28(f, "Timer28", 500),
      Timer29(f, "Timer29", 30),
      Timer30(f, "Timer30", 980),
      Timer31(f, "Timer31", 980),
      Timer32(f, "Timer32", 970),
      Timer33(f, "Timer33", 970),
      Timer34(f, "Timer34", 970),
      Timer35(f, "Timer35", 970),
      Timer36(f, "Timer36", 1000),
      Timer37(f, "Timer37", 1000),
      Timer38(f, "Timer38", 1000),
      Timer39(f, "Timer39", 1000),
      Timer40(f, "Timer40", 1000),
      Timer41(f, "Timer41", 1000),
      Timer42(f, "Timer42", 60000),
      Timer43(f, "Timer43", 0),
      Timer44(f, "Timer44", 200),
      Timer45(f, "Timer45", 2000),
      Timer46(f, "Timer46", 50),
      Timer47(f, "Timer47", 300),
      Timer48(f, "Timer48", 1000),
      Timer49(f, "Timer49", 30),
      Timer50(f, "Timer50", 970),
      Timer51(f, "Timer51", 500),
      Timer52(f, "Timer52", 30),
      Timer53(f, "Timer53", 1000),
      Timer54(f, "Timer54", 1000),
      Timer55(f, "Timer55", 1500),
      Timer56(f, "Timer56", 100),
      Timer57(f, "Timer57", 2000),
      Timer58(f, "Timer58", 1000),
      Timer59(f, "Timer59", 2500),
      Timer60(f, "Timer60", 5000),
      Timer61(f, "Timer61", 30),
      Timer62(f, "Timer62", 3000),
      Timer63(f, "Timer63", 30000),
      Timer64(f, "Timer64", 2000),
      Timer65(f, "Timer65", 7000),
      Timer66(f, "Timer66", 970),
      Timer67(f, "Timer67", 500),
      Timer68(f, "Timer68", 30),
      Timer69(f, "Timer69", 1000),
      Timer70(f, "Timer70", 200),
      Timer71(f, "Timer71", 300),
      ParamReadTimer(f, "ParamReadTimer", 0)
{
}

// The bases are built in the order of the window's design: it gives the
// controls their stacking (and keyboard) order. What the design adds to the
// control arrays comes after every control.
LogControls::LogControls(plat::Form& f)
    : MainMenus(f), LoginPanel(f), MainPanels(f), LeStrips(f), WindowLabels(f, *this), LogTimers(f)
{
    Label2.add(1, &Picture12);
    Label29.add(6, &Picture12);
    Label30.add(6, &Picture12);
    Picture2.add(2);
    for (int i = 0; i < 10; ++i) Label79.add(i);
    Line1.add(2);
    Line2.add(0);
    Line3.add(0);
    Line6.add(0);
    Line7.add(0);
    Line8.add(0);
    Line9.add(0);
    Line15.add(0);
    Line17.add(0);
    // One strip per LE, holding that LE's labels.
    for (int i = 0; i < 8; ++i) {
        Picture4.add(i);
        Picture5.add(i).move(120, 1200 + 240 * i, 9780, 240);
        Label11.add(i, &Picture5[i]);
        Label15.add(i, &Picture5[i]);
        Label21.add(i, &Picture5[i]);
        Label24.add(i, &Picture5[i]);
        Label28.add(i, &Picture5[i]);
        Label31.add(i, &Picture5[i]);
        Label32.add(i, &Picture5[i]);
        Label33.add(i, &Picture5[i]);
        Label34.add(i, &Picture5[i]);
        Label35.add(i, &Picture5[i]);
        Label37.add(i, &Picture5[i]);
        Label39.add(i, &Picture5[i]);
        Label40.add(i, &Picture5[i]);
        Label41.add(i, &Picture5[i]);
        Label42.add(i, &Picture5[i]);
        Label44.add(i, &Picture5[i]);
        Label26.add(i, &Picture5[i]);
    }
    mnuFonctions.setVisible(false);
    mnuFuncPict22.setVisible(false);
    mnuMListe.setVisible(false);
}

} // namespace orv
