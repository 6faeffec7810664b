// The link watchdogs on virtual time: the port test passes (list lines,
// closing and reopening a port without marked frames, the 12th miss), a line
// that goes away and comes back, and the "No communication with machine"
// watchdog (timing, report once, warning box, acknowledgement, recovery).
#include "link/ConfigurationRS232.h"
#include "link/LinkState.h"
#include "link/LinkWatchFixture.h"
#include "link/LogLink.h"
#include "shell/BoiteDialogue.h"
#include "shell/LinkStatus.h"
#include "shell/Log.h"
#include "shell/RunShared.h"
#include "shell/State.h"


using namespace orv;

namespace {

const QString Miss = " <---  ? ";
const QString LostLine = "LE1  No communication with machine System!";

QString line(const char* marker, int mark, int number, const QString& note = {})
{
    return QStringLiteral(" %1   COM(i) = %2   LE-%3   ").arg(marker).arg(mark).arg(number) + note;
}

} // namespace

class WatchdogTest : public LinkWatchTest {
protected:
    BoiteDialogue* box() { return prog->ifLoaded<BoiteDialogue>(); }
    bool boxShown() { return box() && box()->visible(); }

    // The user validates the port configuration with these LE indexes
    // activated on line index + 1.
    void validatePorts(std::initializer_list<int> les)
    {
        ConfigurationRS232& win = *prog->form<ConfigurationRS232>();
        for (int le : les) {
            win.Text1[le].setText(QString::number(le + 1));
            win.Check1[le].setValue(1);
        }
        win.Command1.click();
    }
    std::array<QString, 8> valueCaptions(int le)
    {
        std::array<QString, 8> c;
        int k = 0;
        for (auto* a : {&log->Label31, &log->Label32, &log->Label33, &log->Label34, &log->Label35, &log->Label39,
                        &log->Label40, &log->Label41})
            c[k++] = (*a)[le].caption();
        return c;
    }
};

// ------------------------------------------------------------ port watchdog

TEST_F(WatchdogTest, APassListsEveryPortAndLeavesAMarkedOneAlone)
{
    start();
    FakeLE le1(t, 1, 1);
    activate({0});
    t.time.advance(2000);   // the pass armed by the activation

    QStringList expected{line("123", 1, 1)};
    for (int n = 2; n <= 8; ++n) expected << line("000", 0, n);
    EXPECT_EQ(log->List3.items(), expected);
    EXPECT_TRUE(log->MSComm1.portOpen());
    EXPECT_EQ(t.ports.openCount(1), 1);
    EXPECT_TRUE(watchdogIdle());
    for (int le = 0; le < 8; ++le) EXPECT_EQ(s->runShared->ComptageCOM[le], 0);

    t.time.advance(5000);
    EXPECT_EQ(log->List3.listCount(), 0);
    EXPECT_TRUE(watchdogIdle());
}

TEST_F(WatchdogTest, AnOpenPortWithoutAnLEIsResetAtEachMissUntilTheTwelfthUnticksIt)
{
    start();
    validatePorts({1});
    ASSERT_FALSE(prog->ifLoaded<ConfigurationRS232>());

    // First pass: the port is closed, shown "no", and re-tested a second later.
    ASSERT_TRUE(t.time.runUntil([&] { return log->List3.listCount() > 0; }));
    EXPECT_EQ(log->List3.list(1), line("000", 1, 2, Miss));
    EXPECT_FALSE(log->MSComm2.portOpen());
    EXPECT_EQ(log->Label21[1].caption(), "no");
    EXPECT_EQ(log->Label21[1].backColor(), plat::ButtonFace);
    EXPECT_EQ(s->status->ComPortOpen[1], 0);
    EXPECT_FALSE(txTimer(1).enabled());
    EXPECT_EQ(s->runShared->ComptageCOM[1], 1);

    ASSERT_TRUE(t.time.runUntil([&] { return t.ports.isOpen(2); }));
    EXPECT_EQ(s->status->ComPortOpen[1], 1);
    ASSERT_TRUE(t.time.runUntil([&] { return log->List3.items().contains(" Re-test ComX full"); }));

    // The 12th miss gives up: the LE is unticked, its port stays open.
    ASSERT_TRUE(t.time.runUntil([&] {
        ConfigurationRS232* win = prog->ifLoaded<ConfigurationRS232>();
        return win && win->Check1[1].value() == 0;
    }));
    EXPECT_EQ(log->List3.list(1), line("000", 0, 2, Miss));
    EXPECT_EQ(s->runShared->ComptageCOM[1], 11);
    EXPECT_TRUE(log->MSComm2.portOpen());
    EXPECT_EQ(t.ports.openCount(2), 12);   // the first open and eleven reopens
    EXPECT_FALSE(prog->ifLoaded<ConfigurationRS232>()->visible());

    t.time.advance(60000);
    EXPECT_TRUE(watchdogIdle());
    EXPECT_EQ(s->runShared->ComptageCOM[1], 11);
    EXPECT_EQ(t.ports.openCount(2), 12);
    EXPECT_EQ(s->link->ComPortEnabled[1], "1");   // the configuration in force is unchanged
}

