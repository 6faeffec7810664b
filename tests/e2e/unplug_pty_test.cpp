// Pulling and putting back an LE's line while the program runs, on the real
// Qt event loop and real serial ports: LE-1 and LE-2 are tools/le-sim on its
// pseudo-terminals, LE-3 is played by the test on a pseudo-terminal reached
// through a stable link name, as an adapter's by-id name is. Closing LE-3's
// far side and later making a new line under the same name ends with LE-3
// answered again, while LE-1 and LE-2 get every frame answered throughout.
#include "client/LeSimProcess.h"
#include "client/RealProgram.h"
#include "model/Frames.h"
#include "shell/LeStrips.h"
#include "shell/LogPorts.h"
#include "shell/LogTimers.h"
#include "shell/RunShared.h"
#include "support/FakeLE.h"
#include "support/Printing.h"
#include "support/Pty.h"

#include <QFile>
#include <QTemporaryDir>
#include <QTimer>
#include <gtest/gtest.h>
#include <memory>
#include <vector>

namespace {

using lesim::LeSimProcess;
using lesim::waitUntil;

constexpr int kPeriodMs = 200;

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
        if (!line_ || !logPorts(log_).MSComm3.portOpen()) return;
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
void expectOneAnswerPerFrame(const std::vector<LeSimProcess::Event>& events, int atLeastFrames)
{
    int frames = 0, answers = 0;
    for (const LeSimProcess::Event& e : events) {
        if (e.kind == LeSimProcess::Event::Unmarked) ADD_FAILURE() << "unmarked frame";
        frames += e.kind == LeSimProcess::Event::Marked;
        answers += e.kind == LeSimProcess::Event::Command;
        ASSERT_LE(answers, frames);
    }
    EXPECT_GE(frames, atLeastFrames);
    EXPECT_GE(answers, frames - 1);
}

} // namespace

TEST(UnplugPty, AnLEPulledAndPutBackComesBackWhileTheOthersLoseNoFrame)
{
    LeSimProcess sim({"--count", "2", "--period", QString::number(kPeriodMs)});
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

    lesim::RealProgram rig;
    orv::Program& prog = rig.prog();
    orv::Log& log = rig.log();
    ASSERT_TRUE(rig.startUp());

    PlayedLE le3(log);
    le3.plug(std::move(first));
    rig.validatePorts({{1, 1}, {2, 2}, {3, 3}});
    ASSERT_TRUE(logPorts(log).MSComm1.portOpen() && logPorts(log).MSComm2.portOpen() && logPorts(log).MSComm3.portOpen());
    ASSERT_TRUE(waitUntil([&] { return le3.answers() >= 3 && leStrips(log).Label21[2].caption() == "yes"; }));
    ASSERT_TRUE(waitUntil([&] { return !logTimers(log).Timer57.enabled() && !logTimers(log).Timer58.enabled() && !logTimers(log).Timer59.enabled(); }));
    const int64_t from = rig.time.nowMs();

    // Pulled: the program finds the line gone and tries it again and again.
    le3.unplug();
    QFile::remove(le3Link);
    ASSERT_TRUE(waitUntil([&] { return !logPorts(log).MSComm3.portOpen(); }));
    ASSERT_TRUE(waitUntil([&] { return prog.s.runShared->ComptageCOM[2] >= 2; }));
    EXPECT_FALSE(logPorts(log).MSComm3.portOpen());

    // Put back under the same name: the next re-test opens it and LE-3 is answered.
    le3.plug(plugLine());
    const int before = le3.answers();
    ASSERT_TRUE(waitUntil([&] { return le3.answers() >= before + 3 && leStrips(log).Label21[2].caption() == "yes"; }));
    ASSERT_TRUE(waitUntil([&] { return !logTimers(log).Timer57.enabled() && !logTimers(log).Timer58.enabled() && !logTimers(log).Timer59.enabled(); }));
    EXPECT_EQ(leStrips(log).Label21[2].caption(), "yes");
    EXPECT_LT(prog.s.runShared->ComptageCOM[2], 11);

    // LE-1 and LE-2: one answer to every marked frame, and no gap in their frames.
    const double elapsedFrames = double(rig.time.nowMs() - from) / kPeriodMs;
    for (int n : {1, 2}) {
        SCOPED_TRACE(n);
        expectOneAnswerPerFrame(sim.events(n), int(elapsedFrames));
        EXPECT_EQ(sim.stderrLog().count(QStringLiteral("LE%1: port opened").arg(n)), 1);
        EXPECT_EQ(sim.stderrLog().count(QStringLiteral("LE%1: port closed").arg(n)), 0);
    }
    EXPECT_TRUE(rig.dialogs.shown.empty());
}
