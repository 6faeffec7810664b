// The main window as designed: where every control stands, what it reads,
// its colours and fonts, and what is shown or enabled before any code runs.
// Positions are twips in the control's container.

#include "shell/Log.h"
#include "shell/Program.h"

#include <array>
#include <utility>
#include <vector>

namespace orv {

using plat::ButtonFace;
using plat::Color;
using plat::rgb;

namespace {

constexpr Color LightCyan = rgb(128, 255, 255);
constexpr Color PaleCyan = rgb(192, 255, 255);
constexpr Color LightGrey = rgb(224, 224, 224);
constexpr Color Grey = rgb(192, 192, 192);
constexpr Color Orange = rgb(255, 128, 0);
constexpr Color LoginGreen = rgb(128, 255, 128);
constexpr Color Lavender = rgb(192, 192, 255);
constexpr Color WindowWhite = rgb(255, 255, 255);

void label(plat::Label& l, int x, int y, int w, int h, const QString& caption, Color back = ButtonFace,
           int align = plat::Label::AlignLeft)
{
    l.move(x, y, w, h);
    l.setCaption(caption);
    l.setBackColor(back);
    l.setAlignment(align);
}

void centred(plat::Label& l, int x, int y, int w, int h, const QString& caption, Color back = ButtonFace)
{
    label(l, x, y, w, h, caption, back, plat::Label::AlignCenter);
}

// Status grid: one column per value, 720 twips apart; the titles stand in
// one row above the strips, each over its column.
constexpr int GridFirstTitle = 1200;   // window x of the "Ready" column
constexpr int GridStep = 720;
constexpr int GridCellWidth = 690;
constexpr int StripLeft = 120;
int stripX(int column) { return GridFirstTitle - StripLeft + GridStep * column; }

// Temperature scale of the gauge, lowest first, with the top of each label.
struct ScaleMark {
    const char* text;
    int top;
};
constexpr std::array<ScaleMark, 10> TempScale{{{"  0°C", 7560},
                                               {"  25°C", 6830},
                                               {"  30°C", 6650},
                                               {"  50°C", 6110},
                                               {"  70°C", 5525},
                                               {"  80°C", 5235},
                                               {"100°C", 4655},
                                               {"115°C", 4250},
                                               {"120°C", 4060},
                                               {"128°C", 3840}}};

} // namespace

void Log::layoutControls()
{
    setCaption("  Travin Light Engine Control (RS232)");
    move(0, 0, 13150, 10920);

    // --- login panel (hidden until the login arming shows it)
    Picture12.move(4680, 3000, 3780, 4020);
    Picture12.setBackColor(LoginGreen);
    Picture12.setBorderStyle(1);
    Picture12.setVisible(false);
    Picture14.move(3360, 120, 255, 255);
    Picture14.setBackColor(LoginGreen);
    centred(Label2[1], 360, 720, 3015, 375, "FADEC", LoginGreen);
    Label2[1].setFontSize(13.5);
    centred(Label29[6], 240, 1200, 3255, 615, "", LoginGreen);
    Label29[6].setFontBold(true);
    Label29[6].setFontSize(24);
    label(Label30[6], 360, 2160, 3015, 255, "Password :", LoginGreen);
    Text1.move(360, 2400, 3015, 285);
    Text1.setPasswordChar("*");
    QuitteProg.move(360, 3000, 855, 495);
    QuitteProg.setCaption("Quitt");
    OkStart.move(1440, 3000, 1935, 495);
    OkStart.setCaption("Validation");
    OkStart.setDefault(true);

    // --- curtain, out of sight until the login spreads it
    Picture10.move(13200, 9000, 735, 855);
    Picture10.setBackColor(Grey);

    // --- command strip
    ActiveDesactiveRS232.move(120, 120, 1935, 615);
    ActiveDesactiveRS232.setCaption("Please Wait");
    ActiveDesactiveRS232.setEnabled(false);
    Picture15.move(2400, 120, 1620, 615);   // restart wait bar
    Picture15.setBackColor(Grey);
    Picture15.setVisible(false);
    // The QTH lamp button, "QTH-Start" at load.
    CommHalOperator.move(4920, 120, 1575, 615);
    CommHalOperator.setCaption("QTH-Start");
    CommHalOperator.setBackColor(LightGrey);
    CommHalOperator.setVisible(false);
    Picture3.move(6600, 120, 1335, 615);   // data logger indicator
    Picture3.setBackColor(Lavender);
    Picture3.setVisible(false);
    label(Label55, 120, 200, 1095, 255, "Datalogger", Lavender);
    label(Label9, 8040, 120, 2295, 240, "---", LightCyan);
    label(Label22, 8040, 360, 2295, 240, "---");

    // --- status grid: titles, then one strip per LE
    struct Title {
        plat::Label* label;
        const char* caption;
        Color back;
    };
    const std::array<Title, 12> titles{{{&Label74, "Ready", ButtonFace},
                                        {&Label19, "Version", ButtonFace},
                                        {&Label71, "Phase", ButtonFace},
                                        {&Label73, "Step", ButtonFace},
                                        {&Label6, "LPC", LightCyan},
                                        {&Label13, "LFC", LightCyan},
                                        {&Label8, "VIS", LightCyan},
                                        {&Label10, "IR", ButtonFace},
                                        {&Label12, "RH", ButtonFace},
                                        {&Label20, "MAT", ButtonFace},
                                        {&Label23, "SHT", ButtonFace},
                                        {&Label17, "PWR in", Orange}}};
    for (int c = 0; c < int(titles.size()); ++c)
        centred(*titles[c].label, GridFirstTitle + GridStep * c, 840, GridCellWidth, 255, titles[c].caption,
                titles[c].back);
    // The LFC-2 block beyond "PWR in", shown only while an LE has an LFC-2 sensor.
    const int lfcX = GridFirstTitle + GridStep * 12;
    centred(Label47, lfcX, 600, 600, 240, "Slow");
    centred(Label46, lfcX + 660, 600, 600, 240, "Fast");
    centred(Label48, lfcX + 1320, 600, 600, 240, "");
    centred(Label36, lfcX, 840, 600, 255, "LFC2");
    centred(Label38, lfcX + 660, 840, 600, 255, "LFC3");
    centred(Label43, lfcX + 1320, 840, 600, 255, "Cal");
    for (plat::Label* h : {&Label36, &Label38, &Label47, &Label43, &Label48, &Label46}) h->setVisible(false);

    for (int i = 0; i < LeCount; ++i) {
        Picture5[i].move(StripLeft, 1200 + 240 * i, 9780, 240);
        centred(Label26[i], 0, 0, 600, 240, QStringLiteral("LE%1").arg(i + 1));
        Label26[i].setFontBold(true);
        centred(Label28[i], 660, 0, 240, 240, "S", Orange);
        Label28[i].setVisible(false);
        centred(Label21[i], stripX(0), 0, GridCellWidth, 240, " ---", plat::ButtonFace);
        plat::Label* values[] = {&Label39[i], &Label24[i], &Label11[i], &Label31[i], &Label32[i], &Label33[i],
                                 &Label34[i], &Label35[i], &Label40[i], &Label41[i], &Label15[i]};
        for (int c = 0; c < 11; ++c) centred(*values[c], stripX(c + 1), 0, GridCellWidth, 240, "---", WindowWhite);
        centred(Label37[i], stripX(12), 0, 600, 240, "---", WindowWhite);
        centred(Label42[i], stripX(12) + 660, 0, 600, 240, "---", WindowWhite);
        centred(Label44[i], stripX(12) + 1320, 0, 600, 240, "");
        for (plat::Label* l : {&Label37[i], &Label42[i], &Label44[i]}) l->setVisible(false);
    }

    // --- row above the trace area
    label(Label66, 120, 3360, 1800, 255, "LPx=");
    label(Label1, 1980, 3360, 600, 255, "");
    label(Label7, 2700, 3360, 1000, 255, "Ph");
    label(Label5, 3780, 3360, 1200, 255, "Step");
    centred(Label25, 6300, 3360, 3120, 255, "00.00.00  /  00.00.0000");
    centred(Label70, 9720, 3360, 1335, 255, "Temperature");
    centred(Label76, 11520, 3360, 1335, 255, "LE Power");

    // --- trace area, rest boxes, event lists, I/O monitor
    Picture13.move(120, 3720, 9340, 4215);
    Picture13.setBackColor(plat::colors::Black);
    for (int i = 0; i < LeCount; ++i) {
        Picture4[i].move(120 + 1180 * i, 7960, 1095, 300);
        Picture4[i].setBackColor(WindowWhite);
        Picture4[i].setFontName("MS Serif");
    }
    for (plat::ListBox* list : {&List3, &List4}) {
        list->setBackColor(plat::colors::Black);
        list->setForeColor(plat::colors::Red);
    }
    List3.move(120, 8280, 2335, 1800);
    List3.setFontSize(7.5);   // a port test line with its "?" fits beside the scroll bar
    List4.move(2445, 8280, 7065, 1800);
    Picture22.move(11640, 3000, 3735, 7095);
    Picture22.setBackColor(plat::colors::Black);
    Picture22.setFontSize(7.5);   // the I/O monitor's longest names fit the panel
    Picture22.setVisible(false);

    // --- temperature gauge: frame from (9600, 3480) to (11280, 10080)
    Line4.setPoints(9600, 3480, 11280, 3480);
    Line21.setPoints(9600, 10080, 11280, 10080);
    Line22.setPoints(9600, 3480, 9600, 10080);
    Line23.setPoints(11280, 3480, 11280, 10080);
    Line24.setPoints(9600, 8280, 11280, 8280);
    Picture9.move(10200, 3960, 135, 1225);   // red, shown for water cooling
    Picture9.setBackColor(plat::colors::Red);
    Picture2[2].move(10200, 4680, 135, 360);
    Picture2[2].setBackColor(Orange);
    Picture8.move(10200, 5040, 135, 960);
    Picture8.setBackColor(rgb(0, 128, 0));
    Picture7.move(10200, 6000, 135, 1170);
    Picture7.setBackColor(plat::colors::Green);
    Picture1.move(9885, 3945, 120, 3870);   // the bar, 30 twips per degree from its foot
    Picture1.setBackColor(plat::colors::Black);
    plat::Line* ticks[] = {&Line8[0], &Line9[0], &Line1[2], &Line2[0], &Line11,
                           &Line17[0], &Line3[0], &Line7[0], &Line6[0], &Line15[0]};
    for (int k = 0; k < 10; ++k) {
        label(Label79[k], 10560, TempScale[k].top, 660, 195, TempScale[k].text);
        Label79[k].setFontSize(6.75);
        const int y = TempScale[k].top + 100;
        ticks[k]->setPoints(10380, y, 10530, y);
    }
    Picture11.move(9705, 7800, 450, 375);
    label(Label68, 9720, 8400, 1455, 375, "---");
    Label68.setFontBold(true);
    Label68.setFontSize(12);
    for (int k = 0; k < 2; ++k) {
        Picture6[k].move(9720, 8880 + 480 * k, 1455, 495);
        Picture6[k].setBackColor(PaleCyan);
    }
    centred(Label72, 120, 120, 1215, 255, "MAT", PaleCyan);
    centred(Label75, 120, 120, 1215, 255, "SHT", PaleCyan);

    // --- power gauge: frame from (11400, 3480) to (12960, 10080)
    Line25.setPoints(11400, 3480, 12960, 3480);
    Line26.setPoints(11400, 10080, 12960, 10080);
    Line27.setPoints(11400, 3480, 11400, 10080);
    Line28.setPoints(12960, 3480, 12960, 10080);
    Line29.setPoints(11400, 8280, 12960, 8280);
    VScroll1.move(11880, 3720, 615, 4455);
    VScroll1.setRange(130, 30);   // the largest set-point at the top
    VScroll1.setSmallChange(1);
    VScroll1.setLargeChange(10);
    VScroll1.setValue(50);
    VScroll1.setEnabled(false);
    centred(Label3, 11520, 8400, 1335, 435, "---", Orange);
    Label3.setFontBold(true);
    Label3.setFontSize(18);
    PWIndividuel.move(11520, 8880, 1335, 495);
    PWIndividuel.setCaption("Single LE");
    PWIndividuel.setEnabled(false);
    CopiePWSlider.move(11520, 9360, 1335, 495);
    CopiePWSlider.setCaption("Set All LE");
    CopiePWSlider.setBackColor(LightGrey);
    CopiePWSlider.setEnabled(false);

    // --- two spare sliders with their value labels, never shown
    for (plat::VScrollBar* bar : {&VScroll2, &VScroll3}) {
        bar->setRange(0, 255);
        bar->setVisible(false);
    }
    VScroll2.move(12600, 600, 255, 1200);
    VScroll3.move(12900, 600, 255, 1200);
    label(Label49, 12600, 1920, 495, 255, "0");
    label(Label50, 12900, 1920, 495, 255, "0");
    Label49.setVisible(false);
    Label50.setVisible(false);

    // --- menus
    mnuStartMode.setVisible(false);
    mnuStartMode2.setVisible(false);
    mnuFunctions.setVisible(false);   // start-up shows it
    mnuOffDataLogger.setChecked(true);
    mnuMultiEcran.setChecked(true);

    // --- stacking. Control arrays get their elements after the single
    // controls; put the windowed ones from the gauge zones on back into
    // declaration order (later in the window's list lies further back), so
    // that the curtain lies in front of the temperature icon, the event list
    // and the LE strips only, and every other windowed control in front of it.
    std::vector<plat::Control*> order{&Picture2[2], &Picture7, &Picture8, &Picture9, &Picture6[0], &Picture6[1]};
    for (int i = 0; i < LeCount; ++i) order.push_back(&Picture4[i]);
    for (plat::Control* c : std::initializer_list<plat::Control*>{&Picture3, &List3, &Picture10, &Picture11, &List4})
        order.push_back(c);
    for (int i = 0; i < LeCount; ++i) order.push_back(&Picture5[i]);
    for (plat::Control* c : order) {
        release(c);
        adopt(c);
    }

    // --- timers running from load: login arming, status refresh, LFC-2 labels
    Timer2.setEnabled(true);
    Timer3.setEnabled(true);
    Timer8.setEnabled(true);
}

void Log::wireMainWindow()
{
    // login panel
    Timer2.onTimer = [this] { Timer2_Timer(); };
    Timer13.onTimer = [this] { Timer13_Timer(); };
    OkStart.onClick = [this] { OkStart_Click(); };
    QuitteProg.onClick = [this] { QuitteProg_Click(); };
    Picture14.onClick = [this] { Picture14_Click(); };
    mnuStartMode.onClick = [this] { mnuStartMode_Click(); };

    // status refresh
    Timer3.onTimer = [this] { Timer3_Timer(); };
    Timer8.onTimer = [this] { Timer8_Timer(); };
    Timer15.onTimer = [this] { Timer15_Timer(); };
    Timer48.onTimer = [this] { Timer48_Timer(); };
    Timer63.onTimer = [this] { Timer63_Timer(); };
    Timer64.onTimer = [this] { Timer64_Timer(); };
    // Start-up arms Timer65 once; its only effect was on a table nothing
    // reads, so its tick just ends it.
    Timer65.onTimer = [this] { Timer65.setEnabled(false); };

    // Functions menu
    const std::pair<plat::Menu*, void (Log::*)()> items[] = {
        {&mnuParameterVB, &Log::mnuParameterVB_Click},
        {&mnuStopAlarm, &Log::mnuStopAlarm_Click},
        {&mnuRegulateActive, &Log::mnuRegulateActive_Click},
        {&MnuResetMagDrive, &Log::MnuResetMagDrive_Click},
        {&mnuCodeError, &Log::mnuCodeError_Click},
        {&mnuhisto, &Log::mnuhisto_Click},
        {&mnuEraseListe4, &Log::mnuEraseListe4_Click},
    };
    for (const auto& [item, handler] : items) item->onClick = [this, h = handler] { (this->*h)(); };

    // panel commands
    CopiePWSlider.onClick = [this] { CopiePWSlider_Click(); };
    PWIndividuel.onClick = [this] { PWIndividuel_Click(); };
    Label17.onClick = [this] { Label17_Click(); };
    Label9.onClick = [this] { Label9_Click(); };
    ActiveDesactiveRS232.onClick = [this] { ActiveDesactiveRS232_Click(); };
    for (int i = 0; i < LeCount; ++i) {
        Label37[i].onMouseDown = [this, i](const plat::MouseArgs& a) { Label37_MouseDown(i, a.button, a.shift, a.x, a.y); };
        Label42[i].onMouseDown = [this, i](const plat::MouseArgs& a) { Label42_MouseDown(i, a.button, a.shift, a.x, a.y); };
    }
    Label72.onClick = [this] { Label72_Click(); };
    Label75.onClick = [this] { Label75_Click(); };
    for (int k = 0; k < 2; ++k) Picture6[k].onClick = [this, k] { Picture6_Click(k); };
    VScroll2.onChange = VScroll2.onScroll = [this] { VScroll2_Change(); };
    VScroll3.onChange = VScroll3.onScroll = [this] { VScroll3_Change(); };
}

} // namespace orv
