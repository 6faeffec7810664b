// FADEC error reports, the warning box call, Dec_Bin and the stop alarm of
// the main window.

#include "shell/BoiteDialogue.h"
#include "shell/ErrorReport.h"
#include "shell/LinkRequest.h"
#include "shell/LinkStatus.h"
#include "shell/Log.h"
#include "shell/Program.h"
#include "shell/State.h"

namespace orv {

void Log::wireHistory()
{
    Timer54.onTimer = [this] { Timer54_Timer(); };
    mnuQuit.onClick = [this] { mnuQuit_Click(); };
}

void Log::EcrireCodeErreur(int NumError, int SelIndice)
{
    State& s = p_.s;
    // An index or a code without a place in the tables is not reported, and
    // the caller's frame processing goes on.
    if (SelIndice < 0 || SelIndice > 8 || NumError < 0 || NumError >= FadecErrorCodeCount)
        return;
    if (s.status->PhaseLP[SelIndice] == 0)
        return;
    uint8_t& reported = s.common->ErrCodeReported[NumError + FadecErrorCodeCount * SelIndice];
    if (reported == 0) {
        const QString message = QStringLiteral("LE") + QString::number(SelIndice + 1) + QStringLiteral("  ")
            + s.common->FadecErrorCodes[NumError];
        // The event list shows the report line (code and time), the history the message.
        List4.setForeColor(NumError == StopActivatedCode ? ReportOrange : ReportRed);
        if (NumError == StopActivatedCode)
            s.common->HeureCourante = p_.rt.timeText();
        List4.addItem(ErrorReportLine(NumError, message, s.common->HeureCourante));
        WriteHisto(message, QString::number(NumError));
    }
    reported = 1;
}

void Log::AffAlarm()
{
    BoiteDialogue& box = *p_.form<BoiteDialogue>();
    box.ShowWarning(QStringLiteral("Alarm"), box.Label2.caption(), p_.rt.timeText() + QStringLiteral(" / ") + p_.rt.dateText());
}

void Log::Dec_Bin(uint8_t& b, QString& VSortie)
{
    VSortie = Bits8(b);
    b = 0;
}

void Log::Timer54_Timer()
{
    State& s = p_.s;
    // LE-1 to LE-6: a stop requested from the PC while the LE still runs.
    for (int le = 0; le <= 5; ++le) {
        if (s.request->StartStopPC[le] != 2 || s.common->StopAlarmLogged[le] != 0 || s.status->PhaseLP[le] != 5)
            continue;
        WriteHisto(QStringLiteral("LE") + QString::number(le + 1) + QStringLiteral("  Stop Alarm (Actived)"),
                   QStringLiteral("0"), ReportRed);
        if (StopAllEntry) StopAllEntry();
        mnuStopAlarm.setCaption(QStringLiteral("Stop Alarm *"));
        Timer54.setEnabled(false);
        s.common->StopAlarmLogged[le] = 1;
    }
}

void Log::RaiseAlarm(const QString& historyText, plat::Menu& menu, const QString& menuCaption, const QString& boxText)
{
    WriteHisto(historyText, QStringLiteral("0"), ReportRed);
    menu.setCaption(menuCaption);
    p_.form<BoiteDialogue>()->Label2.setCaption(boxText);
    AffAlarm();
    if (StopAllEntry) StopAllEntry();
}

} // namespace orv
