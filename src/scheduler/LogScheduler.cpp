#include "shell/Log.h"
#include "shell/Program.h"

namespace orv {

void Log::wireScheduler() {}

} // namespace orv
