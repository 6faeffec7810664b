// The trace area's panes: what each pane blank covers, the pane chosen with
// the mouse, the pop-up's clears and their deferred black, the switch
// between the multi- and single-screen layouts, and the window width.
#include "shell/Log.h"
#include "shell/TracesShared.h"
#include "traces/LogTraces.h"
#include "support/TracesFixture.h"

namespace {

class PanesTest : public TracesTest {
protected:
    void press(int x, int y, int button)
    {
        plat::MouseArgs a;
        a.x = x;
        a.y = y;
        a.button = button;
        log->Picture13.onMouseDown(a);
    }
};

TEST_F(PanesTest, EachPaneBlanksItsOwnRectangleAndRestartsItsTrace)
{
    struct Pane {
        int x1, y1, x2, y2;
    } panes[8] = {{0, 0, 2343, 2107},       {2343, 0, 4678, 2107},    {4678, 0, 7013, 2107},
                  {7005, 0, 9340, 2107},    {0, 2107, 2335, 4214},    {2343, 2107, 4678, 4214},
                  {4678, 2107, 7013, 4214}, {7005, 2107, 9340, 4214}};
    for (int le = 0; le < 8; ++le) {
        SCOPED_TRACE(le);
        const Pane& p = panes[le];
        fillArea(tr::Red);
        s->tracesShared->TraceX[le] = 50;
        s->tracesShared->ScreenLE = uint8_t(le);
        log->traces->ColorRetard();
        const int midY = (p.y1 + p.y2) / 2 + 40;
        const int midX = (p.x1 + p.x2) / 2 + 40;
        // Inside, the edges included: black, or white where a grid line lies.
        EXPECT_EQ(at(midX, midY), tr::Black);
        EXPECT_NE(at(p.x1, midY), tr::Red);
        EXPECT_NE(at(std::min(p.x2, 9330), midY), tr::Red);
        EXPECT_NE(at(midX, p.y1), tr::Red);
        EXPECT_NE(at(midX, p.y2), tr::Red);
        if (p.x1 > 0) {
            EXPECT_EQ(at(p.x1 - 30, midY), tr::Red);
        }
        if (p.x2 < 9340) {
            EXPECT_EQ(at(p.x2 + 30, midY), tr::Red);
        }
        if (p.y1 > 0) {
            EXPECT_EQ(at(midX, p.y1 - 30), tr::Red);
        }
        if (p.y2 < 4214) {
            EXPECT_EQ(at(midX, p.y2 + 30), tr::Red);
        }
        EXPECT_EQ(s->tracesShared->TraceX[le], 1);
    }
    // LE-5's rectangle stops at 2335, LE-1's at 2343.
    fillArea(tr::Red);
    s->tracesShared->ScreenLE = 4;
    log->traces->ColorRetard();
    EXPECT_EQ(at(2343, 3000), tr::Red);
    s->tracesShared->ScreenLE = 0;
    log->traces->ColorRetard();
    EXPECT_EQ(at(2343, 1000), tr::Black);
}

TEST_F(PanesTest, ClearScreenTurnsThePaneDarkBlueThenBlackAndLeavesAPaneSelectedMeanwhile)
{
    fillArea(tr::Red);
    s->tracesShared->TraceX[2] = 80;
    press(3000, 1000, 2);   // LE-2
    t.dialogs.popupChoices.push_back("mnuClearScreen");
    press(3000, 1000, 1);
    EXPECT_EQ(at(3000, 1000), tr::DarkBlue);
    EXPECT_EQ(at(2343, 100), tr::DarkBlue);
    EXPECT_EQ(at(4670, 1000), tr::White);
    EXPECT_EQ(s->tracesShared->TraceX[1], 1);

    t.time.advance(100);
    press(5000, 1000, 2);   // LE-3 within the 200 ms
    t.time.advance(100);
    EXPECT_EQ(at(3000, 1000), tr::Black);
    EXPECT_EQ(at(4670, 1000), tr::White);
    EXPECT_EQ(at(5000, 1000), tr::Red);
    EXPECT_EQ(s->tracesShared->TraceX[2], 80);
    EXPECT_EQ(s->tracesShared->ScreenLE, 2);
    EXPECT_FALSE(log->Timer70.enabled());
}

TEST_F(PanesTest, ClearScreenOnAFrozenPaneClearsTheMarkButKeepsThePaneFrozen)
{
    s->tracesShared->ScreenLE = 1;
    log->mnuFrozen.click();
    ASSERT_EQ(ts->FrozenLE[1], 1);
    log->mnuClearScreen.click();
    EXPECT_FALSE(log->mnuFrozen.checked());
    EXPECT_EQ(ts->FrozenLE[1], 1);
    EXPECT_EQ(ts->FrozenFlag, 1);
}

TEST_F(PanesTest, ClearScreenAllTurnsTheAreaDarkBlueThenBlackAndUnfreezesEveryPane)
{
    fillArea(tr::Red);
    for (int le = 0; le < 8; ++le) {
        s->tracesShared->TraceX[le] = 30;
        ts->FrozenLE[le] = 1;
    }
    log->mnuFrozen.setChecked(true);
    log->mnuClearScreenAll.click();
    EXPECT_EQ(at(9000, 4000), tr::DarkBlue);
    EXPECT_EQ(at(4670, 3000), tr::White);
    for (int le = 0; le < 8; ++le) {
        EXPECT_EQ(s->tracesShared->TraceX[le], 1);
        EXPECT_EQ(ts->FrozenLE[le], 0);
    }
    EXPECT_FALSE(log->mnuFrozen.checked());
    t.time.advance(299);
    EXPECT_EQ(at(9000, 4000), tr::DarkBlue);
    t.time.advance(1);
    EXPECT_EQ(at(9000, 4000), tr::Black);
    EXPECT_EQ(at(4670, 3000), tr::White);
    EXPECT_FALSE(log->Timer71.enabled());
}

TEST_F(PanesTest, SingleScreenClearsTheAreaWithoutGridAndMultiScreenRestoresOnlyTheMenuAndBoxes)
{
    s->tracesShared->TraceX[3] = 100;
    log->mnuMonoEcran.click();
    EXPECT_TRUE(log->mnuMonoEcran.checked());
    EXPECT_FALSE(log->mnuMultiEcran.checked());
    EXPECT_EQ(at(4670, 3000), tr::DarkBlue);
    EXPECT_EQ(s->tracesShared->TraceX[3], 1);
    EXPECT_FALSE(log->mnuClearScreen.visible());
    EXPECT_TRUE(log->Picture4[0].visible());
    for (int le = 1; le < 8; ++le) EXPECT_FALSE(log->Picture4[le].visible()) << le;
    t.time.advance(300);
    EXPECT_EQ(at(4670, 3000), tr::Black);
    EXPECT_EQ(at(1000, 2107), tr::Black);

    log->mnuMultiEcran.click();
    EXPECT_TRUE(log->mnuMultiEcran.checked());
    EXPECT_FALSE(log->mnuMonoEcran.checked());
    EXPECT_TRUE(log->mnuClearScreen.visible());
    for (int le = 0; le < 8; ++le) EXPECT_TRUE(log->Picture4[le].visible()) << le;
    EXPECT_EQ(at(4670, 3000), tr::Black);   // no grid until a clear draws it
}

TEST_F(PanesTest, TheDeferredWholeAreaRestartForTheScheduler)
{
    fillArea(tr::Red);
    s->tracesShared->TraceX[2] = 40;
    log->traces->DeferredScreenAll();
    EXPECT_EQ(at(5000, 1000), tr::DarkBlue);
    EXPECT_EQ(s->tracesShared->TraceX[2], 40);
    t.time.advance(300);
    EXPECT_EQ(at(5000, 1000), tr::Black);
    EXPECT_EQ(s->tracesShared->TraceX[2], 1);
}

TEST_F(PanesTest, LargeurScreenSetsTheWindowWidthForZeroAndOneOnly)
{
    struct Case {
        int16_t w;
        int width;
    } cases[] = {{1, 15650}, {2, 15650}, {0, 13150}, {-1, 13150}};
    for (Case c : cases) {
        log->traces->LargeurScreen(c.w);
        EXPECT_EQ(log->width(), c.width) << c.w;
    }
}

} // namespace
