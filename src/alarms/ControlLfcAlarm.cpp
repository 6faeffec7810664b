#include "alarms/ControlLfcAlarm.h"

#include "alarms/ActivatedBlink.h"
#include "alarms/AlarmFiles.h"
#include "alarms/AlarmPictures.h"
#include "alarms/AlarmRelay.h"
#include "alarms/AlarmsState.h"
#include "shell/AlarmsShared.h"
#include "shell/LinkStatus.h"
#include "shell/ParamLogicielVB.h"
#include "shell/Program.h"

#include <algorithm>

namespace orv {

namespace {
const QString ActivatedText = QStringLiteral("LFC Activated");
constexpr uint8_t PhaseRunning = 5;
constexpr plat::Color LineBlue = plat::rgb(0, 0, 128);
constexpr plat::Color BarGreen = plat::rgb(0, 128, 0);
} // namespace

ControlLfcAlarm::ControlLfcAlarm(Program& p)
    : plat::Form(p.rt, "ControlLfcAlarm"),
      mnuFile(*this, "mnuFile", "File"),
      mnuResetAlarm(mnuFile, "mnuResetAlarm", "Reset Alarm"),
      mnuQuitte(mnuFile, "mnuQuitte", "Quit"),
      p_(p)
{
    setCaption(QStringLiteral("LFC Alarm Control") + QString(103, QLatin1Char(' ')) + QStringLiteral("Save --->"));
    setControlBox(false);
    setClientSize(7545, 8460);

    Label12.move(1200, 120, 2775, 255);
    Label12.setForeColor(plat::colors::Red);
    Label12.setFontBold(true);
    Picture5.move(6405, 285, 480, 480);
    drawAlarmIndicator(Picture5);
    Label1.move(6120, 960, 1215, 255);
    Label1.setCaption(QStringLiteral("Alarm  (Reset)"));
    Label2.move(600, 480, 2415, 255);
    Label2.setCaption(QStringLiteral("LE Active : "));
    Check2.move(960, 840, 2775, 255);
    Check2.setCaption(QStringLiteral("Warning Indicator Active "));
    Check2.setVisible(false);

    Frame1.setCaption(QStringLiteral(" LFC Read "));
    Frame1.move(360, 1800, 4440, 660);
    Frame2.setCaption(QStringLiteral(" Adjust Alarm  "));
    Frame2.move(5280, 1800, 1800, 660);
    for (int i = 0; i < 6; ++i) {
        plat::Label& name = leLabel(i);
        name.move(120 + 720 * i, 360, 495, 255);   // x 480 + 720 i, y 2160 on the window
        name.setCaption(QStringLiteral("LE-%1").arg(i + 1));
        name.setAlignment(plat::Label::AlignCenter);
        plat::CheckBox& box = Check1.add(i);
        box.move(600 + 720 * i, 2520, 255, 255);
        box.setCaption(QStringLiteral(" "));
        plat::PictureBox& bar = Picture3.add(i);
        bar.move(600 + 720 * i, 2880, 135, 4864);
        bar.setBorderStyle(1);
        bar.setBackColor(plat::colors::White);
    }
    Label4.move(120, 360, 495, 255);   // (5400, 2160) on the window
    Label4.setCaption(QStringLiteral("Min"));
    Label5.move(1080, 360, 495, 255);   // (6360, 2160) on the window
    Label5.setCaption(QStringLiteral("Max"));
    for (plat::Label* l : {&Label4, &Label5}) l->setAlignment(plat::Label::AlignCenter);

    for (int i = 0; i < 2; ++i) {
        plat::VScrollBar& bar = VScroll1.add(i);
        bar.move(i == 0 ? 5520 : 6480, 2760, 255, 5175);
        bar.setRange(255, 0);
        bar.setLargeChange(10);
        bar.setSmallChange(1);
        bar.setValue(130);
        plat::Label& value = Label3.add(i);
        value.move(i == 0 ? 5400 : 6360, 8040, 495, 255);
        value.setAlignment(plat::Label::AlignCenter);
        value.setCaption(QStringLiteral("---"));
        bar.onChange = [this, i] { VScroll1_Change(i); };
        bar.onScroll = [this, i] { VScroll1_Change(i); };
    }

    Check2.onClick = [this] { Check2_Click(); };
    mnuResetAlarm.onClick = [this] { mnuResetAlarm_Click(); };
    mnuQuitte.onClick = [this] { mnuQuitte_Click(); };
    Picture5.onClick = [this] { Picture5_Click(); };
    Timer1.onTimer = [this] { Timer1_Timer(); };
    Timer2.onTimer = [this] { Timer2_Timer(); };
    Timer3.onTimer = [this] { Timer3_Timer(); };
    Timer4.onTimer = [this] { Timer4_Timer(); };
    Timer5.onTimer = [this] { Timer5_Timer(); };
    Timer6.onTimer = [this] { Timer6_Timer(); };
}

plat::Label& ControlLfcAlarm::leLabel(int le)
{
    plat::Label* labels[6] = {&Label6, &Label7, &Label8, &Label9, &Label10, &Label11};
    return *labels[std::clamp(le, 0, 5)];
}

void ControlLfcAlarm::Form_QueryUnload(int& cancel, int unloadMode)
{
    if (unloadMode == plat::FormControlMenu) cancel = 1;
}

void ControlLfcAlarm::Form_Load() { setTopmost(true); }

void ControlLfcAlarm::VScroll1_Change(int index)
{
    Label3[index].setCaption(QString::number(VScroll1[index].value()));
}

// The warning-indicator box only keeps its tick for the alarm file; a click
// does nothing else.
void ControlLfcAlarm::Check2_Click() {}

// The relay requests come back at the next test while the condition holds.
void ControlLfcAlarm::mnuResetAlarm_Click()
{
    Picture5.setVisible(false);
    setAlarmRelays(p_.s, AlarmRelayWriter::LFC, 0);
}

void ControlLfcAlarm::Picture5_Click() { mnuResetAlarm_Click(); }

// A file that cannot be written keeps its former content; the window still hides.
void ControlLfcAlarm::mnuQuitte_Click()
{
    writeLfcSettings(p_, *this);
    hide();
}

void ControlLfcAlarm::Timer1_Timer()
{
    State& s = p_.s;
    const int lower = VScroll1[0].value();
    const int upper = VScroll1[1].value();
    // A crossed pair is shown, not refused.
    for (int i = 0; i < 2; ++i) Label3[i].setBackColor(lower > upper ? plat::colors::Red : plat::ButtonFace);

    // The two limit lines run from the bars to the sliders' thumbs.
    plat::Canvas& drawing = canvas();
    drawing.cls();
    drawing.setDrawStyle(plat::Canvas::Dot);
    drawing.line(480, 7640 - 18 * lower, 6000, 7640 - 18 * lower, LineBlue);
    drawing.line(480, 7640 - 18 * upper, 7000, 7640 - 18 * upper, LineBlue);
    drawing.setDrawStyle(plat::Canvas::Solid);

    for (int i = 0; i < 6; ++i) {
        plat::Canvas& bar = Picture3[i].canvas();
        bar.cls();
        bar.line(0, 4750, 135, 4750 - 19 * s.status->RawLFC[i], s.status->PhaseLP[i] == PhaseRunning ? BarGreen : LineBlue,
                 plat::Canvas::BoxFilled);
    }

    const int watched = std::min<int>(s.alarms->LEActiveAlarm, AlarmLECount - 1);
    Label2.setCaption(QStringLiteral("LE Active : %1").arg(watched + 1));

    // The first ticked LE in phase 5 outside the band sets the flag.
    s.alarmsShared->AlarmLFCActive = 0;
    for (int i = 0; i < 6; ++i) {
        if (s.status->PhaseLP[i] != PhaseRunning || Check1[i].value() == 0) continue;
        if (s.status->RawLFC[i] < lower || s.status->RawLFC[i] > upper) {
            s.alarmsShared->AlarmLFCActive = 1;
            break;
        }
    }

    // The relay request goes to the LE watched in the QTH window.
    Picture5.setVisible(s.alarmsShared->AlarmLFCActive == 1);
    alarmRelay(s, AlarmRelayWriter::LFC, watched) = s.alarmsShared->AlarmLFCActive == 1 ? 1 : 0;
}

void ControlLfcAlarm::Timer2_Timer()
{
    readLfcSettings(p_, *this);
    Timer2.setEnabled(false);
}

void ControlLfcAlarm::Timer3_Timer()
{
    Picture5.setVisible(false);
    Timer3.setEnabled(false);
}

// A hidden column is still tested while its box is ticked.
void ControlLfcAlarm::Timer4_Timer()
{
    ParamLogicielVB& settings = *p_.form<ParamLogicielVB>();
    for (int i = 0; i < 6; ++i) {
        const bool shown = settings.LEActivatedSet(i);
        Picture3[i].setVisible(shown);
        Check1[i].setVisible(shown);
        leLabel(i).setVisible(shown);
    }
}

void ControlLfcAlarm::Timer5_Timer() { showBlinkText(Label12, ActivatedText, Timer5, Timer6); }

void ControlLfcAlarm::Timer6_Timer() { blankBlinkText(Label12, ActivatedText, Timer6, Timer5); }

} // namespace orv
