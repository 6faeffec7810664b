#include "shell/ParamLogicielVB.h"

#include "platform/Dialogs.h"
#include "shell/Log.h"
#include "shell/Program.h"
#include "shell/SettingsStore.h"
#include "shell/ShellState.h"
#include "shell/State.h"

namespace orv {

namespace {

constexpr plat::Color LightBlue = plat::rgb(192, 192, 255);   // the window's back colour
constexpr plat::Color SulphurOrange = plat::rgb(255, 128, 0);

QString leNumber(int index) { return QString::number(index + 1); }

} // namespace

ParamLogicielVB::ParamLogicielVB(Program& p)
    : plat::Form(p.rt, "ParamLogicielVB"),
      Frame1(*this, "Frame1"), Frame2(*this, "Frame2"), Frame3(*this, "Frame3"), Frame4(*this, "Frame4"),
      Frame5(*this, "Frame5"), Frame6(*this, "Frame6"), Frame7(*this, "Frame7"), Frame8(*this, "Frame8"),
      Frame9(*this, "Frame9"), Frame10(*this, "Frame10"),
      Check1(*this, "Check1"), Check7(*this, "Check7"), Check4(*this, "Check4"), Option1(*this, "Option1"),
      Check2(Frame5, "Check2"), Check3(Frame6, "Check3"), Check5(Frame7, "Check5"), Check6(Frame8, "Check6"),
      Check8(Frame9, "Check8"), Check18(Frame10, "Check18"),
      Check9(*this, "Check9"), Check10(*this, "Check10"), Check11(*this, "Check11"), Check12(*this, "Check12"),
      Check13(*this, "Check13"), Check14(*this, "Check14"), Check16(*this, "Check16"),
      Text2(*this, "Text2"),
      VScroll1(*this, "VScroll1"), VScroll2(*this, "VScroll2"), VScroll3(*this, "VScroll3"),
      VScroll4(*this, "VScroll4"), VScroll5(*this, "VScroll5"), VScroll6(*this, "VScroll6"),
      Picture1(*this, "Picture1"), Picture2(*this, "Picture2"),
      Label1(*this, "Label1"), Label2(*this, "Label2"), Label3(*this, "Label3"), Label4(*this, "Label4"),
      Label5(*this, "Label5"), Label6(*this, "Label6"),
      Timer1(*this, "Timer1", 50, true),
      p_(p)
{
    for (int i = 0; i < 8; ++i) {
        Check1.add(i, &Frame1);
        Check7.add(i, &Frame2);
        Check4.add(i, &Frame3);
    }
    for (int k = 0; k <= 6; ++k) Option1.add(k, &Frame4);
    layOut();
    wire();
}

void ParamLogicielVB::layOut()
{
    setCaption(QStringLiteral("  Software Settings") + QString(169, QLatin1Char(' ')) + QStringLiteral("Save --->"));
    move(1200, 900, 10620, 7800);
    setBackColor(LightBlue);

    struct Group { plat::Frame& frame; const char* caption; int left, top, width, height; };
    const Group groups[] = {
        {Frame1, " Activated Light Engine (LE) ", 120, 120, 2400, 3000},
        {Frame2, " Activated LE (Soufre) ", 2640, 120, 2400, 3000},
        {Frame3, " Capteur(s)  LFC2 ", 5160, 120, 2400, 3000},
        {Frame4, "Sample Holder Temp. (SHT) ", 7680, 120, 2640, 3000},
        {Frame5, " Display Num/Coeff ", 120, 3240, 2400, 645},
        {Frame6, " Alarm COM Port ", 2640, 3240, 2400, 645},
        {Frame7, " QTH Option ", 5160, 3240, 2400, 645},
        {Frame8, " Bulb Motor RPM Control ", 7680, 3240, 2640, 645},
        {Frame9, " MAT Indicator ", 120, 4005, 2400, 645},
        {Frame10, " Password (Program Start) ", 2640, 4005, 2400, 645},
    };
    for (const Group& g : groups) {
        g.frame.setCaption(QString::fromUtf8(g.caption));
        g.frame.move(g.left, g.top, g.width, g.height);
        g.frame.setBackColor(LightBlue);
    }

    auto place = [](plat::CheckBox& c, const QString& caption, int left, int top, int width) {
        c.setCaption(caption);
        c.move(left, top, width, 285);
        c.setBackColor(LightBlue);
    };
    for (int i = 0; i < 8; ++i) {
        const QString le = QStringLiteral("LE") + leNumber(i);
        place(Check1[i], le + QStringLiteral(", Deactivated"), 120, 300 + 330 * i, 2160);
        place(Check7[i], le + QStringLiteral(", Normal"), 120, 300 + 330 * i, 2160);
        place(Check4[i], le + QStringLiteral(", Deactivated"), 120, 300 + 330 * i, 2160);
    }
    for (int k = 0; k <= 6; ++k) {
        plat::OptionButton& o = Option1[k];
        o.setCaption(k < 6 ? QStringLiteral("LE") + leNumber(k) + QStringLiteral(", Deactivated")
                           : QStringLiteral("Deactivated"));
        o.setToolTipText(k < 6 ? QStringLiteral("Stop if the holder temp > Ref Param") : QStringLiteral("Not used"));
        o.move(120, 300 + 360 * k, 2400, 285);
        o.setBackColor(LightBlue);
    }
    place(Check2, QStringLiteral("Normal view"), 120, 270, 2160);
    place(Check3, QStringLiteral("Deactivated"), 120, 270, 2160);
    place(Check5, QStringLiteral("OFF"), 120, 270, 2160);
    place(Check6, QStringLiteral("Deactivated"), 120, 270, 2400);
    place(Check8, QString::fromUtf8("120°C Air Cooling"), 120, 270, 2160);
    place(Check18, QStringLiteral("Deactivated"), 120, 270, 2160);

    struct Hide { plat::CheckBox& box; const char* caption; int left, top; };
    const Hide hides[] = {
        {Check9, "LFC Visible", 5280, 4005},  {Check10, "VIS Visible", 5280, 4335},
        {Check11, "IR Visible", 5280, 4665},  {Check12, "RH Visible", 5280, 4995},
        {Check13, "Li Visible", 7800, 4005},  {Check14, "VCC Visible", 7800, 4335},
        {Check16, "SHT Visible  ", 7800, 4665},
    };
    for (const Hide& h : hides) place(h.box, QString::fromLatin1(h.caption), h.left, h.top, 2280);

    // Login banner: customer name and its colours.
    Label1.setCaption(QStringLiteral("Customer Name :"));
    Label1.move(120, 4800, 1440, 255);
    Text2.move(1620, 4755, 3420, 315);
    plat::VScrollBar* bars[] = {&VScroll4, &VScroll5, &VScroll6, &VScroll1, &VScroll2, &VScroll3};
    for (int i = 0; i < 6; ++i) {
        plat::VScrollBar& b = *bars[i];
        b.setRange(0, 255);
        b.setLargeChange(10);
        b.setSmallChange(1);
        // Each triple under its " R     V      B" caption, the text colour's
        // beyond the background sample.
        b.move(240 + 360 * i + (i >= 3 ? 1020 : 0), 5700, 255, 1605);   // ends inside the client area
    }
    Label2.setCaption(QStringLiteral(" R     V      B"));
    Label2.move(180, 5400, 1200, 255);
    Label3.setCaption(QStringLiteral("Background"));
    Label3.move(1380, 5400, 900, 255);
    Picture2.move(1380, 5700, 495, 495);
    Label4.setCaption(QStringLiteral(" R     V      B"));
    Label4.move(2280, 5400, 1200, 255);
    Label5.setCaption(QStringLiteral("text"));
    Label5.move(3480, 5400, 600, 255);
    Picture1.move(3480, 5700, 495, 495);
    Label6.setCaption(QStringLiteral("Trace blanche"));
    Label6.move(5280, 5400, 1500, 255);
    for (plat::Label* l : {&Label1, &Label2, &Label3, &Label4, &Label5, &Label6}) l->setBackColor(LightBlue);
}

void ParamLogicielVB::wire()
{
    for (int i = 0; i < 8; ++i) {
        Check1[i].onClick = [this, i] { Check1_Click(i); };
        Check4[i].onClick = [this, i] { Check4_Click(i); };
        Check7[i].onClick = [this, i] { Check7_Click(i); };
    }
    for (int k = 0; k <= 6; ++k) Option1[k].onClick = [this, k] { Option1_Click(k); };
    Check2.onClick = [this] { Check2_Click(); };
    Check3.onClick = [this] { Check3_Click(); };
    Check5.onClick = [this] { Check5_Click(); };
    Check6.onClick = [this] { Check6_Click(); };
    Check8.onClick = [this] { Check8_Click(); };
    Check9.onClick = [this] { Check9_Click(); };
    Check10.onClick = [this] { Check10_Click(); };
    Check11.onClick = [this] { Check11_Click(); };
    Check12.onClick = [this] { Check12_Click(); };
    Check13.onClick = [this] { Check13_Click(); };
    Check14.onClick = [this] { Check14_Click(); };
    Check16.onClick = [this] { Check16_Click(); };
    Check18.onClick = [this] { Check18_Click(); };
    Timer1.onTimer = [this] { Timer1_Timer(); };
}

void ParamLogicielVB::Form_Load() { p_.Log->LectureParamLogStart(); }

void ParamLogicielVB::Form_QueryUnload(int& cancel, int unloadMode)
{
    writeSettingsFile(p_, *this);
    writeViewFile(p_, Check2.value());
    p_.Log->ActivDesacLgGraphique();
    if (EndOnClose == 1) {
        p_.rt.dialogs.msgBox(QStringLiteral("The 'Password' must reactivate the program! "),
                             int(plat::mb::OKOnly) | int(plat::mb::Exclamation), QStringLiteral("  Warning"));
        p_.End();
    }
}

// ------------------------------------------------------------ per-LE boxes

void ParamLogicielVB::Check1_Click(int i)
{
    Check1[i].setCaption(QStringLiteral("LE") + leNumber(i)
                         + (Check1[i].value() != 0 ? QStringLiteral(", Activated  ") : QStringLiteral(", Deactivated")));
    p_.Log->ActivDesacLgGraphique();
}

void ParamLogicielVB::Check4_Click(int i)
{
    const bool set = Check4[i].value() != 0;
    Check4[i].setCaption(QStringLiteral("LE") + leNumber(i)
                         + (set ? QStringLiteral(", Activated  ") : QStringLiteral(", Deactivated")));
    Log& log = *p_.Log;
    log.Label37[i].setVisible(set);
    log.Label42[i].setVisible(set);
    log.Label44[i].setVisible(set);

    p_.s.shell->AnyLFC2Sensor = 0;
    for (int k = 0; k < 8; ++k)
        if (Check4[k].value() == 1) p_.s.shell->AnyLFC2Sensor = 1;
    const bool any = p_.s.shell->AnyLFC2Sensor == 1;
    for (plat::Label* header : {&log.Label36, &log.Label38, &log.Label47, &log.Label43, &log.Label48, &log.Label46})
        header->setVisible(any);
    for (int k = 0; k < 8; ++k) log.Picture5[k].setWidth(any ? 11775 : 9780);
}

void ParamLogicielVB::Check7_Click(int i)
{
    const bool set = Check7[i].value() != 0;
    Check7[i].setCaption(QStringLiteral("LE") + leNumber(i) + (set ? QStringLiteral(", Soufre") : QStringLiteral(", Normal")));
    Check7[i].setBackColor(set ? SulphurOrange : LightBlue);
    p_.Log->Label28[i].setVisible(set);
}

void ParamLogicielVB::Option1_Click(int k)
{
    p_.s.common->SHTStopLE = uint8_t(k);
    for (int i = 0; i <= 6; ++i) Option1[i].setCaption(QStringLiteral("LE") + leNumber(i) + QStringLiteral(" Deactivated "));
    if (k < 6) Option1[k].setCaption(QStringLiteral("LE") + leNumber(k) + QStringLiteral(" Activated  "));
    Option1[6].setCaption(QStringLiteral("Deactivated  "));
}

// --------------------------------------------------------- caption boxes

namespace {
void setCaptionBy(plat::CheckBox& box, const QString& clear, const QString& set)
{
    box.setCaption(box.value() != 0 ? set : clear);
}
} // namespace

void ParamLogicielVB::Check2_Click() { setCaptionBy(Check2, "Normal view", "Display with coefficients"); }
void ParamLogicielVB::Check3_Click() { setCaptionBy(Check3, "Deactivated", "Activated   "); }
void ParamLogicielVB::Check5_Click() { setCaptionBy(Check5, "OFF    ", "ON     "); }
void ParamLogicielVB::Check6_Click() { setCaptionBy(Check6, "Deactivated", "Activated   "); }
void ParamLogicielVB::Check8_Click()
{
    setCaptionBy(Check8, QString::fromUtf8("120°C Air Cooling   "), QString::fromUtf8(" 70°C Water Cooling"));
}
void ParamLogicielVB::Check9_Click() { setCaptionBy(Check9, "LFC Visible  ", "LFC Invisible"); }
void ParamLogicielVB::Check10_Click() { setCaptionBy(Check10, "VIS Visible  ", "VIS Invisible"); }
void ParamLogicielVB::Check11_Click() { setCaptionBy(Check11, "IR Visible  ", "IR Invisible"); }
void ParamLogicielVB::Check12_Click() { setCaptionBy(Check12, "RH Visible  ", "RH Invisible"); }
void ParamLogicielVB::Check13_Click() { setCaptionBy(Check13, "Li Visible  ", "Li Invisible"); }
void ParamLogicielVB::Check14_Click() { setCaptionBy(Check14, "VCC Visible  ", "VCC Invisible"); }
void ParamLogicielVB::Check16_Click() { setCaptionBy(Check16, "SHT Visible  ", "SHT Invisible"); }

void ParamLogicielVB::Check18_Click()
{
    if (Check18.value() != 0) {
        Check18.setCaption(QStringLiteral("Activated   "));
        if (!loadingFromFile) EndOnClose = 1;
    } else {
        Check18.setCaption(QStringLiteral("Deactivated"));
        p_.Log->mnuStartMode.setVisible(false);
        p_.Log->mnuStartMode2.setVisible(false);
    }
}

// The banner preview follows the six colour bars. The timer runs while the
// window is loaded, shown or not; it sleeps while the preview already shows
// the bars' colours, so a loaded settings window (every read of a setting
// keeps one) costs no wake-ups.
void ParamLogicielVB::Timer1_Timer()
{
    const plat::Color text = previewTextColor();
    const plat::Color back = previewBackColor();
    Picture1.setBackColor(text);
    Text2.setForeColor(text);
    Picture2.setBackColor(back);
    Text2.setBackColor(back);
    Timer1.parkWhile([this] {
        const plat::Color text = previewTextColor();
        const plat::Color back = previewBackColor();
        return Picture1.backColor() == text && Text2.foreColor() == text && Picture2.backColor() == back
            && Text2.backColor() == back;
    });
}

plat::Color ParamLogicielVB::previewTextColor() const
{
    return plat::rgb(VScroll1.value(), VScroll2.value(), VScroll3.value());
}

plat::Color ParamLogicielVB::previewBackColor() const
{
    return plat::rgb(VScroll4.value(), VScroll5.value(), VScroll6.value());
}

} // namespace orv
