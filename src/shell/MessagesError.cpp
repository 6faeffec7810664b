#include "shell/MessagesError.h"

#include "platform/VbText.h"
#include "shell/Program.h"
#include "shell/State.h"

namespace orv {

MessagesError::MessagesError(Program& p) : plat::Form(p.rt, "MessagesError"), p_(p)
{
    move(left(), top(), 6120, 5400);
    List1.move(120, 120, 5760, 4680);
}

void MessagesError::Form_Load()
{
    setCaption(QStringLiteral(" FADEC Error Codes"));
    List1.clear();
    List1.setTabStops({});
    List1.setTabStops({10, 35, 110});
    // Code 20 is the blank entry and is not listed.
    for (int code = 0; code <= 19; ++code)
        List1.addItem(QStringLiteral("\t") + plat::right(QStringLiteral("00") + QString::number(code), 2)
                      + QStringLiteral("\t") + p_.s.common->FadecErrorCodes[code]);
    List1.setListIndex(0);
}

} // namespace orv
