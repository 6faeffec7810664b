#include "alarms/Halogen.h"

#include "alarms/ActivatedBlink.h"
#include "alarms/AlarmFiles.h"
#include "alarms/AlarmPictures.h"
#include "alarms/AlarmRelay.h"
#include "alarms/AlarmsState.h"
#include "platform/Drive.h"
#include "platform/SeqFile.h"
#include "shell/LinkRequest.h"
#include "shell/LinkStatus.h"
#include "shell/Log.h"
#include "shell/ParamLogicielVB.h"
#include "shell/Program.h"

#include <algorithm>

namespace orv {

namespace {

const QString ActivatedText = QStringLiteral("QTH-Lamp Activated");
const QString DialogueFile = QStringLiteral("C:\\WINDOWS\\Dialogue.txt");
constexpr int ChannelCount = 4;
constexpr uint8_t PhaseRunning = 5;
constexpr uint8_t PhaseStopping = 6;
constexpr plat::Color LineBlue = plat::rgb(0, 0, 128);

// Column k of the window: check box, column picture, level label.
constexpr int columnX(int k) { return 600 + 720 * k; }

// AD1 channel k of LE index le, as reception keeps it.
uint8_t channelLevel(const State& s, int k, int le)
{
    switch (k) {
    case 0: return s.status->RawVIS[le];
    case 1: return s.status->RawIR[le];
    case 2: return s.status->RawRH[le];
    default: return s.status->RawAD13[le];
    }
}

} // namespace

Halogen::Halogen(Program& p)
    : plat::Form(p.rt, "Halogen"),
      MnuFileHalogen(*this, "MnuFileHalogen", "File"),
      mnuIDCarteAddonLPx(MnuFileHalogen, "mnuIDCarteAddonLPx", "Light Engine Selection"),
      mnuLP1Active(mnuIDCarteAddonLPx, "mnuLP1Active", "LE1 active"),
      mnuLP2Active(mnuIDCarteAddonLPx, "mnuLP2Active", "LE2 active"),
      mnuLP3Active(mnuIDCarteAddonLPx, "mnuLP3Active", "LE3 active"),
      mnuLP4Active(mnuIDCarteAddonLPx, "mnuLP4Active", "LE4 active"),
      mnuLP5Active(mnuIDCarteAddonLPx, "mnuLP5Active", "LE5 active"),
      mnuLP6Active(mnuIDCarteAddonLPx, "mnuLP6Active", "LE6 active"),
      mnuResetAlarm(MnuFileHalogen, "mnuResetAlarm", "Reset Alarm"),
      mnuQuitterHalogen(MnuFileHalogen, "mnuQuitterHalogen", "Quit"),
      p_(p)
{
    setCaption(QStringLiteral("  QTH Alarm Control"));
    setControlBox(false);
    setClientSize(5280, 7410);

    Label2.move(120, 120, 2415, 255);
    Label2.setForeColor(plat::colors::Red);
    Label2.setFontBold(true);

    Picture5.move(4440, 120, 480, 480);
    drawAlarmIndicator(Picture5);
    Picture5.setVisible(false);
    Picture3.move(3840, 720, 1320, 315);
    Picture3.setBorderStyle(1);
    Label36.move(0, 30, 1290, 255);
    Label36.setAlignment(plat::Label::AlignCenter);
    Label36.setCaption(QStringLiteral("Alarm  (Reset)"));

    Frame1.setCaption(QStringLiteral("  Channel  (AD1-X) "));
    Frame1.move(480, 720, 2880, 615);
    for (int k = 0; k < ChannelCount; ++k) {
        plat::CheckBox& box = Check1.add(k, &Frame1);
        box.move(columnX(k) - 480, 1080 - 720, 495, 255);
        box.setCaption(QString::number(k));
        plat::PictureBox& column = Picture1.add(k);
        column.move(columnX(k), 1680, 135, 4830);
        column.setBorderStyle(1);
        column.setBackColor(plat::colors::White);
        plat::Label& level = Label78.add(k);
        level.move(480 + 720 * k, 6600, 495, 255);
        level.setAlignment(plat::Label::AlignCenter);
        level.setCaption(QStringLiteral("---"));
    }
    plat::Label& threshold = Label78.add(4);
    threshold.move(3480, 6780, 495, 255);
    threshold.setAlignment(plat::Label::AlignCenter);
    threshold.setCaption(QStringLiteral("---"));

    VScroll1.move(3600, 1560, 255, 5175);
    VScroll1.setRange(255, 1);
    VScroll1.setLargeChange(10);
    VScroll1.setSmallChange(1);
    VScroll1.setValue(1);

    for (int le = 0; le < AlarmLECount; ++le) mnuLPActive(le).onClick = [this, le] { mnuLPActive_Click(le); };
    mnuResetAlarm.onClick = [this] { mnuResetAlarm_Click(); };
    mnuQuitterHalogen.onClick = [this] { mnuQuitterHalogen_Click(); };
    Picture3.onClick = [this] { Picture3_Click(); };
    Label36.onClick = [this] { Picture3_Click(); };   // the caption is part of the plate
    Picture5.onClick = [this] { Picture5_Click(); };
    VScroll1.onChange = [this] { VScroll1_Change(); };
    VScroll1.onScroll = [this] { VScroll1_Change(); };
    Timer2.onTimer = [this] { Timer2_Timer(); };
    Timer3.onTimer = [this] { Timer3_Timer(); };
    Timer4.onTimer = [this] { Timer4_Timer(); };
    Timer5.onTimer = [this] { Timer5_Timer(); };
}

plat::Menu& Halogen::mnuLPActive(int le)
{
    plat::Menu* items[6] = {&mnuLP1Active, &mnuLP2Active, &mnuLP3Active, &mnuLP4Active, &mnuLP5Active, &mnuLP6Active};
    return *items[std::clamp(le, 0, 5)];
}

void Halogen::Form_QueryUnload(int& cancel, int unloadMode)
{
    if (unloadMode == plat::FormControlMenu) cancel = 1;
}

void Halogen::Form_Load()
{
    setTopmost(true);
    // Supervision never runs on the slider's design value: the threshold
    // comes from its file from the first moment the window exists.
    readQthThreshold(p_, *this);
    ResetAlarmHalogen();
}

void Halogen::ResetAlarmHalogen()
{
    Picture5.setVisible(false);
    // The dialogue file lies in the system's folder, which a fresh drive may
    // not have yet and where writing may be refused: the reset goes on
    // without it.
    p_.rt.drive.mkPath(QStringLiteral("C:\\WINDOWS"));
    if (auto f = plat::SeqFile::open(p_.rt.drive, DialogueFile, plat::SeqFile::Mode::Output)) {
        f->writeFields({QString()});
        f->close();
    }
    setAlarmRelays(p_.s, AlarmRelayWriter::QTH, 0);
}

// One LE is watched: choosing it unticks the others.
void Halogen::mnuLPActive_Click(int le)
{
    for (int i = 0; i < AlarmLECount; ++i) mnuLPActive(i).setChecked(false);
    mnuLPActive(le).setChecked(true);
    p_.s.alarms->LEActiveAlarm = uint8_t(le);
    p_.s.alarms->FlagLPActive = 1;
}

void Halogen::mnuResetAlarm_Click() { ResetAlarmHalogen(); }
void Halogen::Picture3_Click() { ResetAlarmHalogen(); }
void Halogen::Picture5_Click() { ResetAlarmHalogen(); }

// A file that cannot be written keeps its former content; the window still
// resets and hides.
void Halogen::mnuQuitterHalogen_Click()
{
    writeQthThreshold(p_, *this);
    writeQthState(p_, *this);
    ResetAlarmHalogen();
    hide();
}

void Halogen::VScroll1_Change() { Label78[4].setCaption(QString::number(VScroll1.value())); }

void Halogen::Timer2_Timer()
{
    p_.s.alarms->AlarmQTHArmed = 1;
    Timer2.setEnabled(false);
}

void Halogen::Timer3_Timer()
{
    State& s = p_.s;
    Log& log = *p_.Log;
    ParamLogicielVB& settings = *p_.form<ParamLogicielVB>();

    // LEs offered: those activated in the settings.
    for (int i = 0; i < AlarmLECount; ++i) mnuLPActive(i).setVisible(settings.LEActivated(i));
    // The highest ticked LE is watched; none ticked keeps the index.
    for (int k = 1; k <= AlarmLECount; ++k)
        if (mnuLPActive(k - 1).checked()) s.alarms->LEActiveAlarm = uint8_t(k - 1);
    s.alarms->FlagSHTLE = 1;
    s.alarms->FlagSHTChannel = 1;
    const int le = std::min<int>(s.alarms->LEActiveAlarm, AlarmLECount - 1);

    for (int k = 0; k < ChannelCount; ++k) {
        Picture1[k].setVisible(Check1[k].value() != 0);
        Label78[k].setVisible(Check1[k].value() != 0);
    }
    setCaption(s.request->RelayQTH[le] == 1 ? QStringLiteral("  QTH Alarm Control  (QTH=ON)")
                                   : QStringLiteral("  QTH Alarm Control  (QTH=OFF)"));

    // The threshold line follows the slider's thumb.
    const int threshold = VScroll1.value();
    plat::Canvas& drawing = canvas();
    drawing.cls();
    drawing.setDrawStyle(plat::Canvas::Dot);
    const int y = 6440 - 18 * threshold;
    drawing.line(380, y, 4100, y, LineBlue);
    drawing.setDrawStyle(plat::Canvas::Solid);

    int level[ChannelCount];
    for (int k = 0; k < ChannelCount; ++k) {
        level[k] = channelLevel(s, k, le);
        Picture1[k].canvas().cls();
        Label78[k].setCaption(QString::number(level[k]));
    }

    bool seen = false;
    for (int k = 0; k < ChannelCount; ++k) {
        const bool alarm = s.alarms->FlagLPActive == 1 && s.status->PhaseLP[le] == PhaseRunning && s.request->RelayQTH[le] == 1
            && Check1[k].value() == 1 && level[k] < threshold;
        if (!alarm) continue;
        seen = true;
        if (s.alarms->AlarmQTHArmed != 1) continue;
        setAlarmRelays(s, AlarmRelayWriter::QTH, 1);
        if (!log.mnuAlarmHalogen.checked() || s.alarms->AlarmQTHReported[k] != 0) continue;
        log.RaiseAlarm(QStringLiteral("AD%1  QTH-Alarm Lamp ").arg(k), log.mnuAlarmHalogen, QStringLiteral("QTH-Lamp *"),
                       QStringLiteral("LE%1 QTH-Lamp").arg(le + 1));
        s.alarms->AlarmQTHReported[k] = 1;
    }
    Picture5.setVisible(seen);

    // Armed 3 s after the watched LE runs with its lamps on; disarmed at once otherwise.
    if (s.status->PhaseLP[le] == PhaseRunning && s.request->RelayQTH[le] == 1)
        Timer2.setEnabled(true);
    else
        s.alarms->AlarmQTHArmed = 0;

    // The watched LE stopping switches the lamps and this window's alarm relays off.
    if (s.status->PhaseLP[le] == PhaseStopping) {
        for (int i = 0; i < AlarmLECount; ++i) s.request->RelayQTH[i] = 0;
        setAlarmRelays(s, AlarmRelayWriter::QTH, 0);
    }
}

void Halogen::Timer4_Timer() { showBlinkText(Label2, ActivatedText, Timer4, Timer5); }

void Halogen::Timer5_Timer() { blankBlinkText(Label2, ActivatedText, Timer5, Timer4); }

} // namespace orv
