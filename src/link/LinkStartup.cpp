// Start-up: the port file, only created (the port window reads it).
#include "link/LinkStartup.h"
#include "link/PortFile.h"
#include "platform/Drive.h"
#include "shell/Program.h"
#include "shell/State.h"

namespace orv {

void startupPortFile(Program& p)
{
    const QString path = portFilePath(p.s.common->BaseFolder);
    if (!p.rt.drive.fileExists(path)) writeDefaultPortFile(p.rt.drive, path);
}

} // namespace orv
