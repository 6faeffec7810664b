// The trace area's grid and pane blanking on the main window's picture.
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
    prog->s.ScreenLE = 1;
    log.ColorRetard();
    EXPECT_EQ(area().point(3000, 1000), plat::colors::Black);
    EXPECT_EQ(area().point(3000, 2107), plat::colors::White);
    EXPECT_EQ(prog->s.TraceX[1], 1);

    area().setBackColor(plat::colors::Black);
    log.mnuMonoEcran.setChecked(true);
    log.GrilleScreen();
    EXPECT_EQ(area().point(1000, 2107), plat::colors::Black);
}
