// The link end to end on the real Qt event loop: the program validates its
// port configuration in the port window, opens real serial ports on the
// pseudo-terminals of tools/le-sim (run as a process), and answers every
// marked frame with one command frame before the LE's next frame, and an
// unmarked frame with none.
#include "client/LeSimProcess.h"
#include "client/RealProgram.h"
#include "shell/LinkRequest.h"
#include "shell/LogPorts.h"
#include "support/Printing.h"

#include <QFile>
#include <gtest/gtest.h>
#include <vector>

namespace {

using lesim::LeSimProcess;
using lesim::waitUntil;

// The frames of one LE whose answer window is closed (a later frame
// followed), each with the commands that arrived in its window.
struct Answered {
    bool marked;
    std::vector<QByteArray> replies;
};

std::vector<Answered> closedFrames(const std::vector<LeSimProcess::Event>& events, int& beforeFirst)
{
    std::vector<Answered> frames;
    beforeFirst = 0;
    for (const LeSimProcess::Event& e : events) {
        if (e.kind == LeSimProcess::Event::Command) {
            if (frames.empty())
                ++beforeFirst;
            else
                frames.back().replies.push_back(e.command);
        } else {
            frames.push_back({e.kind == LeSimProcess::Event::Marked, {}});
        }
    }
    if (!frames.empty())
        frames.pop_back();   // its answer may still be on its way
    return frames;
}

int count(const std::vector<Answered>& frames, bool marked)
{
    int n = 0;
    for (const Answered& f : frames)
        n += f.marked == marked;
    return n;
}

} // namespace

TEST(LinkPty, EveryMarkedFrameGetsOneAnswerAndAnUnmarkedOneNone)
{
    // LE-2 leaves the marker out of every fifth frame.
    LeSimProcess sim({"--count", "2", "--period", "300", "--pace", "--fault", "2:unmarked"});
    ASSERT_TRUE(sim.ready());
    qputenv("ORVANE_COM1", sim.device(1).toLocal8Bit());
    qputenv("ORVANE_COM2", sim.device(2).toLocal8Bit());

    lesim::RealProgram rig;
    orv::Program& prog = rig.prog();
    orv::Log& log = rig.log();
    ASSERT_TRUE(rig.startUp());

    prog.s.request->Vmot[0] = 100;   // a request for LE-1 (3000 rpm) rides in every answer

    // The user validates COM1 for LE-1 and COM2 for LE-2.
    rig.validatePorts({{1, 1}, {2, 2}});
    ASSERT_TRUE(logPorts(log).MSComm1.portOpen());
    ASSERT_TRUE(logPorts(log).MSComm2.portOpen());
    QFile file(rig.drive.hostPath("C:\\LightCtl\\ParamComx2.ini"));
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    QByteArray expectedFile = "\"1\"\r\n\"1\"\r\n\"2\"\r\n\"1\"\r\n";
    for (int i = 0; i < 12; ++i)
        expectedFile += "\"0\"\r\n";
    EXPECT_EQ(file.readAll(), expectedFile);

    int before1 = 0, before2 = 0;
    ASSERT_TRUE(waitUntil([&] {
        const auto le1 = closedFrames(sim.events(1), before1);
        const auto le2 = closedFrames(sim.events(2), before2);
        return count(le1, true) >= 6 && count(le2, true) >= 6 && count(le2, false) >= 2;
    }));

    const struct {
        int le;
        int vmot;
    } les[] = {{1, 100}, {2, 0}};
    for (const auto& l : les) {
        SCOPED_TRACE(l.le);
        int before = 0;
        const auto frames = closedFrames(sim.events(l.le), before);
        EXPECT_EQ(before, 0);   // nothing is sent unasked
        for (size_t i = 0; i < frames.size(); ++i) {
            SCOPED_TRACE(i);
            ASSERT_EQ(frames[i].replies.size(), frames[i].marked ? 1u : 0u);
            if (!frames[i].marked)
                continue;
            const QByteArray& r = frames[i].replies[0];
            ASSERT_EQ(r.size(), 34);
            EXPECT_EQ(r.right(2), QByteArray("\r\n"));
            EXPECT_EQ(uint8_t(r[30]), 123);   // the marker echoed
            EXPECT_EQ(uint8_t(r[1]), 0);      // the phase echoed
            EXPECT_EQ(uint8_t(r[24]), l.vmot);
        }
    }
    EXPECT_TRUE(rig.dialogs.shown.empty());
}
