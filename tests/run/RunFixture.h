#pragma once
// The program after start-up, for run control: ports opened on in-memory
// lines as the port activation opens them, fake LEs on demand, and short
// ways to read the history file and the settings boxes.

#include "model/Frames.h"
#include "platform/Timer.h"
#include "shell/LinkStatus.h"
#include "shell/ParamLogicielVB.h"
#include "support/FakeLE.h"
#include "support/ProgramFixture.h"
#include "support/StartedProgramFixture.h"

#include <QByteArray>
#include <functional>
#include <initializer_list>
#include <memory>
#include <vector>

class RunTest : public StartedProgramTest {
protected:

    // A one-shot action at `ms` from now, run from the event loop.
    std::vector<std::unique_ptr<plat::Timer>> actions;
    void at(int ms, std::function<void()> fn)
    {
        actions.push_back(std::make_unique<plat::Timer>(t.time, "action", ms, true));
        plat::Timer* tm = actions.back().get();
        tm->onTimer = [tm, fn] {
            tm->setEnabled(false);
            fn();
        };
    }

    // What gates a parameter read, as reception leaves it for a marked idle frame.
    void markIdle(int le)
    {
        s->status->SynchroRS232[le] = 123;
        s->status->PhaseLP[le] = 0;
    }

    // A number file's content as the program prints it: " 50 " lines.
    static QByteArray integerForm(std::initializer_list<int> values)
    {
        QByteArray out;
        for (int v : values) out += " " + QByteArray::number(v) + " \r\n";
        return out;
    }

    orv::ParamLogicielVB& settings() { return *prog->form<orv::ParamLogicielVB>(); }

    QString histo() const { return QString::fromLatin1(readFile("C:\\LightCtl\\Histo.txt")); }
    // The messages of the history lines (after time, date and code).
    QStringList histoMessages() const
    {
        QStringList out;
        for (const QString& line : histo().split("\r\n", Qt::SkipEmptyParts)) out << line.mid(35);
        return out;
    }
};
