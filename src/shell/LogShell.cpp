#include "shell/Log.h"
#include "shell/Program.h"

namespace orv {

void Log::wireShell()
{
    Timer1.onTimer = [this] { Timer1_Timer(); };
    wireHistory();
}

} // namespace orv
