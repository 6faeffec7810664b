// The two link watchdogs of the main window. They share no state: they meet
// only through the link indicator, whose button-face colour the
// no-communication watchdog counts whether the port watchdog closed the port
// or the LE simply stopped.
//
// Port watchdog (Timer57..60): after every port activation, a test pass lists
// the eight ports in List3 and closes each active port whose LE has not sent
// a marked frame; the re-test step reopens it a second later through the
// activation, which arms the next pass. Misses add up in ComptageCOM until a
// start of the LE; the 12th unticks the LE in the port configuration window
// and the watchdog leaves that LE alone from then on.
//
// No-communication watchdog (a step of the 500 ms status timer): while the
// "Alarm COM Port" option is on, it counts the ticks an activated LE's
// indicator stays on the button-face colour; on the 26th it declares the link
// lost, blanks the LE's values, reports the loss once in the event list and
// the history, and shows the warning box on every tick until the indicator
// turns green again. The box's OK acknowledges (BoiteDialogue::OkValide_Click).

#include "link/ConfigurationRS232.h"
#include "link/LeInstances.h"
#include "link/LogLink.h"
#include "link/StampFrame.h"
#include "platform/CommPort.h"
#include "platform/VbText.h"
#include "shell/BoiteDialogue.h"
#include "shell/LinkStatus.h"
#include "shell/Log.h"
#include "shell/ParamLogicielVB.h"
#include "shell/Program.h"
#include "shell/RunShared.h"
#include "shell/State.h"

namespace orv {

namespace {

constexpr int LastCountedMiss = 11;   // ComptageCOM at the 11th miss; the next one gives up
constexpr int LostAfterTicks = 25;    // ComptageComm when the next silent tick declares the loss
const QString MissNote = QStringLiteral(" <---  ? ");
const QString NoCommunication = QStringLiteral("No communication with machine");

// " 123   COM(i) = 1   LE-1   " and the note: one line of the port test list.
QString portTestLine(int marker, int passMark, int number, const QString& note)
{
    return QStringLiteral(" ") + plat::right(QStringLiteral("000") + QString::number(marker), 3)
        + QStringLiteral("   COM(i) = ") + QString::number(passMark) + QStringLiteral("   LE-")
        + QString::number(number) + QStringLiteral("   ") + note;
}

} // namespace

void LogLink::Timer57_Timer()
{
    State& s = p.s;
    std::array<int, 8> passMark{};

    L.List3.clear();
    for (const LeInstance& in : leInstances()) {
        const int i = in.le;
        passMark[i] = s.status->ComPortOpen[i] == 1 ? 1 : 0;
        QString note;
        // A line that has gone away (adapter pulled, far side closed) has no
        // marker any more, whatever its last frame carried: it is re-tested
        // like a silent one, so the link comes back once the LE is there again.
        if (passMark[i] == 1 && !(L.*in.port).portOpen())
            s.status->SynchroRS232[i] = 0;
        if (passMark[i] == 1 && s.status->SynchroRS232[i] == 0) {
            note = MissNote;
            if (s.runShared->ComptageCOM[i] < LastCountedMiss) {
                ++s.runShared->ComptageCOM[i];
            } else {
                // Given up: no more resets for this LE, and the user finds it
                // unticked when opening the port configuration.
                passMark[i] = 0;
                p.form<ConfigurationRS232>()->Check1[i].setValue(0);
            }
        }
        L.List3.addItem(portTestLine(s.status->SynchroRS232[i], passMark[i], in.number, note));
    }

    for (const LeInstance& in : leInstances()) {
        const int i = in.le;
        if (passMark[i] != 1 || s.status->SynchroRS232[i] == SynchroMarker)
            continue;
        plat::CommPort& port = L.*in.port;
        if (port.portOpen()) {
            port.setPortOpen(false);
            LinkIndicatorOff(i);
            s.status->ComPortOpen[i] = 0;
            PortOpenChanged();
            (L.*in.txTimer).setEnabled(false);
        }
        L.Timer58.setEnabled(true);
    }

    L.Timer60.setEnabled(true);
    L.Timer57.setEnabled(false);
}

void LogLink::Timer58_Timer()
{
    ActivationCOM();   // reopens the closed ports and arms the next pass
    L.Timer59.setEnabled(true);
    L.Timer58.setEnabled(false);
}

void LogLink::Timer59_Timer()
{
    L.List3.addItem(QStringLiteral(" Re-test ComX full"));
    L.Timer57.setEnabled(true);
    L.Timer59.setEnabled(false);
}

void LogLink::Timer60_Timer()
{
    L.List3.clear();
    L.Timer60.setEnabled(false);
}

void LogLink::NoCommunicationStep()
{
    State& s = p.s;
    ParamLogicielVB& settings = *p.form<ParamLogicielVB>();
    if (!settings.LinkWatchdogAlarm())
        return;

    for (const LeInstance& in : leInstances()) {
        const int j = in.le;
        if (!settings.LEActivated(j))
            continue;

        if (L.Label21[j].backColor() == plat::ButtonFace) {
            if (s.common->ComptageComm[j] < LostAfterTicks) {
                ++s.common->ComptageComm[j];
            } else {
                s.common->ComptageComm[j] = LostAfterTicks;
                s.status->FlagCommPerdue[j] = 1;
                for (auto* values :
                     {&L.Label31, &L.Label32, &L.Label33, &L.Label34, &L.Label35, &L.Label39, &L.Label40, &L.Label41})
                    (*values)[j].setCaption(QStringLiteral("---"));

                if (s.common->FlagCommSignalee[j] == 0) {
                    L.WriteHisto(in.name() + QStringLiteral("  No communication with machine System!"),
                                 QStringLiteral("0"), plat::colors::Red);
                    s.common->DateCourante = p.rt.dateText();
                    s.common->HeureCourante = p.rt.timeText();
                    s.common->FlagCommSignalee[j] = 1;
                }

                p.form<BoiteDialogue>()->ShowWarning(NoCommunication, QStringLiteral("         System!"),
                                                     s.common->DateCourante + QStringLiteral(" / ") +
                                                         s.common->HeureCourante);
            }
        }

        if (L.Label21[j].backColor() == plat::colors::Green) {
            s.common->ComptageComm[j] = 0;
            s.status->FlagCommPerdue[j] = 0;
        }
    }
}

// A line that goes away while the port watchdog is idle would never be
// re-tested, since its last frame's marker stays: hand it to the watchdog.
// An LE that has used up its misses is left alone, as the pass leaves it.
void LogLink::VanishedLineStep()
{
    if (L.Timer57.enabled() || L.Timer58.enabled() || L.Timer59.enabled())
        return;
    const State& s = p.s;
    for (const LeInstance& in : leInstances()) {
        const int i = in.le;
        if (s.status->ComPortOpen[i] == 1 && !(L.*in.port).portOpen() && s.runShared->ComptageCOM[i] < LastCountedMiss) {
            L.Timer57.setEnabled(true);
            return;
        }
    }
}

} // namespace orv
