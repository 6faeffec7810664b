// The real QSerialPort on a pseudo-terminal fed at 19200 baud the ways a real
// line hands characters to the PC: UART FIFO pieces, single characters, USB
// packets that complete a frame or straddle two, an adapter's latency timer,
// and a reader that comes late to its frame. Each frame is handed over as
// soon as its last character is in: within a few milliseconds, and before the
// line brings anything after it. Timed on real lines, so it runs with the
// other end-to-end tests, alone.
#include "support/Printing.h"
#include "support/Pty.h"
#include "platform/CommPort.h"
#include "platform/PortDirectory.h"
#include "platform/TimeSource.h"

#include <QTimer>
#include <gtest/gtest.h>
#include <vector>

using namespace plat;
using testsupport::Pty;

namespace {

constexpr int kFrame = 160;
constexpr double kCharUs = 10.0 * 1e6 / 19200.0;
// A hand-over this long after the frame's last character is late: a line
// that is watched in time hands it over within a fraction of a millisecond,
// one whose watch resumes late misses it by several.
constexpr int64_t kFewMsUs = 4000;

// How the far side cuts the characters of frames into pieces, each reaching
// the PC the moment its last character is on the line (a piece that ends a
// frame `tailHoldUs` later).
struct Delivery {
    const char* name;
    std::vector<int> pieces;   // sizes, repeated
    int frames;
    int64_t gapUs = 0;         // quiet line after each frame
    int64_t tailHoldUs = 0;    // an adapter's latency timer holding a frame's tail
    int64_t lateReadUs = 0;    // the handler takes its frame this long after the hand-over
};

const Delivery kDeliveries[] = {
    {"fifo pieces of 14", {14}, 4},
    {"single characters with a quiet line between frames", {1}, 3, 6000},
    // 64 + 50 + 46 complete the first frame with the end of a packet; the
    // next packets run across the frames' ends.
    {"usb packets completing and straddling frames", {64, 50, 46, 64, 64, 64, 32}, 4},
    {"usb latency timer holding each frame's tail", {64}, 3, 30000, 16000},
    // The reader takes each frame 25 ms late, while no packet comes: the
    // next frame's first characters were on the line well before it read.
    {"usb packets with the reader late to each frame", {64, 64, 52, 64, 64, 12, 8, 64, 64, 36, 64, 64, 20}, 4, 0,
     0, 25000},
};

struct Piece {
    int64_t dueUs;   // on the time source's clock
    QByteArray bytes;
};

QByteArray frame(int n)
{
    QByteArray f;
    for (int i = 0; i < 32; ++i) f += QByteArray::number(i + 100 * n).rightJustified(5, ' ');
    return f.left(kFrame);
}

std::vector<Piece> schedule(const Delivery& d, int64_t startUs, QByteArray& all)
{
    all.clear();
    std::vector<int64_t> doneUs;   // each character's last bit on the line
    double lineUs = double(startUs);
    for (int f = 0; f < d.frames; ++f) {
        all += frame(f);
        for (int i = 0; i < kFrame; ++i) {
            lineUs += kCharUs;
            doneUs.push_back(int64_t(lineUs));
        }
        lineUs += double(d.gapUs);
    }
    std::vector<Piece> out;
    qsizetype at = 0;
    for (size_t k = 0; at < all.size(); ++k) {
        const qsizetype n = std::min<qsizetype>(d.pieces[k % d.pieces.size()], all.size() - at);
        const bool tail = (at + n) % kFrame == 0;
        out.push_back({doneUs[size_t(at + n - 1)] + (tail ? d.tailHoldUs : 0), all.mid(at, n)});
        at += n;
    }
    return out;
}

class SerialDeliveryTest : public ::testing::TestWithParam<Delivery> {
protected:
    SerialDeliveryTest()
    {
        EXPECT_TRUE(pty.ok());
        qputenv("ORVANE_COM5", pty.slavePath().toLocal8Bit());
        port.setCommPort(5);
        port.setHandshaking(1);
        port.setRThreshold(kFrame);
        port.setInputLen(kFrame);
        port.setSettings(QStringLiteral("19200,n,8,1"));
    }
    ~SerialDeliveryTest() override { qunsetenv("ORVANE_COM5"); }

