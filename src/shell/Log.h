#pragma once
// The main window. Its controls are declared in the groups of LogControls
// and its ports in LogPorts; a file that needs only those includes their
// group's header instead of this one. Each subsystem serves its share of
// them from its part of the window (LogLink, LogRun, LogTraces,
// LogScheduler, LogParameters, LogAlarms: src/<subsystem>/Log<Name>.h),
// which holds its handlers and hooks them when the window is built, and the
// subsystem's procedures that other windows call by the system's names
// (p.Log->link->ActivationCOM()). Those declared here are the shell's own,
// and the entries through which a lower subsystem reaches a higher one.

#include "shell/LogControls.h"
#include "shell/LogPorts.h"
#include "shell/Owned.h"
#include "shell/StartupEntries.h"

#include <array>
#include <functional>
#include <optional>

namespace orv {

class Program;
class Log;
class LogLink;
class LogRun;
class LogTraces;
class LogScheduler;
class LogParameters;
class LogAlarms;

class Log : public plat::Form, public LogControls, public LogPorts {
public:
    explicit Log(Program& p);
    Program& prog() const { return p_; }

    void Form_Load() override;

    // ---------------------------------------------------------------- shell
    void wireShell();
    void Timer1_Timer();   // start-up
    // Software settings file Param4LogStart.ini: reads it into the settings
    // window (nothing when missing, or before start-up has found BaseFolder),
    // and writes its 52 default lines.
    void LectureParamLogStart();
    void EcritureParamLogStart();
    // Shows each LE's strip of the status grid when the LE is activated in
    // the software settings (ParamLogicielVB.Check1 holds exactly 1).
    void ActivDesacLgGraphique();

    // history, error codes, warning box, stop alarm, quit
    void wireHistory();
    // Appends one history line, `text` under the error code `code`, to
    // Histo.txt; given an event-list colour, first adds `text` to the event
    // list (List4) in that colour. Never fails outward: a line that cannot be
    // written is dropped, and the event list says so once.
    void WriteHisto(const QString& text, const QString& code = QStringLiteral("0"),
                    std::optional<plat::Color> eventColor = std::nullopt);
    // Reports a FADEC error code of LE index SelIndice once per LE and code
    // while the LE is not idle. Any code and index are safe.
    void EcrireCodeErreur(int NumError, int SelIndice);
    // Fills the fixed parts of the warning box (the caller wrote its Label2) and shows it.
    void AffAlarm();
    // Raises an LE's alarm: `historyText` as a history line and, in red, in
    // the event list; `menuCaption` on the alarm's menu item; `boxText` in the
    // warning box; then run control's stop-all. The caller latches the alarm
    // and requests its relays.
    void RaiseAlarm(const QString& historyText, plat::Menu& menu, const QString& menuCaption, const QString& boxText);
    // Run control's stop-all entry (its sequencer stops the LEs one per
    // second), registered by run control; the alarms and the stop alarm
    // start it.
    std::function<void()> StopAllEntry;
    // The run mode the start-selection window shows for LE index le (its
    // mode label: "Normal", "Sym", "Asym", "Plan", "Stop" or empty),
    // registered by the scheduler; reading it loads the window.
    std::function<QString(int le)> ModeShown;
    // Closes the parameter value input and hides the parameter window (the
    // warning box takes their place), registered by the parameter windows.
    std::function<void()> CloseParamEditing;
    // After the start-mode login: the port configuration window, loaded with
    // the new start mode, keeps Label8 and the boxes of LE-1 to LE-6
    // visible; registered by the link.
    std::function<void()> ShowLoginPortBoxes;
    // Starts the rest countdown of LE index le (its RestTimer), registered by
    // run control; reception starts it when the LE enters its rest phase.
    std::function<void(int le)> StartRestEntry;
    // Run control's parameter read before the start of LE index le
    // (LectParamStampLE, waiting for its end), with the start request sent
    // beside the read request, registered by run control; the hardware tests
    // start an LE through it, and their Stop withdraws a read still under way
    // (ParamReadWithdrawEntry).
    std::function<void(int le)> ParamReadEntry;
    std::function<void(int le)> ParamReadWithdrawEntry;
    // The transfer notice has closed (Timer45), registered by run control:
    // the parameter read under way ends when its LE's read-back came before.
    std::function<void()> ParamNoticeClosedEntry;
    // The subsystems' start-up and quit steps.
    StartupEntries startup;
    // Eight bits of b, most significant first, into VSortie; b is 0 on return.
    void Dec_Bin(uint8_t& b, QString& VSortie);
    void Timer54_Timer();   // stop alarm
    void mnuQuit_Click();

    // main window: design layout, login panel, status refresh, menus, panel commands
    void layoutControls();   // design positions, captions, colours (LogLayout.cpp)
    void wireMainWindow();   // hooks the handlers below
    // login panel and layout by start mode (LogLogin.cpp)
    void Timer2_Timer();
    void Timer13_Timer();
    void OkStart_Click();
    void QuitteProg_Click();
    void Picture14_Click();
    void mnuStartMode_Click();
    void ShowDashboard(int mode);
    // status refresh (LogStatusRefresh.cpp)
    void Timer3_Timer();
    void Timer8_Timer();
    void Timer48_Timer();
    void Timer63_Timer();
    void Timer64_Timer();
    // Functions menu (LogMenus.cpp)
    void mnuParameterVB_Click();
    void mnuStopAlarm_Click();
    // Unticks "Stop Alarm" and stops its countdown ("Unselect All" too).
    void StopAlarmOff();
    void mnuRegulateActive_Click();
    void MnuResetMagDrive_Click();
    void mnuCodeError_Click();
    void mnuhisto_Click();
    void mnuEraseListe4_Click();
    // panel commands (LogPanel.cpp); the others are their owners'
    void Label72_Click();
    void Label75_Click();
    void Picture6_Click(int Index);
    void VScroll2_Change();
    void VScroll3_Change();
    void ColorTempSelect();

    // Run control's procedures (StartLERoutine, LectParamStampLE, …) are on
    // its part `run`, the traces' on `traces`, the scheduler's on
    // `scheduler`, and so on for each subsystem.

    // ------------------------------------------- the subsystems' own parts
    // Built by the program's assembly (src/app) right after the window's own
    // part, in this order.
    Owned<LogLink> link;
    Owned<LogRun> run;
    Owned<LogTraces> traces;
    Owned<LogScheduler> scheduler;
    Owned<LogParameters> parameters;
    Owned<LogAlarms> alarms;

private:
    Program& p_;
};

} // namespace orv
