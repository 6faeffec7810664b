// Thousands of random, damaged and cut blocks on every port: nothing
// crashes, an LE's row only ever holds valid fields (all 0-255), every event
// that read the port arms the reply, and every command frame sent echoes a
// marked frame that came on the line whole.
#include "link/ReceiveFixture.h"
#include "link/StampFrame.h"
#include "shell/LinkStatus.h"
#include "shell/Log.h"

#include <random>

using namespace orv;

namespace {

// Positions the LE owns and the command frame only echoes.
constexpr int EchoPositions[] = {1, 3, 5, 7, 9, 10, 11, 13, 14, 15, 16, 17, 18, 19, 20, 21, 22, 23, 25, 26, 27, 28, 29, 30};

class Blocks {
public:
    explicit Blocks(uint32_t seed) : rng_(seed) {}

    QByteArray next()
    {
        switch (pick(6)) {
        case 0: return le::composeFrame(fields());
        case 1: return damaged(le::composeFrame(fields()));
        case 2: return le::composeFrame(fields()).left(1 + pick(159));   // cut
        case 3: return junk(160, "0123456789 ");
        case 4: return junk(160, "0123456789 abcXYZ-+.\r\n\t");
        default: {
            QByteArray b(1 + pick(200), '\0');
            for (char& c : b) c = char(pick(256));
            return b;
        }
        }
    }

private:
    int pick(int n) { return int(rng_() % uint32_t(n)); }

    le::Fields fields()
    {
        le::Fields f;
        for (int& v : f) v = pick(256);
        f[0] = pick(4) == 0 ? 2 : pick(3);
        f[1] = pick(8);
        f[30] = pick(5) == 0 ? pick(256) : 123;
        if (pick(4) == 0) f[31] = 5;
        return f;
    }

    QByteArray damaged(QByteArray frame)
    {
        static const char* bad[] = {"00256", "99999", "abcde", "     ", "-0001", "1.5  ", "2 5  ", "\0\0\0\0\0"};
        frame.replace(pick(32) * 5, 5, QByteArray(bad[pick(8)], 5));
        return frame;
    }

    QByteArray junk(int n, const char* alphabet)
    {
        const int len = int(strlen(alphabet));
        QByteArray b(n, ' ');
        for (char& c : b) c = alphabet[pick(len)];
        return b;
    }

    std::mt19937 rng_;
};

} // namespace

// Whether some 160 characters of `stream` parse as a marked frame whose
// echoed positions are those of `answer`.
bool onTheLine(const QByteArray& stream, const QByteArray& answer)
{
    for (qsizetype k = 0; k + 160 <= stream.size(); ++k) {
        const QByteArray marker = stream.mid(k + 150, 5);
        if (stampFieldValue(marker) != SynchroMarker) continue;
        const FrameParse p = parseStampFrame(stream.mid(k, 160));
        if (!p.frame || !p.frame->marker) continue;
        bool same = true;
        for (int i : EchoPositions) same = same && uint8_t(answer[i]) == (*p.frame)[i];
        if (same) return true;
    }
    return false;
}

TEST_F(ReceiveTest, RandomBlocksOnEveryPort)
{
    constexpr int BlocksPerLE = 2500;
    Blocks blocks(20260302);
    std::array<QByteArray, 8> recent;            // what came on each line lately
    std::array<int, 8> sentFrames{};

    for (int n = 0; n < 8 * BlocksPerLE; ++n) {
        const int le = n % 8;
        QByteArray block = blocks.next();
        // Now and then the far side pads a cut block back to a frame
        // boundary with noise.
        if (const qsizetype cut = (recent[le].size() + block.size()) % 160; cut != 0 && n % 3 == 0)
            block += QByteArray(160 - cut, '#');
        txTimer(le).setEnabled(false);
        const int waitingBefore = log->MSComm(le).inBufferCount();
        const int thresholdBefore = log->MSComm(le).rThreshold();
        ASSERT_TRUE(t.ports.inject(le + 1, block));
        t.time.runPending();
        recent[le] += block;
        if (recent[le].size() > 12000) recent[le].remove(0, recent[le].size() - 8000);

        // Characters up to the receive threshold raise a receive event (160,
        // or what completes a frame right after the boundary was found
        // again), and each event arms the reply.
        ASSERT_EQ(txTimer(le).enabled(), waitingBefore + block.size() >= thresholdBefore) << n;
        ASSERT_LT(log->MSComm(le).inBufferCount(), log->MSComm(le).rThreshold()) << n;
        ASSERT_LE(log->MSComm(le).rThreshold(), 160) << n;
        for (int i = 0; i < 32; ++i) {
            ASSERT_GE(s->status->FadecIO[le][i], 0) << n;
            ASSERT_LE(s->status->FadecIO[le][i], 255) << n;
        }

        // Now and then the transmit timers tick: what they send echoes a
        // marked frame that came on that line whole, never a block cut
        // across two.
        if (n % 40 == 39) {
            for (int k = 0; k < 8; ++k) t.ports.takeWritten(k + 1);
            t.time.advance(35);
            for (int k = 0; k < 8; ++k) {
                const QByteArray sent = t.ports.takeWritten(k + 1);
                ASSERT_EQ(sent.size() % 34, 0) << n;
                for (qsizetype at = 0; at < sent.size(); at += 34) {
                    ASSERT_EQ(sent.mid(at + 32, 2), "\r\n");
                    ASSERT_TRUE(onTheLine(recent[k], sent.mid(at, 34))) << n;
                    ++sentFrames[k];
                }
            }
        }
    }
    for (int k = 0; k < 8; ++k) EXPECT_GT(sentFrames[k], 0) << k;
}
