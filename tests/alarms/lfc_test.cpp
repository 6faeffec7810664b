// The LFC level alarm window on virtual time with fake LEs: the band limits,
// the flag that reception turns into the LFC alarm (once per LE and latch),
// the relay request of the LE watched in the QTH window, crossed limits,
// hidden columns still tested, reset, and the file its Quit writes.
#include "alarms/AlarmFixture.h"
#include "alarms/AlarmsState.h"
#include "alarms/ControlLfcAlarm.h"
#include "shell/AlarmsShared.h"
#include "shell/LogTimers.h"
#include "shell/MainMenus.h"

using namespace orv;

namespace {

constexpr int LFC = le::pos::LFC;

class LfcAlarmTest : public AlarmTest {
protected:
    ControlLfcAlarm& w() { return *prog->form<ControlLfcAlarm>(); }

    // LE-1 watched in the band 50..200, the main window's "LFC" switch on,
    // LE-1 watched in the QTH window.
    void arm()
    {
        w();
        t.time.advance(60);   // the window's own reload of its file is done
        w().Check1[0].setValue(1);
        w().VScroll1[0].setValue(50);
        w().VScroll1[1].setValue(200);
        if (!mainMenus(*log).mnuAlarmLFC.checked()) mainMenus(*log).mnuAlarmLFC.click();
        s->alarms->LEActiveAlarm = 0;
    }
    int alarmLines(int n) const { return int(listLines().count(QStringLiteral("LE%1  Alarm LFC ").arg(n))); }
};

TEST_F(LfcAlarmTest, LevelsOnTheLimitsAreInsideOneStepOutsideIsAlarm)
{
    arm();
    struct Case { int level; bool alarm; };
    for (const Case c : {Case{50, false}, Case{200, false}, Case{49, true}, Case{201, true}, Case{120, false}}) {
        SCOPED_TRACE(c.level);
        report(0, 5, {{LFC, c.level}});
        t.time.advance(200);
        EXPECT_EQ(s->alarmsShared->AlarmLFCActive, c.alarm ? 1 : 0);
        EXPECT_EQ(w().Picture5.visible(), c.alarm);
        EXPECT_EQ(exchange(0, 5, {{LFC, c.level}})[le::pos::RelayAlarm], c.alarm ? 1 : 0);
    }
    EXPECT_EQ(w().Label3[0].caption(), "50");
    EXPECT_EQ(w().Label3[1].caption(), "200");
    EXPECT_EQ(w().Label3[0].backColor(), plat::ButtonFace);
    EXPECT_EQ(w().Label2.caption(), "LE Active : 1");
}

TEST_F(LfcAlarmTest, ReceptionReportsTheAlarmOncePerLatch)
{
    arm();
    report(0, 5, {{LFC, 30}});
    t.time.advance(200);
    EXPECT_EQ(alarmLines(1), 0);   // the window itself raises no message
    report(0, 5, {{LFC, 30}});
    EXPECT_EQ(listLines().last(), "LE1  Alarm LFC ");
    EXPECT_EQ(int(histoMessages().count("LE1  Alarm LFC ")), 1);
    EXPECT_EQ(mainMenus(*log).mnuAlarmLFC.caption(), "LFC *");
    EXPECT_EQ(box().Label2.caption(), "LE1 LFC");
    EXPECT_TRUE(box().visible());
    EXPECT_TRUE(logTimers(*log).Timer16.enabled());

    for (int i = 0; i < 5; ++i) {
        t.time.advance(200);
        report(0, 5, {{LFC, 30}});
    }
    EXPECT_EQ(alarmLines(1), 1);
}

TEST_F(LfcAlarmTest, RelayGoesToTheLEWatchedInTheQthWindowAndResetDropsItUntilTheNextTest)
{
    arm();
    s->alarms->LEActiveAlarm = 2;   // LE-3
    report(0, 5, {{LFC, 250}});
    t.time.advance(200);
    EXPECT_EQ(w().Label2.caption(), "LE Active : 3");
    EXPECT_EQ(exchange(2, 0)[le::pos::RelayAlarm], 1);
    EXPECT_EQ(exchange(0, 5, {{LFC, 250}})[le::pos::RelayAlarm], 0);

    w().mnuResetAlarm.click();
    EXPECT_FALSE(w().Picture5.visible());
    EXPECT_EQ(exchange(2, 0)[le::pos::RelayAlarm], 0);
    t.time.advance(200);
    EXPECT_TRUE(w().Picture5.visible());
    EXPECT_EQ(exchange(2, 0)[le::pos::RelayAlarm], 1);
}

TEST_F(LfcAlarmTest, CrossedLimitsOfANewFileAlarmEveryWatchedRunningLE)
{
    w();
    t.time.advance(60);
    ASSERT_EQ(w().VScroll1[0].value(), 130);   // as start-up created the file
    ASSERT_EQ(w().VScroll1[1].value(), 30);
    t.time.advance(200);
    EXPECT_EQ(w().Label3[0].backColor(), plat::colors::Red);
    EXPECT_EQ(w().Label3[1].backColor(), plat::colors::Red);
    report(1, 5, {{LFC, 80}});
    t.time.advance(200);
    EXPECT_EQ(s->alarmsShared->AlarmLFCActive, 0);   // no box ticked
    w().Check1[1].setValue(1);
    t.time.advance(200);
    EXPECT_EQ(s->alarmsShared->AlarmLFCActive, 1);
}

TEST_F(LfcAlarmTest, HiddenColumnOfAnLENotActivatedIsStillTested)
{
    arm();
    settings().Check1[1].setValue(0);
    w().Check1[1].setValue(1);
    report(1, 5, {{LFC, 10}});
    t.time.advance(300);
    EXPECT_FALSE(w().Picture3[1].visible());
    EXPECT_FALSE(w().Check1[1].visible());
    EXPECT_FALSE(w().Label7.visible());
    EXPECT_TRUE(w().Picture3[0].visible());
    EXPECT_EQ(s->alarmsShared->AlarmLFCActive, 1);
}

TEST_F(LfcAlarmTest, QuitWritesTheFileAndTheNextStartReadsItBack)
{
    arm();
    w().VScroll1[0].setValue(40);
    w().VScroll1[1].setValue(210);
    w().Check1[2].setValue(1);
    w().Check2.setValue(1);
    w().show();
    w().mnuQuitte.click();
    EXPECT_FALSE(w().visible());
    EXPECT_EQ(baseFile("ConsSliderLCF.ini"), QByteArray("40\r\n210\r\n1\r\n0\r\n1\r\n0\r\n0\r\n0\r\n1\r\n"));

    restart();
    ASSERT_NE(prog->ifLoaded<ControlLfcAlarm>(), nullptr);
    t.time.advance(60);
    EXPECT_EQ(w().VScroll1[0].value(), 40);
    EXPECT_EQ(w().VScroll1[1].value(), 210);
    EXPECT_EQ(w().Label3[1].caption(), "210");
    for (int i = 0; i < 6; ++i) EXPECT_EQ(w().Check1[i].value(), i == 0 || i == 2 ? 1 : 0) << i;
    EXPECT_EQ(w().Check2.value(), 1);
    EXPECT_FALSE(w().Check2.visible());
}

} // namespace
