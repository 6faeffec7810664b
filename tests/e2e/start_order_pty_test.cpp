// The order of the parameter reads before a start, end to end: the whole
// program on the real clock and real serial ports, the LEs played by
// tools/le-sim on pseudo-terminals, what each LE was sent read from
// le-sim's trace. Windows that open in one tick read their LEs one at a
// time, in LE order, and start each after its own read; a port that closes
// during the transfer notice does not undo a read that came back.
#include "run/LogRun.h"
#include "client/LeSimProcess.h"
#include "client/RealProgram.h"
#include "model/Frames.h"
#include "model/Model.h"
#include "parameters/ValeurDesParam.h"
#include "scheduler/SchedulerState.h"
#include "scheduler/SelectionStart.h"
#include "shell/LeStrips.h"
#include "shell/LinkRequest.h"
#include "shell/LinkStatus.h"
#include "shell/Log.h"
#include "shell/LogPorts.h"
#include "shell/LogTimers.h"
#include "shell/RunShared.h"
#include "shell/ScheduleFlags.h"
#include "shell/State.h"
#include "support/Printing.h"

#include <QFile>
#include <QTimer>
#include <gtest/gtest.h>

#include <memory>
#include <optional>

namespace {

using lesim::LeSimProcess;
using lesim::waitUntil;

constexpr int kPeriodMs = 100;
constexpr qint64 kNoticeUs = 2'000'000;   // the notice is open 2 s (after 200 ms)

// What one LE was sent, from le-sim's trace: when its read request came,
// when its read-back went out, and when the first start request came.
struct Sent {
    int readRequests = 0;
    qint64 readRequestUs = -1, readBackUs = -1, firstStartUs = -1;
    int readRequestStart = -1;   // position 2 of the read request frame
};

Sent sentTo(LeSimProcess& sim, int le, qint64 fromUs)
{
    Sent out;
    for (const LeSimProcess::Event& e : sim.events(le)) {
        if (e.us < fromUs) continue;
        if (e.kind == LeSimProcess::Event::Unmarked && out.readRequestUs >= 0 && out.readBackUs < 0) out.readBackUs = e.us;
        if (e.kind != LeSimProcess::Event::Command) continue;
        const auto bank = uint8_t(e.command[le::pos::Bank]);
        const auto start = uint8_t(e.command[le::pos::StartStop]);
        if (bank == le::BankReadParam) {
            if (++out.readRequests == 1) {
                out.readRequestUs = e.us;
                out.readRequestStart = start;
            }
        }
        if (start == 1 && out.firstStartUs < 0) out.firstStartUs = e.us;
    }
    return out;
}

qint64 monotonicUs()
{
    timespec t{};
    clock_gettime(CLOCK_MONOTONIC, &t);
    return qint64(t.tv_sec) * 1000000 + t.tv_nsec / 1000;
}

class StartOrderPty : public ::testing::Test {
protected:
    // le-sim plays LE-1 to LE-`count`; the program opens the ports of `les`.
    void bringUp(int count, const std::vector<int>& les)
    {
        sim = std::make_unique<LeSimProcess>(
            QStringList{"--count", QString::number(count), "--period", QString::number(kPeriodMs), "--start-scale", "0.02"});
        ASSERT_TRUE(sim->ready());
        std::vector<lesim::RealProgram::PortChoice> ports;
        for (int n : les) {
            qputenv(QStringLiteral("ORVANE_COM%1").arg(n).toLatin1(), sim->device(n).toLocal8Bit());
            ports.push_back({n, n});
        }
        rig = std::make_unique<lesim::RealProgram>();
        ASSERT_TRUE(rig->startUp());
        rig->validatePorts(ports);
        // Every LE talks, and the port watchdog's first pass (2 s after the
        // ports opened) is over: it closes for a second any port whose LE
        // has not sent a marked frame yet.
        orv::State& s = rig->prog().s;
        orv::LogTimers& timers = logTimers(rig->log());
        ASSERT_TRUE(waitUntil([&] {
            bool all = !timers.Timer57.enabled() && !timers.Timer58.enabled() && !timers.Timer59.enabled();
            for (int n : les) all = all && s.status->SynchroRS232[n - 1] == 123 && logPorts(rig->log()).MSComm(n - 1).portOpen();
            return all;
        }));
    }
    // The user picks a run mode in the pop-up of the LE's label.
    void choose(int n, const char* item)
    {
        rig->dialogs.popupChoices.push_back(item);
        plat::Label& label = leStrips(rig->log()).Label26[n - 1];
        label.raiseMouse(label.onMouseDown, {plat::LeftButton, 0, 300, 120});
    }
    orv::SelectionStart& start() { return *rig->prog().form<orv::SelectionStart>(); }
    // Transition t of LE n's drawn window at hh:mm.
    void transition(int n, int t, const char* hh, const char* mm)
    {
        orv::SchedulerState& sc = *rig->prog().s.scheduler;
        sc.HeuresTransition[n - 1][t] = hh;
        sc.MinutesTransition[n - 1][t] = mm;
    }
    QByteArray history()
    {
        QFile f(rig->drive.hostPath("C:\\LightCtl\\Histo.txt"));
        return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
    }
    bool started(const std::vector<int>& les)
    {
        const QByteArray h = history();
        for (int n : les)
            if (!h.contains(QStringLiteral("LE%1  Starting LE \r\n").arg(n).toLatin1())) return false;
        return true;
    }
    // Each LE read once, one after another in the order given, each start
    // request after its own read-back and notice, the history in that order.
    void expectReadInTurn(const std::vector<int>& les, qint64 fromUs)
    {
        // A read goes on the line once the one before it has ended: its
        // notice closed, 2.2 s after its read-back.
        qint64 previousEndUs = fromUs;
        qsizetype previousLine = -1;
        const QByteArray h = history();
        for (int n : les) {
            SCOPED_TRACE(n);
            const Sent sent = sentTo(*sim, n, fromUs);
            EXPECT_EQ(sent.readRequests, 1);
            EXPECT_NE(sent.readRequestStart, 1);   // the read request does not start it
            EXPECT_GT(sent.readRequestUs, previousEndUs);
            ASSERT_GT(sent.readBackUs, sent.readRequestUs);
            EXPECT_GE(sent.firstStartUs - sent.readBackUs, kNoticeUs);
            previousEndUs = sent.readBackUs + kNoticeUs;

            const qsizetype line = h.indexOf(QStringLiteral("LE%1  Starting LE ").arg(n).toLatin1());
            EXPECT_GT(line, previousLine);
            previousLine = line;
            // Its list holds what it read back, not zeros.
            const orv::PerLE<uint8_t>& z1 = rig->prog().s.runShared->ParamZ1;
            EXPECT_EQ(z1[n - 1], le::defaultParameters()[18]);
        }
    }

