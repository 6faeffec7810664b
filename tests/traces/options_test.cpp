// The trace display options (Scroll, Frozen, Auto-Save) and the plot-timer
// gate that runs each LE's plot timer only while the LE is out of phase 0
// with a live link, and shows the QTH items by the QTH option; the toggles
// chosen in the pane's real pop-up.
#include "shell/LinkStatus.h"
#include "shell/LogTimers.h"
#include "shell/MainMenus.h"
#include "shell/MainPanels.h"
#include "shell/TracesShared.h"
#include "support/TracesFixture.h"

#include <QTest>

namespace {

class OptionsTest : public TracesTest {};

TEST_F(OptionsTest, ARunningLEAdvancesOneColumnPer500msUntilIdleAndPausesWhileItsLinkIsLost)
{
    s->tracesShared->TraceX[1] = 10;
    s->status->PhaseLP[1] = 5;
    t.time.advance(100);   // the gate enables LE-2's plot timer
    ASSERT_TRUE(logTimers(*log).Timer6.enabled());
    t.time.advance(5000);
    EXPECT_EQ(s->tracesShared->TraceX[1], 20);

    s->status->FlagCommPerdue[1] = 1;
    t.time.advance(100);
    EXPECT_FALSE(logTimers(*log).Timer6.enabled());
    t.time.advance(2000);
    EXPECT_EQ(s->tracesShared->TraceX[1], 20);
    s->status->FlagCommPerdue[1] = 0;
    t.time.advance(100 + 1000);
    EXPECT_EQ(s->tracesShared->TraceX[1], 22);

    s->status->PhaseLP[1] = 0;
    t.time.advance(100);
    EXPECT_FALSE(logTimers(*log).Timer6.enabled());
    const int x = s->tracesShared->TraceX[1];
    t.time.advance(2000);
    EXPECT_EQ(s->tracesShared->TraceX[1], x);
}

TEST_F(OptionsTest, AnIdleLE1KeepsItsPlotTimerInTheSingleScreenLayout)
{
    s->status->PhaseLP[0] = 5;
    t.time.advance(100);
    ASSERT_TRUE(logTimers(*log).Timer4.enabled());
    mainMenus(*log).mnuMonoEcran.setChecked(true);
    s->status->PhaseLP[0] = 0;
    t.time.advance(300);
    EXPECT_TRUE(logTimers(*log).Timer4.enabled());
    mainMenus(*log).mnuMonoEcran.setChecked(false);
    t.time.advance(100);
    EXPECT_FALSE(logTimers(*log).Timer4.enabled());
}

TEST_F(OptionsTest, TheQTHOptionShowsAndHidesTheQTHItems)
{
    auto& settings = *prog->form<orv::ParamLogicielVB>();
    settings.Check5.setValue(1);
    t.time.advance(100);
    EXPECT_TRUE(mainMenus(*log).mnuHalogen.visible());
    EXPECT_TRUE(mainMenus(*log).mnuAlarmHalogen.visible());
    mainPanels(*log).CommHalOperator.setVisible(true);
    settings.Check5.setValue(0);
    t.time.advance(100);
    EXPECT_FALSE(mainMenus(*log).mnuHalogen.visible());
    EXPECT_FALSE(mainMenus(*log).mnuAlarmHalogen.visible());
    EXPECT_FALSE(mainPanels(*log).CommHalOperator.visible());
}

// Once the gate has set everything, it stops waking the program; a phase
// change or the settings window unloading still shows at the very tick of
// its 100 ms series that follows, as it did when the gate ticked throughout.
TEST_F(OptionsTest, TheGateSleepsWhileNothingChangesAndActsOnTheInstantsOfItsSeries)
{
    int ticks = 0;
    const auto gate = logTimers(*log).Timer56.onTimer;
    logTimers(*log).Timer56.onTimer = [&] {
        ++ticks;
        gate();
    };
    s->status->PhaseLP[1] = 5;
    for (int i = 0; i < 100 && !logTimers(*log).Timer6.enabled(); ++i) t.time.advance(1);
    ASSERT_TRUE(logTimers(*log).Timer6.enabled());
    const int64_t tick = t.time.nowMs();   // an instant of the gate's series
    const auto advanceTo = [&](int64_t ms) { t.time.advance(ms - t.time.nowMs()); };
    ticks = 0;

    advanceTo(tick + 10000 + 37);
    EXPECT_EQ(ticks, 0);
    s->status->PhaseLP[1] = 0;
    advanceTo(tick + 10099);
    EXPECT_TRUE(logTimers(*log).Timer6.enabled());
    advanceTo(tick + 10100);
    EXPECT_FALSE(logTimers(*log).Timer6.enabled());
    EXPECT_EQ(ticks, 1);

    advanceTo(tick + 10100 + 51);
    ASSERT_TRUE(prog->form<orv::ParamLogicielVB>().unload());
    advanceTo(tick + 10199);
    EXPECT_EQ(prog->ifLoaded<orv::ParamLogicielVB>(), nullptr);
    advanceTo(tick + 10200);
    EXPECT_NE(prog->ifLoaded<orv::ParamLogicielVB>(), nullptr);
    EXPECT_EQ(ticks, 2);
}

TEST_F(OptionsTest, ScrollTogglesItsMarkWhichTheEndOfAPaneReads)
{
    EXPECT_TRUE(mainMenus(*log).mnuScroll.checked());   // on from start-up
    mainMenus(*log).mnuScroll.click();
    EXPECT_FALSE(mainMenus(*log).mnuScroll.checked());
    EXPECT_EQ(ts->ScrollFlag, 1);
    mainMenus(*log).mnuScroll.click();
    EXPECT_TRUE(mainMenus(*log).mnuScroll.checked());
    EXPECT_EQ(ts->ScrollFlag, 0);
}

TEST_F(OptionsTest, OneFrozenToggleServesEveryPane)
{
    s->tracesShared->ScreenLE = 0;
    mainMenus(*log).mnuFrozen.click();
    EXPECT_EQ(ts->FrozenLE[0], 1);
    EXPECT_TRUE(mainMenus(*log).mnuFrozen.checked());

    // On LE-2's pane the next use unfreezes (nothing to do there) and
    // clears the mark; LE-1 stays frozen. The use after freezes LE-2.
    s->tracesShared->ScreenLE = 1;
    mainMenus(*log).mnuFrozen.click();
    EXPECT_EQ(ts->FrozenLE[1], 0);
    EXPECT_EQ(ts->FrozenLE[0], 1);
    EXPECT_FALSE(mainMenus(*log).mnuFrozen.checked());
    mainMenus(*log).mnuFrozen.click();
    EXPECT_EQ(ts->FrozenLE[1], 1);
    EXPECT_TRUE(mainMenus(*log).mnuFrozen.checked());
}

TEST_F(OptionsTest, AutoSaveOnlyTogglesItsMark)
{
    fillArea(tr::Red);
    mainMenus(*log).mnuAutoSaveScreen.click();
    EXPECT_TRUE(mainMenus(*log).mnuAutoSaveScreen.checked());
    mainMenus(*log).mnuAutoSaveScreen.click();
    EXPECT_FALSE(mainMenus(*log).mnuAutoSaveScreen.checked());
    EXPECT_EQ(at(5000, 1000), tr::Red);
}

// The pane's pop-up as the user meets it: a real press on the trace area
// opens it and a real click on the item toggles the option once.
TEST_F(OptionsTest, EachToggleOfThePanesRealPopupTogglesOncePerChoice)
{
    const struct {
        const char* item;
        plat::Menu& menu;
        const uint8_t& flag;
    } cases[] = {
        {"mnuScroll", mainMenus(*log).mnuScroll, ts->ScrollFlag},
        {"mnuFrozen", mainMenus(*log).mnuFrozen, ts->FrozenFlag},
        {"mnuAutoSaveScreen", mainMenus(*log).mnuAutoSaveScreen, ts->AutoSaveFlag},
    };
    mainForm().show();
    QWidget* pane = mainPanels(*log).Picture13.widget();
    for (const auto& c : cases) {
        SCOPED_TRACE(c.item);
        for (int choice = 0; choice < 2; ++choice) {
            const uint8_t before = c.flag;
            const bool marked = c.menu.checked();
            t.dialogs.realPopups.push_back({c.item});
            QTest::mouseClick(pane, Qt::LeftButton, {}, QPoint(40, 20));
            EXPECT_NE(c.flag, before);
            EXPECT_NE(c.menu.checked(), marked);
        }
    }
    EXPECT_EQ(t.dialogs.popupsShown.size(), 6u);
}

} // namespace
