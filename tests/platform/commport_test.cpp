// CommPort on in-memory lines and virtual time: receive threshold and input
// length, event codes and their delivery, open/close rules, output.
#include "support/Printing.h"
#include "platform/CommPort.h"
#include "platform/MemorySerialBackend.h"
#include "platform/PortDirectory.h"
#include "platform/TimeSource.h"
#include "platform/Timer.h"

#include <gtest/gtest.h>
#include <memory>
#include <vector>

using namespace plat;

namespace {

constexpr int kPort = 3;

class CommPortTest : public ::testing::Test {
protected:
    CommPortTest()
    {
        // As the port activation sets a line up.
        port.setCommPort(kPort);
        port.setHandshaking(1);
        port.setRThreshold(160);
        port.setInputLen(160);
        port.setRTSEnable(false);
        port.setSettings(QStringLiteral("19200,n,8,1"));
        port.setSThreshold(1);
        port.onComm = [this] {
            codes.push_back(port.commEvent());
            if (port.commEvent() == CommEvents::Receive && readOnReceive) reads.push_back(port.input());
        };
    }

    QByteArray chars(int n, char c = '0') { return QByteArray(n, c); }

    VirtualTimeSource ts;
    MemoryPortHub hub{ts};
    MemorySerialFactory factory{hub};
    CommPort port{ts, factory, QStringLiteral("MSComm1")};
    bool readOnReceive = true;
    std::vector<int> codes;
    std::vector<QByteArray> reads;
};

std::vector<int> sizes(const std::vector<QByteArray>& reads)
{
    std::vector<int> out;
    for (const QByteArray& r : reads) out.push_back(int(r.size()));
    return out;
}

} // namespace

TEST_F(CommPortTest, ReceiveEventFollowsThresholdOnePerRead)
{
    struct Case {
        std::vector<int> chunks;   // characters injected, one event-loop pass after each
        std::vector<int> reads;    // size of each input() in the receive handler
        int left;                  // characters still waiting at the end
    };
    const std::vector<Case> cases = {
        {{159}, {}, 159},
        {{160}, {160}, 0},
        {{159, 1}, {160}, 0},
        {{320}, {160, 160}, 0},
        {{100, 100, 100}, {160}, 140},
        {{100, 100, 120}, {160, 160}, 0},
        {{479}, {160, 160}, 159},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(::testing::PrintToString(c.chunks));
        ASSERT_TRUE(port.setPortOpen(true));
        codes.clear();
        reads.clear();
        for (int n : c.chunks) {
            hub.inject(kPort, chars(n));
            ts.runPending();
        }
        EXPECT_EQ(sizes(reads), c.reads);
        EXPECT_EQ(codes, std::vector<int>(c.reads.size(), CommEvents::Receive));
        EXPECT_EQ(port.inBufferCount(), c.left);
        ASSERT_TRUE(port.setPortOpen(false));
    }
}

TEST_F(CommPortTest, EventComesFromTheEventLoopNeverFromInject)
{
    ASSERT_TRUE(port.setPortOpen(true));
    hub.inject(kPort, chars(160));
    EXPECT_TRUE(codes.empty());
    ts.runPending();
    EXPECT_EQ(codes, std::vector<int>{CommEvents::Receive});

    // A threshold switched on while enough characters wait raises the event,
    // again from the event loop.
    ASSERT_TRUE(port.setPortOpen(false));
    port.setRThreshold(0);
    ASSERT_TRUE(port.setPortOpen(true));
    hub.inject(kPort, chars(200));
    ts.runPending();
    EXPECT_EQ(codes.size(), 1u) << "threshold 0 raises no receive event";
    port.setRThreshold(160);
    EXPECT_EQ(codes.size(), 1u);
    ts.runPending();
    EXPECT_EQ(sizes(reads), (std::vector<int>{160, 160}));
}

