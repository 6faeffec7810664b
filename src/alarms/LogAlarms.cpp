#include "shell/Log.h"
#include "shell/Program.h"

namespace orv {

void Log::wireAlarms() {}

} // namespace orv