TEST_F(WatchdogTest, MissesAddUpAcrossOutagesUntilTheNextStart)
{
    start();
    FakeLE le3(t, 3, 3);
    le3.model.silence(true);
    activate({2});
    ASSERT_TRUE(t.time.runUntil([&] { return s->runShared->ComptageCOM[2] == 2; }));
    le3.model.silence(false);
    ASSERT_TRUE(t.time.runUntil([&] { return watchdogIdle() && log->Label21[2].caption() == "yes"; }));
    t.time.advance(10000);
    EXPECT_EQ(s->runShared->ComptageCOM[2], 2);

    // A later outage goes on from there.
    le3.model.silence(true);
    validatePorts({2});   // the user validates the port configuration again
    t.time.advance(2000);
    EXPECT_EQ(s->runShared->ComptageCOM[2], 3);
}

// The line of a running LE goes away (adapter pulled) while the LE is also
// silent for a while: the loss is reported once, the port is re-tested until
// the LE is back, and the other LE's link never notices.
TEST_F(WatchdogTest, ALineThatGoesAwayIsReopenedAndTheLinkComesBack)
{
    writeSettings({0, 1}, true);
    start();
    FakeLE le1(t, 1, 1), le2(t, 2, 2);
    activate({0, 1});
    ASSERT_TRUE(t.time.runUntil([&] { return watchdogIdle() && log->Label21[0].caption() == "yes"; }));
    const size_t le2Before = le2.commands().size();
    const int64_t from = t.time.nowMs();

    le1.model.silence(true);
    t.ports.unplug(1);
    ASSERT_TRUE(t.time.runUntil([&] { return boxShown(); }));
    EXPECT_EQ(box()->Label1.caption(), "No communication with machine");
    EXPECT_EQ(log->List4.items(), QStringList{LostLine});
    EXPECT_GE(t.ports.openCount(1), 3);   // closed and reopened at each miss meanwhile
    EXPECT_GE(s->runShared->ComptageCOM[0], 3);
    for (const QString& c : valueCaptions(0)) EXPECT_EQ(c, "---");

    le1.model.silence(false);
    ASSERT_TRUE(t.time.runUntil([&] { return log->Label21[0].caption() == "yes"; }));
    t.time.advance(500);
    EXPECT_EQ(s->status->FlagCommPerdue[0], 0);
    EXPECT_EQ(s->common->ComptageComm[0], 0);
    EXPECT_EQ(log->Label40[0].caption(), "25");   // reception writes the values again
    const int misses = s->runShared->ComptageCOM[0];
    ASSERT_TRUE(t.time.runUntil([&] { return watchdogIdle(); }));
    t.time.advance(5000);
    EXPECT_EQ(s->runShared->ComptageCOM[0], misses);
    EXPECT_EQ(log->List4.listCount(), 1);
    EXPECT_EQ(histoLines().size(), 1);

    // LE-2 was answered all along, on the port it was given at first.
    EXPECT_EQ(t.ports.openCount(2), 1);
    EXPECT_EQ(s->status->FlagCommPerdue[1], 0);
    const double frames = double(t.time.nowMs() - from) / 250;
    EXPECT_NEAR(double(le2.commands().size() - le2Before), frames, 1.5);
}