    std::unique_ptr<LeSimProcess> sim;
    std::unique_ptr<lesim::RealProgram> rig;
};

TEST_F(StartOrderPty, TwoAsymmetricWindowsOpeningInOneTickReadTheirLEsInTurn)
{
    bringUp(3, {2, 3});
    for (int n : {2, 3}) {
        choose(n, "MListeAsymetrique");
        // A window around the whole day: open at the first tick.
        transition(n, 0, "00", "00");
        transition(n, 1, "24", "00");
    }
    ASSERT_TRUE(waitUntil([&] { return start().modeLabel(2).caption() == "Asym"; }));
    const qint64 pressedUs = monotonicUs();
    start().StartSortie.click();

    ASSERT_TRUE(waitUntil([&] { return started({2, 3}); }));
    ASSERT_TRUE(waitUntil([&] { return sentTo(*sim, 3, pressedUs).firstStartUs >= 0; }));
    expectReadInTurn({2, 3}, pressedUs);
    EXPECT_EQ(rig->prog().s.schedule->FlagSymEtat[1], 1);
    EXPECT_EQ(rig->prog().s.schedule->FlagSymEtat[2], 1);
}

TEST_F(StartOrderPty, APlanningOfThreeLEsReadsThemInTurn)
{
    ASSERT_NE(le::defaultParameters()[18], 0);
    bringUp(4, {2, 3, 4});
    for (int n : {2, 3, 4}) {
        choose(n, "MListePlanning");
        transition(n, 0, "00", "00");
        transition(n, 1, "24", "00");
        transition(n, 2, "24", "00");
        transition(n, 3, "24", "00");
    }
    ASSERT_TRUE(waitUntil([&] { return start().modeLabel(3).caption() == "Plan"; }));
    const qint64 pressedUs = monotonicUs();
    start().StartSortie.click();

    ASSERT_TRUE(waitUntil([&] { return started({2, 3, 4}); }));
    ASSERT_TRUE(waitUntil([&] { return sentTo(*sim, 4, pressedUs).firstStartUs >= 0; }));
    expectReadInTurn({2, 3, 4}, pressedUs);
}

// The port closes once the read-back has come (as the port watchdog's test
// pass may close it, the read-back carrying no marker) and opens again
// during the notice: the read is not failed; the LE is listed and started.
TEST_F(StartOrderPty, APortClosedDuringTheNoticeAfterTheReadBackFailsNothing)
{
    bringUp(1, {1});
    orv::Log& log = rig->log();
    orv::State& s = rig->prog().s;
    plat::CommPort& port = logPorts(log).MSComm1;
    std::optional<qint64> closedUs, reopenedUs;
    QTimer watch;
    watch.setInterval(5);
    QObject::connect(&watch, &QTimer::timeout, [&] {
        if (!closedUs && (logTimers(log).Timer44.enabled() || logTimers(log).Timer45.enabled())) {
            closedUs = monotonicUs();
            port.setPortOpen(false);
            QTimer::singleShot(1000, [&] {
                port.setPortOpen(true);
                reopenedUs = monotonicUs();
            });
        }
    });
    watch.start();
    const qint64 calledUs = monotonicUs();
    log.run->LectParamStampLE(0);
    watch.stop();

    ASSERT_TRUE(closedUs.has_value());
    ASSERT_TRUE(waitUntil([&] { return reopenedUs.has_value(); }));
    const QByteArray h = history();
    EXPECT_FALSE(h.contains("LE1  Parameters could not be read "));
    EXPECT_TRUE(h.contains("LE1  Starting LE \r\n"));
    EXPECT_EQ(s.request->StartStopPC[0], 1);
    EXPECT_EQ(s.runShared->ParamZ1[0], le::defaultParameters()[18]);
    // The start request went out once the port was open again.
    ASSERT_TRUE(waitUntil([&] { return sentTo(*sim, 1, calledUs).firstStartUs >= 0; }));
    EXPECT_GT(sentTo(*sim, 1, calledUs).firstStartUs, *reopenedUs);
    ASSERT_TRUE(waitUntil([&] { return s.status->PhaseLP[0] >= 1; }));
}

} // namespace
