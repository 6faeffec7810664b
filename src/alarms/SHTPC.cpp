#include "alarms/SHTPC.h"

#include "alarms/AlarmsState.h"

#include "alarms/ActivatedBlink.h"
#include "alarms/AlarmFiles.h"
#include "alarms/AlarmPictures.h"
#include "alarms/AlarmRelay.h"
#include "shell/BoiteDialogue.h"
#include "shell/LinkStatus.h"
#include "shell/Log.h"
#include "shell/ParamLogicielVB.h"
#include "shell/Program.h"
#include "shell/RunShared.h"

#include <algorithm>

namespace orv {

namespace {

const QString ActivatedText = QStringLiteral("SHT (FADEC and PC) Activated ");
const QString Degrees = QString::fromUtf8("°C");
constexpr uint8_t PhaseRunning = 5;
constexpr uint8_t InputHolder = 4;     // InputSHT of the holder thermometer
constexpr uint8_t InputNone = 5;       // InputSHT after "Unselect"
constexpr uint8_t NoSensor = 255;      // TempSHT of an LE without holder thermometer
constexpr int HolderTop = 128;         // the slider's top value for the holder thermometer
constexpr int ChannelTop = 255;
constexpr plat::Color LineBlue = plat::rgb(0, 0, 128);
constexpr plat::Color FadecRed = plat::rgb(255, 0, 0);
constexpr plat::Color HolderCyan = plat::rgb(0, 255, 255);
constexpr plat::Color ChannelGreen = plat::rgb(0, 128, 0);

} // namespace

SHTPC::SHTPC(Program& p)
    : plat::Form(p.rt, "SHTPC"),
      mnuSHTFile(*this, "mnuSHTFile", "File"),
      mnuSHTLESelection(mnuSHTFile, "mnuSHTLESelection", "Light Engine Selection"),
      mnuSHTLE1(mnuSHTLESelection, "mnuSHTLE1", "LE1 active"),
      mnuSHTLE2(mnuSHTLESelection, "mnuSHTLE2", "LE2 active"),
      mnuSHTLE3(mnuSHTLESelection, "mnuSHTLE3", "LE3 active"),
      mnuSHTLE4(mnuSHTLESelection, "mnuSHTLE4", "LE4 active"),
      mnuSHTLE5(mnuSHTLESelection, "mnuSHTLE5", "LE5 active"),
      mnuSHTLE6(mnuSHTLESelection, "mnuSHTLE6", "LE6 active"),
      mnuSHTInput(mnuSHTFile, "mnuSHTInput", "Input Selection"),
      mnuHolderThermo(mnuSHTInput, "mnuHolderThermo", "SHT"),
      mnuSHTChannel0(mnuSHTInput, "mnuSHTChannel0", "Channel 0 (AD1)"),
      mnuSHTChannel1(mnuSHTInput, "mnuSHTChannel1", "Channel 1 (AD1)"),
      mnuSHTChannel2(mnuSHTInput, "mnuSHTChannel2", "Channel 2 (AD1)"),
      mnuSHTChannel3(mnuSHTInput, "mnuSHTChannel3", "Channel 3 (AD1)"),
      mnuSHTUnselect(mnuSHTInput, "mnuSHTUnselect", "Unselect"),
      mnuSep1(mnuSHTFile, "mnuSep1", "-"),
      mnuSHTRAlarm(mnuSHTFile, "mnuSHTRAlarm", "Reset Alarm"),
      mnuSep2(mnuSHTFile, "mnuSep2", "-"),
      mnuSHTQuit(mnuSHTFile, "mnuSHTQuit", "Quit"),
      p_(p)
{
    setCaption(QStringLiteral(" SHT Alarm Control (PC)"));
    setControlBox(false);
    setClientSize(5760, 7410);

    Label7.move(720, 240, 3615, 255);
    Label7.setForeColor(plat::colors::Red);
    Label7.setFontBold(true);
    Label3.move(720, 720, 735, 255);
    Label3.setCaption(QStringLiteral("Source"));
    Label4.move(1680, 720, 1455, 255);
    Label4.setCaption(QStringLiteral("Reference level"));
    Picture5.move(4800, 360, 480, 480);
    drawAlarmIndicator(Picture5);
    Label1.move(4440, 1080, 1215, 255);
    Label1.setCaption(QStringLiteral("Alarm  (Reset)"));

    plat::PictureBox& bar = Picture3.add(0);
    bar.move(960, 1680, 135, 4830);
    bar.setBorderStyle(1);
    bar.setBackColor(plat::colors::White);

    plat::VScrollBar& slider = VScroll1.add(0);
    slider.move(2160, 1560, 255, 5175);
    slider.setRange(ChannelTop, 0);
    slider.setLargeChange(10);
    slider.setSmallChange(1);
    slider.setValue(130);

    Picture1.move(3150, 1560, 2895, 255);
    Picture1.setBorderStyle(0);
    Picture1.setVisible(false);

    Label2.move(600, 6600, 855, 255);
    Label2.setCaption(QStringLiteral("Channel"));
    Label5.move(840, 6960, 495, 255);
    Label5.setCaption(QStringLiteral("---"));
    Label6.move(2040, 6960, 615, 255);
    Label6.setCaption(QStringLiteral("---"));
    for (plat::Label* l : {&Label1, &Label2, &Label3, &Label4, &Label5, &Label6})
        l->setAlignment(plat::Label::AlignCenter);

    for (int le = 0; le < 6; ++le) mnuSHTLE(le).onClick = [this, le] { mnuSHTLE_Click(le); };
    for (int j = 0; j < 6; ++j) inputMenu(j).onClick = [this, j] { inputMenu_Click(j); };
    mnuSHTRAlarm.onClick = [this] { mnuSHTRAlarm_Click(); };
    mnuSHTQuit.onClick = [this] { mnuSHTQuit_Click(); };
    Picture5.onClick = [this] { Picture5_Click(); };
    Label1.onClick = [this] { Label1_Click(); };
    slider.onChange = [this] { VScroll1_Change(0); };
    slider.onScroll = [this] { VScroll1_Change(0); };
    Timer1.onTimer = [this] { Timer1_Timer(); };
    Timer2.onTimer = [this] { Timer2_Timer(); };
    Timer3.onTimer = [this] { Timer3_Timer(); };
}

plat::Menu& SHTPC::mnuSHTLE(int le)
{
    plat::Menu* items[6] = {&mnuSHTLE1, &mnuSHTLE2, &mnuSHTLE3, &mnuSHTLE4, &mnuSHTLE5, &mnuSHTLE6};
    return *items[std::clamp(le, 0, 5)];
}

plat::Menu& SHTPC::inputMenu(int j)
{
    plat::Menu* items[6] = {&mnuSHTUnselect, &mnuSHTChannel0, &mnuSHTChannel1,
                            &mnuSHTChannel2, &mnuSHTChannel3, &mnuHolderThermo};
    return *items[std::clamp(j, 0, 5)];
}

void SHTPC::Form_QueryUnload(int& cancel, int unloadMode)
{
    if (unloadMode == plat::FormControlMenu) cancel = 1;
}

void SHTPC::Form_Load()
{
    setTopmost(true);
    // Supervision never runs on the slider's design value: the threshold
    // comes from its file from the first moment the window exists.
    readShtThreshold(p_, *this);
    Picture5.setVisible(false);
}

void SHTPC::mnuSHTLE_Click(int le)
{
    for (int i = 0; i < 6; ++i) mnuSHTLE(i).setChecked(false);
    mnuSHTLE(le).setChecked(true);
    p_.s.alarms->LEActiveSHT = uint8_t(le);
    p_.s.alarms->FlagSHTLE = 1;
}

// One input is watched: "Unselect", a channel or the holder thermometer.
void SHTPC::inputMenu_Click(int j)
{
    for (int i = 0; i < 6; ++i) inputMenu(i).setChecked(false);
    inputMenu(j).setChecked(true);
    if (j >= 1 && j <= 4) p_.s.alarms->InputSHT = uint8_t(j - 1);
    if (j == 5) p_.s.alarms->InputSHT = InputHolder;
    p_.s.alarms->FlagSHTChannel = 1;
}

// Re-arms the report: a reading still above the threshold is reported again
// at the next tick. The main window's mark and a running stop-all stay.
void SHTPC::mnuSHTRAlarm_Click()
{
    Picture5.setVisible(false);
    setAlarmRelays(p_.s, AlarmRelayWriter::SHT, 0);
    p_.form<BoiteDialogue>().unload();
    p_.s.alarms->AlarmSHTPCReported = 0;
}

void SHTPC::Picture5_Click()
{
    Picture5.setVisible(false);
    setAlarmRelays(p_.s, AlarmRelayWriter::SHT, 0);
}

void SHTPC::Label1_Click() { Picture5.setVisible(false); }

// A file that cannot be written keeps its former content; the window still hides.
void SHTPC::mnuSHTQuit_Click()
{
    writeShtThreshold(p_, *this);
    writeShtState(p_, *this);
    hide();
}

void SHTPC::VScroll1_Change(int)
{
    Label6.setCaption(QString::number(VScroll1[0].value()) + (p_.s.alarms->InputSHT == InputHolder ? Degrees : QString()));
}

void SHTPC::Timer1_Timer()
{
    State& s = p_.s;
    AlarmsState& a = *s.alarms;
    ParamLogicielVB& settings = *p_.form<ParamLogicielVB>();

    for (int i = 0; i < 6; ++i) mnuSHTLE(i).setVisible(settings.LEActivated(i));
    for (int k = 1; k <= 6; ++k)
        if (mnuSHTLE(k - 1).checked()) s.alarms->LEActiveSHT = uint8_t(k - 1);
    s.alarms->FlagLPActive = 1;
    const int le = std::min<int>(s.alarms->LEActiveSHT, 5);

    const bool unselected = mnuSHTUnselect.checked();
    if (unselected) s.alarms->InputSHT = InputNone;
    for (plat::Control* c : std::initializer_list<plat::Control*>{&Label1, &Label2, &Label3, &Label4, &Label5,
                                                                  &Label6, &Picture3[0], &VScroll1[0]})
        c->setVisible(!unselected);

    // The last ticked input wins; with none the last reading stays.
    struct Input { plat::Menu* menu; uint8_t input; const PerLE<uint8_t>* raw; const char* name; };
    const Input inputs[] = {{&mnuSHTChannel0, 0, &s.status->RawVIS, "Channel 0"},
                            {&mnuSHTChannel1, 1, &s.status->RawIR, "Channel 1"},
                            {&mnuSHTChannel2, 2, &s.status->RawRH, "Channel 2"},
                            {&mnuSHTChannel3, 3, &s.status->RawAD13, "Channel 3"},
                            {&mnuHolderThermo, InputHolder, &s.status->TempSHT, "SHT"}};
    for (const Input& in : inputs) {
        if (!in.menu->checked()) continue;
        s.alarms->InputSHT = in.input;
        a.ValueSHT = (*in.raw)[le];
        if (in.input == InputHolder && a.ValueSHT == NoSensor) a.ValueSHT = 0;
        Label2.setCaption(QString::fromLatin1(in.name));
    }

    const bool holder = s.alarms->InputSHT == InputHolder;
    Label6.setCaption(QString::number(VScroll1[0].value()) + (holder ? Degrees : QString()));
    draw(unselected);
    Label5.setCaption(QString::number(a.ValueSHT) + (holder ? Degrees : QString()));
    setCaption(holder ? QStringLiteral(" SHT Alarm Control") : QStringLiteral(" Alarm Control"));

    if (s.alarms->FlagSHTLE == 1 && s.alarms->FlagSHTChannel == 1) test();
}

// The reading as a bar beside the dotted threshold line; for the holder
// thermometer also the LE's own SHT limit as a red line with its label.
void SHTPC::draw(bool unselected)
{
    State& s = p_.s;
    AlarmsState& a = *s.alarms;
    const int le = std::min<int>(s.alarms->LEActiveSHT, 5);
    const bool holder = s.alarms->InputSHT == InputHolder;
    plat::VScrollBar& slider = VScroll1[0];
    plat::Canvas& drawing = canvas();
    plat::Canvas& bar = Picture3[0].canvas();

    slider.setMin(holder ? HolderTop : ChannelTop);
    if (!holder) Picture1.setVisible(false);
    drawing.cls();
    if (unselected) return;

    const int threshold = slider.value();
    const int scale = holder ? 36 : 18;   // twips per unit of the reading
    drawing.setDrawStyle(plat::Canvas::Dot);
    drawing.line(480, 6440 - scale * threshold, 3100, 6440 - scale * threshold, LineBlue);
    drawing.setDrawStyle(plat::Canvas::Solid);
    bar.cls();
    if (holder)
        bar.line(0, 6544, 135, 4750 - 36 * a.ValueSHT, HolderCyan, plat::Canvas::BoxFilled);
    else
        bar.line(0, 6544, 135, 4804 - 18 * a.ValueSHT, ChannelGreen, plat::Canvas::BoxFilled);

    // An LE not started since the program started has no limit to show.
    if (!holder || s.runShared->MaxTempSHT[le] == 0) return;
    a.RefFadecSHT = s.runShared->MaxTempSHT[le];
    const int y = 6440 - 36 * a.RefFadecSHT;
    drawing.line(480, y, 3100, y, FadecRed);
    Picture1.setBackColor(plat::ButtonFace);
    Picture1.move(3150, y - 120, Picture1.width(), Picture1.height());
    Picture1.setVisible(true);
    plat::Canvas& label = Picture1.canvas();
    label.cls();
    label.setForeColor(FadecRed);
    label.setCurrentX(6 * plat::TwipsPerPixel);
    label.setCurrentY(11);
    label.print(QString::number(a.RefFadecSHT) + QString::fromUtf8(" °C   [FADEC SHT Alarm]"));
}

void SHTPC::test()
{
    State& s = p_.s;
    AlarmsState& a = *s.alarms;
    Log& log = *p_.Log;
    const int le = std::min<int>(s.alarms->LEActiveSHT, 5);
    const bool running = s.status->PhaseLP[le] == PhaseRunning;
    const int threshold = VScroll1[0].value();

    if (a.ValueSHT <= threshold) {
        Picture5.setVisible(false);
        bool held = false;
        for (int i = 0; i < AlarmLECount; ++i) held = held || alarmRelay(s, AlarmRelayWriter::SHT, i) != 0;
        if (running && held) setAlarmRelays(s, AlarmRelayWriter::SHT, 0);
        return;
    }

    Picture5.setVisible(true);
    if (!running) return;
    setAlarmRelays(s, AlarmRelayWriter::SHT, 1);
    if (!log.mnuAlarmPlateau.checked() || !p_.form<ParamLogicielVB>()->LEActivated(le)
        || s.alarms->AlarmSHTPCReported != 0)
        return;
    const bool holder = s.alarms->InputSHT == InputHolder;
    log.RaiseAlarm(QStringLiteral("LE%1  Alarm SHT (PC) to %2").arg(le + 1).arg(a.ValueSHT)
                       + (holder ? Degrees : QStringLiteral("/255")),
                   log.mnuAlarmPlateau, QStringLiteral("SHT (FADEC and PC) *"),
                   QStringLiteral("LE%1 SHT (FADEC and PC)").arg(le + 1));
    s.alarms->AlarmSHTPCReported = 1;
}

void SHTPC::Timer2_Timer() { showBlinkText(Label7, ActivatedText, Timer2, Timer3); }

void SHTPC::Timer3_Timer() { blankBlinkText(Label7, ActivatedText, Timer3, Timer2); }

} // namespace orv
