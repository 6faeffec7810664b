#include "shell/BoiteDialogue.h"
#include "shell/Program.h"

namespace orv {

BoiteDialogue::BoiteDialogue(Program& p) : plat::Form(p.rt, "BoiteDialogue"), p_(p) {}

} // namespace orv
