// Rest countdowns: the texts and timing of the 90-second countdown in each
// LE's rest picture, and the counter values other parts write meanwhile.
#include "run/LogRun.h"
#include "run/RunFixture.h"
#include "shell/Log.h"
#include "shell/RunShared.h"

using namespace orv;

class RestTest : public RunTest {
protected:
    // What reception does when the LE enters phase 6.
    void enterRest(int le)
    {
        s->runShared->RestSeconds[le] = 90;
        log->run->RestTimer(le).setEnabled(true);
    }
    QStringList texts(int le) const { return log->Picture4[le].canvas().printedTexts(); }
    static QString rest(int n) { return QStringLiteral(" Rest  %1 sec.").arg(n); }
};

TEST_F(RestTest, CountsDownEachSecondThenGreysAndStops)
{
    const int le = 6;   // LE-7: Timer53
    enterRest(le);
    EXPECT_EQ(&log->run->RestTimer(le), &log->Timer53);
    for (int second = 1; second <= 90; ++second) {
        t.time.advance(1000);
        ASSERT_EQ(texts(le), QStringList{rest(90 - second)}) << second;
    }
    const plat::Canvas& c = log->Picture4[le].canvas();
    EXPECT_EQ(c.point(600, 250), plat::colors::Magenta);
    EXPECT_TRUE(log->Timer53.enabled());

    t.time.advance(1000);
    EXPECT_TRUE(texts(le).isEmpty());
    EXPECT_EQ(c.backColor(), plat::colors::Grey);
    EXPECT_EQ(c.point(600, 250), plat::colors::Grey);
    EXPECT_FALSE(log->Timer53.enabled());
    EXPECT_EQ(s->runShared->RestSeconds[le], 90);
}

TEST_F(RestTest, ValuesWrittenMeanwhileTakeEffectAtTheNextTick)
{
    struct Case { const char* name; int written; QStringList nextTick; };
    const Case cases[] = {
        {"port opened", 60, {rest(59)}},
        {"connect/disconnect button", 90, {rest(89)}},
        {"stop or port closed", 0, {}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        enterRest(0);
        t.time.advance(10000);
        ASSERT_EQ(texts(0), QStringList{rest(80)});
        s->runShared->RestSeconds[0] = uint8_t(c.written);
        t.time.advance(999);
        EXPECT_EQ(texts(0), QStringList{rest(80)});   // the last text stays until the tick
        t.time.advance(1);
        EXPECT_EQ(texts(0), c.nextTick);
        EXPECT_EQ(log->Timer36.enabled(), c.written != 0);
        log->Timer36.setEnabled(false);
    }
}

TEST_F(RestTest, EachLECountsOnItsOwn)
{
    enterRest(0);
    t.time.advance(3000);
    enterRest(7);
    t.time.advance(7000);
    EXPECT_EQ(texts(0), QStringList{rest(80)});
    EXPECT_EQ(texts(7), QStringList{rest(83)});
    for (int le = 1; le < 7; ++le) EXPECT_FALSE(log->run->RestTimer(le).enabled()) << le;
}

TEST_F(RestTest, ACounterWrittenWhileIdleIsNeverShown)
{
    s->runShared->RestSeconds[3] = 60;
    t.time.advance(5000);
    EXPECT_TRUE(texts(3).isEmpty());
    EXPECT_FALSE(log->Timer39.enabled());
    EXPECT_EQ(s->runShared->RestSeconds[3], 60);
}

// The longest countdown text fits the rest picture: as drawn, its last
// column of text stays clear of the picture's right edge.
TEST_F(RestTest, TheCountdownTextFitsItsPicture)
{
    const int le = 0;
    enterRest(le);
    t.time.advance(1000);   // " Rest  89 sec."
    const plat::Canvas& c = log->Picture4[le].canvas();
    const plat::Color text = c.foreColor();
    int rightmost = -1;
    for (int x = 0; x < 1095; x += 15)
        for (int y = 0; y < 300; y += 15)
            if (c.point(x, y) == text) rightmost = x;
    ASSERT_GE(rightmost, 0) << "no text drawn";
    EXPECT_LT(rightmost, 1095 - 2 * 15);
}
