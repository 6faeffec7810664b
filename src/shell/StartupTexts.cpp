#include "shell/StartupTexts.h"
#include "platform/VbText.h"

namespace orv {

QString mainWindowTitle()
{
    return QStringLiteral("  Orvane - Light Engine Control (RS232)     (PC version %1)")
        .arg(plat::vbCStr(ProgramVersion));
}

} // namespace orv