TEST_F(CommPortTest, HandlerThatReadsNothingIsNotCalledAgainUntilMoreArrives)
{
    readOnReceive = false;
    ASSERT_TRUE(port.setPortOpen(true));
    // runUntil stops on a second event, so a repeating event fails here
    // instead of spinning.
    hub.inject(kPort, chars(200));
    EXPECT_FALSE(ts.runUntil([&] { return codes.size() > 1; }, 1000));
    EXPECT_EQ(codes.size(), 1u);
    hub.inject(kPort, chars(1));
    EXPECT_FALSE(ts.runUntil([&] { return codes.size() > 2; }, 1000));
    EXPECT_EQ(codes.size(), 2u);
    EXPECT_EQ(port.inBufferCount(), 201);
}

TEST_F(CommPortTest, HandlerIsNotReenteredFromItsOwnWait)
{
    // The first receive handler waits in a nested loop; a second frame
    // arrives meanwhile. Its event must wait for the first handler to return.
    Timer release(ts, QStringLiteral("release"), 100);
    bool released = false;
    release.onTimer = [&] {
        released = true;
        release.setEnabled(false);
    };
    int depth = 0, maxDepth = 0;
    port.onComm = [&] {
        maxDepth = std::max(maxDepth, ++depth);
        reads.push_back(port.input());
        if (reads.size() == 1) {
            ts.post([&] { hub.inject(kPort, chars(160, '2')); });
            release.setEnabled(true);
            ts.waitUntil([&] { return released; });
        }
        --depth;
    };
    ASSERT_TRUE(port.setPortOpen(true));
    hub.inject(kPort, chars(160, '1'));
    ts.advance(1000);
    EXPECT_EQ(maxDepth, 1);
    ASSERT_EQ(reads.size(), 2u);
    EXPECT_EQ(reads[0], chars(160, '1'));
    EXPECT_EQ(reads[1], chars(160, '2'));
}

TEST_F(CommPortTest, LineErrorsRaiseTheirCodeThenPendingReceive)
{
    ASSERT_TRUE(port.setPortOpen(true));
    const std::vector<int> errors = {CommEvents::Break, CommEvents::Frame, CommEvents::Overrun,
                                     CommEvents::RxParity, CommEvents::TxFull};
    for (int e : errors) hub.raiseError(kPort, e);
    hub.inject(kPort, chars(160));
    EXPECT_TRUE(codes.empty());
    ts.runPending();
    std::vector<int> expected = errors;
    expected.push_back(CommEvents::Receive);
    EXPECT_EQ(codes, expected);
    EXPECT_EQ(sizes(reads), std::vector<int>{160});
    EXPECT_EQ(port.commEvent(), CommEvents::Receive);
}

TEST_F(CommPortTest, InputTakesAtMostInputLen)
{
    readOnReceive = false;
    port.setRThreshold(0);
    EXPECT_TRUE(port.input().isEmpty()) << "closed port";
    EXPECT_EQ(port.inBufferCount(), 0);
    ASSERT_TRUE(port.setPortOpen(true));
    QByteArray data;
    for (int i = 0; i < 25; ++i) data += char('a' + i);
    hub.inject(kPort, data);

    port.setInputLen(10);
    EXPECT_EQ(port.input(), data.mid(0, 10));
    port.setInputLen(0);
    EXPECT_EQ(port.input(), data.mid(10));
    EXPECT_TRUE(port.input().isEmpty());
    EXPECT_FALSE(port.setInputLen(-1));
    EXPECT_EQ(port.inputLen(), 0);
}

TEST_F(CommPortTest, OpenAppliesTheLineSettings)
{
    ASSERT_TRUE(port.setPortOpen(true));
    const MemoryPortHub::LineConfig c = hub.lineConfig(kPort);
    EXPECT_EQ(c.baud, 19200);
    EXPECT_EQ(c.parity, 'n');
    EXPECT_EQ(c.dataBits, 8);
    EXPECT_EQ(c.stopBits, 1);
    EXPECT_TRUE(c.xonXoff);
    EXPECT_FALSE(c.rtsCts);
    EXPECT_FALSE(c.rts);

    // Changes while open reach the line at once.
    ASSERT_TRUE(port.setSettings(QStringLiteral("9600,E,7,2")));
    ASSERT_TRUE(port.setHandshaking(3));
    EXPECT_EQ(hub.lineConfig(kPort).baud, 9600);
    EXPECT_EQ(hub.lineConfig(kPort).parity, 'e');
    EXPECT_EQ(hub.lineConfig(kPort).stopBits, 2);
    EXPECT_TRUE(hub.lineConfig(kPort).xonXoff);
    EXPECT_TRUE(hub.lineConfig(kPort).rtsCts);
}

