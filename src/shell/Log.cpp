#include "shell/Log.h"
#include "shell/Program.h"

namespace orv {

Log::Log(Program& p)
    : plat::Form(p.rt, "Log"), LogControls(static_cast<plat::Form&>(*this)),
      MSComm1(p.rt.time, p.rt.serial, "MSComm1"), MSComm2(p.rt.time, p.rt.serial, "MSComm2"),
      MSComm3(p.rt.time, p.rt.serial, "MSComm3"), MSComm4(p.rt.time, p.rt.serial, "MSComm4"),
      MSComm5(p.rt.time, p.rt.serial, "MSComm5"), MSComm6(p.rt.time, p.rt.serial, "MSComm6"),
      MSComm7(p.rt.time, p.rt.serial, "MSComm7"), MSComm8(p.rt.time, p.rt.serial, "MSComm8"), p_(p),
      ports_{&MSComm1, &MSComm2, &MSComm3, &MSComm4, &MSComm5, &MSComm6, &MSComm7, &MSComm8}
{
    // Closing the main window closes its ports.
    atUnload([this] {
        for (plat::CommPort* port : ports_) port->setPortOpen(false);
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
