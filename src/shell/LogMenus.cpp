// The Functions menu of the main window: the items that open windows, the
// stop alarm, the timed "Freeze" and "Reset Magdrive" requests, and
// "Erase (List error)" of the trace area's pop-up.

#include "platform/Dialogs.h"
#include "shell/Histo.h"
#include "shell/LinkRequest.h"
#include "shell/LinkStatus.h"
#include "shell/Log.h"
#include "shell/MessagesError.h"
#include "shell/ParamLogicielVB.h"
#include "shell/Program.h"
#include "shell/ShellState.h"
#include "shell/State.h"

#include <optional>

namespace orv {

namespace {

constexpr uint8_t FreezeOn = 1;

// Phase of the selected LE; nothing before an LE is selected.
std::optional<uint8_t> selectedPhase(const State& s)
{
    if (s.common->SelectedLE < 1 || s.common->SelectedLE > LeCount) return std::nullopt;
    return s.status->PhaseLP[s.common->SelectedLE - 1];
}

} // namespace

// ------------------------------------------------------------ windows

void Log::mnuParameterVB_Click() { p_.form<ParamLogicielVB>()->show(); }


void Log::mnuCodeError_Click() { p_.form<MessagesError>()->show(); }

void Log::mnuhisto_Click() { p_.form<Histo>()->show(); }

// ------------------------------------------------------------ stop alarm
// The alarm windows' switches and "Unselect All" are the alarms part's
// (alarms/LogAlarms.cpp).

void Log::StopAlarmOff()
{
    mnuStopAlarm.setChecked(false);
    p_.s.shell->FlagMenuStopAlarm = 0;
    p_.s.common->TempoStopAlarm = 20;
    mnuStopAlarm.setCaption(QStringLiteral("Stop Alarm"));
    Timer11.setEnabled(false);
    Timer54.setEnabled(false);
}

// "Stop Alarm": arms the 20-second countdown of Timer11, after which a stop
// request of a running LE sets off the stop of all LEs.
void Log::mnuStopAlarm_Click()
{
    if (p_.s.shell->FlagMenuStopAlarm != 0) return StopAlarmOff();
    mnuStopAlarm.setChecked(true);
    p_.s.shell->FlagMenuStopAlarm = 1;
    p_.s.common->TempoStopAlarm = 20;
    Timer11.setEnabled(true);
}

// --------------------------------------------------------- timed requests

// "Freeze": every running LE holds its state for 30 s (Timer63 ends it).
void Log::mnuRegulateActive_Click()
{
    auto& s = p_.s;
    for (int i = 0; i < LeCount; ++i)
        if (s.status->PhaseLP[i] == 5) {
            s.request->SubCommand[i] = FreezeOn;
            s.request->EnableCooling[i] = SubCommandRequest;
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
    const int le = s.common->SelectedLE - 1;
    s.request->EnableCooling[le] = SubCommandRequest;
    s.shell->IndiceResetMag = uint8_t(le);
    Timer48.setEnabled(true);
    List4.setForeColor(plat::colors::Green);
    List4.addItem(QStringLiteral("LE%1  Reset MagDrive - ok ").arg(s.common->SelectedLE));
}

// ------------------------------------------------------------ event list

void Log::mnuEraseListe4_Click() { List4.clear(); }

} // namespace orv
