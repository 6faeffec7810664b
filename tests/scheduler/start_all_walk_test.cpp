// START LE after "Start All LE" and beside asymmetric LEs, on fake LEs:
// every LE whose mode label reads "Normal" is read and started; "Start All
// LE" marks only the LEs whose port is open at that moment, and an
// asymmetric LE waits for its window. The window that "Start All LE" shows
// keeps its start-up height.
#include "scheduler/SchedulerFixture.h"
#include "shell/LinkRequest.h"
#include "shell/LinkStatus.h"
#include "shell/ScheduleFlags.h"

using namespace orv;

namespace {

class StartAllWalkTest : public SchedulerTest {};

TEST_F(StartAllWalkTest, StartLEAfterStartAllStartsEveryMarkedLE)
{
    linkedFake(0);
    linkedFake(3);
    choose(0, "MListeStartAllLE");
    ASSERT_TRUE(t.time.runUntil([&] { return s->status->PhaseLP[0] != 0; }, 20000));
    EXPECT_EQ(start().Label17.caption(), "Normal");
    EXPECT_EQ(s->status->PhaseLP[3], 0);
    // Shown without its opening layout: the start-up height, START LE
    // still wholly inside the client area.
    EXPECT_TRUE(start().visible());
    EXPECT_EQ(start().height(), 9105);
    EXPECT_LE(start().StartSortie.top() + start().StartSortie.height(), start().scaleHeight());

    start().StartSortie.click();
    EXPECT_TRUE(t.time.runUntil([&] { return s->status->PhaseLP[3] != 0; }, 20000));
    EXPECT_EQ(s->request->StartStopPC[3], 1);
}

TEST_F(StartAllWalkTest, AnLEWhosePortWasClosedAtStartAllIsNotMarkedAndStaysIdle)
{
    linkedFake(0);
    choose(0, "MListeStartAllLE");
    ASSERT_TRUE(t.time.runUntil([&] { return s->status->PhaseLP[0] != 0; }, 20000));
    EXPECT_NE(start().Label17.caption(), "Normal");

    linkedFake(3);   // LE-4's link comes up afterwards
    start().StartSortie.click();
    t.time.advance(20000);
    EXPECT_EQ(s->status->PhaseLP[3], 0);
    EXPECT_EQ(s->request->StartStopPC[3], 0);
}

TEST_F(StartAllWalkTest, AnAsymmetricLEWaitsForItsWindowWhileANormalOneStarts)
{
    setClock(2026, 12, 10, 15, 58);
    linkedFake(1);
    linkedFake(3);
    choose(3, "MListeAsymetrique");
    sc->HeuresTransition[3][0] = "16";
    sc->MinutesTransition[3][0] = "00";
    sc->HeuresTransition[3][1] = "19";
    sc->MinutesTransition[3][1] = "00";
    choose(1, "MListeNormal");

    start().StartSortie.click();
    EXPECT_TRUE(t.time.runUntil([&] { return s->status->PhaseLP[1] != 0; }, 20000));
    t.time.advance(60000);
    EXPECT_EQ(s->status->PhaseLP[3], 0);   // armed, not started
    EXPECT_EQ(s->schedule->FlagSymBlocage[3], 1);
    runToClock(16, 0, 5);
    EXPECT_TRUE(t.time.runUntil([&] { return s->status->PhaseLP[3] != 0; }, 30000));
}

} // namespace
