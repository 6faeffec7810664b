#include "shell/Log.h"
#include "shell/Program.h"

namespace orv {

void Log::wireParameters() {}

} // namespace orv
