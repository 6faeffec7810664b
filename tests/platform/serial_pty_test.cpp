// CommPort on the real QSerialPort over a pseudo-terminal, on the Qt event
// loop: frames in and out byte for byte, exclusive open, a far side that
// goes away, and the port-number-to-device mapping.
#include "support/Printing.h"
#include "support/Pty.h"
#include "platform/CommPort.h"
#include "platform/PortDirectory.h"
#include "platform/QtSerialBackend.h"
#include "platform/TimeSource.h"

#include <QTest>
#include <QTimer>
#include <gtest/gtest.h>
#include <vector>

using namespace plat;
using testsupport::Pty;

namespace {

constexpr int kPort = 5;
constexpr int kDeadlineMs = 5000;   // guard only; every wait ends on its condition

class SerialPtyTest : public ::testing::Test {
protected:
    SerialPtyTest()
    {
        EXPECT_TRUE(pty.ok());
        useDevice(pty.slavePath());
        setUp(port);
        port.onComm = [this] {
            codes.push_back(port.commEvent());
            if (port.commEvent() == CommEvents::Receive) reads.push_back(port.input());
        };
    }
    ~SerialPtyTest() override { qunsetenv("ORVANE_COM5"); }

    static void useDevice(const QString& path) { qputenv("ORVANE_COM5", path.toLocal8Bit()); }
    // As the port activation sets a line up.
    static void setUp(CommPort& p)
    {
        p.setCommPort(kPort);
        p.setHandshaking(1);
        p.setRThreshold(160);
        p.setInputLen(160);
        p.setRTSEnable(false);
        p.setSettings(QStringLiteral("19200,n,8,1"));
        p.setSThreshold(1);
    }
    static bool waitFor(const std::function<bool()>& done) { return QTest::qWaitFor(done, kDeadlineMs); }

    static QByteArray frame(char fill)
    {
        QByteArray f;
        for (int i = 0; i < 32; ++i) f += QByteArray::number(i).rightJustified(5, fill);
        return f;
    }

    Pty pty;
    RealTimeSource ts;
    QtSerialFactory factory;
    CommPort port{ts, factory, QStringLiteral("MSComm5")};
    std::vector<int> codes;
    std::vector<QByteArray> reads;
};

} // namespace

TEST_F(SerialPtyTest, FramesPassUnchangedBothWays)
{
    ASSERT_TRUE(port.setPortOpen(true));

    const QByteArray a = frame('0'), b = frame(' ');
    ASSERT_EQ(a.size(), 160);
    ASSERT_TRUE(pty.write(a));
    ASSERT_TRUE(waitFor([&] { return !reads.empty(); }));
    ASSERT_TRUE(pty.write(b));
    ASSERT_TRUE(waitFor([&] { return reads.size() >= 2; }));
    EXPECT_EQ(reads, (std::vector<QByteArray>{a, b}));
    EXPECT_EQ(codes, (std::vector<int>{CommEvents::Receive, CommEvents::Receive}));

    // A command frame holds any byte value, the flow-control characters and
    // the line end among them.
    QByteArray out;
    for (int i = 0; i < 32; ++i) out += char(i * 8 + 1);
    out[3] = '\x11';
    out[4] = '\x13';
    out[5] = '\r';
    out[6] = '\n';
    out[7] = '\xff';
    out += "\r\n";
    ASSERT_EQ(out.size(), 34);
    ASSERT_TRUE(port.output(out));
    QByteArray got;
    waitFor([&] {
        got += pty.read(64);
        return got.size() >= out.size();
    });
    EXPECT_EQ(got, out);
}

// The line may hold characters back until a frame could be complete; what
// waits still counts them, a partial frame raises nothing, and its rest
// completes it however the far side cuts it up.
TEST_F(SerialPtyTest, APartialFrameWaitsWholeAndItsRestCompletesIt)
{
    ASSERT_TRUE(port.setPortOpen(true));
    const QByteArray a = frame('7');
    ASSERT_TRUE(pty.write(a.left(100)));
    ASSERT_TRUE(waitFor([&] { return port.inBufferCount() == 100; }));
    EXPECT_TRUE(codes.empty());
    for (int i = 100; i < 160; ++i) ASSERT_TRUE(pty.write(a.mid(i, 1)));
    ASSERT_TRUE(waitFor([&] { return !reads.empty(); }));
    EXPECT_EQ(reads, std::vector<QByteArray>{a});
    EXPECT_EQ(codes, std::vector<int>{CommEvents::Receive});
    EXPECT_EQ(port.inBufferCount(), 0);

    // Two frames back to back, one character at a time.
    const QByteArray b = frame('1'), c = frame('2');
    for (char ch : b + c) ASSERT_TRUE(pty.write(QByteArray(1, ch)));
    ASSERT_TRUE(waitFor([&] { return reads.size() >= 3; }));
    EXPECT_EQ(reads, (std::vector<QByteArray>{a, b, c}));
}