TEST_F(WatchdogTest, AnLESilentOnALineStillThereIsReportedButItsPortIsLeftOpen)
{
    writeSettings({0}, true);
    start();
    FakeLE le1(t, 1, 1);
    activate({0});
    ASSERT_TRUE(t.time.runUntil([&] { return watchdogIdle() && log->Label21[0].caption() == "yes"; }));
    le1.model.silence(true);
    ASSERT_TRUE(t.time.runUntil([&] { return boxShown(); }));
    EXPECT_EQ(t.ports.openCount(1), 1);
    EXPECT_TRUE(watchdogIdle());
}

// ------------------------------------------------- no-communication watchdog

TEST_F(WatchdogTest, AnActivatedLENeverAnsweredIsDeclaredLost13SecondsAfterLoad)
{
    writeSettings({0}, true);
    const int64_t load = t.time.nowMs();
    start();
    log->Label37[0].setCaption("12");
    log->Label42[0].setCaption("34");

    t.time.advance(load + 12999 - t.time.nowMs());
    EXPECT_FALSE(box());
    EXPECT_EQ(s->common->ComptageComm[0], 25);
    EXPECT_EQ(s->status->FlagCommPerdue[0], 0);
    EXPECT_EQ(s->common->ComptageComm[1], 0);   // LE-2 is not activated in the settings

    t.time.advance(1);
    ASSERT_TRUE(boxShown());
    EXPECT_FALSE(box()->isModal());
    EXPECT_EQ(box()->caption(), " Warning !");
    EXPECT_EQ(box()->Label1.caption(), "No communication with machine");
    EXPECT_EQ(box()->Label2.caption(), "         System!");
    EXPECT_EQ(box()->Label3.caption(), "08/12/2026 / 14:05:13");
    EXPECT_EQ(log->List4.items(), QStringList{LostLine});
    EXPECT_EQ(log->List4.foreColor(), plat::colors::Red);
    ASSERT_EQ(histoLines().size(), 1);
    EXPECT_TRUE(histoLines()[0].trimmed().endsWith("000    " + LostLine.toLatin1()));
    EXPECT_EQ(s->status->FlagCommPerdue[0], 1);
    for (const QString& c : valueCaptions(0)) EXPECT_EQ(c, "---");
    EXPECT_EQ(log->Label37[0].caption(), "12");
    EXPECT_EQ(log->Label42[0].caption(), "34");

    // Reported once; the box stays.
    t.time.advance(5000);
    EXPECT_EQ(log->List4.listCount(), 1);
    EXPECT_EQ(histoLines().size(), 1);
    EXPECT_TRUE(boxShown());
}

TEST_F(WatchdogTest, ALinkBackEndsTheLossAndOnlyOKLetsTheNextLossBeReportedAgain)
{
    writeSettings({0}, true);
    start();
    FakeLE le1(t, 1, 1);
    activate({0});
    ASSERT_TRUE(t.time.runUntil([&] { return log->Label21[0].caption() == "yes"; }));

    le1.model.silence(true);
    ASSERT_TRUE(t.time.runUntil([&] { return boxShown(); }));
    t.time.advance(500);
    EXPECT_EQ(log->Label68.caption(), "---");   // the selected LE's temperature

    le1.model.silence(false);
    ASSERT_TRUE(t.time.runUntil([&] { return log->Label21[0].caption() == "yes"; }));
    t.time.advance(500);
    EXPECT_EQ(s->status->FlagCommPerdue[0], 0);
    EXPECT_EQ(log->Label68.caption(), " 25°C");

    // Lost again before anyone pressed OK: box and blanks, but no new report.
    prog->form<BoiteDialogue>().unload();
    le1.model.silence(true);
    ASSERT_TRUE(t.time.runUntil([&] { return boxShown(); }));
    EXPECT_EQ(valueCaptions(0)[0], "---");
    EXPECT_EQ(log->List4.listCount(), 1);
    EXPECT_EQ(histoLines().size(), 1);

    // OK: the box closes for 25 ticks, then the loss is declared and reported anew.
    box()->OkValide.click();
    EXPECT_FALSE(box());
    EXPECT_EQ(s->common->ComptageComm[0], 0);
    t.time.advance(12900);
    EXPECT_FALSE(box());
    ASSERT_TRUE(t.time.runUntil([&] { return boxShown(); }, 600));
    EXPECT_EQ(log->List4.items(), QStringList({LostLine, LostLine}));
    EXPECT_EQ(histoLines().size(), 2);
}

