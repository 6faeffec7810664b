// Start and stop of one LE from the main window: StartLERoutine prepares a
// new run and starts the LE through its parameter read; StopLERoutine
// requests the stop and switches the QTH lamps off; "Stop LE" of the trace
// area's pop-up stops the LE of the clicked pane and puts it in Stop mode.
#include "alarms/AlarmsState.h"
#include "alarms/ControlLfcAlarm.h"
#include "alarms/Halogen.h"
#include "alarms/SHTPC.h"
#include "link/LeInstances.h"
#include "parameters/ValeurDesParam.h"
#include "platform/Dialogs.h"
#include "run/LogRun.h"
#include "run/QthStartFile.h"
#include "run/RunState.h"
#include "shell/LinkRequest.h"
#include "shell/Log.h"
#include "shell/Program.h"
#include "shell/RunShared.h"
#include "shell/State.h"

namespace orv {

namespace {
constexpr int QthLECount = 6;   // the QTH button serves LE-1 to LE-6
} // namespace

void LogRun::StartLERoutine(int n)
{
    if (!prepareNewRun(n)) return;
    LectParamStampLE(n - 1);
}

void LogRun::StartLERoutine(int n, std::function<void(ReadEnd)> then, ReadWish wish)
{
    if (!prepareNewRun(n)) return;
    LectParamStampLE(n - 1, std::move(then), std::move(wish));
}

bool LogRun::prepareNewRun(int n)
{
    L.mnuAlarmHalogen.setCaption(QStringLiteral("QTH-Lamps"));
    L.mnuAlarmPlateau.setCaption(QStringLiteral("SHT (FADEC and PC)"));
    L.mnuAlarmLFC.setCaption(QStringLiteral("LFC"));
    L.mnuStopAlarm.setCaption(QStringLiteral("Stop Alarm"));
    if (n < 1 || n > LeCount) return false;

    // Each alarm and event may be reported once more in the new run. Only the
    // error-code marks are per LE; everything else is cleared for all LEs.
    State& s = p.s;
    s.alarms->AlarmSHTPCReported = 0;
    s.alarms->AlarmQTHReported.fill(0);
    for (const LeInstance& inst : leInstances()) {
        (*s.link).*inst.lfcLatch = 0;
        (*s.link).*inst.shtLatch = 0;
    }
    for (int le = 0; le < QthLECount; ++le) {
        s.run->StartLELogged[le] = 0;
        s.run->OffLELogged[le] = 0;
        s.common->StopAlarmLogged[le] = 0;
    }
    for (int code = 0; code <= 20; ++code) s.common->ErrCodeReported[code + 21 * (n - 1)] = 0;

    p.form<Halogen>().get();
    p.form<ControlLfcAlarm>().get();
    p.form<SHTPC>().get();

    ValeurDesParam::Close(p);
    return true;
}

void LogRun::StopLERoutine(int n)
{
    State& s = p.s;
    if (n >= 1 && n <= LeCount) {
        const int le = n - 1;
        // A start still waiting for its read does not follow the stop.
        WithdrawParamRead(le);
        if (L.MSComm(le).portOpen()) {
            s.request->StartStopPC[le] = 2;
            s.runShared->FlagConsignePW(le) = 0;
            L.Label26[le].setBackColor(plat::ButtonFace);
            L.WriteHisto(QStringLiteral("LE%1  Off LE ").arg(n));
        } else {
            p.rt.dialogs.msgBox(QStringLiteral("COMx unactivated"), int(plat::mb::OKOnly) | plat::mb::Exclamation,
                                 QStringLiteral(" Warning!"));
        }
    }

    // Whatever n: the QTH lamps of LE-1 to LE-6 go off and stay off at the
    // next program start.
    for (int le = 0; le < QthLECount; ++le) s.request->RelayQTH[le] = 0;
    L.CommHalOperator.setBackColor(plat::ButtonFace);
    L.CommHalOperator.setCaption(QStringLiteral("QTH-Start"));
    s.run->FlagCommHal = 0;
    writeQthStartFile(p.rt.drive, qthStartFilePath(s.common->BaseFolder), false);
}

} // namespace orv
