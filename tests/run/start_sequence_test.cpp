// A whole start and stop of LE-1 on the fake LE, as the LE sees it on its
// line: read request, read-back, notice, start request, phases 1 to 5 with
// the set-point in phase 5 only, stop, rest countdown, back to idle.
#include "run/LogRun.h"
#include "run/RunFixture.h"
#include "shell/LinkRequest.h"
#include "shell/LinkStatus.h"
#include "shell/Log.h"

#include <algorithm>

using namespace orv;

TEST_F(RunTest, StartAndStopOnTheFakeLE)
{
    writeFile("C:\\LightCtl\\ConsignePW2.ini", " 75 \r\n 50 \r\n 50 \r\n 50 \r\n 50 \r\n 50 \r\n 50 \r\n 50 \r\n");
    FakeLE& fake = addFake(0);
    ASSERT_TRUE(t.time.runUntil([&] { return s->status->SynchroRS232[0] == 123; }));
    const size_t first = fake.commands().size();

    // START LE writes the request first, then calls the LE's routine.
    s->request->StartStopPC[0] = 1;
    log->run->LectParamStampLE(0);
    EXPECT_EQ(histoMessages().last(), "LE1  Starting LE ");

    ASSERT_TRUE(t.time.runUntil([&] { return s->status->PhaseLP[0] == 5; }, 30000));
    t.time.advance(2000);
    EXPECT_EQ(s->request->ConsignePW[0], 75);
    EXPECT_EQ(log->Label15[0].caption(), "750");
    const size_t atStop = fake.commands().size();

    log->run->StopLERoutine(1);
    EXPECT_EQ(histoMessages().last(), "LE1  Off LE ");
    ASSERT_TRUE(t.time.runUntil([&] { return s->status->PhaseLP[0] == 6; }, 10000));
    const int64_t restStart = t.time.nowMs();
    t.time.advance(1000);
    EXPECT_EQ(log->Picture4[0].canvas().printedTexts(), QStringList{" Rest  89 sec."});
    ASSERT_TRUE(t.time.runUntil([&] { return s->status->PhaseLP[0] == 0; }, 30000));
    t.time.advance(restStart + 90000 - t.time.nowMs());
    EXPECT_EQ(log->Picture4[0].canvas().printedTexts(), QStringList{" Rest  0 sec."});
    t.time.advance(1000);
    EXPECT_TRUE(log->Picture4[0].canvas().printedTexts().isEmpty());
    EXPECT_FALSE(log->Timer36.enabled());

    // The frames of the run, as the LE received them.
    const auto& sent = fake.commands();
    ASSERT_GT(atStop, first + 20);
    EXPECT_EQ(sent[first][le::pos::Bank], le::BankReadParam);
    std::vector<int> phases;
    for (size_t i = first; i < atStop; ++i) {
        const le::Fields& f = sent[i];
        if (i > first) {
            EXPECT_EQ(f[le::pos::Bank], 0) << i;
        }
        EXPECT_EQ(f[le::pos::StartStop], 1) << i;
        const int phase = f[le::pos::Phase];   // the phase the frame answers
        if (phase == 5)
            EXPECT_EQ(f[le::pos::Power], 75) << i;
        else
            EXPECT_NE(f[le::pos::Power], 75) << i;
        if (phases.empty() || phases.back() != phase) phases.push_back(phase);
    }
    EXPECT_EQ(phases, (std::vector<int>{0, 1, 2, 3, 4, 5}));
    for (size_t i = atStop; i < sent.size(); ++i) EXPECT_EQ(sent[i][le::pos::StartStop], 2) << i;
    std::vector<int> after;
    for (size_t i = atStop; i < sent.size(); ++i)
        if (after.empty() || after.back() != sent[i][le::pos::Phase]) after.push_back(sent[i][le::pos::Phase]);
    EXPECT_EQ(after, (std::vector<int>{5, 6, 0}));
}
