// The Functions menu of the main window: the items that open windows, the
// three alarm switches and the stop alarm with their common reset, the timed
// "Freeze" and "Reset Magdrive" requests, and "Erase (List error)" of the
// trace area's pop-up.

#include "shell/ShellState.h"
#include "alarms/ControlLfcAlarm.h"
#include "alarms/Halogen.h"
#include "alarms/SHTPC.h"
#include "link/CommandFrame.h"
#include "platform/Dialogs.h"
#include "platform/SeqFile.h"
#include "platform/VbText.h"
#include "shell/Histo.h"
#include "shell/Log.h"
#include "shell/MessagesError.h"
#include "shell/ParamLogicielVB.h"
#include "shell/Program.h"

#include <optional>

namespace orv {

namespace {

constexpr uint8_t FreezeOn = 1;

// Phase of the selected LE; nothing before an LE is selected.
std::optional<uint8_t> selectedPhase(const State& s)
{
    if (s.SelectedLE < 1 || s.SelectedLE > LeCount) return std::nullopt;
    return s.PhaseLP[s.SelectedLE - 1];
}

// First value of a threshold file as a whole number, or nothing.
std::optional<int> readThreshold(const Program& p, const QString& name)
{
    auto f = plat::SeqFile::open(p.rt.drive, p.s.BaseFolder + "\\" + name, plat::SeqFile::Mode::Input);
    if (!f) return std::nullopt;
    const auto field = f->inputField();
    f->close();
    if (!field) return std::nullopt;
    const auto v = plat::toDouble(*field);
    if (!v || *v != double(int64_t(*v))) return std::nullopt;
    return int(*v);
}


} // namespace

// ------------------------------------------------------------ windows

void Log::mnuParameterVB_Click() { p_.form<ParamLogicielVB>()->show(); }


void Log::mnuCodeError_Click() { p_.form<MessagesError>()->show(); }

void Log::mnuhisto_Click() { p_.form<Histo>()->show(); }

// The three alarm windows are never shown together. The QTH and SHT windows
// take their saved threshold again, dropping a slider move not saved.
void Log::mnuHalogen_Click()
{
    if (auto* w = p_.ifLoaded<SHTPC>()) w->hide();
    if (auto* w = p_.ifLoaded<ControlLfcAlarm>()) w->hide();
    auto& w = p_.form<Halogen>().get();
    if (const auto v = readThreshold(p_, QStringLiteral("Consigne.ini")); v && w.VScroll1.inRange(*v))
        w.VScroll1.setValue(*v);
    w.show();
}

void Log::mnuSHTFenetre_Click()
{
    if (auto* w = p_.ifLoaded<Halogen>()) w->hide();
    if (auto* w = p_.ifLoaded<ControlLfcAlarm>()) w->hide();
    auto& w = p_.form<SHTPC>().get();
    if (const auto v = readThreshold(p_, QStringLiteral("SHTConsigne.ini")); v && w.VScroll1[0].inRange(*v))
        w.VScroll1[0].setValue(*v);
    w.show();
}

void Log::mnuLfcControlAlarm_Click()
{
    if (auto* w = p_.ifLoaded<SHTPC>()) w->hide();
    if (auto* w = p_.ifLoaded<Halogen>()) w->hide();
    p_.form<ControlLfcAlarm>()->show();
}

// ------------------------------------------------------- alarm switches
// Each switch keeps its own state byte; a click tests the byte, not the mark.

namespace {

void qthAlarmOff(Log& w, Program& p)
{
    w.mnuAlarmHalogen.setChecked(false);
    p.s.FlagMenuQTH = 0;
    w.mnuAlarmHalogen.setCaption(QStringLiteral("QTH-Lamp"));
    auto& h = p.form<Halogen>().get();
    h.Timer4.setEnabled(false);
    h.Timer5.setEnabled(false);
    h.Label2.setCaption(QString(18, QLatin1Char(' ')));
}

void shtAlarmOff(Log& w, Program& p)
{
    w.mnuAlarmPlateau.setChecked(false);
    p.s.FlagMenuSHT = 0;
    w.mnuAlarmPlateau.setCaption(QStringLiteral("SHT (FADEC and PC)"));
    auto& h = p.form<SHTPC>().get();
    h.Timer2.setEnabled(false);
    h.Timer3.setEnabled(false);
    h.Label7.setCaption(QString(29, QLatin1Char(' ')));
}

void lfcAlarmOff(Log& w, Program& p)
{
    w.mnuAlarmLFC.setChecked(false);
    p.s.FlagMenuLFC = 0;
    w.mnuAlarmLFC.setCaption(QStringLiteral("LFC"));
    auto& h = p.form<ControlLfcAlarm>().get();
    h.Timer5.setEnabled(false);
    h.Timer6.setEnabled(false);
    h.Label12.setCaption(QString(18, QLatin1Char(' ')));
}

void stopAlarmOff(Log& w, Program& p)
{
    w.mnuStopAlarm.setChecked(false);
    p.s.FlagMenuStopAlarm = 0;
    p.s.TempoStopAlarm = 20;
    w.mnuStopAlarm.setCaption(QStringLiteral("Stop Alarm"));
    w.Timer11.setEnabled(false);
    w.Timer54.setEnabled(false);
}

} // namespace

void Log::mnuAlarmHalogen_Click()
{
    if (p_.s.FlagMenuQTH != 0) return qthAlarmOff(*this, p_);
    mnuAlarmHalogen.setChecked(true);
    p_.s.FlagMenuQTH = 1;
    auto& h = p_.form<Halogen>().get();
    h.Timer4.setEnabled(true);
    h.Timer5.setEnabled(true);
}

void Log::mnuAlarmPlateau_Click()
{
    if (p_.s.FlagMenuSHT != 0) return shtAlarmOff(*this, p_);
    mnuAlarmPlateau.setChecked(true);
    p_.s.FlagMenuSHT = 1;
    p_.form<SHTPC>()->Timer2.setEnabled(true);
}

void Log::mnuAlarmLFC_Click()
{
    if (p_.s.FlagMenuLFC != 0) return lfcAlarmOff(*this, p_);
    mnuAlarmLFC.setChecked(true);
    p_.s.FlagMenuLFC = 1;
    p_.form<ControlLfcAlarm>()->Timer5.setEnabled(true);
}

// "Stop Alarm": arms the 20-second countdown of Timer11, after which a stop
// request of a running LE sets off the stop of all LEs.
void Log::mnuStopAlarm_Click()
{
    if (p_.s.FlagMenuStopAlarm != 0) return stopAlarmOff(*this, p_);
    mnuStopAlarm.setChecked(true);
    p_.s.FlagMenuStopAlarm = 1;
    p_.s.TempoStopAlarm = 20;
    Timer11.setEnabled(true);
}

void Log::mnuAD_Click()
{
    qthAlarmOff(*this, p_);
    shtAlarmOff(*this, p_);
    lfcAlarmOff(*this, p_);
    stopAlarmOff(*this, p_);
}

// --------------------------------------------------------- timed requests

// "Freeze": every running LE holds its state for 30 s (Timer63 ends it).
void Log::mnuRegulateActive_Click()
{
    auto& s = p_.s;
    for (int i = 0; i < LeCount; ++i)
        if (s.PhaseLP[i] == 5) {
            s.SubCommand[i] = FreezeOn;
            s.EnableCooling[i] = SubCommandRequest;
        }
    mnuRegulateActive.setChecked(true);
    Timer63.setEnabled(true);
}

// "Reset Magdrive": a one-second sub-command request to the selected LE.
// Only an idle LE takes it; the confirmation line and the clearing one second
// later (Timer48) follow only a request actually made.
void Log::MnuResetMagDrive_Click()
{
    auto& s = p_.s;
    const auto phase = selectedPhase(s);
    if (!phase || *phase != 0) return;
    const int le = s.SelectedLE - 1;
    s.EnableCooling[le] = SubCommandRequest;
    s.shell->IndiceResetMag = uint8_t(le);
    Timer48.setEnabled(true);
    List4.setForeColor(plat::colors::Green);
    List4.addItem(QStringLiteral("LE%1  Reset MagDrive - ok ").arg(s.SelectedLE));
}

// ------------------------------------------------------------ event list

void Log::mnuEraseListe4_Click() { List4.clear(); }

} // namespace orv
