// The trace area's grid and pane blanking on the main window's picture.
#include "shell/Log.h"
#include "shell/TracesShared.h"
#include "traces/LogTraces.h"
#include "support/ProgramFixture.h"

namespace {

class TraceAreaTest : public ProgramTest {
protected:
    void SetUp() override
    {
        ProgramTest::SetUp();
        startUp();
    }
    plat::Canvas& area() { return prog->Log->Picture13.canvas(); }

    // Every pixel of the four grid lines, at 15 twips a pixel; empty when
    // the whole grid is white.
    QString gridGaps()
    {
        QString gaps;
        for (int x = 0; x < 9330; x += 15)
            if (area().point(x, 2107) != plat::colors::White) gaps += QString(" (%1,2107)").arg(x);
        for (int x : {2335, 4670, 7005})
            for (int y = 0; y <= 4200; y += 15)
                if (area().point(x, y) != plat::colors::White) gaps += QString(" (%1,%2)").arg(x).arg(y);
        return gaps;
    }
};

} // namespace

TEST_F(TraceAreaTest, StartUpDrawsTheGridOnTheBlackArea)
{
    EXPECT_EQ(area().point(1000, 2107), plat::colors::White);
    for (int x : {2335, 4670, 7005}) EXPECT_EQ(area().point(x, 3000), plat::colors::White) << x;
    EXPECT_EQ(area().point(1000, 1000), plat::colors::Black);
}

TEST_F(TraceAreaTest, BlankingAPaneKeepsTheGridAndTheSingleScreenLayoutHasNone)
{
    orv::Log& log = *prog->Log;
    area().line(2400, 100, 4600, 2000, plat::colors::Green, plat::Canvas::BoxFilled);   // LE-2's trace
    prog->s.tracesShared->ScreenLE = 1;
    log.traces->ColorRetard();
    EXPECT_EQ(area().point(3000, 1000), plat::colors::Black);
    EXPECT_EQ(area().point(3000, 2107), plat::colors::White);
    EXPECT_EQ(prog->s.tracesShared->TraceX[1], 1);

    area().setBackColor(plat::colors::Black);
    log.mnuMonoEcran.setChecked(true);
    log.traces->GrilleScreen();
    EXPECT_EQ(area().point(1000, 2107), plat::colors::Black);
}

// The blank rectangles overlap the grid lines; each blank redraws the grid
// after its fill, and the deferred black blanks do as well.
TEST_F(TraceAreaTest, EveryPaneBlankAndClearLeavesTheWholeGridWhite)
{
    orv::Log& log = *prog->Log;
    for (int le = 0; le < 8; ++le) {
        area().line(0, 0, 9340, 4214, plat::colors::Green, plat::Canvas::BoxFilled);
        log.traces->GrilleScreen();
        prog->s.tracesShared->ScreenLE = uint8_t(le);
        log.traces->ColorRetard();
        EXPECT_EQ(gridGaps(), "") << "pane blank of LE index " << le;

        log.mnuClearScreen.click();   // dark blue now, black 200 ms later
        EXPECT_EQ(gridGaps(), "") << "Clear Screen of LE index " << le;
        t.time.advance(250);
        EXPECT_EQ(gridGaps(), "") << "deferred blank of LE index " << le;
    }
    log.mnuClearScreenAll.click();
    t.time.advance(350);
    EXPECT_EQ(gridGaps(), "");
    EXPECT_EQ(area().point(1000, 1000), plat::colors::Black);
}
