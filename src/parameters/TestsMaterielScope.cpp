// The test scope of the hardware-test window: LPC, LFC, MAT and SHT of the
// selected LE against time on Picture1, a dotted grid, two level lines, bars
// while the time base is frozen, and a pointer read-out in volts.
//
// A value v (0-255) is drawn at y = 2710 - 10 v; sample c at x = c x 7 (slow)
// or c x 8 (fast). The sample counter CompteurScope is program-wide: a new
// load of the window carries on the sweep under way.
#include "parameters/ParametersState.h"
#include "parameters/TestsMateriel.h"
#include "platform/VbText.h"
#include "shell/LinkStatus.h"
#include "shell/Program.h"
#include "shell/State.h"

#include <algorithm>
#include <cmath>
#include <vector>

namespace orv {

namespace {

constexpr plat::Color LpcMagenta = plat::rgb(255, 0, 255);
constexpr plat::Color LfcGreen = plat::rgb(0, 255, 0);
constexpr plat::Color MatYellow = plat::rgb(255, 255, 0);
constexpr plat::Color ShtCyan = plat::rgb(0, 255, 255);
constexpr plat::Color LfcLevelGreen = plat::rgb(0, 128, 0);
constexpr plat::Color GridGrey = plat::rgb(192, 192, 192);

enum Channel { LPC = 0, LFC = 1, MAT = 2, SHT = 3 };

constexpr int LpcLevel = 70;   // count of the LPC level line
constexpr int LfcLevel = 15;   // count of the LFC level line
constexpr int LevelDotStep = 60;
constexpr int LevelLineEnd = 2940;
constexpr int GridLastSample = 2939;
constexpr int GridSampleStep = 7;
constexpr int GridValues[] = {0, 51, 102, 153, 204, 255};
constexpr int BarWidth = 50;

// Pointer read-out: the height in twips, limited to the plotted band.
constexpr int PointerTop = 195;
constexpr int PointerBottom = 2700;

} // namespace

void TestsMateriel::layoutScope()
{
    Picture1.move(2520, 5640, 3015, 3015);
    Picture1.setBackColor(plat::colors::Black);
    Label3.move(360, 5040, 5175, 255);
    Label3.setCaption(QStringLiteral("Tests capteurs LPC, LFC, Temp. Magnetron / Holder"));
    Label3.setBackStyle(0);
    Label3.setFontBold(true);

    const struct {
        plat::CheckBox* box;
        const char* caption;
        int value;
    } column[] = {{&Check4, "Time Base / Frozen ", 0},     {&Check9, "Speed slow / fast ", 0},
                  {&Check3, "Grille Off / On", 0},         {&Check5, "LPC sensor photodiode ", 1},
                  {&Check6, "LPC level ", 0},              {&Check7, "LFC sensor ", 1},
                  {&Check8, "LFC level ", 0},              {&Check10, "Temp. Magnetron", 1},
                  {&Check11, "Temp. Holder", 0}};
    int top = 5640;
    for (const auto& c : column) {
        c.box->move(360, top, 2145, 255);
        c.box->setCaption(QString::fromLatin1(c.caption));
        c.box->setBackColor(FormLilac);
        c.box->setValue(c.value);
        // The column ends where the scope begins: a smaller type keeps the
        // longest caption whole.
        c.box->setFontSize(7.5);
        top += 330;
    }

    Label12.move(5880, 5640, 735, 255);
    Label12.setCaption(QStringLiteral("Step :"));
    Label9.move(6720, 5640, 1095, 255);
    Label14.move(5880, 5880, 855, 255);
    Label14.setCaption(QStringLiteral("Tension Y:"));
    Label15.move(6720, 5880, 1095, 255);
    Label10.move(360, 4800, 1035, 255);
    Label11.move(1440, 4800, 1035, 255);
    for (plat::Label* l : {&Label12, &Label9, &Label14, &Label15, &Label10, &Label11}) l->setBackStyle(0);
    ClearScreen.move(5880, 6600, 1455, 495);
    ClearScreen.setCaption(QStringLiteral("Clear Screen"));
}

void TestsMateriel::wireScope()
{
    Check3.onClick = [this] { Check3_Click(); };
    Check4.onClick = [this] { Check4_Click(); };
    Check9.onClick = [this] { Check9_Click(); };
    Check5.onClick = [this] { Check5_Click(); };
    Check7.onClick = [this] { Check7_Click(); };
    Check10.onClick = [this] { Check10_Click(); };
    ClearScreen.onClick = [this] { ClearScreen_Click(); };
    Picture1.onMouseMove = [this](const plat::MouseArgs& a) { Picture1_MouseMove(a.button, a.shift, a.x, a.y); };
    Timer2.onTimer = [this] { Timer2_Timer(); };
    Timer3.onTimer = [this] { Timer3_Timer(); };
    Timer4.onTimer = [this] { Timer4_Timer(); };
}

void TestsMateriel::ScopeSetup()
{
    ScopeScaleY = 10;
    Check9.setCaption(QStringLiteral("Speed slow / fast "));
    Timer3.setInterval(500);
    ScopeStepX = 7;
    ScopeSweepEnd = 450;
    ScopeOffsetY = 150;
    ScopeChannelCode = {1, 2, 4};
}

void TestsMateriel::Check3_Click()
{
    if (Check3.value() == 1) {
        Check3.setCaption(QStringLiteral("Grille On / Off"));
        Timer2.setEnabled(true);
    } else {
        Check3.setCaption(QStringLiteral("Grille Off / On"));
        Timer2.setEnabled(false);
        Picture1.canvas().cls();
    }
}

void TestsMateriel::Check4_Click()
{
    Check4.setCaption(Check4.value() == 1 ? QStringLiteral("Frozen / Time Base") : QStringLiteral("Time Base / Frozen"));
    Picture1.canvas().cls();
}

void TestsMateriel::Check9_Click()
{
    const bool fast = Check9.value() == 1;
    Check9.setCaption(fast ? QStringLiteral("Speed fast / slow ") : QStringLiteral("Speed slow / fast "));
    Timer3.setInterval(fast ? 250 : 500);
    ScopeStepX = fast ? 8 : 7;
    ScopeSweepEnd = fast ? 360 : 450;
}

void TestsMateriel::Check5_Click()
{
    ScopeChannelCode[LPC] = Check5.value() == 1 ? 1 : 0;
    Picture1.canvas().cls();
}

void TestsMateriel::Check7_Click()
{
    ScopeChannelCode[LFC] = Check7.value() == 1 ? 2 : 0;
    Picture1.canvas().cls();
}

void TestsMateriel::Check10_Click()
{
    ScopeChannelCode[MAT] = Check10.value() == 1 ? 4 : 0;
    Picture1.canvas().cls();
}

void TestsMateriel::ClearScreen_Click()
{
    Picture1.canvas().cls();
    p_.s.parameters->CompteurScope = 0;
}

void TestsMateriel::Picture1_MouseMove(int Button, int Shift, double X, double Y)
{
    Label10.setCaption(QStringLiteral("X= ") + plat::vbCStr(X));
    Label11.setCaption(QStringLiteral("Y= ") + plat::vbCStr(Y));
    const int y = std::clamp(int(std::lround(Y)), PointerTop, PointerBottom);
    Label15.setCaption(plat::vbCStr((PointerBottom - y) * 2 / 1000.0) + QStringLiteral(" V"));
}

void TestsMateriel::takeSamples()
{
    const int le = testedLE();
    if (le < 0) return;
    const State& s = p_.s;
    ScopeValue[LPC] = s.status->RawLPC[le];
    ScopeValue[LFC] = s.status->RawLFC[le];
    ScopeValue[MAT] = 2 * s.status->TempMAT[le];
    ScopeValue[SHT] = 2 * s.status->TempSHT[le];
}

void TestsMateriel::Timer2_Timer()
{
    plat::Canvas& c = Picture1.canvas();
    for (int n = 0; n <= GridLastSample && n * ScopeStepX <= c.widthTwips(); n += GridSampleStep)
        for (int v : GridValues) c.pset(n * ScopeStepX, scopeY(v), GridGrey);
    Timer2.setEnabled(false);
}

void TestsMateriel::Timer3_Timer()
{
    plat::Canvas& c = Picture1.canvas();
    takeSamples();
    // The level lines leave out the top margin: they sit 150 twips above
    // the heights of their values on the traces.
    if (Check6.value() == 1)
        for (int x = 0; x <= LevelLineEnd; x += LevelDotStep)
            c.pset(x, 256 * ScopeScaleY - LpcLevel * ScopeScaleY, LpcMagenta);
    if (Check8.value() == 1)
        for (int x = 0; x <= LevelLineEnd; x += LevelDotStep)
            c.pset(x, 256 * ScopeScaleY - LfcLevel * ScopeScaleY, LfcLevelGreen);
    if (Check3.value() == 1) Timer2.setEnabled(true);

    int& count = p_.s.parameters->CompteurScope;
    if (Check4.value() != 1) {
        const struct {
            const plat::CheckBox& box;
            Channel ch;
            plat::Color colour;
        } traces[] = {{Check11, SHT, ShtCyan}, {Check10, MAT, MatYellow}, {Check7, LFC, LfcGreen}, {Check5, LPC, LpcMagenta}};
        for (const auto& t : traces) {
            if (t.box.value() != 1) continue;
            c.line(count * ScopeStepX, scopeY(ScopeValue[t.ch]), (count - 1) * ScopeStepX,
                   scopeY(ScopePrevValue[t.ch]), t.colour);
        }
        ScopePrevValue = ScopeValue;
    }
    Label9.setCaption(QString::number(count) + QStringLiteral(" / ") + QString::number(ScopeSweepEnd));
    if (count > ScopeSweepEnd) {
        count = 0;
        c.cls();
    } else {
        ++count;
    }
}

void TestsMateriel::drawBar(int x1, int value, plat::Color colour)
{
    plat::Canvas& c = Picture1.canvas();
    const int bottom = scopeY(0);
    c.line(x1, ScopeOffsetY, x1 + BarWidth, bottom, plat::colors::Black, plat::Canvas::BoxFilled);
    c.line(x1, scopeY(value), x1 + BarWidth, bottom, colour, plat::Canvas::BoxFilled);
}

void TestsMateriel::Timer4_Timer()
{
    const QString n = QString::number(p_.s.common->SelectedLE);
    StartTestLE.setCaption(QStringLiteral("Start LE") + n);
    StoptTestLE.setCaption(QStringLiteral("Stop LE") + n);
    ScopeChannelSum = ScopeChannelCode[0] + ScopeChannelCode[1] + ScopeChannelCode[2];
    if (Check4.value() == 1) {
        ScopeOffsetY = 150;
        ScopeScaleY = 10;
        takeSamples();
        // Bar positions by the channels shown: one bar in the middle, two
        // at thirds, three at quarters.
        struct Bar {
            Channel ch;
            int x1;
        };
        std::vector<Bar> bars;
        switch (ScopeChannelSum) {
        case 1: bars = {{LPC, 1470}}; break;
        case 2: bars = {{LFC, 1470}}; break;
        case 3: bars = {{LPC, 980}, {LFC, 1960}}; break;
        case 4: bars = {{MAT, 1470}}; break;
        case 5: bars = {{LPC, 980}, {MAT, 1960}}; break;
        case 6: bars = {{LFC, 980}, {MAT, 1960}}; break;
        case 7: bars = {{LPC, 735}, {LFC, 1470}, {MAT, 2205}}; break;
        default: break;
        }
        const plat::CheckBox* boxes[] = {&Check5, &Check7, &Check10};
        const plat::Color colours[] = {LpcMagenta, LfcGreen, MatYellow};
        for (const Bar& b : bars)
            if (boxes[b.ch]->value() == 1) drawBar(b.x1, ScopeValue[b.ch], colours[b.ch]);
    }
    if (Check3.value() == 1) Timer2.setEnabled(true);
}

} // namespace orv
