#include "parameters/TestsMateriel.h"

#include "shell/Program.h"

namespace orv {

TestsMateriel::TestsMateriel(Program& p) : plat::Form(p.rt, "TestsMateriel"), p_(p)
{
    setCaption(QStringLiteral("  Hardward Tests"));
    setBackColor(plat::rgb(192, 192, 255));
    // The read-outs below the motor and fan choices.
    int top = 4800;
    for (plat::Label* l : {&Label4, &Label5, &Label6}) {
        l->move(3120, top, 2175, 255);
        top += 300;
    }
}

void TestsMateriel::Form_Load()
{
    setTopmost(true);
    for (plat::Label* l : {&Label4, &Label5, &Label6}) {
        l->setCaption(QString());
        l->setBackColor(ReadoutGrey);
    }
}

} // namespace orv
