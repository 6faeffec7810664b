#include "scheduler/SelectionStart.h"
#include "shell/Program.h"

namespace orv {

SelectionStart::SelectionStart(Program& p) : plat::Form(p.rt, "SelectionStart"), p_(p) {}

} // namespace orv