// The rest of a frame may come between the moment the line decides how long
// it can wait (while the kernel was told to hold back more than that rest)
// and its owner's count of what waits: however the two fall, the frame is
// taken whole, and the next one after it.
TEST_F(SerialPtyTest, AFrameCompletedRightAfterTheLineWasLookedAtIsTakenWhole)
{
    QtSerialBackend line(pty.slavePath());
    ASSERT_TRUE(line.open());
    ASSERT_TRUE(line.configure(19200, 'n', 8, 1, true, false));
    line.setWakeThreshold(160);
    const QByteArray a = frame('4'), b = frame('5');
    std::vector<QByteArray> taken;
    bool tailSent = false, reading = false;
    line.onReadyRead = [&] {
        // The owner counts what waits after the line has been looked at;
        // the rest of the frame arrives just before that count.
        if (!tailSent) {
            tailSent = true;
            ASSERT_TRUE(pty.write(a.mid(100)));
            const int64_t guard = ts.nowUs() + 1000 * kDeadlineMs;
            while (line.bytesAvailable() < 160 && ts.nowUs() < guard) {}
        }
        // As the port does: a frame that waits whole is read from the event
        // loop.
        if (reading || line.bytesAvailable() < 160) return;
        reading = true;
        QTimer::singleShot(0, [&] {
            reading = false;
            taken.push_back(line.read(160));
        });
    };
    // The first 100 at once, as a program that came late to the line's wake
    // at its first wake count (64) finds them: it pauses for the missing 60
    // with that count left set.
    ASSERT_TRUE(pty.write(a.left(100)));
    ASSERT_TRUE(waitFor([&] { return !taken.empty(); }));
    EXPECT_EQ(taken.front(), a);
    ASSERT_TRUE(pty.write(b));
    ASSERT_TRUE(waitFor([&] { return taken.size() >= 2; }));
    EXPECT_EQ(taken.back(), b);
}

TEST_F(SerialPtyTest, SecondOpenOfTheSameDeviceFails)
{
    ASSERT_TRUE(port.setPortOpen(true));
    CommPort other(ts, factory, QStringLiteral("MSComm6"));
    setUp(other);
    EXPECT_FALSE(other.setPortOpen(true));
    EXPECT_FALSE(other.portOpen());
    EXPECT_TRUE(port.portOpen());

    ASSERT_TRUE(port.setPortOpen(false));
    EXPECT_TRUE(other.setPortOpen(true));
}

TEST_F(SerialPtyTest, MissingDeviceFailsToOpen)
{
    useDevice(QStringLiteral("/dev/orvane-no-such-port"));
    EXPECT_FALSE(port.setPortOpen(true));
    EXPECT_FALSE(port.portOpen());
    EXPECT_FALSE(port.output("x"));
}

TEST_F(SerialPtyTest, FarSideGoneClosesThePortAndANewLineReopens)
{
    ASSERT_TRUE(port.setPortOpen(true));
    pty.closeFar();
    // A write that meets the hung-up line before the event loop has seen it.
    port.output(frame('0'));
    ASSERT_TRUE(waitFor([&] { return !port.portOpen(); }));
    EXPECT_FALSE(port.output("x"));
    EXPECT_TRUE(port.input().isEmpty());
    EXPECT_TRUE(codes.empty());

    Pty fresh;
    ASSERT_TRUE(fresh.ok());
    useDevice(fresh.slavePath());
    ASSERT_TRUE(port.setPortOpen(true));
    ASSERT_TRUE(fresh.write(frame('0')));
    ASSERT_TRUE(waitFor([&] { return !reads.empty(); }));
    EXPECT_EQ(reads.front(), frame('0'));
}

// Between frames the port does not watch the line until the next one could
// be complete; a far side that hangs up meanwhile, and sends nothing more,
// is still found.
TEST_F(SerialPtyTest, FarSideGoneBetweenFramesIsFoundWithoutAWrite)
{
    ASSERT_TRUE(port.setPortOpen(true));
    ASSERT_TRUE(pty.write(frame('3')));
    ASSERT_TRUE(waitFor([&] { return !reads.empty(); }));
    pty.closeFar();
    ASSERT_TRUE(waitFor([&] { return !port.portOpen(); }));
    EXPECT_EQ(codes, std::vector<int>{CommEvents::Receive});
}

TEST(PortDirectoryTest, PortNumberMapsToDevice)
{
    qputenv("ORVANE_COM3", "/dev/ttyUSB0");
    qunsetenv("ORVANE_COM4");
    EXPECT_EQ(PortDirectory::devicePath(3), QStringLiteral("/dev/ttyUSB0"));
    EXPECT_EQ(PortDirectory::devicePath(4), QStringLiteral("/dev/ttyS3"));
    EXPECT_EQ(PortDirectory::devicePath(1), QStringLiteral("/dev/ttyS0"));
    EXPECT_EQ(PortDirectory::devicePath(14), QStringLiteral("/dev/ttyS13"));
    qunsetenv("ORVANE_COM3");

    QtSerialFactory factory;
    for (int bad : {0, 15}) {
        EXPECT_TRUE(PortDirectory::devicePath(bad).isEmpty()) << bad;
        EXPECT_EQ(factory.create(bad), nullptr) << bad;
    }
}
