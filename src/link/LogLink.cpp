#include "shell/Log.h"
#include "shell/Program.h"

namespace orv {

void Log::wireLink()
{
    wireReceive();
    wireTransmit();
    wireWatch();
}

} // namespace orv
