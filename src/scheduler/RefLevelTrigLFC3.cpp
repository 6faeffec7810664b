#include "scheduler/RefLevelTrigLFC3.h"
#include "shell/Program.h"

namespace orv {

RefLevelTrigLFC3::RefLevelTrigLFC3(Program& p) : plat::Form(p.rt, "RefLevelTrigLFC3"), p_(p)
{
    setCaption(QString::fromUtf8("  Capteur (LFC3)  [Intégration R*C]"));
    const char* design[6] = {"0", "0", "07", "00", "23", "00"};
    for (int n = 1; n <= 6; ++n) text(n).setText(QString::fromLatin1(design[n - 1]));
}

plat::TextBox& RefLevelTrigLFC3::text(int n)
{
    plat::TextBox* boxes[6] = {&Text1, &Text2, &Text3, &Text4, &Text5, &Text6};
    return *boxes[n - 1];
}

} // namespace orv