    Pty pty;
    RealTimeSource ts;
    QtSerialFactory factory;
    CommPort port{ts, factory, QStringLiteral("MSComm5")};
};

} // namespace

TEST_P(SerialDeliveryTest, EachFrameIsHandedOverBeforeTheLineBringsMore)
{
    const Delivery& d = GetParam();
    ASSERT_TRUE(port.setPortOpen(true));
    QByteArray all;
    const std::vector<Piece> pieces = schedule(d, ts.nowUs() + 20000, all);

    // The far side, on the event loop's timers: each piece as soon as it is
    // due, with the moment it was written.
    std::vector<int64_t> writtenUs;
    QTimer feed;
    feed.setSingleShot(true);
    feed.setTimerType(Qt::PreciseTimer);
    QObject::connect(&feed, &QTimer::timeout, [&] {
        while (writtenUs.size() < pieces.size() && pieces[writtenUs.size()].dueUs <= ts.nowUs()) {
            ASSERT_TRUE(pty.write(pieces[writtenUs.size()].bytes));
            writtenUs.push_back(ts.nowUs());
        }
        if (writtenUs.size() < pieces.size())
            feed.start(int(std::max<int64_t>(0, (pieces[writtenUs.size()].dueUs - ts.nowUs()) / 1000)));
    });
    feed.start(0);

    std::vector<QByteArray> reads;
    std::vector<int64_t> handOverUs;
    port.onComm = [&] {
        if (port.commEvent() != CommEvents::Receive) return;
        handOverUs.push_back(port.handOverUs());
        if (d.lateReadUs > 0) {
            const int64_t readAt = handOverUs.back() + d.lateReadUs;
            QTimer::singleShot(int(d.lateReadUs / 1000), [] {});
            ts.waitUntil([&] { return ts.nowUs() >= readAt; });
        }
        reads.push_back(port.input());
    };
    const int64_t guardUs = ts.nowUs() + 10'000'000;
    ASSERT_TRUE(ts.waitUntil([&] { return int(reads.size()) >= d.frames || ts.nowUs() > guardUs; }));

    ASSERT_EQ(int(reads.size()), d.frames);
    for (int f = 0; f < d.frames; ++f) EXPECT_EQ(reads[size_t(f)], frame(f)) << "frame " << f;
    // The piece that completed each frame, and the one after it.
    qsizetype chars = 0;
    size_t f = 0;
    for (size_t k = 0; k < pieces.size() && f < size_t(d.frames); ++k) {
        chars += pieces[k].bytes.size();
        if (chars < qsizetype(f + 1) * kFrame) continue;
        EXPECT_GE(handOverUs[f], writtenUs[k]) << "frame " << f;
        EXPECT_LE(handOverUs[f] - writtenUs[k], kFewMsUs) << "frame " << f;
        if (k + 1 < writtenUs.size()) {
            EXPECT_LT(handOverUs[f], writtenUs[k + 1]) << "frame " << f << " handed over after the next piece";
        }
        ++f;
    }
    EXPECT_EQ(f, size_t(d.frames));
}

INSTANTIATE_TEST_SUITE_P(Deliveries, SerialDeliveryTest, ::testing::ValuesIn(kDeliveries),
                         [](const ::testing::TestParamInfo<Delivery>& info) {
                             QString n = QString::fromLatin1(info.param.name);
                             QString out;
                             for (const QString& w : n.split(' ', Qt::SkipEmptyParts))
                                 out += w.left(1).toUpper() + w.mid(1);
                             out.remove(',');
                             for (QChar& c : out)
                                 if (!c.isLetterOrNumber()) c = '_';
                             return out.toStdString();
                         });
