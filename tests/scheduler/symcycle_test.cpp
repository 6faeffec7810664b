// The symmetric cycle timers: a 2-hour cycle run three times from START LE,
// the requests of each half, one history line per cycle, the timer off at
// the end; the LE's own trace restart; an LE the stop-all sequence stopped
// stays stopped through the next ON half.
#include "run/RunState.h"
#include "scheduler/SchedulerFixture.h"
#include "shell/LeStrips.h"
#include "shell/LinkRequest.h"
#include "shell/LogTimers.h"
#include "shell/ScheduleFlags.h"
#include "shell/TracesShared.h"

using namespace orv;

namespace {

class SymCycleTest : public SchedulerTest {
protected:
    static constexpr int Le = 4;   // LE-5, no port: the cycle's requests are what it writes
    void arm(const QString& cycles)
    {
        choose(Le, "MListeSymetrique");
        sc->HeuresCycleSym[Le] = 2;
        sc->MinutesDemiCycle[Le] = 60;
        sc->FinCycleSymX[Le] = 944;
        start().Text1.setText(cycles);
        start().StartSortie.click();
        ASSERT_TRUE(start().Timer8.enabled());
    }
    QStringList cycleLines() const { return histoMessages().filter("Cycle(s)"); }
};

TEST_F(SymCycleTest, ThreeTwoHourCycles)
{
    arm("3");
    start().Timer3.setEnabled(false);   // the cycle timer runs beside the tick; six hours go faster without it
    EXPECT_EQ(start().Label22.caption(), "08:00:00");
    EXPECT_EQ(start().Label32.caption(), "0");
    EXPECT_EQ(sc->NBCycles[Le], "3");

    runToClock(8, 59, 30);
    EXPECT_NE(s->request->StartStopPC[Le], 2);
    runToClock(9, 0, 30);
    EXPECT_EQ(s->request->StartStopPC[Le], 2);   // end of the first ON half
    runToClock(9, 59, 30);
    EXPECT_TRUE(cycleLines().isEmpty());
    runToClock(10, 0, 30);
    EXPECT_EQ(s->request->StartStopPC[Le], 1);
    EXPECT_EQ(cycleLines(), QStringList{"Cycle(s) : 0000001"});
    EXPECT_TRUE(histo().split("\r\n")[histo().split("\r\n").size() - 2].startsWith("  10:00:"));
    EXPECT_TRUE(logTimers(*log).Timer27.enabled() || s->tracesShared->TraceX[Le] == 6);   // LE-5's own trace restarts
    EXPECT_FALSE(logTimers(*log).Timer5.enabled());
    EXPECT_EQ(start().Label32.caption(), "1");

    runToClock(14, 0, 30);
    EXPECT_EQ(cycleLines(), (QStringList{"Cycle(s) : 0000001", "Cycle(s) : 0000002", "Cycle(s) : 0000003"}));
    EXPECT_EQ(s->request->StartStopPC[Le], 2);
    EXPECT_FALSE(start().Timer8.enabled());
    EXPECT_EQ(leStrips(*log).Label26[Le].backColor(), plat::ButtonFace);
    EXPECT_EQ(s->schedule->FlagDemiCycleOff[Le], 1);
}

TEST_F(SymCycleTest, StopAllKeepsTheLEStoppedThroughTheNextOnHalf)
{
    arm("3");
    start().Timer8.setInterval(2000);   // the minutes variant: halves of 2 minutes
    runToClock(8, 1, 0);
    logTimers(*log).Timer16.setEnabled(true);      // an alarm's stop-all, in the ON half
    runToClock(8, 1, 10);
    EXPECT_EQ(s->request->StartStopPC[Le], 2);
    runToClock(8, 5, 0);                // the next ON half
    EXPECT_EQ(cycleLines().size(), 1);  // the cycle itself goes on
    EXPECT_EQ(s->request->StartStopPC[Le], 2);

    // Choosing the mode again lets a cycle start it again.
    choose(Le, "MListeSymetrique");
    EXPECT_EQ(s->run->StoppedByStopAll[Le], 0);
}

} // namespace
