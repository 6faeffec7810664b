// The link indicator of each LE (Log.Label21) and its one-shot reset timer
// (Timer30..35, 50, 66), plus the hooks of the whole link supervision.
//
// The indicator reads "yes" on green while the PC answers the LE's marked
// frames and "no" on the button-face colour once it has stopped answering for
// one reset interval (980 ms for LE-1 and LE-2, 970 ms for the others). Its
// colour is also the link state the no-communication watchdog counts, so the
// two colours are compared by value and nothing else may be used for them.

#include "link/LeInstances.h"
#include "shell/Log.h"
#include "shell/Program.h"

namespace orv {

void Log::wireWatch()
{
    for (const LeInstance& in : leInstances()) {
        const int le = in.le;
        (this->*in.resetTimer).onTimer = [this, le] { LinkResetTimer_Timer(le); };
    }

    Timer57.onTimer = [this] { Timer57_Timer(); };
    Timer58.onTimer = [this] { Timer58_Timer(); };
    Timer59.onTimer = [this] { Timer59_Timer(); };
    Timer60.onTimer = [this] { Timer60_Timer(); };

    Timer12.onTimer = [this] { Timer12_Timer(); };

    Timer11.onTimer = [this] { Timer11_Timer(); };
    Timer46.onTimer = [this] { Timer46_Timer(); };
    Timer62.onTimer = [this] { Timer62_Timer(); };

    // The status timer and the menu timer run from load until quit.
    Timer12.setEnabled(true);
    Timer46.setEnabled(true);
}

void Log::LinkIndicatorOn(int le)
{
    Label21[le].setBackColor(plat::colors::Green);
    Label21[le].setCaption(QStringLiteral("yes"));
    // Each answer starts a fresh interval, so the indicator stays "yes" as
    // long as answers follow each other within it.
    plat::FormTimer& reset = this->*leInstance(le).resetTimer;
    reset.setEnabled(false);
    reset.setEnabled(true);
}

void Log::LinkIndicatorOff(int le)
{
    Label21[le].setBackColor(plat::ButtonFace);
    Label21[le].setCaption(QStringLiteral("no"));
}

void Log::LinkResetTimer_Timer(int le)
{
    LinkIndicatorOff(le);
    (this->*leInstance(le).resetTimer).setEnabled(false);
}

} // namespace orv
