// The small commands around the main window's status grid: the power
// set-point buttons and "PWR in", the motor speed entry, the connection
// button, the LFC-2 / LFC-3 value labels, the level-line headers and the
// MAT/SHT temperature selector.

#include "link/ConfigurationRS232.h"
#include "parameters/FadecParameters.h"
#include "parameters/Saisie.h"
#include "platform/VbText.h"
#include "run/SetPointFile.h"
#include "scheduler/RefCapteurLFC2.h"
#include "scheduler/RefLevelTrigLFC3.h"
#include "shell/Log.h"
#include "shell/ParamLogicielVB.h"
#include "shell/Program.h"

#include <cmath>

namespace orv {

namespace {

constexpr plat::Color SelectorGreen = plat::colors::Green;
constexpr plat::Color SelectorPale = plat::rgb(192, 255, 255);
constexpr plat::Color SpeedEntryLavender = plat::rgb(192, 192, 255);

} // namespace

// ---------------------------------------------------------- set-points

// "Set All LE": the slider's value becomes every LE's set-point, in the file
// first; when the file cannot be written nothing changes (a warning says
// so), so the file and what the LEs are sent never disagree.
void Log::CopiePWSlider_Click()
{
    auto& s = p_.s;
    const int v = VScroll1.value();
    SetPoints values;
    values.fill(int16_t(v));
    if (!writeSetPointFile(p_.rt.drive, setPointFilePath(s.BaseFolder), values)) {
        warnSetPointFile(p_.rt.dialogs, QStringLiteral("written"));
        return;
    }
    for (int i = 0; i < LeCount; ++i) {
        s.ConsignePWIni[i] = int16_t(v);
        s.ConsignePW[i] = uint8_t(v);
        Label15[i].setCaption(QString::number(v * 10));
    }
    CopiePWSlider.setBackColor(plat::colors::Green);
    Timer55.setEnabled(true);
}

// "Single LE": the slider's value becomes the selected LE's set-point. The
// button turns green only once it did: after a failure it keeps its colour,
// as the set-points keep theirs.
void Log::PWIndividuel_Click()
{
    if (ValeurPWPh5()) PWIndividuel.setBackColor(plat::colors::Green);
}

// "PWR in": shows the file's set-points again. What the LEs are sent does not
// change. A file that cannot be opened leaves labels and values as they are.
void Log::Label17_Click()
{
    const auto values = readSetPoints(p_);
    if (!values) {
        warnSetPointFile(p_.rt.dialogs, QStringLiteral("read"));
        return;
    }
    for (int i = 0; i < LeCount; ++i) {
        Label15[i].setCaption(QString::number((*values)[i] * 10));
        p_.s.ConsignePWIni[i] = (*values)[i];
    }
}

// ---------------------------------------------------------- motor speed

// The speed label: asks for the motor M speed of the selected LE. Only an
// accepted speed becomes a request, and it goes to the LE that was selected
// when the entry opened, whatever is selected when it closes.
void Log::Label9_Click()
{
    auto& s = p_.s;
    const int le = s.SelectedLE - 1;
    auto& entry = p_.form<Saisie>().get();
    entry.move(left() + 7200, top() + 2550 + 100, entry.width(), entry.height());
    entry.Label1.setCaption(QStringLiteral("By not 100"));
    const double param24 = plat::vbVal(p_.form<FadecParameters>()->ParamPC(24));
    entry.Label2.setCaption(plat::vbCStr(100 * param24));
    entry.Label3.setCaption(QStringLiteral("1000"));
    entry.Label4.setCaption(QStringLiteral("4000"));
    entry.setBackColor(SpeedEntryLavender);
    s.SaisieMode = 1;
    bool accepted = false;
    entry.onAccepted = [&accepted] { accepted = true; };
    entry.show(true);
    if (accepted && le >= 0 && le < LeCount) s.Vmot[le] = uint8_t(s.SpeedM / 30);
}

// ---------------------------------------------------------- connection

void Log::ActiveDesactiveRS232_Click()
{
    for (int i = 0; i < LeCount; ++i) p_.s.RestSeconds[i] = 90;
    p_.form<ConfigurationRS232>()->show();
}

// ---------------------------------------------------------- LFC-2 / LFC-3 labels

// Only an LE with an LFC-2 sensor has these labels shown; a click elsewhere
// does nothing.
void Log::Label37_MouseDown(int Index, int Button, int Shift, double X, double Y)
{
    if (!p_.form<ParamLogicielVB>()->LFC2Sensor(Index)) return;
    p_.s.IndiceLFC = uint8_t(Index);
    p_.s.ClicLFCX = int32_t(std::lround(X));
    p_.s.ClicLFCY = int32_t(std::lround(Y));
    // The set-up timer loads the window when needed, and re-targets it when open.
    RefCapteurLFC2& ref = p_.form<RefCapteurLFC2>().get();
    ref.Timer1.setEnabled(true);
    ref.show();
}

void Log::Label42_MouseDown(int Index, int Button, int Shift, double X, double Y)
{
    if (!p_.form<ParamLogicielVB>()->LFC2Sensor(Index)) return;
    p_.s.IndiceLFC = uint8_t(Index);
    p_.s.ClicLFCX = int32_t(std::lround(X));
    p_.s.ClicLFCY = int32_t(std::lround(Y));
    auto& trigger = p_.form<RefLevelTrigLFC3>().get();
    trigger.setWidth(RefLevelTrigLFC3::NarrowWidth);
    trigger.Timer1.setEnabled(true);   // places it and shows LE IndiceLFC's value
    trigger.show();
}

// ---------------------------------------------------------- level lines


// ---------------------------------------------------------- MAT / SHT selector

void Log::Label72_Click()
{
    p_.s.TempSel = 0;
    ColorTempSelect();
}

void Log::Label75_Click()
{
    p_.s.TempSel = 1;
    ColorTempSelect();
}

void Log::Picture6_Click(int Index)
{
    Picture6[0].setBackColor(SelectorPale);
    Picture6[1].setBackColor(SelectorPale);
    Picture6[Index].setBackColor(SelectorGreen);
    p_.s.TempSel = uint8_t(Index);
    ColorTempSelect();
}

void Log::ColorTempSelect()
{
    Label72.setBackColor(SelectorPale);
    Label75.setBackColor(SelectorPale);
    const bool mat = p_.s.TempSel == 0;
    (mat ? Label72 : Label75).setBackColor(SelectorGreen);
    Picture6[0].setBackColor(mat ? SelectorGreen : SelectorPale);
    Picture6[1].setBackColor(mat ? SelectorPale : SelectorGreen);
}

// ---------------------------------------------------------- spare sliders

void Log::VScroll2_Change() { Label49.setCaption(QString::number(VScroll2.value())); }
void Log::VScroll3_Change() { Label50.setCaption(QString::number(VScroll3.value())); }

} // namespace orv
