#include "parameters/PortWarning.h"

#include "platform/Dialogs.h"
#include "shell/Program.h"

namespace orv {

void showPortWarning(Program& p, int le)
{
    p.rt.dialogs.msgBox(QStringLiteral("The Port Com%1 is not activated ! ").arg(le + 1),
                        int(plat::mb::OKOnly) | int(plat::mb::Exclamation), QStringLiteral(" Warning ! "));
}

} // namespace orv
