#include "parameters/FadecParameters.h"

#include "link/CommandFrame.h"
#include "link/LogLink.h"
#include "parameters/LogParameters.h"
#include "parameters/ParamTable.h"
#include "parameters/ParametersState.h"
#include "parameters/PortWarning.h"
#include "parameters/Saisie.h"
#include "platform/Dialogs.h"
#include "shell/LinkRequest.h"
#include "shell/Log.h"
#include "shell/Program.h"
#include "shell/State.h"

namespace orv {

namespace {
constexpr plat::Color WindowBlue = plat::rgb(0x80, 0x80, 0xFF);
constexpr plat::Color ReadGreen = plat::rgb(0x80, 0xFF, 0x80);
constexpr plat::Color WriteRed = plat::rgb(0xFF, 0x33, 0x54);
constexpr plat::Color DefaultCyan = plat::rgb(0x00, 0xFF, 0xFF);
constexpr plat::Color FileGreen = plat::rgb(0xC0, 0xFF, 0xC0);
constexpr plat::Color FileOrange = plat::rgb(0xFF, 0xC0, 0x80);
// The value input's colours by the class of the entry.
constexpr plat::Color InputLilac = plat::rgb(0xC0, 0xC0, 0xFF);
constexpr plat::Color ReadOnlyRed = plat::rgb(0xFF, 0x00, 0x00);
constexpr plat::Color ReservedOrange = plat::rgb(0xFF, 0x80, 0x00);
constexpr int ClientWidth = 9360, ClientHeight = 9315;
constexpr int ReadOnlyEntries = 9;   // 0-8: bank index and clock registers
constexpr int ReservedEnd = 18;      // 9-17: reserved
} // namespace

FadecParameters::FadecParameters(Program& p) : plat::Form(p.rt, "FadecParameters"), p_(p)
{
    setCaption(QStringLiteral(" FADEC Parameters"));
    setClientSize(ClientWidth, ClientHeight);
    setBackColor(WindowBlue);
    // Entry 31 on top, entry 0 at the bottom.
    for (int e = 0; e < ParamCount; ++e) {
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
        title.onMouseDown = [this, e](const plat::MouseArgs& a) { Label61_MouseDown(e, a); };
    }
    Label64.move(480, 480, 3255, 375);
    Label64.setBackColor(WindowBlue);
    Label64.setFontSize(12);
    Label64.setFontBold(true);
    Label62.move(5400, 8640, 3495, 255);
    Label62.setCaption(QStringLiteral("Param : 03.03.2011"));
    Label62.setBackStyle(0);
    Picture1.move(5400, 6480, 3495, 975);
    Picture1.setBackColor(WindowBlue);

    const struct {
        plat::CommandButton* b;
        const char* caption;
        int left, top, width;
        plat::Color colour;
    } buttons[] = {
        {&ParamZero, "Reset Display", 5400, 1200, 1455, plat::ButtonFace},
        {&ReadConfig, "Read Settings", 5400, 2520, 1455, ReadGreen},
        {&WriteConfig, "Write Settings", 7440, 2520, 1455, WriteRed},
        {&ParamDefault, "Default Settings  (built-in values)", 5400, 3600, 3495, DefaultCyan},
        {&ReadParamHdd, "Read Settings ", 5400, 5400, 1455, FileGreen},
        {&WriteConfHdd, "Store New Settings ", 7440, 5400, 1455, FileOrange},
        {&CDMQuitter, "Quit", 7440, 7800, 1455, plat::ButtonFace},
    };
    for (const auto& b : buttons) {
        b.b->move(b.left, b.top, b.width, 615);
        b.b->setCaption(QString::fromLatin1(b.caption));
        b.b->setBackColor(b.colour);
    }
    // The longest caption of the narrow buttons.
    WriteConfHdd.setFontSize(7);
    ParamZero.onClick = [this] { ParamZero_Click(); };
    ReadConfig.onClick = [this] { ReadConfig_Click(); };
    WriteConfig.onClick = [this] { WriteConfig_Click(); };
    ParamDefault.onClick = [this] { ParamDefault_Click(); };
    ReadParamHdd.onClick = [this] { ReadParamHdd_Click(); };
    WriteConfHdd.onClick = [this] { WriteConfHdd_Click(); };
    CDMQuitter.onClick = [this] { CDMQuitter_Click(); };
    Timer1.onTimer = [this] { Timer1_Timer(); };
}

void FadecParameters::ShowSelectedLE(int n)
{
    Label64.setCaption(n == 0 ? QString() : QStringLiteral("Selected LE : %1").arg(n));
}

void FadecParameters::Form_Load()
{
    move((screenWidth() - width()) / 2, (screenHeight() - height()) / 2, width(), height());
    Timer1.setEnabled(true);
}

void FadecParameters::setAll(const QString& value)
{
    for (int e = 0; e < ParamCount; ++e) setParamPC(e, value);
}

// Opens the value input for entry `index` beside the pressed title, coloured
// by the entry's class; waits until it closes.
void FadecParameters::Label61_MouseDown(int index, const plat::MouseArgs& a)
{
    ParametersState& s = *p_.s.parameters;
    s.ParamEdited = uint8_t(index);
    Label61[index].setBackColor(Opened);
    Saisie& entry = *p_.form<Saisie>();
    entry.move(left() + int(a.x) + 4000, top() + 8160 - 255 * index + 100, entry.width(), entry.height());
    entry.Label1.setCaption(Label61[index].caption().left(28));
    entry.Label2.setCaption(ParamPC(index));
    entry.Label3.setCaption(s.ParamMin[index]);
    entry.Label4.setCaption(s.ParamMax[index]);
    entry.setBackColor(InputLilac);
    const bool typable = index >= ReadOnlyEntries;
    if (!typable)
        entry.setBackColor(ReadOnlyRed);
    else if (index < ReservedEnd)
        entry.setBackColor(ReservedOrange);
    for (plat::Control* c : std::initializer_list<plat::Control*>{&entry.Label1, &entry.Label2, &entry.Label3,
                                                                   &entry.Label4, &entry.Text1})
        c->setEnabled(typable);
    p_.s.parameters->SaisieMode = 0;
    entry.show(true);
}

void FadecParameters::ParamDefault_Click() { p_.Log->parameters->TableParamDefaut(); }

void FadecParameters::ParamZero_Click() { setAll(QStringLiteral("0")); }

// The values stay "0" until the LE's read-back fills them; nothing waits.
void FadecParameters::ReadConfig_Click()
{
    setAll(QStringLiteral("0"));
    const int le = p_.s.common->SelectedLE - 1;
    if (le < 0 || le >= LeCount) return;
    if (!p_.Log->MSComm(le).portOpen()) {
        showPortWarning(p_, le);
        return;
    }
    p_.s.request->SelectionBank = bank::ReadParam;
}

// The write carries entries 1-31 as they stand now, to the LE selected now.
// An entry whose number does not fit in one byte, or whose text is no number
// (empty, letters, too many digits), would reach the LE as something else:
// the write is refused and names the first such entry.
namespace {
// A garbage entry can be very long; the message shows its beginning.
QString shownValue(const QString& text)
{
    constexpr int MaxShown = 20;
    return text.size() <= MaxShown ? text : text.left(MaxShown) + QStringLiteral("...");
}
} // namespace

void FadecParameters::WriteConfig_Click()
{
    const int le = p_.s.common->SelectedLE - 1;
    if (le < 0 || le >= LeCount) return;
    if (!p_.Log->MSComm(le).portOpen()) {
        showPortWarning(p_, le);
        return;
    }
    for (int e = 1; e < ParamCount; ++e) {
        const int v = paramValue(ParamPC(e));
        if (v < 0 || v > 255) {
            p_.rt.dialogs.msgBox(QStringLiteral("Line %1 %2: value %3 is not 0-255, nothing is written ")
                                     .arg(32 + e)
                                     .arg(paramTitle(e).trimmed())
                                     .arg(shownValue(ParamPC(e))),
                                 int(plat::mb::OKOnly) | int(plat::mb::Exclamation), QStringLiteral(" Warning ! "));
            return;
        }
    }
    p_.Log->link->RequestParamWrite();
}

// A missing or short copy leaves the values at "0".
bool FadecParameters::ReadParamCopy()
{
    const auto values = readParamCopy(p_.rt.drive, paramCopyPath(p_.s.common->BaseFolder));
    if (!values) return false;
    for (int k = 0; k < values->size(); ++k) setParamPC(k % ParamCount, values->at(k));
    return true;
}

void FadecParameters::ReadParamHdd_Click()
{
    setAll(QStringLiteral("0"));
    ReadParamCopy();
}

void FadecParameters::WriteConfHdd_Click()
{
    ParamValues values;
    for (int e = 0; e < ParamCount; ++e) values[e] = ParamPC(e);
    writeParamCopy(p_.rt.drive, paramCopyPath(p_.s.common->BaseFolder), values);
}

void FadecParameters::CDMQuitter_Click() { hide(); }

void FadecParameters::Timer1_Timer()
{
    const bool named = !Label64.caption().isEmpty();
    for (plat::CommandButton* b :
         {&ParamZero, &ReadConfig, &WriteConfig, &ParamDefault, &ReadParamHdd, &WriteConfHdd})
        b->setEnabled(named);
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
