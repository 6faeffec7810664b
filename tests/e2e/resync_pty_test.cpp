// Lines that run on, end to end: tools/le-sim plays LEs whose line runs on
// while the program's port is closed (what reaches a closed port is lost) and
// writes digits with leading zeros, as a controller does. A frame one
// character short, one too long, or stray bytes before a frame take the LE
// out of step: the program tells it once in the history, answers nothing
// from the frames before the slip and answers later frames again within two
// seconds of the LE's frames. Eight ports opened in the middle of their LEs'
// frames are all in step within two seconds, without a history line.
// Frames are numbered and the answers echo the numbers, so every answer
// names the frame it answers.
#include "client/LeSimProcess.h"
#include "client/RealProgram.h"
#include "link/ConfigurationRS232.h"
#include "shell/Log.h"
#include "shell/RunShared.h"
#include "shell/State.h"
#include "support/Printing.h"

#include <QFile>
#include <gtest/gtest.h>
#include <ctime>
#include <vector>

namespace {

using lesim::LeSimProcess;
using lesim::waitUntil;

constexpr char OutOfStep[] = "  Frame out of step ";

// The frame number each answer of LE `le` echoes (fields 20 and 21), in order.
std::vector<int> echoed(LeSimProcess& sim, int le)
{
    std::vector<int> out;
    for (const QByteArray& c : sim.commands(le)) out.push_back(uint8_t(c[20]) * 256 + uint8_t(c[21]));
    return out;
}

bool increasing(const std::vector<int>& v, size_t from)
{
    for (size_t i = from + 1; i < v.size(); ++i)
        if (v[i] <= v[i - 1]) return false;
    return true;
}

// Frames the LE finished on the line before its first answer, from its
// event `from` on.
int framesBeforeFirstAnswer(LeSimProcess& sim, int le, size_t from)
{
    int frames = 0;
    const std::vector<LeSimProcess::Event>& events = sim.events(le);
    for (size_t i = from; i < events.size(); ++i) {
        if (events[i].kind == LeSimProcess::Event::Command) return frames;
        ++frames;
    }
    return -1;
}

qint64 monotonicUs()
{
    timespec t{};
    clock_gettime(CLOCK_MONOTONIC, &t);
    return qint64(t.tv_sec) * 1'000'000 + t.tv_nsec / 1000;
}

QByteArray history(lesim::RealProgram& rig)
{
    QFile f(rig.drive.hostPath(rig.prog().s.common->BaseFolder + QStringLiteral("\\Histo.txt")));
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

void expectNoCommunicationLost(lesim::RealProgram& rig)
{
    orv::Log& log = rig.log();
    for (int i = 0; i < log.List4.listCount(); ++i)
        EXPECT_FALSE(log.List4.list(i).contains("No communication")) << log.List4.list(i).toStdString();
    EXPECT_FALSE(history(rig).contains("No communication"));
}

} // namespace

class ResyncPty : public testing::TestWithParam<int> {};

// The LE's period: 250 ms as at rest, 84 ms back to back at line rate.
INSTANTIATE_TEST_SUITE_P(Periods, ResyncPty, testing::Values(250, 84));

TEST_P(ResyncPty, AnLEThatSlipsIsToldOnceAndAnsweredAgainFromLaterFrames)
{
    const int period = GetParam();
    LeSimProcess sim({"--count", "4", "--period", QString::number(period), "--run-on", "--zeros", "--number"});
    ASSERT_TRUE(sim.ready());
    for (int n = 1; n <= 4; ++n) qputenv(QStringLiteral("ORVANE_COM%1").arg(n).toLatin1(), sim.device(n).toLocal8Bit());
    lesim::RealProgram rig;
    ASSERT_TRUE(rig.startUp());
    rig.validatePorts({{1, 1}, {2, 2}, {3, 3}, {4, 4}});
    ASSERT_TRUE(waitUntil([&] {
        for (int n = 1; n <= 4; ++n)
            if (echoed(sim, n).size() < 3) return false;
        return true;
    }));

    // LE-1 loses a character, LE-2 gains one, LE-3 picks up 23 stray bytes;
    // LE-4 stays whole.
    const char* faults[] = {"short", "long", "stray 23"};
    std::vector<size_t> answersBefore(5);
    std::vector<int> lastBefore(5);
    for (int n = 1; n <= 3; ++n) {
        const std::vector<int> e = echoed(sim, n);
        answersBefore[size_t(n)] = e.size();
        lastBefore[size_t(n)] = e.back();
        ASSERT_TRUE(sim.request(n, QString::fromLatin1(faults[n - 1])));
    }
    // The frame changed is at most the second after the last one answered:
    // from the third on, frames were sent after the slip.
    ASSERT_TRUE(waitUntil([&] {
        for (int n = 1; n <= 3; ++n) {
            const std::vector<int> e = echoed(sim, n);
            if (e.empty() || e.back() < lastBefore[size_t(n)] + 3) return false;
        }
        return true;
    }));

    const int framesIn2s = 2000 / period;
    const QByteArray histo = history(rig);
    for (int n = 1; n <= 3; ++n) {
        SCOPED_TRACE(faults[n - 1]);
        const std::vector<int> e = echoed(sim, n);
        // Never an answer from the row of the frames before the slip, and
        // the first frame answered after it came within two seconds of it.
        EXPECT_TRUE(increasing(e, answersBefore[size_t(n)] - 1)) << testing::PrintToString(e);
        int firstAfter = -1;
        for (size_t i = answersBefore[size_t(n)]; i < e.size() && firstAfter < 0; ++i)
            if (e[i] >= lastBefore[size_t(n)] + 3) firstAfter = e[i];
        EXPECT_LE(firstAfter, lastBefore[size_t(n)] + 2 + framesIn2s);
        EXPECT_EQ(histo.count(QStringLiteral("LE%1").arg(n).toLatin1() + OutOfStep), 1);
    }
    EXPECT_EQ(histo.count(QByteArray("LE4") + OutOfStep), 0);
    EXPECT_TRUE(increasing(echoed(sim, 4), 0));
    expectNoCommunicationLost(rig);
}

TEST_P(ResyncPty, EightPortsOpenedInTheMiddleOfFramesAreInStepWithinTwoSeconds)
{
    const int period = GetParam();
    LeSimProcess sim({"--period", QString::number(period), "--run-on", "--zeros", "--number"});
    ASSERT_TRUE(sim.ready());
    for (int n = 1; n <= 8; ++n) qputenv(QStringLiteral("ORVANE_COM%1").arg(n).toLatin1(), sim.device(n).toLocal8Bit());
    lesim::RealProgram rig;
    ASSERT_TRUE(rig.startUp());
    // LE-1's port, opened for a while, shows when the LEs' frames end (they
    // all keep the same time); then it is closed again, and OK opens all
    // eight ports 40 ms before the end of a frame, in the middle of it.
    rig.validatePorts({{1, 1}});
    ASSERT_TRUE(waitUntil([&] { return sim.events(1).size() >= 3; }));
    orv::ConfigurationRS232& window = *rig.prog().form<orv::ConfigurationRS232>();
    window.Check1[0].userClick();
    window.Command1.click();
    qint64 frameEndUs = 0;
    for (const LeSimProcess::Event& e : sim.events(1))
        if (e.kind != LeSimProcess::Event::Command) frameEndUs = e.us;
    const qint64 periodUs = qint64(period) * 1000;
    qint64 openAtUs = frameEndUs - 40'000;
    while (openAtUs < monotonicUs() + 10'000) openAtUs += periodUs;
    waitUntil([&] { return monotonicUs() >= openAtUs; }, 5000);
    std::vector<lesim::RealProgram::PortChoice> ports;
    for (int n = 1; n <= 8; ++n) ports.push_back({n, n});
    rig.validatePorts(ports);
    const size_t probeEvents = sim.events(1).size();
    const size_t echoedBefore1 = echoed(sim, 1).size();

    ASSERT_TRUE(waitUntil([&] {
        for (int n = 1; n <= 8; ++n)
            if (echoed(sim, n).size() < (n == 1 ? echoedBefore1 : 0) + 4) return false;
        return true;
    }));
    // Past the port watchdog's first pass, two seconds after the ports opened.
    const orv::State& s = rig.prog().s;
    waitUntil([] { return false; }, 2500);

    const int framesIn2s = 2000 / period;
    for (int n = 1; n <= 8; ++n) {
        SCOPED_TRACE(n);
        const int before = framesBeforeFirstAnswer(sim, n, n == 1 ? probeEvents : 0);
        EXPECT_GE(before, 0);
        EXPECT_LE(before, framesIn2s);
        std::vector<int> e = echoed(sim, n);
        if (n == 1) e.erase(e.begin(), e.begin() + std::ptrdiff_t(echoedBefore1));
        EXPECT_TRUE(increasing(e, 0)) << testing::PrintToString(e);
        for (const QByteArray& c : sim.commands(n)) EXPECT_EQ(uint8_t(c[22]), n);   // the LE's own frames
        EXPECT_EQ(s.runShared->ComptageCOM[size_t(n - 1)], 0);
    }
    EXPECT_FALSE(history(rig).contains(OutOfStep));
    expectNoCommunicationLost(rig);
}
