// The transfer notice's two one-shot timers of the main window. A completed
// parameter transfer (a read-back or a write) enables Timer44; the notice
// shows 200 ms later and closes 2 s after that, which sets TransfertDone and
// so releases every start that waits on a parameter read.
#include "parameters/OKTransfert.h"
#include "shell/Log.h"
#include "shell/Program.h"

namespace orv {

void Log::Timer44_Timer()
{
    Timer45.setEnabled(true);
    // Waits here, with every timer and port still served, until Timer45
    // unloads the notice. Timer44 does not fire again meanwhile.
    p_.form<OKTransfert>()->show(true);
    Timer44.setEnabled(false);
}

void Log::Timer45_Timer()
{
    p_.form<OKTransfert>().unload();
    p_.s.TransfertDone = 1;
    Timer45.setEnabled(false);
}

} // namespace orv
