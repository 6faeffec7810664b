// The hardware-test window: the requests each test control puts in the
// command frames to the chosen LE, what closing the window switches off,
// the LE choice (relays released, colours, stored set-point), start and stop.
#include "link/LinkState.h"
#include "link/LogLink.h"
#include "link/SetPointFile.h"
#include "parameters/EspionStart.h"
#include "parameters/FadecParameters.h"
#include "parameters/HardwareTestsFixture.h"
#include "parameters/LogParameters.h"
#include "shell/LinkRequest.h"
#include "shell/LinkStatus.h"
#include "shell/Log.h"
#include "shell/ParametersShared.h"
#include "shell/State.h"
#include "shell/TracesShared.h"

#include <QFile>

using namespace orv;

TEST_F(HardwareTestsTest, MenusOpenTheTestsOnlyForAnIdleLEAndTheDebugger)
{
    s->common->SelectedLE = 2;
    s->status->PhaseLP[1] = 2;
    log->parameters->mnuTestMateriel_Click();
    ASSERT_EQ(t.dialogs.shown.size(), 1u);
    EXPECT_EQ(t.dialogs.shown[0].text, "Tests can be done when phase (0)! ");
    EXPECT_EQ(t.dialogs.shown[0].title, " Warning!");
    EXPECT_EQ(t.dialogs.shown[0].icon(), int(plat::mb::Critical));
    EXPECT_FALSE(w().visible());

    s->status->PhaseLP[1] = 0;
    log->parameters->mnuTestMateriel_Click();
    EXPECT_EQ(t.dialogs.shown.size(), 1u);
    EXPECT_TRUE(w().visible());
    EXPECT_FALSE(w().isModal());
    EXPECT_EQ(w().caption(), "  Hardward Tests");

    log->parameters->mnuEspion_Click();
    ASSERT_NE(prog->ifLoaded<EspionStart>(), nullptr);
    EXPECT_TRUE(prog->ifLoaded<EspionStart>()->visible());
    EXPECT_EQ(prog->ifLoaded<EspionStart>()->caption(), "  Debugger startup (Start LE)");
}

TEST_F(HardwareTestsTest, EachTestControlRequestsOfTheChosenLEUntilTheWindowCloses)
{
    FakeLE& one = fakeOn(0);
    FakeLE& two = fakeOn(1);
    choose(1);
    const struct {
        const char* control;
        std::function<void()> act;
        int position;
        int value;
    } rows[] = {
        {"Relais (LE-x) QTH", [&] { w().Check1.userClick(); }, le::pos::RelayQTH, 1},
        {"Relais (LE-x) Alarm", [&] { w().Check2.userClick(); }, le::pos::RelayAlarm, 1},
        {"All On", [&] { w().Option1[1].userClick(); }, le::pos::Cooling, 1},
        {"Motor (M) On", [&] { w().Option1[2].userClick(); }, le::pos::Cooling, 2},
        {"FAN (V1, V2) On", [&] { w().Option1[3].userClick(); }, le::pos::Cooling, 3},
        {"All Off", [&] { w().Option1[0].userClick(); }, le::pos::Cooling, 0},
        {"FAN (V1, V2) On", [&] { w().Option1[3].userClick(); }, le::pos::Cooling, 3},
    };
    for (const auto& r : rows) {
        r.act();
        EXPECT_EQ(nextCommand(two)[r.position], r.value) << r.control;
        const le::Fields other = nextCommand(one);
        EXPECT_EQ(other[le::pos::RelayQTH], 0) << r.control;
        EXPECT_EQ(other[le::pos::RelayAlarm], 0) << r.control;
        EXPECT_EQ(other[le::pos::Cooling], 0) << r.control;
    }

    closeWindow();
    const le::Fields after = nextCommand(two);
    EXPECT_EQ(after[le::pos::RelayQTH], 0);
    EXPECT_EQ(after[le::pos::RelayAlarm], 0);
    EXPECT_EQ(after[le::pos::Cooling], 0);
    EXPECT_EQ(s->paramShared->RelayTestActive, 0);
    EXPECT_EQ(s->tracesShared->FlagAffListeIO, 0);
}

// A motor or fan test left running on an LE before another was chosen stops
// with the window too; the main window's wear-counter request (4) stays.
TEST_F(HardwareTestsTest, ClosingStopsTheMotorAndFanTestsOfEveryLEItRanThemOn)
{
    FakeLE& two = fakeOn(1);
    FakeLE& three = fakeOn(2);
    s->status->ComPortOpen[3] = 1;
    choose(1);
    w().Option1[1].userClick();   // "All On" on LE-2
    choose(2);
    EXPECT_EQ(s->request->EnableCooling[1], 1);   // the choice leaves LE-2's test running
    EXPECT_TRUE(w().Option1[1].value());
    w().Option1[2].userClick();   // "Motor (M) On" on LE-3
    EXPECT_EQ(nextCommand(two)[le::pos::Cooling], 1);
    EXPECT_EQ(nextCommand(three)[le::pos::Cooling], 2);
    choose(3);
    s->request->EnableCooling[3] = 4;      // a wear-counter request of the main window

    closeWindow();
    EXPECT_EQ(nextCommand(two)[le::pos::Cooling], 0);
    EXPECT_EQ(nextCommand(three)[le::pos::Cooling], 0);
    EXPECT_EQ(s->request->EnableCooling[3], 4);
}

