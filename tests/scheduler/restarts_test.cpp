// The automatic restarts of normal mode: the wait in phase 0 after a phase
// 6 (60 s, 780 s with the sulphur setting), the restart line and the wait
// bar, at most three restarts, none after the stop-all sequence.
#include "scheduler/SchedulerFixture.h"
#include "shell/LinkRequest.h"
#include "shell/LinkStatus.h"
#include "shell/LogTimers.h"
#include "shell/MainPanels.h"
#include "shell/ScheduleFlags.h"

using namespace orv;

namespace {

class RestartsTest : public SchedulerTest {
protected:
    static constexpr int Le = 3;   // LE-4, no port: each restart's read does nothing
    void SetUp() override
    {
        SchedulerTest::SetUp();
        choose(Le, "MListeNormal");
        start().StartSortie.click();
        // Without a port it is not read, so not started: its start request
        // stands here as a start that went well leaves it.
        ASSERT_EQ(s->request->StartStopPC[Le], 0);
        s->request->StartStopPC[Le] = 1;
    }
    // The LE stops by itself: one second in phase 6, then idle.
    void failOnce()
    {
        s->status->PhaseLP[Le] = 6;
        t.time.advance(1000);
        s->status->PhaseLP[Le] = 0;
    }
    QStringList restartLines() const { return eventLines().filter("restart"); }
};

TEST_F(RestartsTest, RestartOnThe61stSecondWithItsLineAndBar)
{
    failOnce();
    t.time.advance(30000);
    EXPECT_TRUE(mainPanels(*log).Picture15.visible());
    EXPECT_EQ(s->schedule->LargeurAttente, 30 * 27);
    t.time.advance(30000);
    EXPECT_EQ(s->schedule->LargeurAttente, 1620);
    EXPECT_TRUE(restartLines().isEmpty());
    t.time.advance(1000);
    ASSERT_EQ(restartLines().size(), 1);
    EXPECT_EQ(restartLines()[0], " ------> restart  1  (08h01)  LE-4");
    EXPECT_FALSE(mainPanels(*log).Picture15.visible());
    EXPECT_EQ(s->schedule->LargeurAttente, 0);
    EXPECT_EQ(s->schedule->CompteursNorm[Le], 1);
}

TEST_F(RestartsTest, SulphurWaitsUntilThe781stSecond)
{
    settings().Check7[Le].setValue(2);   // greyed counts as set
    failOnce();
    t.time.advance(780000);
    EXPECT_TRUE(restartLines().isEmpty());
    EXPECT_EQ(s->schedule->LargeurAttente, 1620);   // 780 x 2.07692, rounded
    t.time.advance(1000);
    EXPECT_EQ(restartLines().size(), 1);
}

TEST_F(RestartsTest, TheFourthStopGivesNoLineAndNoStart)
{
    for (int k = 1; k <= 4; ++k) {
        failOnce();
        t.time.advance(61000);
    }
    ASSERT_EQ(restartLines().size(), 3);
    EXPECT_TRUE(restartLines()[2].startsWith(" ------> restart  3  ("));
    EXPECT_EQ(s->schedule->CompteursNorm[Le], 3);
    EXPECT_FALSE(mainPanels(*log).Picture15.visible());
}

TEST_F(RestartsTest, NoRestartAfterTheStopAllSequence)
{
    settings().Check1[Le].setValue(1);   // an activated LE: its stop is recorded and ends the restarts
    logTimers(*log).Timer16.setEnabled(true);
    t.time.advance(9000);
    failOnce();
    t.time.advance(62000);
    EXPECT_TRUE(restartLines().isEmpty());
    EXPECT_EQ(s->request->StartStopPC[Le], 2);
}

TEST_F(RestartsTest, ASymmetricLEFailingInItsOnHalfIsRestartedWithoutABar)
{
    const int sym = 5;   // LE-6
    choose(sym, "MListeSymetrique");
    sc->HeuresCycleSym[sym] = 2;
    sc->MinutesDemiCycle[sym] = 60;
    sc->FinCycleSymX[sym] = 944;
    start().StartSortie.click();
    s->status->PhaseLP[sym] = 6;
    t.time.advance(1000);
    s->status->PhaseLP[sym] = 0;
    t.time.advance(60000);
    EXPECT_TRUE(restartLines().isEmpty());
    EXPECT_FALSE(mainPanels(*log).Picture15.visible());
    t.time.advance(1000);
    ASSERT_EQ(restartLines().size(), 1);
    EXPECT_TRUE(restartLines()[0].endsWith(")  LE-6"));
    EXPECT_EQ(s->schedule->CompteursNorm[sym], 1);
}

} // namespace
