// The main window's own refresh timers: the one-second status refresh, the
// LFC-2 calibration labels, the selector colour restore after a click, the
// automatic QTH start after start-up, and the ends of "Freeze" and
// "Reset Magdrive".

#include "platform/VbText.h"
#include "shell/LinkRequest.h"
#include "shell/LinkStatus.h"
#include "shell/Log.h"
#include "shell/ParamLogicielVB.h"
#include "shell/ParametersShared.h"
#include "shell/Program.h"
#include "shell/RunShared.h"
#include "shell/ScheduleFlags.h"
#include "shell/ShellState.h"
#include "shell/State.h"

namespace orv {

namespace {

constexpr plat::Color PhaseRunning = plat::colors::Green;   // phases 1 to 5
constexpr plat::Color PhaseResting = plat::colors::Cyan;    // phase 6
constexpr plat::Color ClickedOrange = plat::rgb(255, 128, 0);
constexpr int NarrowStrip = 9780;

constexpr uint8_t FreezeOff = 0;

} // namespace

void Log::Timer3_Timer()
{
    auto& s = p_.s;
    auto& set = p_.form<ParamLogicielVB>().get();

    // "Reset Magdrive" only for an idle selected LE.
    if (s.common->SelectedLE >= 1 && s.common->SelectedLE <= LeCount)
        MnuResetMagDrive.setEnabled(s.status->PhaseLP[s.common->SelectedLE - 1] == 0);

    if (s.common->StartMode != 0) {
        // Sensor columns of LE-1 to LE-6 that the settings hide.
        struct Column {
            plat::CheckBox* box;
            plat::Label* heading;
            plat::ControlArray<plat::Label>* values;
        };
        const Column columns[] = {{&set.Check9, &Label13, &Label32},
                                  {&set.Check10, &Label8, &Label33},
                                  {&set.Check11, &Label10, &Label34},
                                  {&set.Check12, &Label12, &Label35},
                                  {&set.Check16, &Label23, &Label41}};
        for (const Column& c : columns) {
            const bool shown = c.box->value() != 1;
            c.heading->setVisible(shown);
            for (int i = 0; i < 6; ++i) (*c.values)[i].setVisible(shown);
        }

        Label25.setCaption(p_.rt.timeText() + "  /  " + p_.rt.dateText());

        static const char* const lower[] = {"  0°C", "  25°C", "  30°C", "  50°C", "  70°C"};
        for (int k = 0; k < 5; ++k) Label79[k].setCaption(QString::fromUtf8(lower[k]));

        plat::Line* upperLines[] = {&Line17[0], &Line3[0], &Line7[0], &Line6[0], &Line15[0]};
        const bool airCooled = !set.WaterCooling();
        if (airCooled) {
            static const char* const upper[] = {"  80°C", "100°C", "115°C", "120°C", "128°C"};
            for (int k = 0; k < 5; ++k) Label79[5 + k].setCaption(QString::fromUtf8(upper[k]));
        }
        for (int k = 0; k < 5; ++k) {
            Label79[5 + k].setVisible(airCooled);
            upperLines[k]->setVisible(airCooled);
        }
        Picture2[2].setVisible(airCooled);
        Picture8.setVisible(airCooled);
        Picture7.move(Picture7.left(), airCooled ? 4665 : 5185, Picture7.width(), airCooled ? 2505 : 2000);
        Picture9.setVisible(!airCooled);
    }

    // Motor speed labels, while the bulb motor RPM control is on.
    if (set.BulbMotorRPMControl()) {
        Label9.setCaption(QStringLiteral(" Speed of M = %1 RPM").arg(s.paramShared->SpeedM));
        const int sel = s.common->SelectedLE - 1;
        const int da = sel >= 0 && sel < LeCount ? s.status->ReturnSpeedM[sel] : 0;
        Label22.setCaption(QStringLiteral(" Value DA      = %1").arg(da));
        Label9.setVisible(true);
        Label22.setVisible(true);
    } else {
        Label9.setVisible(false);
        Label22.setVisible(false);
    }

    // Selector colours: an idle LE's label is painted once, so that a colour
    // another window puts on it stays; running and resting LEs every second.
    for (int i = 0; i < LeCount; ++i) {
        const uint8_t phase = s.status->PhaseLP[i];
        if (s.shell->FlagCouleurLE[i] == 0 && phase == 0) {
            Label26[i].setBackColor(plat::ButtonFace);
            s.shell->FlagCouleurLE[i] = 1;
        }
        if (phase == 6) {
            Label26[i].setBackColor(PhaseResting);
            s.shell->FlagCouleurLE[i] = 0;
        }
        if (phase >= 1 && phase <= 5) {
            Label26[i].setBackColor(PhaseRunning);
            s.shell->FlagCouleurLE[i] = 0;
        }
    }

    // "Freeze" only while the selected LE runs.
    if (s.common->SelectedLE >= 1 && s.common->SelectedLE <= LeCount)
        mnuRegulateActive.setEnabled(s.status->PhaseLP[s.common->SelectedLE - 1] == 5);

    // A resting LE loads its set-point again when it next reaches phase 5.
    for (int i = 0; i < LeCount; ++i)
        if (s.status->PhaseLP[i] == 6) s.runShared->FlagConsignePW(i) = 0;

    if (s.shell->AnyLFC2Sensor == 0) {
        for (plat::Label* h : {&Label36, &Label38, &Label47, &Label48, &Label43, &Label46}) h->setVisible(false);
        for (int i = 0; i < LeCount; ++i) Picture5[i].setWidth(NarrowStrip);
    }

    Timer3.setInterval(1000);
}

void Log::Timer8_Timer()
{
    for (int i = 0; i < LeCount; ++i) Label44[i].setCaption(QStringLiteral("[%1]").arg(p_.s.schedule->CalLFC2[i]));
}

void Log::Timer64_Timer()
{
    for (int i = 0; i < LeCount; ++i)
        if (Label26[i].backColor() == ClickedOrange) Label26[i].setBackColor(plat::ButtonFace);
    Timer64.setEnabled(false);
}

// End of "Freeze": the LEs still running get FreezeOff.
void Log::Timer63_Timer()
{
    auto& s = p_.s;
    for (int i = 0; i < LeCount; ++i)
        if (s.status->PhaseLP[i] == 5) {
            s.request->SubCommand[i] = FreezeOff;
            s.request->EnableCooling[i] = SubCommandRequest;
        }
    mnuRegulateActive.setChecked(false);
    Timer63.setEnabled(false);
}

// End of "Reset Magdrive": clears the cooling request of the LE it was made for.
void Log::Timer48_Timer()
{
    if (p_.s.shell->IndiceResetMag < LeCount) p_.s.request->EnableCooling[p_.s.shell->IndiceResetMag] = 0;
    Timer48.setEnabled(false);
}

} // namespace orv