// The main window's relay clearing runs every 300 ms while no relay test is
// active and all LEs are idle: the alarm box alone keeps its request on.
TEST_F(HardwareTestsTest, AlarmRelayBoxKeepsItsRequestWhileTicked)
{
    FakeLE& two = fakeOn(1);
    choose(1);
    w().Check2.userClick();
    EXPECT_EQ(s->paramShared->RelayTestActive, 1);
    t.time.advance(3000);
    EXPECT_EQ(nextCommand(two)[le::pos::RelayAlarm], 1);
    w().Check2.userClick();
    EXPECT_EQ(nextCommand(two)[le::pos::RelayAlarm], 0);
    EXPECT_EQ(s->paramShared->RelayTestActive, 1);
}

TEST_F(HardwareTestsTest, QthRelayBoxSetsTheTestFlagTickedOrNot)
{
    s->status->ComPortOpen[1] = 1;
    choose(1);
    w().Check1.userClick();
    EXPECT_EQ(s->paramShared->RelayTestActive, 1);
    EXPECT_EQ(s->request->RelayQTH[1], 1);
    w().Check1.userClick();
    EXPECT_EQ(s->request->RelayQTH[1], 0);
    EXPECT_EQ(s->paramShared->RelayTestActive, 1);

    w().Check1.userClick();
    w().Check2.userClick();
    closeWindow();
    EXPECT_EQ(s->request->RelayQTH[1], 0);
    EXPECT_EQ(s->request->RelayAlarm[1], 0);
    EXPECT_EQ(s->paramShared->RelayTestActive, 0);
}

TEST_F(HardwareTestsTest, ChoosingAnotherLEReleasesThePreviousRelaysAndFollowsTheNewPort)
{
    s->status->ComPortOpen[0] = 1;
    s->status->ComPortOpen[1] = 1;
    choose(1);
    w().Check1.userClick();
    w().Check2.userClick();
    choose(0);
    EXPECT_EQ(s->request->RelayQTH[1], 0);
    EXPECT_EQ(s->request->RelayAlarm[1], 0);
    EXPECT_EQ(w().Check1.value(), 0);
    EXPECT_EQ(w().Check2.value(), 0);
    EXPECT_EQ(s->common->SelectedLE, 1);
    w().Check1.userClick();
    EXPECT_EQ(s->request->RelayQTH[0], 1);

    // LE-3's port is closed: its choice is red and the tests are disabled.
    choose(2);
    EXPECT_EQ(s->request->RelayQTH[0], 0);
    EXPECT_FALSE(w().Check1.enabled());
    EXPECT_FALSE(w().Check2.enabled());
    for (int i = 0; i < 4; ++i) EXPECT_FALSE(w().Option1[i].enabled()) << i;
    EXPECT_EQ(w().Option2[2].backColor(), plat::rgb(255, 0, 0));
    EXPECT_EQ(w().Option2[1].backColor(), plat::rgb(0, 224, 0));
    for (int i = 0; i < 8; ++i)
        EXPECT_EQ(log->Label26[i].backColor(), i == 2 ? plat::rgb(91, 255, 0) : plat::ButtonFace) << i;
    EXPECT_EQ(prog->form<FadecParameters>()->Label64.caption(), "LP Selected : 3");
}

// Choosing LE-4 sets the main window's power slider from line 4 of the
// set-point file; a file that cannot give that value leaves the slider.
// A line that is missing, not a number or beyond the slider reads as 50.
TEST_F(HardwareTestsTest, ChoosingAnLEShowsItsStoredSetPoint)
{
    const QString file = setPointFilePath(s->common->BaseFolder);
    const struct {
        const char* what;
        std::optional<QByteArray> content;
        int slider;
    } rows[] = {
        {"line 4", integerForm({50, 60, 70, 90, 50, 50, 50, 50}), 90},
        {"above the slider", integerForm({50, 50, 50, 200, 50, 50, 50, 50}), 50},
        {"below the slider", integerForm({50, 50, 50, 10, 50, 50, 50, 50}), 50},
        {"missing file", std::nullopt, 70},
        {"four lines", integerForm({50, 50, 50, 90}), 90},
        {"three lines", integerForm({50, 50, 90}), 50},
        {"not a number", QByteArray("90\r\n90\r\n90\r\nabc\r\n90\r\n90\r\n90\r\n90\r\n"), 50},
        {"empty file", QByteArray(), 50},
    };
    for (const auto& r : rows) {
        choose(2);
        QFile::remove(t.host(file));
        if (r.content) writeFile(file, *r.content);
        log->VScroll1.setValue(70);
        choose(3);
        EXPECT_EQ(log->VScroll1.value(), r.slider) << r.what;
        EXPECT_EQ(log->Label3.caption(), QString::number(r.slider * 10)) << r.what;
        EXPECT_EQ(prog->form<FadecParameters>()->Label64.caption(), "LP Selected : 4") << r.what;
        EXPECT_EQ(s->common->SelectedLE, 4) << r.what;
    }
    EXPECT_TRUE(t.dialogs.shown.empty());
}

