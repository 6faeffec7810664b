#include "parameters/FadecParameters.h"
#include "shell/Program.h"

namespace orv {

FadecParameters::FadecParameters(Program& p) : plat::Form(p.rt, "FadecParameters"), p_(p) {}

} // namespace orv
