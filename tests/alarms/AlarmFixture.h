#pragma once
// The program after start-up with LE-1 to LE-6 activated, for the alarm
// windows: fake LEs on in-memory lines that send the frames a test gives
// them, the command frames the program answers with, and short ways to read
// the event list, the history and the warning box.

#include "model/Frames.h"
#include "shell/BoiteDialogue.h"
#include "shell/MainPanels.h"
#include "shell/ParamLogicielVB.h"
#include "support/FakeLE.h"
#include "support/ProgramFixture.h"

#include <QByteArray>
#include <initializer_list>
#include <map>
#include <memory>
#include <utility>

class AlarmTest : public ProgramTest {
protected:
    orv::Log* log = nullptr;
    orv::State* s = nullptr;
    std::map<int, std::unique_ptr<FakeLE>> fakes;   // by LE index

    void SetUp() override
    {
        ProgramTest::SetUp();
        startUp();
        attach();
    }

    void attach()
    {
        log = &mainWindow();
        s = &prog->s;
        for (int le = 0; le < 6; ++le) settings().Check1[le].setValue(1);
    }

    // A new program on the same drive, started up as at the next start.
    void restart()
    {
        fakes.clear();
        prog.reset();
        makeProgram();
        startUp();
        attach();
    }

    orv::ParamLogicielVB& settings() { return *prog->form<orv::ParamLogicielVB>(); }
    orv::BoiteDialogue& box() { return *prog->form<orv::BoiteDialogue>(); }

    // The fake LE of LE index le, its port open; it sends only what a test gives it.
    FakeLE& fake(int le)
    {
        auto& f = fakes[le];
        if (!f) {
            openPort(le);
            f = std::make_unique<FakeLE>(t, le + 1, le + 1);
            f->setRunning(false);
        }
        return *f;
    }

    // LE index le reports `phase` with these fields set; reception runs at once.
    void report(int le, int phase, std::initializer_list<std::pair<int, int>> fields = {})
    {
        le::Fields f = FakeLE::statusFields(phase);
        for (const auto& [pos, value] : fields) f[pos] = value;
        fake(le).send(f);
        t.time.runPending();
    }

    // The command frames the program sent LE index le since the last call.
    std::vector<le::Fields> sent(int le)
    {
        std::vector<le::Fields> out;
        const QByteArray bytes = fake(le).takeWritten();
        for (qsizetype at = 0; at + le::kCommandLength <= bytes.size(); at += le::kCommandLength)
            if (auto c = le::parseCommand(bytes.mid(at, le::kCommandLength))) out.push_back(*c);
        return out;
    }

    // LE index le reports again and gets its answer: the frame on the line.
    le::Fields exchange(int le, int phase, std::initializer_list<std::pair<int, int>> fields = {})
    {
        sent(le);
        report(le, phase, fields);
        t.time.advance(30);
        const auto frames = sent(le);
        EXPECT_EQ(frames.size(), 1u);
        return frames.empty() ? le::Fields{} : frames.back();
    }

    QStringList listLines() const
    {
        QStringList out;
        for (int i = 0; i < mainPanels(*log).List4.listCount(); ++i) out << mainPanels(*log).List4.list(i);
        return out;
    }
    QString histo() const { return QString::fromLatin1(readFile("C:\\LightCtl\\Histo.txt")); }
    // The messages of the history lines (after time, date and code).
    QStringList histoMessages() const
    {
        QStringList out;
        for (const QString& line : histo().split("\r\n", Qt::SkipEmptyParts)) out << line.mid(35);
        return out;
    }
    QByteArray baseFile(const QString& name) const { return readFile("C:\\LightCtl\\" + name); }
    void writeBaseFile(const QString& name, const QByteArray& bytes) const { writeFile("C:\\LightCtl\\" + name, bytes); }
};
