#include "alarms/LogAlarms.h"
#include "alarms/AlarmsStartup.h"

#include "alarms/AlarmFiles.h"
#include "alarms/AlarmsState.h"
#include "alarms/ControlLfcAlarm.h"
#include "alarms/Halogen.h"
#include "alarms/SHTPC.h"
#include "shell/Log.h"
#include "shell/Program.h"

namespace orv {

Owned<LogAlarms> makeLogAlarms(Log& log, Program& p) { return Owned<LogAlarms>::make(log, p); }

LogAlarms::LogAlarms(Log& log, Program& prog) : L(log), p(prog)
{
    L.mnuHalogen.onClick = [this] { mnuHalogen_Click(); };
    L.mnuSHTFenetre.onClick = [this] { mnuSHTFenetre_Click(); };
    L.mnuLfcControlAlarm.onClick = [this] { mnuLfcControlAlarm_Click(); };
    L.mnuAlarmHalogen.onClick = [this] { mnuAlarmHalogen_Click(); };
    L.mnuAlarmPlateau.onClick = [this] { mnuAlarmPlateau_Click(); };
    L.mnuAlarmLFC.onClick = [this] { mnuAlarmLFC_Click(); };
    L.mnuAD.onClick = [this] { mnuAD_Click(); };

    // Start-up steps.
    Program& program = p;
    StartupEntries& su = L.startup;
    su.AlarmChoices = [&program] { startupAlarmChoices(program); };
    su.QthState = [&program] { startupQthState(program); };
    su.QthThreshold = [&program] { startupQthThreshold(program); };
    su.LfcAlarm = [&program] { startupLfcAlarm(program); };
    su.ShtThreshold = [&program] { startupShtThreshold(program); };
    su.ShtState = [&program] { startupShtState(program); };
}

// ------------------------------------------------------------ windows

void LogAlarms::mnuHalogen_Click()
{
    Halogen& w = *p.form<Halogen>();
    readQthThreshold(p, w);
    p.form<SHTPC>()->hide();
    p.form<ControlLfcAlarm>()->hide();
    w.show();
}

void LogAlarms::mnuSHTFenetre_Click()
{
    SHTPC& w = *p.form<SHTPC>();
    readShtThreshold(p, w);
    p.form<Halogen>()->hide();
    p.form<ControlLfcAlarm>()->hide();
    w.show();
}

void LogAlarms::mnuLfcControlAlarm_Click()
{
    p.form<SHTPC>()->hide();
    p.form<Halogen>()->hide();
    p.form<ControlLfcAlarm>()->show();
}

// ------------------------------------------------------- alarm switches

void LogAlarms::qthAlarmOff()
{
    L.mnuAlarmHalogen.setChecked(false);
    p.s.alarms->FlagMenuQTH = 0;
    L.mnuAlarmHalogen.setCaption(QStringLiteral("QTH-Lamp"));
    Halogen& w = *p.form<Halogen>();
    w.Timer4.setEnabled(false);
    w.Timer5.setEnabled(false);
    w.Label2.setCaption(QString(18, QLatin1Char(' ')));
}

void LogAlarms::shtAlarmOff()
{
    L.mnuAlarmPlateau.setChecked(false);
    p.s.alarms->FlagMenuSHT = 0;
    L.mnuAlarmPlateau.setCaption(QStringLiteral("SHT (FADEC and PC)"));
    SHTPC& w = *p.form<SHTPC>();
    w.Timer2.setEnabled(false);
    w.Timer3.setEnabled(false);
    w.Label7.setCaption(QString(29, QLatin1Char(' ')));
}

void LogAlarms::lfcAlarmOff()
{
    L.mnuAlarmLFC.setChecked(false);
    p.s.alarms->FlagMenuLFC = 0;
    L.mnuAlarmLFC.setCaption(QStringLiteral("LFC"));
    ControlLfcAlarm& w = *p.form<ControlLfcAlarm>();
    w.Timer5.setEnabled(false);
    w.Timer6.setEnabled(false);
    w.Label12.setCaption(QString(18, QLatin1Char(' ')));
}

void LogAlarms::mnuAlarmHalogen_Click()
{
    if (p.s.alarms->FlagMenuQTH != 0) return qthAlarmOff();
    L.mnuAlarmHalogen.setChecked(true);
    p.s.alarms->FlagMenuQTH = 1;
    Halogen& w = *p.form<Halogen>();
    w.Timer4.setEnabled(true);
    w.Timer5.setEnabled(true);
}

void LogAlarms::mnuAlarmPlateau_Click()
{
    if (p.s.alarms->FlagMenuSHT != 0) return shtAlarmOff();
    L.mnuAlarmPlateau.setChecked(true);
    p.s.alarms->FlagMenuSHT = 1;
    p.form<SHTPC>()->Timer2.setEnabled(true);
}

void LogAlarms::mnuAlarmLFC_Click()
{
    if (p.s.alarms->FlagMenuLFC != 0) return lfcAlarmOff();
    L.mnuAlarmLFC.setChecked(true);
    p.s.alarms->FlagMenuLFC = 1;
    p.form<ControlLfcAlarm>()->Timer5.setEnabled(true);
}

void LogAlarms::mnuAD_Click()
{
    qthAlarmOff();
    shtAlarmOff();
    lfcAlarmOff();
    L.StopAlarmOff();
}

} // namespace orv
