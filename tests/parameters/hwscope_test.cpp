// The hardware-test scope: traces of a scripted run at their heights and
// colours, the frozen bars by the channels shown, level lines, grid, speed,
// sweep counter and the pointer read-out, read back from Picture1.
#include "parameters/HardwareTestsFixture.h"
#include "parameters/ParametersState.h"
#include "shell/LinkStatus.h"
#include "shell/State.h"

using namespace orv;

namespace {
constexpr plat::Color Magenta = plat::rgb(255, 0, 255);
constexpr plat::Color LightGreen = plat::rgb(0, 255, 0);
constexpr plat::Color Yellow = plat::rgb(255, 255, 0);
constexpr plat::Color Cyan = plat::rgb(0, 255, 255);
constexpr plat::Color DarkGreen = plat::rgb(0, 128, 0);
constexpr plat::Color GridGrey = plat::rgb(192, 192, 192);
constexpr plat::Color Black = plat::rgb(0, 0, 0);
} // namespace

class ScopeTest : public HardwareTestsTest {
protected:
    void SetUp() override
    {
        HardwareTestsTest::SetUp();
        s->common->SelectedLE = 1;
        t.time.advance(600);   // loaded by the status timer
        scope().cls();
        s->parameters->CompteurScope = 0;
    }
    plat::Canvas& scope() { return w().Picture1.canvas(); }
    // Restarts the time base so that its ticks fall every `ms` from now.
    void restartTimeBase()
    {
        w().Timer3.setEnabled(false);
        w().Timer3.setEnabled(true);
    }
    void samples(int lpc, int lfc, int mat, int sht)
    {
        s->status->RawLPC[0] = uint8_t(lpc);
        s->status->RawLFC[0] = uint8_t(lfc);
        s->status->TempMAT[0] = uint8_t(mat);
        s->status->TempSHT[0] = uint8_t(sht);
    }
    bool anyPixel(plat::Color c)
    {
        const QImage& img = scope().image();
        for (int y = 0; y < img.height(); ++y)
            for (int x = 0; x < img.width(); ++x)
                if (plat::fromQColor(img.pixelColor(x, y)) == c) return true;
        return false;
    }
};

TEST_F(ScopeTest, ScriptedRunDrawsEachChannelAtItsHeight)
{
    w().Check11.userClick();   // "Temp. Holder" as well
    samples(255, 0, 40, 20);
    restartTimeBase();
    t.time.advance(3000);      // samples 0-5, x 0 to 35
    EXPECT_EQ(w().Label9.caption(), "5 / 450");
    EXPECT_EQ(s->parameters->CompteurScope, 6);
    EXPECT_EQ(scope().point(30, 160), Magenta);     // LPC 255
    EXPECT_EQ(scope().point(30, 2710), LightGreen); // LFC 0
    EXPECT_EQ(scope().point(30, 1910), Yellow);     // MAT 40 °C as 80
    EXPECT_EQ(scope().point(30, 2310), Cyan);       // SHT 20 °C as 40

    // A new LPC value: the segment runs from the last sample to the new one.
    samples(100, 0, 40, 20);
    t.time.advance(500);       // sample 6 at x 42
    EXPECT_EQ(scope().point(42, 1710), Magenta);
    EXPECT_EQ(scope().point(40, 900), Magenta);
    EXPECT_EQ(scope().point(60, 160), Black);

    // Frozen: no trace, but the counter goes on; unfrozen, the first segment
    // starts at the last sample taken before the freeze.
    w().Check4.userClick();
    EXPECT_EQ(w().Check4.caption(), "Frozen / Time Base");
    samples(0, 0, 40, 20);
    t.time.advance(1000);      // samples 7 and 8
    EXPECT_EQ(s->parameters->CompteurScope, 9);
    EXPECT_EQ(scope().point(50, 2710), Black);
    w().Check4.userClick();
    EXPECT_EQ(w().Check4.caption(), "Time Base / Frozen");
    t.time.advance(500);       // sample 9: from LPC 100 at x 56 to LPC 0 at x 63
    EXPECT_EQ(scope().point(56, 1710), Magenta);
    EXPECT_EQ(scope().point(63, 2710), Magenta);
}