TEST_F(CommPortTest, SettingsTextIsValidatedAndRefusalKeepsThePrevious)
{
    const char* good[] = {"19200,n,8,1", "9600,E,7,2", " 115200 , o , 5 , 1 ", "300,m,6,1", "1200,S,8,2"};
    for (const char* t : good) EXPECT_TRUE(port.setSettings(QString::fromLatin1(t))) << t;

    ASSERT_TRUE(port.setSettings(QStringLiteral("19200,n,8,1")));
    const char* bad[] = {"", "19200", "19200,n,8", "19200,n,8,1,1", "abc,n,8,1", "0,n,8,1", "-9600,n,8,1",
                         "19200,x,8,1", "19200,,8,1", "19200,no,8,1", "19200,n,9,1", "19200,n,4,1",
                         "19200,n,8,0", "19200,n,8,3", "19200,n,8,1.5"};
    for (const char* t : bad) EXPECT_FALSE(port.setSettings(QString::fromLatin1(t))) << t;
    EXPECT_EQ(port.settings(), QStringLiteral("19200,n,8,1"));
    ASSERT_TRUE(port.setPortOpen(true));
    EXPECT_EQ(hub.lineConfig(kPort).baud, 19200);

    for (int bad : {-1, 4}) EXPECT_FALSE(port.setHandshaking(bad));
    EXPECT_EQ(port.handshaking(), 1);
    EXPECT_FALSE(port.setRThreshold(-1));
    EXPECT_FALSE(port.setSThreshold(-1));
}

TEST_F(CommPortTest, PortNumberOutsideRangeOrWhileOpenIsRefused)
{
    for (int bad : {0, 15, -1}) {
        EXPECT_FALSE(port.setCommPort(bad)) << bad;
        EXPECT_EQ(port.commPort(), kPort);
    }
    EXPECT_TRUE(port.setCommPort(14));
    ASSERT_TRUE(port.setPortOpen(true));
    EXPECT_TRUE(hub.isOpen(14));
    EXPECT_FALSE(port.setCommPort(1));
    EXPECT_EQ(port.commPort(), 14);
}

TEST_F(CommPortTest, OpenIsExclusiveAndAFailedOpenLeavesThePortClosed)
{
    CommPort other(ts, factory, QStringLiteral("MSComm2"));
    ASSERT_TRUE(other.setCommPort(kPort));

    ASSERT_TRUE(port.setPortOpen(true));
    EXPECT_FALSE(other.setPortOpen(true));
    EXPECT_FALSE(other.portOpen());
    EXPECT_TRUE(port.portOpen());

    ASSERT_TRUE(port.setPortOpen(false));
    EXPECT_FALSE(hub.isOpen(kPort));
    EXPECT_TRUE(other.setPortOpen(true));
    ASSERT_TRUE(other.setPortOpen(false));

    hub.failOpen(kPort, true);
    EXPECT_FALSE(port.setPortOpen(true));
    EXPECT_FALSE(port.portOpen());
    EXPECT_FALSE(hub.isOpen(kPort));
    EXPECT_FALSE(port.output("x"));
    hub.failOpen(kPort, false);
    EXPECT_TRUE(port.setPortOpen(true));
    EXPECT_EQ(hub.openCount(kPort), 3);
}

