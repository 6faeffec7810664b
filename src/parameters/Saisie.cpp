#include "parameters/FadecParameters.h"
#include "parameters/ParametersState.h"
#include "parameters/Saisie.h"
#include "platform/Dialogs.h"
#include "platform/VbText.h"
#include "shell/ParametersShared.h"
#include "shell/Program.h"

namespace orv {

namespace {
constexpr plat::Color ValueGrey = plat::rgb(0xE0, 0xE0, 0xE0);
constexpr plat::Color EvenTitle = plat::rgb(0xFF, 0xFF, 0x80);
constexpr plat::Color OddTitle = plat::rgb(0xE0, 0xE0, 0xE0);
constexpr int ReadOnlyEntries = 9;   // entries 0-8 cannot be typed

void refuse(Program& p, const QString& text)
{
    p.rt.dialogs.msgBox(text, int(plat::mb::OKOnly) | int(plat::mb::Exclamation), QStringLiteral(" Warning!"));
}
} // namespace

Saisie::Saisie(Program& p) : plat::Form(p.rt, "Saisie"), p_(p)
{
    setCaption(QStringLiteral("  Input parameters"));
    setClientSize(3600, 2955);
    const struct {
        plat::Label* caption;
        plat::Label* value;
        const char* text;
    } rows[] = {{&Label5, &Label1, "Line :"}, {&Label6, &Label3, "Min :"}, {&Label7, &Label2, "Value :"},
                {&Label8, &Label4, "Max :"}};
    for (int r = 0; r < 4; ++r) {
        rows[r].caption->move(120, 240 + 360 * r, 1035, 255);
        rows[r].caption->setCaption(QString::fromLatin1(rows[r].text));
        rows[r].caption->setBackStyle(0);
        rows[r].value->move(1200, 240 + 360 * r, 2175, 255);
        rows[r].value->setBackColor(ValueGrey);
    }
    Label9.move(120, 1680, 1080, 255);
    Label9.setCaption(QStringLiteral("Enter Value :"));
    Label9.setBackStyle(0);
    Text1.move(1200, 1680, 615, 285);
    ValidationSaisie.move(120, 2280, 1335, 495);
    ValidationSaisie.setCaption(QStringLiteral("OK"));
    ValidationSaisie.setDefault(true);
    AnnulerSaisie.move(1680, 2280, 1335, 495);
    AnnulerSaisie.setCaption(QStringLiteral("Cancel"));
    AnnulerSaisie.setCancel(true);   // Escape cancels the entry

    ValidationSaisie.onClick = [this] { ValidationSaisie_Click(); };
    AnnulerSaisie.onClick = [this] { AnnulerSaisie_Click(); };
    Timer17.onTimer = [this] { Timer17_Timer(); };
}

void Saisie::Form_Load()
{
    paramEdited_ = p_.s.parameters->ParamEdited;
    Timer17.setEnabled(true);
}

void Saisie::Timer17_Timer()
{
    if (Text1.enabled()) Text1.setFocus();
    Timer17.setEnabled(false);
}

// The title opened in the parameter window was marked orange; every press
// gives all 32 titles their row colours back.
void Saisie::restoreTitleColours()
{
    auto& w = p_.form<FadecParameters>().get();
    for (int e = 0; e < 32; ++e)
        if (w.Label61.has(e)) w.Label61[e].setBackColor(e % 2 == 0 ? EvenTitle : OddTitle);
}

void Saisie::AnnulerSaisie_Click()
{
    restoreTitleColours();
    Timer17.setEnabled(false);
    unload();
}

void Saisie::ValidationSaisie_Click()
{
    restoreTitleColours();
    if (Text1.text().isEmpty()) Text1.setText(Label2.caption());
    const QString typed = Text1.text();
    for (QChar c : typed)
        if (c < QLatin1Char('0') || c > QLatin1Char('9')) {
            refuse(p_, QStringLiteral("Input error, use number 0-9"));
            return;
        }
    const bool speedMode = p_.s.parameters->SaisieMode == 1;
    // The bounds of the read-only entries are hints, not numbers; their
    // value, which cannot be typed, is stored back as shown.
    if (speedMode || paramEdited_ >= ReadOnlyEntries) {
        // Only digits remain here; a number too long for a double reads as 0
        // and would pass a bound of 0, so its length alone puts it out of range.
        const bool overflows = !plat::toDouble(typed);
        const double v = plat::vbVal(typed);
        if (overflows || v < plat::vbVal(Label3.caption()) || v > plat::vbVal(Label4.caption())) {
            refuse(p_, QStringLiteral("Input error, Value < Min or > Max "));
            return;
        }
    }
    if (speedMode) {
        p_.s.paramShared->SpeedM = int16_t(plat::vbVal(typed));
    } else {
        auto& w = p_.form<FadecParameters>().get();
        w.setParamPC(paramEdited_, typed);
    }
    if (onAccepted) onAccepted();
    Timer17.setEnabled(false);
    unload();
}

} // namespace orv
