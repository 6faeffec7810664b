// The strip model: time texts and their rounding, label placement, the
// validity rules, grabbing and dragging, the symmetric cycle, copy/paste and
// the day image names.

#include "scheduler/StripModel.h"
#include "support/Printing.h"

#include <gtest/gtest.h>

using namespace orv;

namespace {

TEST(StripModel, TransitionTextsThroughHundredthsOfAnHour)
{
    struct Case {
        int32_t x;
        const char* label;
    } cases[] = {
        {2400, "05:00"}, {3840, "08:00"}, {7680, "16:00"}, {9120, "19:00"},
        {2872, "05:60"},   // 05:59: the rounding is not carried into the hour
        {984, "02:00"},    // exactly 02:03, read as 02:02 through hundredths
        {2440, "05:05"}, {11499, "23:55"}, {1, "00:00"}, {0, "00:00"},
        {clockX(13, 25), "13:25"}, {clockX(23, 59), "23:60"},
        {clockX(23, 58), "23:55"},   // 96 hundredths: 57 minutes
        {-480, "-1:00"},   // a refused position is still written: negative hour
        {11520, "24:00"},
    };
    StripModel m;
    for (const Case& c : cases) EXPECT_EQ(transitionTime(m, c.x).label(), QString(c.label)) << c.x;
    // Every whole five-minute time gives itself.
    for (int32_t x = 0; x < strip::DayEnd; x += 40) {
        const TransitionTime t = transitionTime(m, x);
        EXPECT_EQ(t.hours.toInt() * 60 + t.minutes.toInt(), x / 8) << x;
    }
}

TEST(StripModel, DecodageBase60RoundsToFiveAndIgnoresSixtyAndUp)
{
    StripModel m;
    const int expected[][2] = {{0, 0}, {2, 0}, {3, 5}, {7, 5}, {8, 10}, {32, 30}, {33, 35}, {57, 55}, {58, 60}, {59, 60}};
    for (auto [in, out] : expected) {
        m.MinutesBrutes = uint8_t(in);
        Decodage_base_60(m);
        EXPECT_EQ(m.MinutesArrondies, out) << in;
    }
    m.MinutesArrondies = 35;
    for (int in : {60, 61, 255}) {
        m.MinutesBrutes = uint8_t(in);
        Decodage_base_60(m);
        EXPECT_EQ(m.MinutesArrondies, 35) << in;
    }
}

TEST(StripModel, LabelPlacementEdges)
{
    // Default planning: every gap over 465 and 9120 below 11000: all to the right.
    EXPECT_EQ(planLabelX(2400, 3840, 7680, 9120), (std::array<int32_t, 4>{2430, 3870, 7710, 9150}));
    // A gap of exactly 465 puts the label left; 466 right.
    EXPECT_EQ(planLabelX(1000, 1465, 2000, 3000)[0], 570);
    EXPECT_EQ(planLabelX(1000, 1466, 2000, 3000)[0], 1030);
    EXPECT_EQ(planLabelX(1000, 2000, 2465, 3000)[1], 1570);
    EXPECT_EQ(planLabelX(1000, 2000, 3000, 3465)[2], 2570);
    // The last label turns left from 11000 on.
    EXPECT_EQ(planLabelX(1000, 2000, 3000, 10999)[3], 11029);
    EXPECT_EQ(planLabelX(1000, 2000, 3000, 11000)[3], 10570);
    EXPECT_EQ(asymLabelX(7680, 8145), (std::array<int32_t, 2>{7250, 8175}));
    EXPECT_EQ(asymLabelX(7680, 11000), (std::array<int32_t, 2>{7710, 10570}));
    EXPECT_EQ(asymLabelX(0, 0), (std::array<int32_t, 2>{-430, 30}));
}

TEST(StripModel, ValidityRules)
{
    EXPECT_TRUE(planDrawable(2400, 3840, 7680, 9120));
    EXPECT_TRUE(planDrawable(1, 237, 473, 709));
    EXPECT_FALSE(planDrawable(0, 237, 473, 709));        // T0 >= 1
    EXPECT_FALSE(planDrawable(1, 236, 473, 709));        // each window >= 236
    EXPECT_FALSE(planDrawable(1, 237, 472, 709));
    EXPECT_FALSE(planDrawable(1, 237, 473, 708));
    EXPECT_TRUE(planDrawable(2400, 3840, 7680, 11499));
    EXPECT_FALSE(planDrawable(2400, 3840, 7680, 11500)); // T3 <= 11499
    EXPECT_FALSE(planDrawable(0, 0, 0, 0));
    // Far-out values do not wrap around into a valid set.
    EXPECT_FALSE(planDrawable(1, INT32_MAX, INT32_MIN, 2000));
    EXPECT_TRUE(asymDrawable(7680, 9120));
    EXPECT_TRUE(asymDrawable(1, 237));
    EXPECT_FALSE(asymDrawable(7680, 7915));
    EXPECT_FALSE(asymDrawable(0, 9120));
    EXPECT_FALSE(asymDrawable(7680, 11500));
}

TEST(StripModel, GrabReachIsStrictlyUnderEighty)
{
    const int32_t t[4] = {2400, 3840, 7680, 9120};
    EXPECT_EQ(grabTransition(t, 4, 2400 + 79), 0);
    EXPECT_EQ(grabTransition(t, 4, 2400 - 79.5), 0);
    EXPECT_EQ(grabTransition(t, 4, 2400 + 80), std::nullopt);
    EXPECT_EQ(grabTransition(t, 4, 2400 - 80), std::nullopt);
    EXPECT_EQ(grabTransition(t, 4, 9120), 3);
    EXPECT_EQ(grabTransition(t, 2, 7680), std::nullopt);   // only the first count are looked at
    const int32_t close[2] = {1000, 1100};                   // both within reach: the lower index wins
    EXPECT_EQ(grabTransition(close, 2, 1050), 0);
}

TEST(StripModel, DragStoresOnlyDrawableSetsOfTheModesTransitions)
{
    StripModel m;
    m.TransitionPlanX[2] = {2400, 3840, 7680, 9120, 0};
    m.TransitionAsymX[2] = {7680, 9120, 0};
    m.TransitionPlanX[3] = {11, 22, 33, 44, 55};

    m.IndiceTransition = 1;
    EXPECT_TRUE(dragPlanTransition(m, 2, 4000.5));   // halves to even
    EXPECT_EQ(m.TransitionPlanX[2][1], 4000);
    EXPECT_FALSE(dragPlanTransition(m, 2, 7680 - 235));   // window after it too short: refused, kept
    EXPECT_EQ(m.TransitionPlanX[2][1], 4000);
    EXPECT_TRUE(dragPlanTransition(m, 2, 7680 - 236));
    EXPECT_EQ(m.TransitionPlanX[2][1], 7444);

    m.IndiceTransition = 3;
    EXPECT_FALSE(dragPlanTransition(m, 2, 11500));
    EXPECT_FALSE(dragPlanTransition(m, 2, 1e12));
    EXPECT_EQ(m.TransitionPlanX[2][3], 9120);
    // An index a planning strip left names no transition of an asymmetric window.
    EXPECT_FALSE(dragAsymTransition(m, 2, 8000));
    EXPECT_EQ(m.TransitionAsymX[2], (std::array<int32_t, 3>{7680, 9120, 0}));
    EXPECT_EQ(m.TransitionPlanX[3], (std::array<int32_t, 5>{11, 22, 33, 44, 55}));

    m.IndiceTransition = 1;
    EXPECT_FALSE(dragAsymTransition(m, 2, 7680 + 235));
    EXPECT_TRUE(dragAsymTransition(m, 2, 7680 + 236));
    EXPECT_EQ(m.TransitionAsymX[2][1], 7916);
}

TEST(StripModel, SymCycleLength)
{
    // Hours preview: x under 345 is 345, so at least one hour; halves go up.
    EXPECT_EQ(symPreviewN(100, false), 1);
    EXPECT_EQ(symPreviewN(2400, false), 5);
    EXPECT_EQ(symPreviewN(2640, false), 6);
    EXPECT_EQ(symPreviewN(2639, false), 5);
    // Minutes variant held within 2..15.
    EXPECT_EQ(symPreviewN(7680, true), 15);
    EXPECT_EQ(symPreviewN(500, true), 2);
    // The press: no floor in hours (0 hours below 240), the same bound in minutes.
    EXPECT_EQ(symPressN(239, false), 0);
    EXPECT_EQ(symPressN(240, false), 1);
    EXPECT_EQ(symPressN(7680, false), 16);
    EXPECT_EQ(symPressN(7680, true), 15);
    EXPECT_EQ(symPressN(100, true), 2);
    EXPECT_EQ(finCycleSymX(5), 2384);
    EXPECT_EQ(finCycleSymX(0), -16);
    EXPECT_EQ(minutesDemiCycle(5), 150);
    EXPECT_EQ(symLengthText(5, false), QString("5 h"));
    EXPECT_EQ(symLengthText(5, true), QString("10 min"));
}

TEST(StripModel, AsymDefaults)
{
    EXPECT_EQ(asymDefaults(0, false, "08", "00", "21", "30"), (std::array<int32_t, 2>{7680, 9120}));
    EXPECT_EQ(asymDefaults(1, true, "08", "00", "21", "30"), (std::array<int32_t, 2>{3840, 10080}));
    EXPECT_EQ(asymDefaults(7, true, "", "", "", ""), (std::array<int32_t, 2>{3840, 10080}));
    EXPECT_EQ(asymDefaults(0, true, "08", "00", "21", "30"), (std::array<int32_t, 2>{3840, 10320}));
    EXPECT_EQ(asymDefaults(0, true, "x", "", "7", "5"), (std::array<int32_t, 2>{0, 3400}));
}

TEST(StripModel, PasteWritesOnlyACopiedDrawablePlanning)
{
    StripModel m;
    m.TransitionPlanX[4] = {100, 200, 300, 400, 0};
    EXPECT_FALSE(pastePlan(m, 4));   // nothing copied yet
    EXPECT_EQ(m.TransitionPlanX[4], (std::array<int32_t, 5>{100, 200, 300, 400, 0}));

    m.TransitionPlanX[1] = {1000, 2000, 3000, 4000, 0};
    copyPlan(m, 1);
    EXPECT_TRUE(pastePlan(m, 4));
    EXPECT_EQ(m.TransitionPlanX[4], (std::array<int32_t, 5>{1000, 2000, 3000, 4000, 0}));

    copyPlan(m, 6);   // a never-drawn planning: zeros
    m.TransitionPlanX[4] = {1000, 2000, 3000, 4000, 0};
    EXPECT_FALSE(pastePlan(m, 4));
    EXPECT_EQ(m.TransitionPlanX[4][0], 1000);
}

TEST(StripModel, ScaleAndNames)
{
    EXPECT_EQ(curseurHeureX("14:35:12"), 7715);
    EXPECT_EQ(curseurHeureX("00:00:00"), 715);
    EXPECT_EQ(clockX(5, 59), 2872);
    EXPECT_EQ(imageDate(QDate(2026, 12, 8)), QString("08.12.2026"));
    EXPECT_EQ(dayImageName("08.12.2026", 0), QString("08.12.2026_02.bmp"));
    EXPECT_EQ(dayImageName("08.12.2026", 7), QString("08.12.2026_09.bmp"));
    EXPECT_EQ(modeCaption(1), QString("Normal"));
    EXPECT_EQ(modeCaption(6), QString("Normal"));
    EXPECT_EQ(modeCaption(4), QString("Plan"));
    EXPECT_EQ(modeCaption(7), QString());
}

} // namespace
