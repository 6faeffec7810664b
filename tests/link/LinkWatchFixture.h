#pragma once
// The program on virtual time for the link supervision tests: settings
// written before start-up (activated LEs, "Alarm COM Port"), ports opened by
// the port activation on in-memory lines (LE index i on line i + 1), frames
// from fake LEs or injected by the test.

#include "link/LinkState.h"
#include "link/LeInstances.h"
#include "link/LogLink.h"
#include "model/Frames.h"
#include "shell/Log.h"
#include "shell/ParamLogicielVB.h"
#include "shell/SettingsStore.h"
#include "support/FakeLE.h"
#include "support/ProgramFixture.h"

#include <QDateTime>

class LinkWatchTest : public ProgramTest {
protected:
    orv::Log* log = nullptr;
    orv::State* s = nullptr;

    // Settings file for start-up: the LEs activated in the software settings
    // and the "Alarm COM Port" option.
    void writeSettings(std::initializer_list<int> activated, bool alarmComPort)
    {
        QStringList lines = orv::defaultSettingsLines();
        for (int le : activated) lines[le] = "1";   // Check1(le)
        lines[15] = alarmComPort ? "1" : "0";       // Check3
        writeFile("C:\\LightCtl\\Param4LogStart.ini", lines.join("\r\n").toLatin1() + "\r\n");
    }

    // Loads the main window at a known wall-clock time and runs start-up.
    void start()
    {
        t.time.setWallClock(QDateTime(QDate(2026, 12, 8), QTime(14, 5, 0)));
        startUp();
        log = &mainWindow();
        s = &prog->s;
    }

    // The port configuration as validated: these LE indexes on line index + 1.
    void activate(std::initializer_list<int> les)
    {
        for (int le : les) {
            s->link->ComPortNumber[le] = QString::number(le + 1);
            s->link->ComPortEnabled[le] = QStringLiteral("1");
        }
        log->link->ActivationCOM();
    }

    void receive(int le, const le::Fields& f)
    {
        t.ports.inject(le + 1, le::composeFrame(f));
        t.time.runPending();
    }
    // A marked status frame, answered at the transmit timer's next tick.
    void answeredFrame(int le, const le::Fields& f = FakeLE::statusFields())
    {
        receive(le, f);
        t.time.advance(30);
    }

    orv::ParamLogicielVB& settings() { return *prog->form<orv::ParamLogicielVB>(); }
    plat::FormTimer& resetTimer(int le) { return (*log).*orv::leInstance(le).resetTimer; }
    plat::FormTimer& txTimer(int le) { return (*log).*orv::leInstance(le).txTimer; }
    bool watchdogIdle() const
    {
        return !log->Timer57.enabled() && !log->Timer58.enabled() && !log->Timer59.enabled();
    }

    QList<QByteArray> histoLines() const
    {
        QList<QByteArray> lines = readFile("C:\\LightCtl\\Histo.txt").split('\n');
        lines.removeAll("");
        lines.removeAll("\r");
        return lines;
    }
};
