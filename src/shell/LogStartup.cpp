// Start-up: the main window's one-shot Timer1, 100 ms after load, runs the
// whole sequence straight through and disables itself. No port is opened.
// The list keeps the order; each subsystem's steps are its own
// (src/<subsystem>/<Name>Startup.h), registered in `startup` by its part of
// the main window (shell/StartupEntries.h).

#include "platform/Color.h"
#include "shell/LinkRequest.h"
#include "shell/Log.h"
#include "shell/ParamLogicielVB.h"
#include "shell/Program.h"
#include "shell/ScheduleFlags.h"
#include "shell/StartupFiles.h"
#include "shell/StartupTexts.h"
#include "shell/State.h"
#include "shell/TextTables.h"

#include <exception>

namespace orv {

namespace {

// Runs one step; a step that fails is skipped and start-up goes on, so it
// always reaches its end. A subsystem's step that was never registered is an
// empty function, whose call throws: it is skipped the same way.
template <class F>
void step(F&& f)
{
    try {
        f();
    } catch (const std::exception&) {
    }
}

} // namespace

void Log::Timer1_Timer()
{
    Program& p = p_;
    State& s = p.s;

    step([&] { setCaption(mainWindowTitle()); });                              // 1
    step([&] { move(left(), top(), MainWindowWidth, MainWindowHeight); });     // 2
    step([&] { s.common->StartMode = 1; });                                    // 3
    step([&] { locateBaseFolder(p); });                                        // 4
    step([&] {                                                                 // 5
        makeDataFolder(p, QStringLiteral("Img"));
        makeDataFolder(p, QStringLiteral("Images_Traces"));
    });
    step([&] { startupSoftwareSettings(p); });                                 // 6
    step([&] { makeDataFolder(p, QStringLiteral("Datalogger")); });            // 7
    step(startup.TitreListeParam);                                             // 8
    step([&] { s.common->SelectedLE = 1; });                                   // 9
    step([&] {                                                                 // 10
        for (int i = 0; i < 8; ++i) s.request->EnableCooling[i] = 0;
    });
    step([&] { ColorTempSelect(); });                                          // 11
    step(startup.ClearSelectedLE);                                             // 12
    step(startup.GrilleScreen);                                                // 13
    step([&] {                                                                 // 14
        mnuScroll.setChecked(true);
        mnuFunctions.setVisible(true);
    });
    step([&] {                                                                 // 15
        s.common->TempoStopAlarm = 20;
        step(startup.AlarmChoices);
        step(startup.IoListHidden);
    });
    step(startup.SelectionHeight);                                             // 16: loads it
    step([&] { for (int i = 0; i < 8; ++i) s.schedule->Compteurs[i] = 0; });   // 17
    step([&] { List4.clear(); });                                              // 18
    step([&] { fillErrComXTexts(s); });                                        // 19
    step(startup.SetPointsFirst);                                              // 20
    step(startup.WindowPosition);                                              // 21
    step([&] { fillFadecErrorCodes(s); });                                     // 22
    step(startup.TodayImages);                                                 // 23
    step(startup.Lfc2Reference);                                               // 24
    step(startup.Lfc3Trigger);                                                 // 25
    step(startup.QthState);                                                    // 26
    step(startup.PortFile);                                                    // 27
    step(startup.ListeIO);                                                     // 28
    step(startup.QthThreshold);                                                // 29
    step(startup.LfcAlarm);                                                    // 30
    step(startup.LoggerNs);                                                    // 31
    step(startup.LoggerTypeFile);                                              // 32
    // 33: from here on every failing operation is skipped, as above.
    step([&] { startupViewFile(p); });                                         // 34
    step(startup.Coefficients);                                                // 35
    step(startup.QthStart);                                                    // 36
    step([&] { startupHistory(p); });                                          // 37
    step(startup.ParamCopy);                                                   // 38
    step([&] { startupPasswordFile(p); });                                     // 39
    step(startup.ShtThreshold);                                                // 40
    step(startup.ShtState);                                                    // 41
    step([&] { ActivDesacLgGraphique(); });                                    // 42
    step([&] {                                                                 // 43
        if (!p.form<ParamLogicielVB>()->StartModeLogin()) return;
        // Locked until the start-mode login lays the window out again.
        for (plat::Menu* m : {&mnuParameterVB, &mnuParameters, &mnuCodeError, &mnuHalogen, &mnuTestMateriel,
                              &mnuVdesParam, &mnuCoeff, &mnuCreateDataLogger, &mnuhisto})
            m->setEnabled(false);
        Picture6[0].setVisible(false);
        Picture6[1].setVisible(false);
        CopiePWSlider.setVisible(false);
    });
    step(startup.ScrollOff);                                                   // 44
    step([&] {                                                                 // 45
        if (s.common->StartMode != 0)
            for (int i = 0; i < 10; ++i) Label79[i].setBackColor(plat::rgb(192, 192, 255));
    });
    step([&] {                                                                 // 46
        Label66.setCaption(QString(15, QLatin1Char(' ')));
        s.common->SelectedLE = 1;
    });
    step(startup.SetPointsSecond);                                             // 47
    step(startup.ParamBounds);                                                 // 48
    step([&] { Picture1.canvas().cls(); });                                    // 49
    step([&] { s.request->SelectionBank = 0; });                               // 50
    step([&] {                                                                 // 51
        Timer62.setInterval(3000);
        Timer62.setEnabled(true);
        Timer65.setInterval(7000);
        Timer65.setEnabled(true);
    });
    Timer1.setEnabled(false);                                                  // 52
}

} // namespace orv
