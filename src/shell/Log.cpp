#include "shell/Log.h"
#include "shell/Program.h"
#include "shell/StateTypes.h"

namespace orv {

Log::Log(Program& p)
    : plat::Form(p.rt, "Log"), LogControls(static_cast<plat::Form&>(*this)), LogPorts(p.rt.time, p.rt.serial),
      p_(p)
{
    // Closing the main window closes its ports.
    atUnload([this] {
        for (int le = 0; le < LeCount; ++le) MSComm(le).setPortOpen(false);
    });
    // The design state comes first, before any handler is hooked.
    layoutControls();
    wireShell();
    wireMainWindow();
    // The subsystems' parts (link, run, ...) come next: the program's
    // assembly builds them once this constructor returns.
}

void Log::Form_Load() { Timer1.setEnabled(true); }

} // namespace orv