TEST_F(CommPortTest, UnpluggedDeviceReadsClosedAndCanBeReopened)
{
    ASSERT_TRUE(port.setPortOpen(true));
    hub.inject(kPort, chars(160));
    hub.unplug(kPort);
    ts.runPending();
    EXPECT_FALSE(port.portOpen());
    EXPECT_TRUE(codes.empty());
    EXPECT_TRUE(port.input().isEmpty());
    EXPECT_FALSE(port.output("x"));

    ASSERT_TRUE(port.setPortOpen(true));
    EXPECT_EQ(hub.openCount(kPort), 2);
    hub.inject(kPort, chars(160));
    ts.runPending();
    EXPECT_EQ(sizes(reads), std::vector<int>{160});
}

TEST_F(CommPortTest, ClosingOrDestroyingDropsPendingEvents)
{
    ASSERT_TRUE(port.setPortOpen(true));
    hub.inject(kPort, chars(160));
    hub.raiseError(kPort, CommEvents::Frame);
    ASSERT_TRUE(port.setPortOpen(false));
    ts.runPending();
    EXPECT_TRUE(codes.empty());

    auto gone = std::make_unique<CommPort>(ts, factory, QStringLiteral("MSComm9"));
    gone->setCommPort(5);
    gone->setRThreshold(1);
    bool called = false;
    gone->onComm = [&] { called = true; };
    ASSERT_TRUE(gone->setPortOpen(true));
    hub.inject(5, "x");
    gone.reset();
    ts.runPending();
    EXPECT_FALSE(called);
    EXPECT_FALSE(hub.isOpen(5));
}

TEST_F(CommPortTest, OutputWritesBytesUnchangedOrReportsRefusal)
{
    const QByteArray frame = QByteArray(32, '\x11').replace(5, 3, "\x13\x00\xff", 3) + "\r\n";
    EXPECT_FALSE(port.output(frame)) << "closed port";
    ASSERT_TRUE(port.setPortOpen(true));
    ts.advance(250);
    EXPECT_TRUE(port.output(frame));
    EXPECT_EQ(hub.takeWritten(kPort), frame);
    ASSERT_EQ(hub.frames(kPort).size(), 1u);
    EXPECT_EQ(hub.frames(kPort)[0].atMs, 250);

    hub.refuseWrite(kPort, true);
    EXPECT_FALSE(port.output(frame));
    EXPECT_TRUE(hub.takeWritten(kPort).isEmpty());
}

// However the line cuts a frame up, the program sees the same events and the
// same frame; the hand-over is the moment its last character arrived.
TEST_F(CommPortTest, AFrameInOneCharacterChunksRaisesWhatTheWholeFrameRaises)
{
    QByteArray frame;
    for (int i = 0; i < 160; ++i) frame += char('0' + i % 10);
    struct Run { std::vector<int> codes; std::vector<QByteArray> reads; int64_t handOverUs; };
    auto deliver = [&](int chunk) {
        ASSERT_TRUE(port.setPortOpen(true));
        codes.clear();
        reads.clear();
        for (int at = 0; at < frame.size(); at += chunk) {
            hub.inject(kPort, frame.mid(at, chunk));
            ts.runPending();
            if (at + chunk < frame.size()) ts.advance(1);
        }
        ts.advance(5);
        ASSERT_TRUE(port.setPortOpen(false));
    };
    deliver(160);
    const Run whole{codes, reads, port.handOverUs()};
    const int64_t wholeEnd = ts.nowUs() - 5000;
    deliver(1);
    const Run chunked{codes, reads, port.handOverUs()};
    const int64_t chunkedEnd = ts.nowUs() - 5000;

    EXPECT_EQ(whole.codes, std::vector<int>{CommEvents::Receive});
    EXPECT_EQ(chunked.codes, whole.codes);
    ASSERT_EQ(chunked.reads.size(), 1u);
    EXPECT_EQ(chunked.reads, whole.reads);
    EXPECT_EQ(chunked.reads[0], frame);
    EXPECT_EQ(whole.handOverUs, wholeEnd);
    EXPECT_EQ(chunked.handOverUs, chunkedEnd);
}
