// The MAT/SHT temperature selector and the spare sliders of the main
// window's panel. The panel's other commands are served by their owners: the
// set-points by run control, the motor speed entry by the parameter windows,
// the connection button by the link, the LFC-2 / LFC-3 labels by the
// scheduler.

#include "shell/Log.h"
#include "shell/Program.h"
#include "shell/State.h"

namespace orv {

namespace {

constexpr plat::Color SelectorGreen = plat::colors::Green;
constexpr plat::Color SelectorPale = plat::rgb(192, 255, 255);

} // namespace

// ---------------------------------------------------------- MAT / SHT selector

void Log::Label72_Click()
{
    p_.s.common->TempSel = 0;
    ColorTempSelect();
}

void Log::Label75_Click()
{
    p_.s.common->TempSel = 1;
    ColorTempSelect();
}

void Log::Picture6_Click(int Index)
{
    Picture6[0].setBackColor(SelectorPale);
    Picture6[1].setBackColor(SelectorPale);
    Picture6[Index].setBackColor(SelectorGreen);
    p_.s.common->TempSel = uint8_t(Index);
    ColorTempSelect();
}

void Log::ColorTempSelect()
{
    Label72.setBackColor(SelectorPale);
    Label75.setBackColor(SelectorPale);
    const bool mat = p_.s.common->TempSel == 0;
    (mat ? Label72 : Label75).setBackColor(SelectorGreen);
    Picture6[0].setBackColor(mat ? SelectorGreen : SelectorPale);
    Picture6[1].setBackColor(mat ? SelectorPale : SelectorGreen);
}

// ---------------------------------------------------------- spare sliders

void Log::VScroll2_Change() { Label49.setCaption(QString::number(VScroll2.value())); }
void Log::VScroll3_Change() { Label50.setCaption(QString::number(VScroll3.value())); }

} // namespace orv
