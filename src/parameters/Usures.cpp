#include "parameters/Usures.h"
#include "shell/Program.h"

namespace orv {

Usures::Usures(Program& p) : plat::Form(p.rt, "Usures"), p_(p)
{
    plat::ControlArray<plat::Label>* columns[] = {&Label25, &Label26, &Label30, &Label31, &Label35, &Label36};
    for (int c = 0; c < 6; ++c)
        for (int i = 0; i < 12; ++i) {
            plat::Label& l = columns[c]->add(i);
            l.move(1800 + c * 1300, 600 + i * 300, 1200, 255);
            l.setCaption("00000000");
        }
}

} // namespace orv
