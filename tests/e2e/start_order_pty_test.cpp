// The order of the parameter reads before a start, end to end: the whole
// program on the real clock and real serial ports, the LEs played by
// tools/le-sim on pseudo-terminals, what each LE was sent read from
// le-sim's trace. Windows that open in one tick read their LEs one at a
// time, in LE order, and start each after its own read; a port that closes
// during the transfer notice does not undo a read that came back.
#include "run/LogRun.h"
#include "e2e/StartRig.h"
#include "model/Model.h"
#include "parameters/ValeurDesParam.h"
#include "shell/LinkRequest.h"
#include "shell/Log.h"
#include "shell/RunShared.h"
#include "shell/ScheduleFlags.h"
#include "support/Printing.h"

#include <QTimer>

#include <optional>

namespace {

using namespace startrig;

constexpr qint64 kNoticeUs = 2'000'000;   // the notice is open 2 s (after 200 ms)

class StartOrderPty : public StartRig {
protected:
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
