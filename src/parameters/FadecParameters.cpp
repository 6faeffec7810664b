#include "parameters/FadecParameters.h"
#include "shell/Program.h"

namespace orv {

namespace {
constexpr plat::Color WindowBlue = plat::rgb(0x80, 0x80, 0xFF);
constexpr plat::Color EvenRow = plat::rgb(0xFF, 0xFF, 0x80);
constexpr plat::Color OddRow = plat::rgb(0xE0, 0xE0, 0xE0);
} // namespace

FadecParameters::FadecParameters(Program& p) : plat::Form(p.rt, "FadecParameters"), p_(p)
{
    setCaption(QStringLiteral(" FADEC Parameters"));
    setBackColor(WindowBlue);
    // Entry 31 on top, entry 0 at the bottom.
    for (int e = 0; e < 32; ++e) {
        const int top = 8640 - 240 * e;
        const plat::Color band = e % 2 == 0 ? EvenRow : OddRow;
        plat::Label& number = Label58.add(32 + e);
        number.move(480, top, 375, 255);
        number.setCaption(QString::number(32 + e));
        number.setBackColor(band);
        plat::Label& value = Label59.add(32 + e);
        value.move(960, top, 495, 255);
        value.setAlignment(plat::Label::AlignCenter);
        value.setBackColor(band);
        plat::Label& title = Label61.add(e);
        title.move(1560, top, 3255, 255);
        title.setBackColor(band);
    }
    Label64.move(480, 480, 3255, 375);
    Label64.setBackColor(WindowBlue);
}

QString FadecParameters::ParamPC(int e) const
{
    return e >= 0 && e < 32 && Label59.has(32 + e) ? Label59[32 + e].caption() : QString();
}

void FadecParameters::setParamPC(int e, const QString& value)
{
    if (e >= 0 && e < 32 && Label59.has(32 + e)) Label59[32 + e].setCaption(value);
}

} // namespace orv
