#include "link/ConfigurationRS232.h"
#include "shell/Program.h"

namespace orv {

ConfigurationRS232::ConfigurationRS232(Program& p) : plat::Form(p.rt, "ConfigurationRS232"), p_(p) {}

} // namespace orv
