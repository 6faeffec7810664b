// Pulling and putting back an LE's line while the program runs, on the real
// Qt event loop and real serial ports: LE-1 and LE-2 are tools/le-sim on its
// pseudo-terminals, LE-3 is played by the test on a pseudo-terminal reached
// through a stable link name, as an adapter's by-id name is. Closing LE-3's
// far side and later making a new line under the same name ends with LE-3
// answered again, while LE-1 and LE-2 get every frame answered throughout.
#include "link/ConfigurationRS232.h"
#include "model/Frames.h"
#include "platform/Dialogs.h"
#include "platform/Drive.h"
#include "platform/PortDirectory.h"
#include "platform/Printer.h"
#include "platform/Runtime.h"
#include "platform/TimeSource.h"
#include "shell/Log.h"
#include "shell/Program.h"
#include "support/FakeLE.h"
#include "support/Printing.h"
#include "support/Pty.h"

#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <gtest/gtest.h>
#include <map>
#include <memory>

namespace {

constexpr int kGuardMs = 30000;   // only a guard: every wait ends on its condition
constexpr int kPeriodMs = 200;

bool waitFor(const std::function<bool()>& done) { return QTest::qWaitFor(done, kGuardMs); }

// tools/le-sim with --trace: its devices, and per LE the frames put on the
// line (marked or not) and the command frames taken, in order.
class LeSim {
public:
    explicit LeSim(const QStringList& args)
    {
        proc_.setProgram(QStringLiteral(LE_SIM_PATH));
        proc_.setArguments(args + QStringList{"--trace"});
        proc_.start();
    }
    ~LeSim()
    {
        proc_.terminate();
        if (!proc_.waitForFinished(5000)) proc_.kill();
    }
    bool ready()
    {
        return waitFor([this] {
            read();
            return ready_;
        });
    }
    QString device(int le) const { return devices_.value(le); }
    // 'M' marked frame, 'U' unmarked frame, 'C' command frame.
    QByteArray events(int le)
    {
        read();
        return events_[le];
    }
    QString log()
    {
        log_ += QString::fromLatin1(proc_.readAllStandardError());
        return log_;
    }

private:
    void read()
    {
        while (proc_.canReadLine()) {
            const QString line = QString::fromLatin1(proc_.readLine()).trimmed();
            const QStringList parts = line.split(' ');
            if (line == "ready") {
                ready_ = true;
            } else if (line.startsWith("ORVANE_COM")) {
                const int eq = line.indexOf('=');
                devices_[line.mid(10, eq - 10).toInt()] = line.mid(eq + 1);
            } else if (parts.size() == 4 && parts[1].startsWith("LE")) {
                events_[parts[1].mid(2).toInt()] += parts[2] == "command" ? 'C' : parts[3] == "marked" ? 'M' : 'U';
            }
        }
    }
    QProcess proc_;
    bool ready_ = false;
    QMap<int, QString> devices_;
    std::map<int, QByteArray> events_;
    QString log_;
};

// LE-3 as the test plays it: a marked status frame every period while the
// program has the line open, and the answers it takes.
class PlayedLE {
public:
    explicit PlayedLE(orv::Log& log) : log_(log)
    {
        timer_.setInterval(kPeriodMs);
        QObject::connect(&timer_, &QTimer::timeout, [this] { beat(); });
        timer_.start();
    }
    void plug(std::unique_ptr<testsupport::Pty> line) { line_ = std::move(line); }
    void unplug()
    {
        if (line_) line_->closeFar();
        line_.reset();
    }
    int answers() const { return answers_; }

private:
    void beat()
    {
        if (!line_ || !log_.MSComm3.portOpen()) return;
        for (QByteArray in = line_->read(4096); !in.isEmpty(); in = line_->read(4096)) pending_ += in;
        while (pending_.size() >= 34) {
            answers_ += pending_.mid(32, 2) == "\r\n";
            pending_.remove(0, 34);
        }
        line_->write(le::composeFrame(FakeLE::statusFields()));
    }
    orv::Log& log_;
    QTimer timer_;
    std::unique_ptr<testsupport::Pty> line_;
    QByteArray pending_;
    int answers_ = 0;
};

// Checks that the command frames of an LE answer its marked frames one to
// one: never more answers than frames so far, and every frame answered but
// perhaps the last, whose answer may still be on its way. An answer may land
// after the LE's next frame when the machine is busy; it still counts.
void expectOneAnswerPerFrame(const QByteArray& events, int atLeastFrames)
{
    int frames = 0, answers = 0;
    for (char e : events) {
        if (e == 'U') ADD_FAILURE() << "unmarked frame";
        frames += e == 'M';
        answers += e == 'C';
        ASSERT_LE(answers, frames);
    }
    EXPECT_GE(frames, atLeastFrames);
    EXPECT_GE(answers, frames - 1);
}

} // namespace

