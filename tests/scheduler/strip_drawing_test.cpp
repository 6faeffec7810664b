// The planning and asymmetric drawings: the step line, the labels, the
// transition texts they write, and what they leave alone.

#include "scheduler/StripFixture.h"

using namespace orv;

namespace {

class StripDrawingTest : public StripTest {};

TEST_F(StripDrawingTest, AsymDrawingWritesOnlyItsTwoSlots)
{
    m().TransitionPlanX[6] = {2400, 3840, 7680, 9120, 0};
    w->TracePlanLE(6);
    m().TransitionAsymX[6] = {600, 2872, 0};
    canvas(6).cls();
    w->TraceAsymLE(6);
    EXPECT_EQ(texts(6, 4), (QStringList{"01:15", "05:60", "16:00", "19:00"}));
    EXPECT_EQ(canvas(6).printedTexts(), (QStringList{"01:15", "05:60"}));
    EXPECT_EQ(canvas(6).point(300, 315), DarkBlue);
    EXPECT_EQ(canvas(6).point(2000, 8), DarkBlue);
    EXPECT_EQ(canvas(6).point(2000, 315), plat::colors::LightGrey);
    EXPECT_EQ(canvas(6).point(11520, 315), DarkBlue);   // the off tail runs to the edge
}

TEST_F(StripDrawingTest, AllPositionsAtZero)
{
    w->TracePlanLE(7);
    EXPECT_EQ(texts(7, 4), (QStringList{"00:00", "00:00", "00:00", "00:00"}));
    EXPECT_EQ(canvas(7).point(6000, 315), DarkBlue);
    EXPECT_EQ(canvas(7).point(6000, 8), plat::colors::LightGrey);
    // Drawn again without clearing: the labels are printed over the first ones.
    w->TracePlanLE(7);
    EXPECT_EQ(canvas(7).printedTexts().size(), 8);
}

TEST_F(StripDrawingTest, LabelsStandRightOfTheirTransitionsOrLeftWhenCrowded)
{
    // The label's text lies right of a default transition (x + 30) ...
    m().TransitionAsymX[0] = {3000, 5000, 0};
    w->TraceAsymLE(0);
    auto inked = [&](int x0, int x1) {
        for (int x = x0; x < x1; x += 15)
            for (int y = 60; y < 240; y += 15)
                if (canvas(0).point(x, y) != plat::colors::LightGrey && canvas(0).point(x, y) != DarkBlue)
                    return true;
        return false;
    };
    EXPECT_TRUE(inked(3045, 3250));
    EXPECT_FALSE(inked(2580, 2750));
    // ... and left of it when the next one is 465 or less away.
    w->strip(0).setBackColor(plat::colors::LightGrey);
    m().TransitionAsymX[0] = {3000, 3465, 0};
    w->TraceAsymLE(0);
    EXPECT_TRUE(inked(2580, 2750));
    EXPECT_FALSE(inked(3045, 3250));
}

} // namespace
