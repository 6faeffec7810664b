// START LE end to end, on the real Qt event loop and real serial ports, with
// one LE that talks but never sends its parameter read-back: LE-1 is played
// by the test on a pseudo-terminal, LE-2 and LE-3 are tools/le-sim. LE-1's
// read ends after its time limit with its red line, LE-2 and LE-3 are read
// and started after it, and the scheduler tick runs on throughout.
#include "run/LogRun.h"
#include "client/LeSimProcess.h"
#include "client/RealProgram.h"
#include "model/Frames.h"
#include "run/RunState.h"
#include "scheduler/SelectionStart.h"
#include "shell/LeStrips.h"
#include "shell/LinkStatus.h"
#include "shell/Log.h"
#include "shell/LogPorts.h"
#include "shell/LogTimers.h"
#include "shell/MainPanels.h"
#include "shell/State.h"
#include "support/FakeLE.h"
#include "support/Printing.h"
#include "support/Pty.h"

#include <QElapsedTimer>
#include <QFile>
#include <QTimer>
#include <gtest/gtest.h>

namespace {

using lesim::waitUntil;

constexpr int kPeriodMs = 100;

// LE-1 as the test plays it: a marked idle status frame every period, never
// a read-back; it notes the read requests it is sent.
class MuteLE {
public:
    explicit MuteLE(orv::Log& log) : log_(log)
    {
        timer_.setInterval(kPeriodMs);
        QObject::connect(&timer_, &QTimer::timeout, [this] { beat(); });
        timer_.start();
        clock_.start();
    }
    const QString& device() const { return line_.slavePath(); }
    bool ok() const { return line_.ok(); }
    int readRequests() const { return readRequests_; }
    // The start request position of each command frame, with when it was read.
    struct Taken {
        qint64 ms;
        int startStop;
    };
    const std::vector<Taken>& taken() const { return taken_; }
    qint64 nowMs() const { return clock_.elapsed(); }

private:
    void beat()
    {
        if (!logPorts(log_).MSComm1.portOpen()) return;
        for (QByteArray in = line_.read(4096); !in.isEmpty(); in = line_.read(4096)) pending_ += in;
        while (pending_.size() >= 34) {
            readRequests_ += uint8_t(pending_[0]) == le::BankReadParam;
            taken_.push_back({clock_.elapsed(), uint8_t(pending_[le::pos::StartStop])});
            pending_.remove(0, 34);
        }
        line_.write(le::composeFrame(FakeLE::statusFields()));
    }
    orv::Log& log_;
    QTimer timer_;
    testsupport::Pty line_;
    QByteArray pending_;
    int readRequests_ = 0;
    std::vector<Taken> taken_;
    QElapsedTimer clock_;
};

} // namespace

