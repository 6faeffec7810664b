#include "link/LinkState.h"
#include "link/LogReceive.h"
#include "shell/AlarmsShared.h"
#include "shell/LinkStatus.h"
#include "shell/Log.h"
#include "shell/ParamLogicielVB.h"
#include "shell/Program.h"
#include "shell/RunShared.h"
#include "shell/State.h"

namespace orv::rx {

namespace {

constexpr int PhaseRunning = 5;

bool activated(Program& p, int le) { return p.form<ParamLogicielVB>()->LEActivated(le); }

// Raises one alarm of the LE and latches it. A history line that cannot be
// written is dropped by WriteHisto; the alarm still goes on.
void raise(Log& log, const LeInstance& in, const QString& listText, plat::Menu& menu, const QString& menuCaption,
           const QString& boxText, uint8_t LinkState::*latch)
{
    log.RaiseAlarm(in.name() + listText, menu, menuCaption, in.name() + boxText);
    (*log.prog().s.link).*latch = 1;
}

} // namespace

void shtAlarm(Log& log, const LeInstance& in)
{
    Program& p = log.prog();
    State& s = p.s;
    const int le = in.le;
    if (s.status->PhaseLP[le] != PhaseRunning || !log.mnuAlarmPlateau.checked()) return;
    if (!in.watchesSHT || s.common->SHTStopLE != le || (*s.link).*in.shtLatch != 0) return;
    s.link->SHTAlarmTemp[le] = s.status->TempSHT[le] == 255 ? 0 : s.status->TempSHT[le];
    if (s.runShared->MaxTempSHT[le] >= s.link->SHTAlarmTemp[le]) return;
    if (!activated(p, le)) return;
    raise(log, in, QStringLiteral("  Alarm SHT (FADEC) "), log.mnuAlarmPlateau, QStringLiteral("SHT (FADEC and PC) *"),
          QStringLiteral(" SHT (FADEC and PC)"), in.shtLatch);
}

void lfcAlarm(Log& log, const LeInstance& in)
{
    Program& p = log.prog();
    State& s = p.s;
    const int le = in.le;
    if (s.status->PhaseLP[le] != PhaseRunning || !log.mnuAlarmLFC.checked() || s.alarmsShared->AlarmLFCActive != 1) return;
    if (!activated(p, le) || (*s.link).*in.lfcLatch != 0) return;
    raise(log, in, QStringLiteral("  Alarm LFC "), log.mnuAlarmLFC, QStringLiteral("LFC *"), QStringLiteral(" LFC"),
          in.lfcLatch);
}

} // namespace orv::rx