TEST_F(HardwareTestsTest, StopRequestsInEveryPhaseStartOnlyInPhase0)
{
    s->status->ComPortOpen[1] = 1;
    choose(1);
    for (int phase : {0, 3, 6}) {
        s->request->StartStopPC[1] = 0;
        s->status->PhaseLP[1] = uint8_t(phase);
        w().StoptTestLE.click();
        EXPECT_EQ(s->request->StartStopPC[1], 2) << phase;
    }

    // Not idle: no request, no box; the scope's time base runs all the same.
    s->request->StartStopPC[1] = 0;
    s->status->PhaseLP[1] = 5;
    w().Timer3.setEnabled(false);
    w().StartTestLE.click();
    EXPECT_EQ(s->request->StartStopPC[1], 0);
    EXPECT_TRUE(t.dialogs.shown.empty());
    EXPECT_TRUE(w().Timer3.enabled());
}

TEST_F(HardwareTestsTest, StartReadsTheParametersThenStartsTheIdleLE)
{
    FakeLE& two = fakeOn(1);
    t.time.advance(600);   // the LE's first frames: idle and marked
    choose(1);
    w().Timer3.setEnabled(false);
    w().StartTestLE.click();   // returns once the parameters are read back
    EXPECT_TRUE(w().Timer3.enabled());
    EXPECT_EQ(log->Label26[1].backColor(), plat::colors::Green);
    EXPECT_EQ(nextCommand(two)[le::pos::StartStop], 1);
    ASSERT_TRUE(t.time.runUntil([&] { return two.model.phase() >= 1; }));
}

TEST_F(HardwareTestsTest, LoadEnablesTheTestsForAnOpenPortAndTheTimersPaintAndCaption)
{
    s->status->ComPortOpen[0] = 1;
    closeWindow();
    s->common->SelectedLE = 1;
    t.time.advance(1200);   // the status timer loads it again, hidden; captions follow
    ASSERT_NE(prog->ifLoaded<TestsMateriel>(), nullptr);
    EXPECT_FALSE(w().visible());
    EXPECT_TRUE(w().Check1.enabled());
    EXPECT_TRUE(w().Option1[3].enabled());
    EXPECT_TRUE(w().Option2[0].value());
    EXPECT_TRUE(w().Option1[0].value());
    EXPECT_EQ(w().Option2[0].backColor(), plat::rgb(0, 224, 0));
    EXPECT_EQ(w().Option2[5].backColor(), plat::rgb(255, 0, 0));
    EXPECT_EQ(w().StartTestLE.caption(), "Start LE1");
    EXPECT_EQ(w().StoptTestLE.caption(), "Stop LE1");
    EXPECT_TRUE(w().topmost());

    // With the selected LE's port closed at load, they stay disabled.
    s->common->SelectedLE = 3;
    closeWindow();
    EXPECT_FALSE(w().Check1.enabled());
    EXPECT_FALSE(w().Option1[0].enabled());
}

// Loaded and hidden, as the status timer leaves it, the window's LE choice
// still shows each port the activation opens or closes at its timer's next
// tick, and the user finds it so on opening the window.
TEST_F(HardwareTestsTest, TheLEChoiceFollowsThePortsWhileTheWindowWaitsHidden)
{
    const plat::Color green = plat::rgb(0, 224, 0), red = plat::rgb(255, 0, 0);
    ASSERT_TRUE(t.time.runUntil([&] { return prog->ifLoaded<TestsMateriel>() != nullptr; }));
    t.time.advance(5000);
    ASSERT_FALSE(w().visible());
    EXPECT_EQ(w().Option2[2].backColor(), red);

    const auto setPort = [&](int le, bool on) {
        s->link->ComPortNumber[le] = QString::number(le + 1);
        s->link->ComPortEnabled[le] = on ? QStringLiteral("1") : QStringLiteral("0");
        log->link->ActivationCOM();
    };
    setPort(2, true);
    ASSERT_EQ(s->status->ComPortOpen[2], 1);
    t.time.advance(300);
    EXPECT_EQ(w().Option2[2].backColor(), green);
    EXPECT_EQ(w().Option2[1].backColor(), red);

    t.time.advance(3000);
    setPort(2, false);
    ASSERT_EQ(s->status->ComPortOpen[2], 0);
    t.time.advance(300);
    EXPECT_EQ(w().Option2[2].backColor(), red);

    t.time.advance(2000);
    setPort(5, true);
    t.time.advance(300);
    log->parameters->mnuTestMateriel_Click();
    EXPECT_TRUE(w().visible());
    EXPECT_EQ(w().Option2[5].backColor(), green);
    EXPECT_EQ(w().Option2[2].backColor(), red);
}
