#include "shell/PrintFiled.h"

#include "platform/Dialogs.h"
#include "platform/Printer.h"
#include "shell/Program.h"

namespace orv {

void TellWhereFiled(Program& p, qsizetype filedBefore)
{
    const QStringList filed = p.rt.printer.filedPaths().mid(filedBefore);
    if (filed.isEmpty()) return;
    p.rt.dialogs.msgBox(QStringLiteral("No printer is available: the list was saved as\n") + filed.join('\n'),
                        int(plat::mb::OKOnly) | int(plat::mb::Information), QStringLiteral(" Print List"));
}

} // namespace orv
