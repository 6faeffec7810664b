#include "parameters/Usures.h"
#include "shell/Program.h"

namespace orv {

Usures::Usures(Program& p) : plat::Form(p.rt, "Usures"), p_(p) {}

} // namespace orv