TEST(ParamReadPty, StartLEGoesOnPastAnLEThatNeverSendsItsReadBack)
{
    lesim::LeSimProcess sim({"--count", "2", "--period", QString::number(kPeriodMs), "--start-scale", "0.02"});
    ASSERT_TRUE(sim.ready());
    qputenv("ORVANE_COM2", sim.device(1).toLocal8Bit());
    qputenv("ORVANE_COM3", sim.device(2).toLocal8Bit());

    lesim::RealProgram rig;
    orv::Program& prog = rig.prog();
    orv::Log& log = rig.log();
    orv::State& s = prog.s;
    ASSERT_TRUE(rig.startUp());
    MuteLE le1(log);
    ASSERT_TRUE(le1.ok());
    qputenv("ORVANE_COM1", le1.device().toLocal8Bit());

    rig.validatePorts({{1, 1}, {2, 2}, {3, 3}});
    ASSERT_TRUE(logPorts(log).MSComm1.portOpen() && logPorts(log).MSComm2.portOpen() && logPorts(log).MSComm3.portOpen());
    // Every LE talks, and the port watchdog's first pass (2 s after the ports
    // opened), which closes for a second a port without a marked frame yet, is over.
    orv::LogTimers& timers = logTimers(log);
    ASSERT_TRUE(waitUntil([&] {
        return s.status->SynchroRS232[0] == 123 && s.status->SynchroRS232[1] == 123 && s.status->SynchroRS232[2] == 123
            && !timers.Timer57.enabled() && !timers.Timer58.enabled() && !timers.Timer59.enabled();
    }));

    // The user picks "Normal" for the three LEs in their labels' pop-up.
    for (int le = 0; le < 3; ++le) {
        rig.dialogs.popupChoices.push_back("MListeNormal");
        plat::Label& label = leStrips(log).Label26[le];
        label.raiseMouse(label.onMouseDown, {plat::LeftButton, 0, 300, 120});
    }
    orv::SelectionStart& start = *prog.form<orv::SelectionStart>();
    ASSERT_TRUE(waitUntil([&] { return start.modeLabel(2).caption() == "Normal"; }));
    auto tickTime = [&] {
        const QStringList texts = start.Picture1.canvas().printedTexts();
        return texts.isEmpty() ? QString() : texts.back();
    };

    // While START LE waits, note when LE-2's read is asked for and what the
    // tick shows then.
    int64_t le2AskedAt = -1;
    QString tickAtLe2;
    bool le1Queued = false;
    qint64 le1EndedMs = -1;   // on LE-1's clock
    QTimer watch;
    watch.setInterval(10);
    QObject::connect(&watch, &QTimer::timeout, [&] {
        if (log.run->ParamReadQueued(0)) le1Queued = true;
        else if (le1Queued && le1EndedMs < 0) le1EndedMs = le1.nowMs();
        if (le2AskedAt < 0 && s.common->SelectedLE == 2) {
            le2AskedAt = rig.time.nowMs();
            tickAtLe2 = tickTime();
        }
    });
    watch.start();
    const QString tickAtPress = tickTime();
    const int64_t pressed = rig.time.nowMs();
    start.StartSortie.click();
    watch.stop();

    EXPECT_GE(le1.readRequests(), 1);
    ASSERT_GE(le2AskedAt, 0);
    EXPECT_GE(le2AskedAt - pressed, orv::ParamReadTimeoutMs);
    // Soon after the bound: how soon depends only on the machine's load.
    EXPECT_LT(le2AskedAt - pressed, orv::ParamReadTimeoutMs + 5000);
    EXPECT_NE(tickAtLe2, tickAtPress);   // the tick ran during LE-1's read

    bool red = false;
    for (int i = 0; i < mainPanels(log).List4.listCount(); ++i) red = red || mainPanels(log).List4.list(i) == "LE1  Parameters could not be read ";
    EXPECT_TRUE(red);
    EXPECT_FALSE(log.run->ParamReadQueued(0));

    // LE-2 and LE-3 start; LE-1 stays idle.
    ASSERT_TRUE(waitUntil([&] { return s.status->PhaseLP[1] >= 1 && s.status->PhaseLP[2] >= 1; }));
    EXPECT_EQ(s.status->PhaseLP[0], 0);
    // START LE's start request went out beside the read request, and is
    // taken back when the read fails: no frame read after that carries it.
    ASSERT_GE(le1EndedMs, 0);
    int afterFailure = 0;
    for (const MuteLE::Taken& t : le1.taken()) {
        if (t.ms <= le1EndedMs + 2 * kPeriodMs) continue;
        ++afterFailure;
        EXPECT_NE(t.startStop, 1) << t.ms;
    }
    EXPECT_GT(afterFailure, 0);
    QFile histo(rig.drive.hostPath("C:\\LightCtl\\Histo.txt"));
    ASSERT_TRUE(histo.open(QIODevice::ReadOnly));
    const QByteArray lines = histo.readAll();
    EXPECT_TRUE(lines.contains("LE1  Parameters could not be read \r\n"));
    EXPECT_FALSE(lines.contains("LE1  Starting LE "));
    EXPECT_TRUE(lines.contains("LE2  Starting LE \r\n"));
    EXPECT_TRUE(lines.contains("LE3  Starting LE \r\n"));
}
