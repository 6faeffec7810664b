// Link indicators: " ---" on the button-face colour until the first answer,
// "yes" on green with each answered frame, "no" on the button-face colour one
// reset interval after the answers stop, and at once when the port closes.
#include "link/LinkState.h"
#include "link/LogLink.h"
#include "link/LinkWatchFixture.h"
#include "shell/Log.h"

using namespace orv;

namespace {

struct IndicatorCase {
    int le;
    int interval;
};
const IndicatorCase kCases[] = {{0, 980}, {1, 980}, {2, 970}, {5, 970}, {6, 970}, {7, 970}};

} // namespace

class IndicatorsTest : public LinkWatchTest {};

TEST_F(IndicatorsTest, UntilTheFirstAnswerEachIndicatorShowsDashesOnButtonFace)
{
    Log& w = prog->Log.get();   // just loaded
    for (const IndicatorCase& c : kCases) {
        SCOPED_TRACE(c.le);
        EXPECT_EQ(w.Label21[c.le].caption(), " ---");
        EXPECT_EQ(w.Label21[c.le].backColor(), plat::ButtonFace);
        plat::FormTimer& reset = w.*leInstance(c.le).resetTimer;
        EXPECT_FALSE(reset.enabled());
        EXPECT_EQ(reset.interval(), c.interval);
    }
}

TEST_F(IndicatorsTest, AnsweredFramesShowYesUntilOneIntervalAfterTheLastAnswer)
{
    start();
    for (const IndicatorCase& c : kCases) {
        SCOPED_TRACE(c.le);
        activate({c.le});
        for (int n = 0; n < 8; ++n) {
            answeredFrame(c.le);
            EXPECT_EQ(log->Label21[c.le].caption(), "yes");
            EXPECT_EQ(log->Label21[c.le].backColor(), plat::colors::Green);
            t.time.advance(220);
        }
        answeredFrame(c.le);
        t.time.advance(c.interval);   // the LE has stopped
        EXPECT_EQ(log->Label21[c.le].caption(), "no");
        EXPECT_EQ(log->Label21[c.le].backColor(), plat::ButtonFace);
        t.time.advance(10000);
        EXPECT_EQ(log->Label21[c.le].caption(), "no");
        EXPECT_FALSE(resetTimer(c.le).enabled());
    }
}

TEST_F(IndicatorsTest, FramesWithoutTheMarkerAreNotAnsweredSoTheIndicatorFalls)
{
    start();
    activate({3});
    answeredFrame(3);
    ASSERT_EQ(log->Label21[3].caption(), "yes");
    le::Fields unmarked = FakeLE::statusFields();
    unmarked[le::pos::Synchro] = 0;
    // Frames keep arriving every 250 ms, none of them answered.
    for (int n = 0; n < 12; ++n) {
        receive(3, unmarked);
        t.time.advance(250);
        if (n >= 4) {
            SCOPED_TRACE(n);
            EXPECT_EQ(log->Label21[3].caption(), "no");
            EXPECT_EQ(log->Label21[3].backColor(), plat::ButtonFace);
        }
    }
    EXPECT_EQ(t.ports.takeWritten(4).size(), 34);   // only the first frame was answered
}

TEST_F(IndicatorsTest, EachAnswerStartsAFreshInterval)
{
    start();
    log->link->LinkIndicatorOn(0);
    t.time.advance(900);
    log->link->LinkIndicatorOn(0);
    t.time.advance(979);   // 1879 ms after the first answer
    EXPECT_EQ(log->Label21[0].caption(), "yes");
    t.time.advance(1);
    EXPECT_EQ(log->Label21[0].caption(), "no");
    EXPECT_EQ(log->Label21[0].backColor(), plat::ButtonFace);
}

TEST_F(IndicatorsTest, ClosingThePortFromTheConfigurationTurnsItOffAtOnce)
{
    start();
    activate({4});
    answeredFrame(4);
    ASSERT_EQ(log->Label21[4].caption(), "yes");
    s->link->ComPortEnabled[4] = "0";
    log->link->ActivationCOM();
    EXPECT_EQ(log->Label21[4].caption(), "no");
    EXPECT_EQ(log->Label21[4].backColor(), plat::ButtonFace);
}
