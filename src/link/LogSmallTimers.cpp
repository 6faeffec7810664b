// Three small timers of the main window that follow the link state and the
// alarm settings:
//  - Timer11, the "Stop Alarm" countdown: with the menu checked it shows the
//    seconds left on the menu, and after 20 s arms the stop-alarm watch
//    (Timer54). The menu's click handler starts and stops it.
//  - Timer46, every 50 ms: the hardware-test, parameter and settings-reader
//    menus are usable only while at least one LE's port is open (as the port
//    activation counts it, a failed open included).
//  - Timer62, once, 3 s after start-up: releases the connect button.

#include "link/LinkState.h"
#include "shell/Log.h"
#include "shell/Program.h"

namespace orv {

void Log::Timer11_Timer()
{
    State& s = p_.s;
    if (mnuStopAlarm.checked() && s.TempoStopAlarm > 0) {
        --s.TempoStopAlarm;
        mnuStopAlarm.setCaption(QStringLiteral("Stop Alarm (") + QString::number(s.TempoStopAlarm)
                                + QStringLiteral(" sec.)"));
    }
    if (s.TempoStopAlarm == 0) {
        mnuStopAlarm.setCaption(QStringLiteral("Stop Alarm (Actived)"));
        Timer54.setEnabled(true);
        Timer11.setEnabled(false);
    }
}

void Log::Timer46_Timer()
{
    bool anyOpen = false;
    for (int i = 0; i < LeCount; ++i)
        anyOpen = anyOpen || p_.s.link->ComPortOpen[i] == 1;
    for (plat::Menu* m : {&mnuTestMateriel, &mnuParameters, &mnuVdesParam})
        m->setEnabled(anyOpen);
}

void Log::Timer62_Timer()
{
    ActiveDesactiveRS232.setEnabled(true);
    ActiveDesactiveRS232.setCaption(QStringLiteral("Connect/Disconnect"));
    ActiveDesactiveRS232.setBackColor(plat::rgb(107, 255, 77));
    Timer62.setEnabled(false);
}

} // namespace orv
