#include "parameters/ValeurDesParam.h"
#include "shell/Program.h"

namespace orv {

ValeurDesParam::ValeurDesParam(Program& p) : plat::Form(p.rt, "ValeurDesParam"), p_(p)
{
    setCaption(QStringLiteral(" Read LE Settings"));
    for (int le = 0; le < 8; ++le) list(le).move(120 + 1560 * (le % 4), 480 + 4200 * (le / 4), 1440, 3960);
}

void ValeurDesParam::Form_Load() { setTopmost(true); }

plat::ListBox& ValeurDesParam::list(int le)
{
    plat::ListBox* lists[8] = {&List1, &List2, &List3, &List4, &List5, &List6, &List7, &List8};
    return *lists[le];
}

} // namespace orv
