// Start-up: the files of the three alarm windows. A present file loads its
// window and sets its controls (AlarmFiles); a missing one is created with
// its defaults and the window stays unloaded (each window reads its
// threshold or limits when it loads).

#include "alarms/AlarmsStartup.h"

#include "alarms/AlarmFiles.h"
#include "alarms/AlarmsState.h"
#include "alarms/ControlLfcAlarm.h"
#include "alarms/Halogen.h"
#include "alarms/SHTPC.h"
#include "shell/Program.h"
#include "shell/StartupFiles.h"
#include "shell/StartupFilesIo.h"

namespace orv {

void startupQthState(Program& p)
{
    if (!presentOrCreate(p, QStringLiteral("StatusHalogen.ini"), QStringList(18, QStringLiteral("0")))) return;
    readQthState(p, *p.form<Halogen>());
}

void startupQthThreshold(Program& p)
{
    if (!presentOrCreate(p, QStringLiteral("Consigne.ini"), {printed(QthThresholdDefault)})) {
        // When the QTH state file has loaded the window, it supervises with
        // the new file's threshold.
        if (Halogen* w = p.ifLoaded<Halogen>()) w->VScroll1.setValue(QthThresholdDefault);
        return;
    }
    readQthThreshold(p, *p.form<Halogen>());
}

void startupLfcAlarm(Program& p)
{
    const QStringList defaults = QStringList{printed(LfcLimitDefaults[0]), printed(LfcLimitDefaults[1])}
                                 + QStringList(LfcLines - 2, QStringLiteral("0"));
    if (!presentOrCreate(p, QStringLiteral("ConsSliderLCF.ini"), defaults)) return;
    readLfcSettings(p, *p.form<ControlLfcAlarm>());
}

void startupShtThreshold(Program& p)
{
    if (!presentOrCreate(p, QStringLiteral("SHTConsigne.ini"), {QString::number(ShtThresholdDefault)})) return;
    readShtThreshold(p, *p.form<SHTPC>());
}

void startupShtState(Program& p)
{
    QStringList defaults{"1"};
    defaults << QStringList(10, QStringLiteral("0")) << "1" << QStringList(8, QStringLiteral("0"));
    if (!presentOrCreate(p, QStringLiteral("SHTPCStatusHal.ini"), defaults)) return;
    readShtState(p, *p.form<SHTPC>());
}

void startupAlarmChoices(Program& p)
{
    p.s.alarms->FlagLPActive = 0;
    p.s.alarms->FlagSHTLE = 0;
    p.s.alarms->FlagSHTChannel = 0;
}

} // namespace orv