// OK acknowledges every LE, LE-7 and LE-8 included: the box
// stays away for 25 ticks, then each LE still silent is declared lost anew.
TEST_F(WatchdogTest, OKRestartsTheCountOfEveryLE)
{
    writeSettings({1, 7}, true);
    const int64_t load = t.time.nowMs();
    start();
    FakeLE le2(t, 2, 2);
    activate({1});
    t.time.advance(load + 5000 - t.time.nowMs());
    ASSERT_EQ(log->Label21[1].caption(), "yes");
    le2.model.silence(true);

    // LE-8 (never answered) is lost at 13 s, while LE-2 is still counting.
    t.time.advance(load + 13000 - t.time.nowMs());
    ASSERT_TRUE(boxShown());
    ASSERT_EQ(s->status->FlagCommPerdue[7], 1);
    ASSERT_EQ(s->status->FlagCommPerdue[1], 0);
    ASSERT_GT(s->common->ComptageComm[1], 0);
    box()->OkValide.click();
    EXPECT_FALSE(box());
    EXPECT_EQ(s->common->ComptageComm[1], 0);
    EXPECT_EQ(s->common->ComptageComm[7], 0);
    EXPECT_EQ(s->common->FlagCommSignalee[7], 0);

    // The next 500 ms ticks count again; the box does not come back.
    for (int tick = 0; tick < 25; ++tick) {
        t.time.advance(500);
        ASSERT_FALSE(boxShown()) << "tick " << tick;
    }
    EXPECT_EQ(log->List4.items(), QStringList{"LE8  No communication with machine System!"});

    t.time.advance(load + 25999 - t.time.nowMs());
    EXPECT_EQ(s->status->FlagCommPerdue[1], 0);
    t.time.advance(1);   // 13 s after the OK: both are lost, each reported anew
    EXPECT_TRUE(boxShown());
    EXPECT_EQ(s->status->FlagCommPerdue[1], 1);
    EXPECT_EQ(s->status->FlagCommPerdue[7], 1);
    EXPECT_EQ(log->List4.listCount(), 3);
    EXPECT_TRUE(log->List4.items().contains("LE2  No communication with machine System!"));
    EXPECT_EQ(log->List4.items().count("LE8  No communication with machine System!"), 2);
}

TEST_F(WatchdogTest, OneGreenTickStartsTheCountAgain)
{
    writeSettings({0}, true);
    start();
    t.time.advance(6000);
    ASSERT_GE(s->common->ComptageComm[0], 10);
    log->link->LinkIndicatorOn(0);
    t.time.advance(500);
    EXPECT_EQ(s->common->ComptageComm[0], 0);
    t.time.advance(1000);   // "no" again
    EXPECT_EQ(s->common->ComptageComm[0], 1);
}

TEST_F(WatchdogTest, WithTheOptionOffTheWarningStopsButTheLossStands)
{
    writeSettings({0}, true);
    start();
    t.time.advance(13000);
    ASSERT_TRUE(boxShown());
    prog->form<BoiteDialogue>().unload();
    settings().Check3.setValue(0);
    log->link->LinkIndicatorOn(0);   // even a live link changes nothing while the option is off
    t.time.advance(5000);
    EXPECT_FALSE(box());
    EXPECT_EQ(s->status->FlagCommPerdue[0], 1);
    EXPECT_EQ(log->Label68.caption(), "---");

    settings().Check3.setValue(1);
    log->link->LinkIndicatorOn(0);
    t.time.advance(500);
    EXPECT_EQ(s->status->FlagCommPerdue[0], 0);
    EXPECT_EQ(s->common->ComptageComm[0], 0);
}
