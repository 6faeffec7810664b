// The receive routine on lines that slip: an LE whose line loses, gains or
// picks up characters is not answered from its old row while out of step, is
// told once in the history, and is answered again from frames sent after the
// slip; a port that opens in the middle of a frame tells nothing.
#include "link/ReceiveFixture.h"
#include "shell/State.h"

#include <algorithm>
#include <functional>
#include <vector>

using namespace orv;

namespace {

constexpr char OutOfStep[] = "  Frame out of step ";

// Frame n of the LE: digits with leading zeros as a controller writes them,
// n in fields 20 and 21, which the answer echoes.
QByteArray numbered(int n)
{
    le::Fields f = FakeLE::statusFields(0);
    f[20] = n / 256;
    f[21] = n % 256;
    QByteArray t = le::composeFrame(f);
    return t.replace(' ', '0');
}

class ResyncTest : public ReceiveTest {
protected:
    // Sends `chars` on LE index le's line and lets the transmit timer tick;
    // returns the frame numbers the answers echoed.
    std::vector<int> send(int le, const QByteArray& chars)
    {
        t.ports.takeWritten(le + 1);
        receive(le, chars);
        t.time.advance(35);
        std::vector<int> echoed;
        const QByteArray out = t.ports.takeWritten(le + 1);
        for (qsizetype at = 0; at + 34 <= out.size(); at += 34)
            echoed.push_back(uint8_t(out[at + 20]) * 256 + uint8_t(out[at + 21]));
        return echoed;
    }

    int historyCount(const QString& text) const
    {
        return int(readFile(s->common->BaseFolder + "\\Histo.txt").count(text.toLatin1()));
    }
};

} // namespace

TEST_F(ResyncTest, ASlippedLineIsToldOnceAndAnsweredAgainFromLaterFrames)
{
    struct Case {
        const char* name;
        std::function<QByteArray(QByteArray)> fault;
    };
    const std::vector<Case> cases{
        {"one character short", [](QByteArray t) { return t.remove(77, 1); }},
        {"one character too many", [](QByteArray t) { return t.insert(77, '0'); }},
        {"stray bytes before it", [](QByteArray t) { return QByteArray("\x13\x91\x02\xff\x11\x13\x88", 7) + t; }},
        {"a whole field lost", [](QByteArray t) { return t.remove(100, 5); }},
    };
    int le = 0;
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        const QString told = QStringLiteral("LE%1").arg(le + 1) + OutOfStep;
        for (int n = 1; n <= 3; ++n) EXPECT_EQ(send(le, numbered(n)), std::vector<int>{n});
        // From the slip on, nothing echoes the frame before it; within a few
        // frames every frame is answered again.
        std::vector<int> after;
        for (int n = 4; n <= 12; ++n) {
            const std::vector<int> echoed = send(le, n == 4 ? c.fault(numbered(n)) : numbered(n));
            for (int e : echoed) EXPECT_GT(e, 4) << "after frame " << n;
            after.insert(after.end(), echoed.begin(), echoed.end());
        }
        ASSERT_GE(after.size(), 6u);
        EXPECT_EQ(std::vector<int>(after.end() - 6, after.end()), (std::vector<int>{7, 8, 9, 10, 11, 12}));
        EXPECT_EQ(historyCount(told), 1);
        EXPECT_EQ(s->status->SynchroRS232[le], 123);
        ++le;
    }
    // The line told is only the LE's own: "LEn", two blanks, the text.
    EXPECT_EQ(historyCount(OutOfStep), int(cases.size()));
}

TEST_F(ResyncTest, APortOpenedInTheMiddleOfAFrameTellsNothingAndTakesOnlyWholeFrames)
{
    for (int le = 0; le < 8; ++le) {
        SCOPED_TRACE(le);
        send(le, numbered(1));
        log->MSComm(le).setPortOpen(false);
        openPort(le);
        const int cut = 13 + 19 * le;   // where in frame 2 the port opened
        std::vector<int> echoed = send(le, numbered(2).mid(cut));
        for (int n = 3; n <= 6; ++n) {
            const std::vector<int> e = send(le, numbered(n));
            echoed.insert(echoed.end(), e.begin(), e.end());
        }
        // Frames 3 and 4 running show the boundary: nothing before frame 4
        // is answered, and the frames after it all are.
        ASSERT_FALSE(echoed.empty());
        EXPECT_GE(echoed.front(), 4);
        EXPECT_EQ(echoed.back(), 6);
        EXPECT_TRUE(std::is_sorted(echoed.begin(), echoed.end()));
    }
    EXPECT_EQ(historyCount(OutOfStep), 0);
}