TEST(UnplugPty, AnLEPulledAndPutBackComesBackWhileTheOthersLoseNoFrame)
{
    LeSim sim({"--count", "2", "--period", QString::number(kPeriodMs)});
    ASSERT_TRUE(sim.ready());
    QTemporaryDir links;
    const QString le3Link = links.filePath("le3");
    auto plugLine = [&] {
        auto pty = std::make_unique<testsupport::Pty>();
        QFile::remove(le3Link);
        EXPECT_TRUE(pty->ok() && QFile::link(pty->slavePath(), le3Link));
        return pty;
    };
    auto first = plugLine();
    qputenv("ORVANE_COM1", sim.device(1).toLocal8Bit());
    qputenv("ORVANE_COM2", sim.device(2).toLocal8Bit());
    qputenv("ORVANE_COM3", le3Link.toLocal8Bit());

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

    PlayedLE le3(log);
    le3.plug(std::move(first));
    orv::ConfigurationRS232& win = *prog.form<orv::ConfigurationRS232>();
    for (int i = 0; i < 3; ++i) {
        win.Text1[i].setText(QString::number(i + 1));
        win.Check1[i].userClick();
    }
    win.Command1.click();
    ASSERT_TRUE(log.MSComm1.portOpen() && log.MSComm2.portOpen() && log.MSComm3.portOpen());
    ASSERT_TRUE(waitFor([&] { return le3.answers() >= 3 && log.Label21[2].caption() == "yes"; }));
    ASSERT_TRUE(waitFor([&] { return !log.Timer57.enabled() && !log.Timer58.enabled() && !log.Timer59.enabled(); }));
    const int64_t from = time.nowMs();

    // Pulled: the program finds the line gone and tries it again and again.
    le3.unplug();
    QFile::remove(le3Link);
    ASSERT_TRUE(waitFor([&] { return !log.MSComm3.portOpen(); }));
    ASSERT_TRUE(waitFor([&] { return prog.s.ComptageCOM[2] >= 2; }));
    EXPECT_FALSE(log.MSComm3.portOpen());

    // Put back under the same name: the next re-test opens it and LE-3 is answered.
    le3.plug(plugLine());
    const int before = le3.answers();
    ASSERT_TRUE(waitFor([&] { return le3.answers() >= before + 3 && log.Label21[2].caption() == "yes"; }));
    ASSERT_TRUE(waitFor([&] { return !log.Timer57.enabled() && !log.Timer58.enabled() && !log.Timer59.enabled(); }));
    EXPECT_EQ(log.Label21[2].caption(), "yes");
    EXPECT_LT(prog.s.ComptageCOM[2], 11);

    // LE-1 and LE-2: one answer to every marked frame, and no gap in their frames.
    const double elapsedFrames = double(time.nowMs() - from) / kPeriodMs;
    for (int n : {1, 2}) {
        SCOPED_TRACE(n);
        expectOneAnswerPerFrame(sim.events(n), int(elapsedFrames));
        EXPECT_EQ(sim.log().count(QStringLiteral("LE%1: port opened").arg(n)), 1);
        EXPECT_EQ(sim.log().count(QStringLiteral("LE%1: port closed").arg(n)), 0);
    }
    EXPECT_TRUE(dialogs.shown.empty());
}
