#include "shell/ParamLogicielVB.h"
#include "shell/Program.h"

namespace orv {

ParamLogicielVB::ParamLogicielVB(Program& p) : plat::Form(p.rt, "ParamLogicielVB"), p_(p) {}

} // namespace orv
