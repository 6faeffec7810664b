// Three small timers of the main window that follow the link state and the
// alarm settings:
//  - Timer11, the "Stop Alarm" countdown: with the menu checked it shows the
//    seconds left on the menu, and after 20 s arms the stop-alarm watch
//    (Timer54). The menu's click handler starts and stops it.
//  - Timer46, every 50 ms: the hardware-test, parameter and settings-reader
//    menus are usable only while at least one LE's port is open (as the port
//    activation counts it, a failed open included). With every port closed
//    its tick sets what is already set, so it parks in that state instead of
//    waking the idle program 20 times a second; a port's state changing or
//    anything else setting one of the three menus resumes it, and it then
//    ticks at the instant it would have anyway.
//  - Timer62, once, 3 s after start-up: releases the connect button.

#include "link/LinkState.h"
#include "link/LogLink.h"
#include "shell/LinkStatus.h"
#include "shell/LogTimers.h"
#include "shell/MainMenus.h"
#include "shell/MainPanels.h"
#include "shell/Program.h"
#include "shell/State.h"

namespace orv {

void LogLink::Timer11_Timer()
{
    State& s = p.s;
    if (mainMenus(L).mnuStopAlarm.checked() && s.common->TempoStopAlarm > 0) {
        --s.common->TempoStopAlarm;
        mainMenus(L).mnuStopAlarm.setCaption(QStringLiteral("Stop Alarm (") + QString::number(s.common->TempoStopAlarm)
                                + QStringLiteral(" sec.)"));
    }
    if (s.common->TempoStopAlarm == 0) {
        mainMenus(L).mnuStopAlarm.setCaption(QStringLiteral("Stop Alarm (Actived)"));
        logTimers(L).Timer54.setEnabled(true);
        logTimers(L).Timer11.setEnabled(false);
    }
}

void LogLink::Timer46_Timer()
{
    bool anyOpen = false;
    for (int i = 0; i < LeCount; ++i)
        anyOpen = anyOpen || p.s.status->ComPortOpen[i] == 1;
    for (plat::Menu* m : {&mainMenus(L).mnuTestMateriel, &mainMenus(L).mnuParameters, &mainMenus(L).mnuVdesParam})
        m->setEnabled(anyOpen);
    if (!anyOpen) logTimers(L).Timer46.park();
}

void LogLink::PortOpenChanged()
{
    logTimers(L).Timer46.resume();
    if (p.s.link->ParamWindows.PortsChanged) p.s.link->ParamWindows.PortsChanged();
}

void LogLink::Timer62_Timer()
{
    mainPanels(L).ActiveDesactiveRS232.setEnabled(true);
    mainPanels(L).ActiveDesactiveRS232.setCaption(QStringLiteral("Connect/Disconnect"));
    mainPanels(L).ActiveDesactiveRS232.setBackColor(plat::rgb(107, 255, 77));
    logTimers(L).Timer62.setEnabled(false);
}

} // namespace orv
