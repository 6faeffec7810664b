// The QTH lamp alarm window on virtual time with fake LEs: the threshold and
// the conditions, the 3 s arming, one report per channel and latch (list,
// history, menu mark, warning box, stop-all), the alarm relays on the line,
// reset, phase 6, the watched-LE menus and the files its Quit writes.
#include "alarms/AlarmFixture.h"
#include "alarms/AlarmsState.h"
#include "alarms/Halogen.h"
#include "shell/LinkRequest.h"
#include "shell/LogTimers.h"
#include "shell/MainMenus.h"
#include "shell/MainPanels.h"
#include "shell/State.h"

#include <functional>

using namespace orv;

namespace {

constexpr int VIS = le::pos::VIS, IR = le::pos::IR;

class QthAlarmTest : public AlarmTest {
protected:
    Halogen& w() { return *prog->form<Halogen>(); }

    // LE-1 watched on channel 0 against 100, the QTH lamps on, the main
    // window's "QTH-Lamps" switch on.
    void arm()
    {
        w().mnuLP1Active.click();
        w().Check1[0].setValue(1);
        w().VScroll1.setValue(100);
        if (!mainMenus(*log).mnuAlarmHalogen.checked()) mainMenus(*log).mnuAlarmHalogen.click();
        s->request->RelayQTH[0] = 1;
    }
    int count(const QStringList& lines, const QString& text) const { return int(lines.count(text)); }
};

TEST_F(QthAlarmTest, ThresholdItselfIsNoAlarmOneBelowIsAfterArming)
{
    arm();
    report(0, 5, {{VIS, 100}});
    t.time.advance(3500);
    EXPECT_FALSE(w().Picture5.visible());
    EXPECT_EQ(w().Label78[0].caption(), "100");
    EXPECT_EQ(w().caption(), "  QTH Alarm Control  (QTH=ON)");
    EXPECT_EQ(exchange(0, 5, {{VIS, 100}})[le::pos::RelayAlarm], 0);
    EXPECT_EQ(count(listLines(), "AD0  QTH-Alarm Lamp "), 0);

    // Armed already: one step below raises it at the next tick.
    report(0, 5, {{VIS, 99}});
    t.time.advance(100);
    EXPECT_TRUE(w().Picture5.visible());
    EXPECT_EQ(listLines().last(), "AD0  QTH-Alarm Lamp ");
    EXPECT_EQ(exchange(0, 5, {{VIS, 99}})[le::pos::RelayAlarm], 1);
}

TEST_F(QthAlarmTest, ConditionDuringTheFirstThreeSecondsOnlyShowsTheIndicator)
{
    arm();
    report(0, 5, {{VIS, 99}});
    t.time.advance(2900);
    EXPECT_TRUE(w().Picture5.visible());
    EXPECT_EQ(exchange(0, 5, {{VIS, 99}})[le::pos::RelayAlarm], 0);
    EXPECT_EQ(count(listLines(), "AD0  QTH-Alarm Lamp "), 0);
    EXPECT_FALSE(logTimers(*log).Timer16.enabled());

    t.time.advance(300);   // armed 3 s after the first tick that saw the run, tested at the next
    EXPECT_EQ(count(listLines(), "AD0  QTH-Alarm Lamp "), 1);
    EXPECT_EQ(exchange(0, 5, {{VIS, 99}})[le::pos::RelayAlarm], 1);
}

TEST_F(QthAlarmTest, ReportedOncePerChannelWithTheStopOfAllLEs)
{
    arm();
    report(1, 5);   // LE-2 runs too
    report(0, 5, {{VIS, 40}});
    t.time.advance(3050);
    ASSERT_EQ(count(listLines(), "AD0  QTH-Alarm Lamp "), 0);
    t.time.advance(200);
    ASSERT_EQ(count(listLines(), "AD0  QTH-Alarm Lamp "), 1);

    EXPECT_EQ(listLines().last(), "AD0  QTH-Alarm Lamp ");
    EXPECT_EQ(mainPanels(*log).List4.foreColor(), plat::colors::Red);
    EXPECT_EQ(count(histoMessages(), "AD0  QTH-Alarm Lamp "), 1);
    EXPECT_TRUE(histo().contains("    000    AD0  QTH-Alarm Lamp \r\n"));
    EXPECT_EQ(mainMenus(*log).mnuAlarmHalogen.caption(), "QTH-Lamp *");
    EXPECT_EQ(box().Label2.caption(), "LE1 QTH-Lamp");
    EXPECT_EQ(box().Label1.caption(), "Alarm");
    EXPECT_EQ(box().caption(), " Warning !");
    EXPECT_TRUE(box().visible());
    EXPECT_FALSE(box().isModal());
    EXPECT_TRUE(logTimers(*log).Timer16.enabled());
    // Every LE from LE-1 to LE-6 gets the alarm relay.
    EXPECT_EQ(exchange(1, 5)[le::pos::RelayAlarm], 1);

    // The stop-all sequence: one LE a second.
    t.time.advance(1000);
    EXPECT_EQ(exchange(0, 5, {{VIS, 40}})[le::pos::StartStop], 2);
    EXPECT_EQ(exchange(1, 5)[le::pos::StartStop], 0);
    t.time.advance(1000);
    EXPECT_EQ(exchange(1, 5)[le::pos::StartStop], 2);

    // Still below: no second report.
    t.time.advance(3000);
    EXPECT_EQ(count(listLines(), "AD0  QTH-Alarm Lamp "), 1);
    EXPECT_EQ(count(histoMessages(), "AD0  QTH-Alarm Lamp "), 1);
}

TEST_F(QthAlarmTest, TwoChannelsInOneTickAreReportedChannelZeroFirst)
{
    arm();
    w().Check1[1].setValue(1);
    report(0, 5, {{VIS, 10}, {IR, 20}});
    t.time.advance(3200);
    const QStringList lines = listLines();
    ASSERT_GE(lines.size(), 2);
    EXPECT_EQ(lines.mid(lines.size() - 2), (QStringList{"AD0  QTH-Alarm Lamp ", "AD1  QTH-Alarm Lamp "}));
    const QStringList histo = histoMessages();
    EXPECT_EQ(histo.mid(histo.size() - 2), (QStringList{"AD0  QTH-Alarm Lamp ", "AD1  QTH-Alarm Lamp "}));
}

TEST_F(QthAlarmTest, NoAlarmUnlessEveryConditionHolds)
{
    struct Case { const char* what; std::function<void()> arrange; int phase; int level; };
    const Case cases[] = {
        {"level equal to the threshold", [] {}, 5, 100},
        {"channel not enabled", [&] { w().Check1[0].setValue(0); }, 5, 10},
        {"QTH lamps off", [&] { s->request->RelayQTH[0] = 0; }, 5, 10},
        {"LE not running", [] {}, 4, 10},
        {"another LE watched", [&] { w().mnuLP2Active.click(); }, 5, 10},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        arm();
        c.arrange();
        report(0, c.phase, {{VIS, c.level}});
        t.time.advance(3500);
        EXPECT_FALSE(w().Picture5.visible());
        EXPECT_EQ(exchange(0, c.phase, {{VIS, c.level}})[le::pos::RelayAlarm], 0);
        EXPECT_EQ(count(listLines(), "AD0  QTH-Alarm Lamp "), 0);
    }
    // What the window shows of the failing conditions.
    w().Check1[0].setValue(0);
    s->request->RelayQTH[0] = 0;
    t.time.advance(100);
    EXPECT_FALSE(w().Picture1[0].visible());
    EXPECT_FALSE(w().Label78[0].visible());
    EXPECT_EQ(w().caption(), "  QTH Alarm Control  (QTH=OFF)");
}

TEST_F(QthAlarmTest, SwitchOffInTheMainWindowHoldsTheRelaysWithoutReport)
{
    arm();
    mainMenus(*log).mnuAlarmHalogen.click();   // unticks "QTH-Lamps"
    ASSERT_FALSE(mainMenus(*log).mnuAlarmHalogen.checked());
    report(0, 5, {{VIS, 10}});
    t.time.advance(3500);
    EXPECT_EQ(exchange(0, 5, {{VIS, 10}})[le::pos::RelayAlarm], 1);
    EXPECT_EQ(count(listLines(), "AD0  QTH-Alarm Lamp "), 0);
    EXPECT_FALSE(logTimers(*log).Timer16.enabled());
    EXPECT_EQ(s->alarms->AlarmQTHReported[0], 0);
}

TEST_F(QthAlarmTest, ResetReleasesTheRelaysUntilTheNextTickAndEmptiesTheDialogueFile)
{
    arm();
    report(0, 5, {{VIS, 10}});
    t.time.advance(3500);
    ASSERT_EQ(s->alarms->AlarmQTHReported[0], 1);
    writeFile("C:\\WINDOWS\\Dialogue.txt", "something\r\n");

    w().mnuResetAlarm.click();
    EXPECT_FALSE(w().Picture5.visible());
    EXPECT_EQ(readFile("C:\\WINDOWS\\Dialogue.txt"), QByteArray("\"\"\r\n"));
    for (int le = 0; le < 6; ++le) EXPECT_EQ(s->request->alarmRelayRequest(le), 0) << le;
    EXPECT_EQ(mainMenus(*log).mnuAlarmHalogen.caption(), "QTH-Lamp *");

    // Condition and arming hold: relays and indicator are back, no new report.
    t.time.advance(100);
    EXPECT_TRUE(w().Picture5.visible());
    EXPECT_EQ(exchange(0, 5, {{VIS, 10}})[le::pos::RelayAlarm], 1);
    EXPECT_EQ(count(listLines(), "AD0  QTH-Alarm Lamp "), 1);
}

TEST_F(QthAlarmTest, PhaseSixOfTheWatchedLEClearsQthAndAlarmRelaysOfAllSix)
{
    arm();
    for (int le = 1; le < 6; ++le) s->request->RelayQTH[le] = 1;
    report(0, 5, {{VIS, 10}});
    t.time.advance(3500);
    ASSERT_EQ(exchange(2, 5)[le::pos::RelayAlarm], 1);

    report(0, 6, {{VIS, 10}});
    t.time.advance(100);
    for (int le = 0; le < 6; ++le) EXPECT_EQ(s->request->RelayQTH[le], 0) << le;
    const le::Fields f = exchange(2, 5);
    EXPECT_EQ(f[le::pos::RelayQTH], 0);
    EXPECT_EQ(f[le::pos::RelayAlarm], 0);
}

TEST_F(QthAlarmTest, ChoosingAnLEUnticksTheOthers)
{
    w().mnuLP2Active.click();
    w().mnuLP5Active.click();
    w().mnuLP2Active.click();
    for (int le = 0; le < 6; ++le) EXPECT_EQ(w().mnuLPActive(le).checked(), le == 1) << le;
    EXPECT_EQ(s->alarms->LEActiveAlarm, 1);
    EXPECT_EQ(s->alarms->FlagLPActive, 1);

    // Ticks from a hand-edited file: the highest ticked LE is watched.
    w().mnuLP4Active.setChecked(true);
    t.time.advance(100);
    EXPECT_EQ(s->alarms->LEActiveAlarm, 3);
}

TEST_F(QthAlarmTest, MenusOfferOnlyActivatedLEs)
{
    settings().Check1[3].setValue(0);
    w();
    t.time.advance(100);
    for (int le = 0; le < 6; ++le) EXPECT_EQ(w().mnuLPActive(le).visible(), le != 3) << le;
}

TEST_F(QthAlarmTest, QuitWritesBothFilesAndTheNextStartReadsThemBack)
{
    w().mnuLP3Active.click();
    w().Check1[0].setValue(1);
    w().Check1[2].setValue(1);
    w().VScroll1.setValue(87);
    w().show();
    w().mnuQuitterHalogen.click();
    EXPECT_FALSE(w().visible());
    EXPECT_NE(prog->ifLoaded<Halogen>(), nullptr);
    EXPECT_EQ(baseFile("Consigne.ini"), QByteArray("87\r\n"));
    EXPECT_EQ(baseFile("StatusHalogen.ini"),
              QByteArray("0\r\n0\r\n1\r\n0\r\n0\r\n0\r\n1\r\n0\r\n1\r\n0\r\n") + QByteArray("0\r\n").repeated(8));
    EXPECT_EQ(readFile("C:\\WINDOWS\\Dialogue.txt"), QByteArray("\"\"\r\n"));

    restart();
    ASSERT_NE(prog->ifLoaded<Halogen>(), nullptr);
    for (int le = 0; le < 6; ++le) EXPECT_EQ(w().mnuLPActive(le).checked(), le == 2) << le;
    EXPECT_EQ(s->alarms->LEActiveAlarm, 2);
    EXPECT_EQ(w().Check1[0].value(), 1);
    EXPECT_EQ(w().Check1[1].value(), 0);
    EXPECT_EQ(w().Check1[2].value(), 1);
    EXPECT_EQ(w().VScroll1.value(), 87);
    EXPECT_EQ(w().Label78[4].caption(), "87");
}

} // namespace