TEST_F(ScopeTest, FrozenBarsFollowTheChannelsShown)
{
    samples(255, 100, 40, 0);
    w().Check4.userClick();
    t.time.advance(500);
    // Three channels: LPC, LFC and MAT at quarters.
    EXPECT_EQ(scope().point(760, 2000), Magenta);
    EXPECT_EQ(scope().point(1490, 2000), LightGreen);
    EXPECT_EQ(scope().point(1490, 1500), Black);
    EXPECT_EQ(scope().point(2230, 2000), Yellow);
    EXPECT_EQ(scope().point(2230, 1800), Black);

    w().Check5.userClick();   // LPC off: LFC and MAT at thirds
    t.time.advance(500);
    EXPECT_FALSE(anyPixel(Magenta));
    EXPECT_EQ(scope().point(1000, 2000), LightGreen);
    EXPECT_EQ(scope().point(1980, 2000), Yellow);

    w().Check7.userClick();   // MAT alone, in the middle
    t.time.advance(500);
    EXPECT_FALSE(anyPixel(LightGreen));
    EXPECT_EQ(scope().point(1490, 2000), Yellow);
}

TEST_F(ScopeTest, LevelLinesAndGridAreDotted)
{
    for (plat::CheckBox* c : {&w().Check5, &w().Check7, &w().Check10}) c->userClick();   // no trace
    w().Check6.userClick();
    w().Check8.userClick();
    restartTimeBase();
    t.time.advance(500);
    for (int x : {0, 60, 1200, 2940}) {
        EXPECT_EQ(scope().point(x, 1860), Magenta) << x;
        EXPECT_EQ(scope().point(x, 2410), DarkGreen) << x;
    }
    EXPECT_EQ(scope().point(30, 1860), Black);

    w().Check3.userClick();
    EXPECT_EQ(w().Check3.caption(), "Grille On / Off");
    t.time.advance(20);
    EXPECT_EQ(scope().point(0, 2710), GridGrey);
    EXPECT_EQ(scope().point(49, 160), GridGrey);
    EXPECT_EQ(scope().point(98, 1180), GridGrey);
    EXPECT_FALSE(w().Timer2.enabled());
    w().Check3.userClick();
    EXPECT_EQ(w().Check3.caption(), "Grille Off / On");
    EXPECT_FALSE(anyPixel(GridGrey));
}

TEST_F(ScopeTest, SpeedSweepAndClear)
{
    samples(255, 0, 0, 0);
    restartTimeBase();
    t.time.advance(2500);      // samples 0-4 at 7 twips
    EXPECT_EQ(scope().point(28, 160), Magenta);
    w().Check9.userClick();
    EXPECT_EQ(w().Check9.caption(), "Speed fast / slow ");
    EXPECT_EQ(w().Timer3.interval(), 250);
    t.time.advance(500);       // samples 5 and 6, now 8 twips apart and 250 ms
    EXPECT_EQ(w().Label9.caption(), "6 / 360");
    EXPECT_EQ(scope().point(48, 160), Magenta);

    w().ClearScreen.click();
    EXPECT_FALSE(anyPixel(Magenta));
    t.time.advance(250);
    EXPECT_EQ(w().Label9.caption(), "0 / 360");

    // The tick past the sweep's end clears the picture and starts again.
    s->parameters->CompteurScope = 361;
    t.time.advance(250);
    EXPECT_EQ(w().Label9.caption(), "361 / 360");
    EXPECT_EQ(s->parameters->CompteurScope, 0);
    EXPECT_FALSE(anyPixel(Magenta));
}

TEST_F(ScopeTest, PointerReadsVolts)
{
    const struct {
        double y;
        const char* volts;
    } rows[] = {{100, "5.01 V"}, {195, "5.01 V"}, {1200, "3 V"}, {2700, "0 V"}, {2710, "0 V"}};
    for (const auto& r : rows) {
        w().Picture1_MouseMove(0, 0, 300, r.y);
        EXPECT_EQ(w().Label15.caption(), r.volts) << r.y;
        EXPECT_EQ(w().Label11.caption(), "Y= " + QString::number(r.y)) << r.y;
    }
    EXPECT_EQ(w().Label10.caption(), "X= 300");
}
