// LE-1's light-triggered asymmetric mode on the fake LE: the set-point the
// tick derives from the LFC-3 level and the CAL value, as the LE receives it
// in phase 5 and as the main window shows it, and the stop and restart at
// the trigger level of the half-day.
#include "run/LogRun.h"
#include "run/RunState.h"
#include "scheduler/RefLevelTrigLFC3.h"
#include "scheduler/SchedulerFixture.h"
#include "shell/LinkRequest.h"
#include "shell/LinkStatus.h"
#include "shell/Log.h"
#include "shell/ScheduleFlags.h"
#include "shell/State.h"

using namespace orv;

namespace {

class LightTriggerTest : public SchedulerTest {
protected:
    FakeLE* fake = nullptr;

    void SetUp() override
    {
        SchedulerTest::SetUp();
        settings().Check4[0].setValue(1);
        s->schedule->CalLFC2[0] = 100;
        fake = &linkedFake(0);
        fake->statusOverride[le::pos::LFC3] = 40;
        s->common->SelectedLE = 1;
        choose(0, "MListeAsymetrique");
        ASSERT_EQ(start().Label1.caption(), "Asym");
    }
    RefLevelTrigLFC3& trigger() { return *prog->form<RefLevelTrigLFC3>(); }

    void runLE1()
    {
        s->request->StartStopPC[0] = 1;
        log->run->LectParamStampLE(0);
        ASSERT_TRUE(t.time.runUntil([&] { return s->status->PhaseLP[0] == 5; }, 30000));
    }
    int lastPower() const { return fake->commands().back()[le::pos::Power]; }
};

TEST_F(LightTriggerTest, SetPointFollowsTheLightInPhase5AndIs500Before)
{
    t.time.advance(1500);
    EXPECT_EQ(sc->ConsigneLFC3, 500);
    EXPECT_EQ(s->request->ConsignePW[0], 50);
    EXPECT_EQ(log->Label15[0].caption(), "500");
    EXPECT_EQ(log->Label3.caption(), "500");   // LE-1 is selected in the start-selection window

    const size_t before = fake->commands().size();
    runLE1();
    for (size_t i = before; i < fake->commands().size(); ++i) {
        const le::Fields& f = fake->commands()[i];
        if (f[le::pos::Phase] >= 1 && f[le::pos::Phase] <= 4) {
            EXPECT_EQ(f[le::pos::Power], 50) << i;
        }
    }

    struct Case {
        int lfc3;
        int we;   // ConsigneLFC3
        int pw;   // the frame's set-point byte
    } cases[] = {
        {40, 660, 66},     // d 60, n 60
        {100, 510, 51},    // s 0, raised to 510
        {200, 510, 51},    // v held at 130: d 30, n 30, s 330 -> 510
        {0, 1100, 110},    // n 100
        {15, 935, 94},     // 93.5 to the even 94
        {25, 825, 82},     // 82.5 to the even 82
    };
    for (const Case& c : cases) {
        fake->statusOverride[le::pos::LFC3] = c.lfc3;
        t.time.advance(2000);
        EXPECT_EQ(sc->ConsigneLFC3, c.we) << c.lfc3;
        EXPECT_EQ(log->Label15[0].caption(), QString::number(c.we)) << c.lfc3;
        EXPECT_EQ(trigger().Label25.caption(), QString::number(c.pw * 10) + " We") << c.lfc3;
        EXPECT_EQ(log->VScroll1.value(), c.pw) << c.lfc3;
        EXPECT_EQ(lastPower(), c.pw) << c.lfc3;
    }

    // CAL 0 is taken as 1: the largest difference, 1210, becomes 1050.
    s->schedule->CalLFC2[0] = 0;
    fake->statusOverride[le::pos::LFC3] = 130;
    t.time.advance(2000);
    EXPECT_EQ(trigger().Label17.caption(), "1");
    EXPECT_EQ(trigger().Label20.caption(), "1210");
    EXPECT_EQ(sc->ConsigneLFC3, 1050);
    EXPECT_EQ(lastPower(), 105);
}

TEST_F(LightTriggerTest, StopsAboveTheLevelAndRestartsWithAReadWhenTheLightFalls)
{
    runLE1();
    trigger().Text1.setText("60");   // typed, not stored: acts from the next tick
    t.time.advance(2000);
    EXPECT_EQ(s->request->StartStopPC[0], 1);

    fake->statusOverride[le::pos::LFC3] = 90;
    t.time.advance(1500);
    EXPECT_EQ(s->request->StartStopPC[0], 2);
    EXPECT_EQ(s->schedule->FlagTrigLFC3Off[0], 1);
    EXPECT_EQ(trigger().Label33.caption(), "OFF");
    EXPECT_EQ(trigger().Label33.backColor(), plat::rgb(0xFF, 0x80, 0x80));
    ASSERT_TRUE(t.time.runUntil([&] { return s->status->PhaseLP[0] == 0; }, 200000));
    t.time.advance(3000);
    EXPECT_EQ(s->request->StartStopPC[0], 2);   // the light is still above the level

    const int starts = histoMessages().count("LE1  Starting LE ");
    const size_t before = fake->commands().size();
    fake->statusOverride[le::pos::LFC3] = 60;   // at the level
    ASSERT_TRUE(t.time.runUntil([&] { return s->schedule->FlagTrigLFC3Off[0] == 0 && s->status->PhaseLP[0] >= 1; }, 20000));
    // The tick does not wait for the read: the start is recorded once the
    // transfer notice has closed.
    ASSERT_TRUE(t.time.runUntil([&] { return !log->run->ParamReadQueued(0); }, 10000));
    EXPECT_EQ(histoMessages().count("LE1  Starting LE "), starts + 1);
    bool readRequested = false;
    for (size_t i = before; i < fake->commands().size(); ++i)
        readRequested = readRequested || fake->commands()[i][le::pos::Bank] == le::BankReadParam;
    EXPECT_TRUE(readRequested);
    EXPECT_EQ(s->schedule->FlagTrigLFC3Off[0], 0);
    EXPECT_EQ(trigger().Label33.caption(), "ON");
    EXPECT_EQ(trigger().Label33.backColor(), plat::rgb(0xC0, 0xFF, 0xC0));
}

TEST_F(LightTriggerTest, TheAfternoonLevelTakesOverAtNoon)
{
    setClock(2026, 3, 2, 11, 59, 30);
    runLE1();
    trigger().Text1.setText("0");
    trigger().Text2.setText("60");
    fake->statusOverride[le::pos::LFC3] = 90;
    runToClock(11, 59, 59);
    EXPECT_EQ(s->request->StartStopPC[0], 1);
    EXPECT_FALSE(trigger().Label30.enabled());   // no H1
    runToClock(12, 0, 1);
    EXPECT_EQ(s->request->StartStopPC[0], 2);
    EXPECT_EQ(trigger().Label34.caption(), "OFF");
    EXPECT_EQ(trigger().Label33.caption(), "");
}

TEST_F(LightTriggerTest, NothingRunsWithoutTheSensorSetting)
{
    settings().Check4[0].setValue(0);
    trigger().Label16.setCaption("last");
    runLE1();
    trigger().Text1.setText("10");
    fake->statusOverride[le::pos::LFC3] = 90;
    t.time.advance(3000);
    EXPECT_EQ(trigger().Label16.caption(), "last");
    EXPECT_EQ(s->request->StartStopPC[0], 1);
    EXPECT_EQ(lastPower(), 50);   // the set-point file's value
}

} // namespace
