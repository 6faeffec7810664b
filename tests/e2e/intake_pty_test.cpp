// The whole program's intake on eight pseudo-terminals: LE-1 idle (phase 0,
// error codes 0, 1, 2, 7, 12 and 20, its first frame with blanks on either
// side of the digits), the other LEs sending an unmarked frame, line noise,
// letters in a field and a field of 256. Each of LE-1's frames comes in two
// pieces, the second one arriving in the instant between the line's look at
// what waits and the port's own count. Every receive event takes exactly one
// whole frame of its own line, LE-1 stays at phase 0 and no error report is
// written. Timed on real lines.
#include "client/RealProgram.h"
#include "client/TapSerial.h"
#include "model/Frames.h"
#include "platform/CommPort.h"
#include "platform/PortDirectory.h"
#include "platform/TimeSource.h"
#include "shell/LinkStatus.h"
#include "shell/Log.h"
#include "shell/State.h"
#include "support/Printing.h"
#include "support/Pty.h"

#include <QFile>
#include <gtest/gtest.h>
#include <array>
#include <memory>
#include <vector>

namespace {

using lesim::waitUntil;

constexpr int kLeCount = 8;
constexpr int kHead = 100;   // the first piece of each of LE-1's frames

QByteArray withField(QByteArray frame, int i, const char* five)
{
    frame.replace(i * 5, 5, QByteArray(five, 5));
    return frame;
}

} // namespace

TEST(IntakePty, AnIdleLEsFramesStayWholeAmongFaultyLines)
{
    std::array<std::unique_ptr<testsupport::Pty>, kLeCount> lines;
    for (int i = 0; i < kLeCount; ++i) {
        lines[size_t(i)] = std::make_unique<testsupport::Pty>();
        ASSERT_TRUE(lines[size_t(i)]->ok());
        qputenv(QStringLiteral("ORVANE_COM%1").arg(i + 1).toLatin1(), lines[size_t(i)]->slavePath().toLocal8Bit());
    }
    lesim::TapFactory tap;
    lesim::RealProgram rig(&tap);
    orv::Log& log = rig.log();
    orv::State& s = rig.prog().s;
    ASSERT_TRUE(rig.startUp());
    std::vector<lesim::RealProgram::PortChoice> ports;
    for (int n = 1; n <= kLeCount; ++n) ports.push_back({n, n});
    rig.validatePorts(ports);
    for (int i = 0; i < kLeCount; ++i) ASSERT_TRUE(log.MSComm(i).portOpen()) << i;
    const int listBefore = log.List4.listCount();
    QFile history(rig.drive.hostPath(s.common->BaseFolder + QStringLiteral("\\Histo.txt")));
    const qint64 historyBefore = history.exists() ? history.size() : 0;

    // What each receive event took, and LE-1's phase after each.
    std::array<std::vector<QByteArray>, kLeCount> taken;
    std::vector<int> phase1;
    for (int i = 0; i < kLeCount; ++i) {
        plat::CommPort& port = log.MSComm(i);
        port.onComm = [&, i, handler = port.onComm] {
            std::vector<QByteArray>& reads = tap.reads[size_t(i + 1)];
            reads.clear();
            const bool receive = port.commEvent() == plat::CommEvents::Receive;
            handler();
            if (!receive) return;
            taken[size_t(i)].push_back(reads.size() == 1 ? reads.front() : QByteArray("<no single read>"));
            if (i == 0) phase1.push_back(s.status->PhaseLP[0]);
        };
    }

    // LE-1 idle, every field a valid number; shifted by whole fields, its
    // frames would read as a phase and an error code of 20.
    le::Fields f;
    for (int i = 0; i < 32; ++i) f[size_t(i)] = (37 * i + 11) % 256;
    f[le::pos::Bank] = 0;
    f[le::pos::Phase] = 0;
    f[21] = 3;
    f[29] = 20;
    f[le::pos::Synchro] = le::kSynchroMarker;
    f[le::pos::Cooling] = 0;
    std::vector<QByteArray> sent1;
    for (int code : {0, 1, 2, 7, 12, 20}) {
        f[le::pos::ErrorCode] = code;
        sent1.push_back(le::composeFrame(f));
    }
    sent1[0] = withField(withField(withField(sent1[0], 10, " 12  "), 12, "  12 "), 26, "12   ");

    // The other LEs: each a bad block, then a good frame.
    le::Fields good = f;
    good[le::pos::ErrorCode] = 0;
    const QByteArray goodText = le::composeFrame(good);
    le::Fields unmarked = good;
    unmarked[le::pos::Synchro] = 0;
    QByteArray noise(160, ' ');
    for (int i = 0; i < noise.size(); ++i) noise[i] = char(0x21 + (i * 53) % 94);
    const std::array<QByteArray, kLeCount> bad{QByteArray(),
                                               le::composeFrame(unmarked),
                                               noise,
                                               withField(goodText, 7, "ab1cd"),
                                               withField(goodText, 4, "  256"),
                                               goodText,
                                               goodText,
                                               goodText};
    for (int i = 1; i < kLeCount; ++i) ASSERT_TRUE(lines[size_t(i)]->write(bad[size_t(i)] + goodText));

    // Each of LE-1's frames: its head at once (as a program that came late
    // to the line's first wake finds it), and its tail as soon as the line
    // has looked at the head, before the port counts what waits.
    QByteArray tail;
    tap.beforeCount = [&](int port, plat::SerialBackend& line) {
        if (port != 1 || tail.isEmpty()) return;
        ASSERT_TRUE(lines[0]->write(tail));
        tail.clear();
        const int64_t guard = rig.time.nowUs() + 2'000'000;
        while (line.bytesAvailable() < qint64(kHead) + 60 && rig.time.nowUs() < guard) {}
    };
    for (size_t k = 0; k < sent1.size(); ++k) {
        // A quiet line before each frame, as an idle LE's period leaves it.
        waitUntil([] { return false; }, 150);
        tail = sent1[k].mid(kHead);
        ASSERT_TRUE(lines[0]->write(sent1[k].left(kHead)));
        waitUntil([&] { return taken[0].size() > k; }, 2000);
    }
    waitUntil([&] {
        for (int i = 1; i < kLeCount; ++i)
            if (taken[size_t(i)].size() < 2) return false;
        return true;
    }, 2000);

    EXPECT_EQ(taken[0], sent1);
    EXPECT_EQ(phase1, std::vector<int>(sent1.size(), 0));
    for (int i = 1; i < kLeCount; ++i)
        EXPECT_EQ(taken[size_t(i)], (std::vector<QByteArray>{bad[size_t(i)], goodText})) << "LE" << i + 1;
    EXPECT_EQ(log.List4.listCount(), listBefore);
    for (int i = listBefore; i < log.List4.listCount(); ++i) ADD_FAILURE() << log.List4.list(i).toStdString();
    if (history.exists() && history.open(QIODevice::ReadOnly)) {
        history.seek(historyBefore);
        EXPECT_EQ(history.readAll(), QByteArray()) << "history lines written";
    }
}
