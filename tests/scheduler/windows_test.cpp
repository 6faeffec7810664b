// The asymmetric window and planning sections of the tick on virtual date
// and time: the start at the first tick of the opening minute, the stop at
// the first tick of the closing minute, a minute "60" acting as the next
// full hour, the restarts inside a window and no run the next day.
#include "scheduler/SchedulerFixture.h"
#include "shell/LeStrips.h"
#include "shell/LinkRequest.h"
#include "shell/LogTimers.h"
#include "shell/MainPanels.h"
#include "shell/ScheduleFlags.h"

using namespace orv;

namespace {

class WindowsTest : public SchedulerTest {
protected:
    void times(int le, std::initializer_list<const char*> hhmm)
    {
        int k = 0;
        for (const char* t : hhmm) {
            sc->HeuresTransition[le][k] = QString::fromLatin1(t).left(2);
            sc->MinutesTransition[le][k] = QString::fromLatin1(t).mid(2, 2);
            ++k;
        }
    }
    QStringList restartLines() const { return eventLines().filter("restart"); }
    // LE index le linked and answering its parameter reads, but its lamp
    // never lights: it reports phase 0 whatever it is asked.
    FakeLE& idleLE(int le)
    {
        FakeLE& fake = linkedFake(le);
        fake.statusOverride[le::pos::Phase] = 0;
        return fake;
    }
};

TEST_F(WindowsTest, AsymmetricWindowRunsOnceBetweenItsTimesWithAtMostThreeRestarts)
{
    setClock(2026, 3, 2, 15, 0, 0);
    FakeLE& le2 = idleLE(1);
    choose(1, "MListeAsymetrique");
    times(1, {"1600", "1900"});
    start().StartSortie.click();
    ASSERT_EQ(s->schedule->FlagSymBlocage[1], 1);

    runToClock(15, 59, 59);
    EXPECT_EQ(s->request->StartStopPC[1], 0);
    runToClock(16, 0, 1);
    EXPECT_EQ(s->request->StartStopPC[1], 0);   // read first: the notice closes 2.2 s after the read-back
    runToClock(16, 0, 4);
    EXPECT_EQ(s->request->StartStopPC[1], 1);
    EXPECT_EQ(s->schedule->FlagSymEtat[1], 1);
    EXPECT_EQ(leStrips(*log).Label26[1].backColor(), plat::colors::Green);

    // The LE stays idle: a restart after each wait, three at most.
    runToClock(16, 4, 10);
    EXPECT_TRUE(restartLines().isEmpty());
    runToClock(16, 4, 12);   // the 252nd tick, counting the start's, restarts
    ASSERT_EQ(restartLines().size(), 1);
    EXPECT_EQ(restartLines()[0], " ------>  restart 1  (16h04)  LE-2");
    EXPECT_EQ(mainPanels(*log).List4.foreColor(), plat::colors::Red);
    EXPECT_FALSE(mainPanels(*log).Picture15.visible());
    runToClock(16, 5, 5);
    EXPECT_TRUE(mainPanels(*log).Picture15.visible());   // the next wait is drawn from its 51st second
    // Once the third restart has read and started it, the LE falls silent:
    // the rest of the window costs no frames.
    ASSERT_TRUE(t.time.runUntil([&] { return restartLines().size() == 3 && s->schedule->FlagSymEtat[1] == 1; }, 3600000));
    le2.setRunning(false);
    runToClock(18, 59, 59);
    EXPECT_EQ(restartLines().size(), 3);
    EXPECT_EQ(s->request->StartStopPC[1], 1);

    runToClock(19, 0, 1);
    EXPECT_EQ(s->request->StartStopPC[1], 2);
    EXPECT_EQ(s->schedule->FlagSymBlocage[1], 0);

    // The next day: disarmed, no start; the stop request stands.
    setClock(2026, 3, 3, 15, 59, 50);
    runToClock(16, 30, 0);
    EXPECT_EQ(s->request->StartStopPC[1], 2);
    EXPECT_EQ(restartLines().size(), 3);
}

TEST_F(WindowsTest, PlanningMinute60ActsAsTheNextHourAndTheSecondWindowNeedsTheLock)
{
    setClock(2026, 3, 2, 4, 59, 0);
    idleLE(2);
    choose(2, "MListePlanning");
    times(2, {"0500", "0760", "1600", "1900"});
    start().StartSortie.click();
    runToClock(4, 59, 59);
    EXPECT_EQ(s->request->StartStopPC[2], 0);
    runToClock(5, 0, 4);
    EXPECT_EQ(s->request->StartStopPC[2], 1);
    EXPECT_EQ(s->schedule->FlagEtat[2], 1);

    setClock(2026, 3, 2, 7, 59, 50);
    runToClock(7, 59, 59);
    EXPECT_EQ(s->request->StartStopPC[2], 1);   // 0759 is below 0760
    runToClock(8, 0, 1);
    EXPECT_EQ(s->request->StartStopPC[2], 2);
    EXPECT_EQ(s->schedule->FlagVerouillage[2], 0);
    EXPECT_EQ(leStrips(*log).Label26[2].backColor(), plat::ButtonFace);

    // Unlocked: the second window is not entered.
    setClock(2026, 3, 2, 15, 59, 50);
    runToClock(16, 0, 30);
    EXPECT_EQ(s->request->StartStopPC[2], 2);
}

TEST_F(WindowsTest, PlanningRestartsAnIdleLEAfterItsWait)
{
    setClock(2026, 3, 2, 7, 59, 50);
    idleLE(0);
    runToClock(7, 59, 58);
    choose(0, "MListePlanning");
    times(0, {"0800", "0900", "1600", "1900"});
    start().StartSortie.click();
    runToClock(8, 0, 1);
    EXPECT_EQ(start().Label81.caption(), "Execute");   // LE-1 writes the captions
    EXPECT_EQ(start().Label80.caption(), "A=B ok");
    runToClock(8, 4, 12);
    ASSERT_EQ(restartLines().size(), 1);
    EXPECT_EQ(restartLines()[0], " ------>  restart 1  (08h04)  LE-1");
    EXPECT_EQ(s->schedule->Compteurs[0], 1);
    EXPECT_EQ(s->schedule->FlagEtat[0], 0);
    runToClock(8, 4, 13);
    EXPECT_EQ(s->schedule->ComptageTempo[0], 1);   // the next tick's start began the next wait
    runToClock(8, 4, 16);
    EXPECT_EQ(s->schedule->FlagEtat[0], 1);         // once its read has ended
    EXPECT_EQ(start().Label84.caption(), "1");
    runToClock(9, 0, 1);
    EXPECT_EQ(start().Label78.caption(), "Arret");
    EXPECT_EQ(s->request->StartStopPC[0], 2);
}

TEST_F(WindowsTest, AnLEStoppedByTheStopAllSequenceIsNotRestartedByItsWindow)
{
    setClock(2026, 3, 2, 15, 59, 0);
    choose(1, "MListeAsymetrique");
    choose(2, "MListePlanning");
    times(1, {"1600", "1900"});
    times(2, {"1600", "1900", "2000", "2100"});
    start().StartSortie.click();
    runToClock(16, 0, 5);
    logTimers(*log).Timer16.setEnabled(true);   // an alarm's stop-all
    runToClock(16, 0, 20);
    EXPECT_EQ(s->request->StartStopPC[1], 2);
    EXPECT_EQ(s->request->StartStopPC[2], 2);
    runToClock(16, 20, 0);
    EXPECT_TRUE(restartLines().isEmpty());
    EXPECT_EQ(s->request->StartStopPC[1], 2);
    EXPECT_EQ(s->request->StartStopPC[2], 2);
}

} // namespace
