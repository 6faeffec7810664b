// The link end to end on the real Qt event loop: the program validates its
// port configuration in the port window, opens real serial ports on the
// pseudo-terminals of tools/le-sim (run as a process), and answers every
// marked frame with one command frame before the LE's next frame, and an
// unmarked frame with none.
#include "link/ConfigurationRS232.h"
#include "platform/Dialogs.h"
#include "platform/Drive.h"
#include "platform/PortDirectory.h"
#include "platform/Printer.h"
#include "platform/Runtime.h"
#include "platform/TimeSource.h"
#include "shell/Log.h"
#include "shell/Program.h"
#include "support/Printing.h"

#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>
#include <gtest/gtest.h>
#include <map>
#include <vector>

namespace {

constexpr int kGuardMs = 30000;   // only a guard: every wait ends on its condition

bool waitFor(const std::function<bool()>& done) { return QTest::qWaitFor(done, kGuardMs); }

// tools/le-sim with --trace, its device lines and its trace, per LE.
class LeSim {
public:
    struct Event {
        enum Kind { Marked, Unmarked, Command } kind;
        QByteArray command;   // 34 bytes for a Command
    };

    explicit LeSim(const QStringList& args)
    {
        proc_.setProgram(QStringLiteral(LE_SIM_PATH));
        proc_.setArguments(args + QStringList{"--trace"});
        proc_.setProcessChannelMode(QProcess::SeparateChannels);
        proc_.start();
    }
    ~LeSim()
    {
        proc_.terminate();
        if (!proc_.waitForFinished(5000))
            proc_.kill();
    }

    // Waits for "ready"; the device of each LE is then known.
    bool ready()
    {
        return waitFor([this] {
            read();
            return ready_;
        });
    }
    QString device(int le) const { return devices_.value(le); }
    const std::vector<Event>& events(int le)
    {
        read();
        return events_[le];
    }

private:
    void read()
    {
        while (proc_.canReadLine()) {
            const QString line = QString::fromLatin1(proc_.readLine()).trimmed();
            if (line == "ready") {
                ready_ = true;
            } else if (line.startsWith("ORVANE_COM")) {
                const int eq = line.indexOf('=');
                devices_[line.mid(10, eq - 10).toInt()] = line.mid(eq + 1);
            } else {
                // "<ms> LE<n> frame marked|unmarked" or "<ms> LE<n> command <hex>"
                const QStringList parts = line.split(' ');
                if (parts.size() != 4 || !parts[1].startsWith("LE"))
                    continue;
                const int le = parts[1].mid(2).toInt();
                if (parts[2] == "command")
                    events_[le].push_back({Event::Command, QByteArray::fromHex(parts[3].toLatin1())});
                else
                    events_[le].push_back({parts[3] == "marked" ? Event::Marked : Event::Unmarked, {}});
            }
        }
    }

    QProcess proc_;
    bool ready_ = false;
    QMap<int, QString> devices_;
    std::map<int, std::vector<Event>> events_;
};

// The frames of one LE whose answer window is closed (a later frame
// followed), each with the commands that arrived in its window.
struct Answered {
    bool marked;
    std::vector<QByteArray> replies;
};

std::vector<Answered> closedFrames(const std::vector<LeSim::Event>& events, int& beforeFirst)
{
    std::vector<Answered> frames;
    beforeFirst = 0;
    for (const LeSim::Event& e : events) {
        if (e.kind == LeSim::Event::Command) {
            if (frames.empty())
                ++beforeFirst;
            else
                frames.back().replies.push_back(e.command);
        } else {
            frames.push_back({e.kind == LeSim::Event::Marked, {}});
        }
    }
    if (!frames.empty())
        frames.pop_back();   // its answer may still be on its way
    return frames;
}

int count(const std::vector<Answered>& frames, bool marked)
{
    int n = 0;
    for (const Answered& f : frames)
        n += f.marked == marked;
    return n;
}

} // namespace

TEST(LinkPty, EveryMarkedFrameGetsOneAnswerAndAnUnmarkedOneNone)
{
    // LE-2 leaves the marker out of every fifth frame.
    LeSim sim({"--count", "2", "--period", "300", "--pace", "--fault", "2:unmarked"});
    ASSERT_TRUE(sim.ready());
    qputenv("ORVANE_COM1", sim.device(1).toLocal8Bit());
    qputenv("ORVANE_COM2", sim.device(2).toLocal8Bit());

    QTemporaryDir driveDir;
    plat::RealTimeSource time;
    plat::ScriptedDialogs dialogs;
    plat::Drive drive(driveDir.path());
    drive.mkDir("C:\\LightCtl");
    drive.setCurDirForTest("C:\\LightCtl");
    plat::QtSerialFactory serial;
    plat::RecordingPrinter printer;
    plat::Runtime rt{time, dialogs, drive, serial, printer};
    orv::Program prog(rt);
    orv::Log& log = prog.Log.get();
    ASSERT_TRUE(waitFor([&] { return !log.Timer1.enabled(); }));   // start-up has run

    prog.s.Vmot[0] = 100;   // a request for LE-1 (3000 rpm) rides in every answer

    // The user validates COM1 for LE-1 and COM2 for LE-2.
    orv::ConfigurationRS232& win = *prog.form<orv::ConfigurationRS232>();
    win.Text1[0].setText("1");
    win.Check1[0].userClick();
    win.Text1[1].setText("2");
    win.Check1[1].userClick();
    win.Command1.click();
    ASSERT_TRUE(log.MSComm1.portOpen());
    ASSERT_TRUE(log.MSComm2.portOpen());
    QFile file(drive.hostPath("C:\\LightCtl\\ParamComx2.ini"));
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    QByteArray expectedFile = "\"1\"\r\n\"1\"\r\n\"2\"\r\n\"1\"\r\n";
    for (int i = 0; i < 12; ++i)
        expectedFile += "\"0\"\r\n";
    EXPECT_EQ(file.readAll(), expectedFile);

    int before1 = 0, before2 = 0;
    ASSERT_TRUE(waitFor([&] {
        const auto le1 = closedFrames(sim.events(1), before1);
        const auto le2 = closedFrames(sim.events(2), before2);
        return count(le1, true) >= 6 && count(le2, true) >= 6 && count(le2, false) >= 2;
    }));

    const struct {
        int le;
        int vmot;
    } les[] = {{1, 100}, {2, 0}};
    for (const auto& l : les) {
        SCOPED_TRACE(l.le);
        int before = 0;
        const auto frames = closedFrames(sim.events(l.le), before);
        EXPECT_EQ(before, 0);   // nothing is sent unasked
        for (size_t i = 0; i < frames.size(); ++i) {
            SCOPED_TRACE(i);
            ASSERT_EQ(frames[i].replies.size(), frames[i].marked ? 1u : 0u);
            if (!frames[i].marked)
                continue;
            const QByteArray& r = frames[i].replies[0];
            ASSERT_EQ(r.size(), 34);
            EXPECT_EQ(r.right(2), QByteArray("\r\n"));
            EXPECT_EQ(uint8_t(r[30]), 123);   // the marker echoed
            EXPECT_EQ(uint8_t(r[1]), 0);      // the phase echoed
            EXPECT_EQ(uint8_t(r[24]), l.vmot);
        }
    }
    EXPECT_TRUE(dialogs.shown.empty());
}
