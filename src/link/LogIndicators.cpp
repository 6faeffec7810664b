// The link indicator of each LE (Log.Label21) and its one-shot reset timer
// (Timer30..35, 50, 66), plus the hooks of the whole link supervision.
//
// The indicator reads "yes" on green while the PC answers the LE's marked
// frames and "no" on the button-face colour once it has stopped answering for
// one reset interval (980 ms for LE-1 and LE-2, 970 ms for the others). Its
// colour is also the link state the no-communication watchdog counts, so the
// two colours are compared by value and nothing else may be used for them.

#include "link/LeInstances.h"
#include "link/LogLink.h"
#include "shell/LeStrips.h"
#include "shell/LogTimers.h"
#include "shell/Program.h"

namespace orv {

void LogLink::LinkIndicatorOn(int le)
{
    leStrips(L).Label21[le].setBackColor(plat::colors::Green);
    leStrips(L).Label21[le].setCaption(QStringLiteral("yes"));
    // Each answer starts a fresh interval, so the indicator stays "yes" as
    // long as answers follow each other within it.
    plat::FormTimer& reset = logTimers(L).*leInstance(le).resetTimer;
    reset.setEnabled(false);
    reset.setEnabled(true);
}

void LogLink::LinkIndicatorOff(int le)
{
    leStrips(L).Label21[le].setBackColor(plat::ButtonFace);
    leStrips(L).Label21[le].setCaption(QStringLiteral("no"));
}

void LogLink::LinkResetTimer_Timer(int le)
{
    LinkIndicatorOff(le);
    (logTimers(L).*leInstance(le).resetTimer).setEnabled(false);
}

} // namespace orv
