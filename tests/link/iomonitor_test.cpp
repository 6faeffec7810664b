// The 500 ms status refresh of the selected LE: phase and step, the I/O
// monitor in both directions (names, values, left-out sensors, speeds, line
// positions), the hardware-test speed read-outs, and the temperature label
// and bar.
#include "link/LinkWatchFixture.h"
#include "parameters/TestsMateriel.h"
#include "shell/LinkRequest.h"
#include "shell/LinkStatus.h"
#include "shell/Log.h"
#include "shell/State.h"

using namespace orv;

namespace {

const char* const kNames[32] = {
    "Index - Selection bank (0,1,2)     ", "Phase (0,1,2,3,4,5,6)", "0 =Nul, 1 =Start, 2 =Stop from the PC  ",
    "Confirmation of activation 0 =Nul, 1 =Yes", "Value PWR phase 5  ", "No increase in MR    ",
    "Relay (QTH) 0=OFF, 1 ON ", "(QTH and IR) 0=OFF, 1=ON, 2=Alarm ON", "Relay (Alarm) 0=OFF, 1=ON",
    "Error Message", "°C Thermo DS1621 - MAT", "°C Thermo DS1621 - SHT", "AD0-0 LPC (PMS)", "AD0-1 LFC (LFC)",
    "AD0-2 LFC-2   [Battery (SBV)]", "AD0-3 LFC-3   [VCC (PSP)]", "AD1-0 VIS", "AD1-1 IR", "AD1-2 RH",
    "AD1-3 (not used)", "AD2-0 (not used)", "AD2-1 (not used)", "AD2-2 (not used)", "AD2-3 (not used)",
    "Vmot (3000/30 = 100 type) ", "Return Fixed Speed M", "No version Stamp:  ", "Frequency Tachy M   ",
    "Frequency Tachy V1  ", "Frequency Tacho V2  ", "Synchro RS232 (Stamp)", "Enable cooling (M + V1 + V2)        "};

QString monitorLine(int p, int value, const QString& speed = {})
{
    return QStringLiteral(" %1   %2   ").arg(p, 2, 10, QLatin1Char('0')).arg(value, 3, 10, QLatin1Char('0'))
        + QString::fromUtf8(kNames[p]) + " " + speed;
}

// A marked frame whose every position holds a value of its own.
le::Fields distinctFrame()
{
    le::Fields f{};
    for (int p = 0; p < 32; ++p) f[p] = (p * 7 + 3) % 200;
    f[le::pos::Bank] = 0;
    f[le::pos::Phase] = 0;
    for (int p : {27, 28, 29}) f[p] = 0;   // fans and motor at rest
    f[le::pos::Synchro] = 123;
    return f;
}

} // namespace

class IOMonitorTest : public LinkWatchTest {
protected:
    void SetUp() override
    {
        LinkWatchTest::SetUp();
        start();
        activate({0});
        ASSERT_EQ(s->common->SelectedLE, 1);
    }
    void tick() { t.time.advance(500); }
    QStringList monitor() { return log->Picture22.canvas().printedTexts(); }
    TestsMateriel& tests() { return *prog->ifLoaded<TestsMateriel>(); }

    // Whether anything is drawn on the monitor between y and y + 200 (one line).
    bool bandInked(int y)
    {
        const plat::Canvas& c = log->Picture22.canvas();
        for (int yy = y; yy < y + 200; yy += 15)
            for (int x = 0; x < c.widthTwips(); x += 15)
                if (c.point(x, yy) != plat::colors::Black) return true;
        return false;
    }
};

TEST_F(IOMonitorTest, PhaseAndStepOfTheSelectedLE)
{
    s->status->PhaseLP[2] = 5;
    s->status->StartStep[2] = 12;
    s->common->SelectedLE = 3;
    tick();
    EXPECT_EQ(log->Label7.caption(), "Ph = 5");
    EXPECT_EQ(log->Label5.caption(), "Step = 12");
    s->common->SelectedLE = 1;
    tick();
    EXPECT_EQ(log->Label7.caption(), "Ph = 0");
    EXPECT_EQ(log->Label5.caption(), "Step = 0");
}

TEST_F(IOMonitorTest, EveryPositionIsListedUnderItsNameWithTheValueReceived)
{
    const le::Fields f = distinctFrame();
    receive(0, f);
    tick();
    QStringList expected;
    for (int p = 0; p < 32; ++p) expected << monitorLine(p, f[p]);
    EXPECT_EQ(monitor(), expected);
    EXPECT_EQ(log->Picture22.canvas().foreColor(), plat::colors::White);
    for (int k = 0; k < 32; ++k) EXPECT_TRUE(bandInked(150 + 200 * k)) << k;
    EXPECT_FALSE(log->Picture22.visible());   // drawn whether shown or not
}

TEST_F(IOMonitorTest, AbsentSensorsAreLeftOutAndTheLinesBelowMoveUp)
{
    const struct {
        std::vector<int> absent;
        int lines;
    } cases[] = {{{11}, 31}, {{16, 17, 18, 19}, 28}, {{11, 16, 17, 18, 19}, 27}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.lines);
        le::Fields f = distinctFrame();
        for (int p : c.absent) f[p] = 255;
        receive(0, f);
        tick();
        const QStringList lines = monitor();
        ASSERT_EQ(lines.size(), c.lines);
        QStringList expected;
        for (int p = 0; p < 32; ++p)
            if (std::find(c.absent.begin(), c.absent.end(), p) == c.absent.end()) expected << monitorLine(p, f[p]);
        EXPECT_EQ(lines, expected);
        EXPECT_TRUE(bandInked(150 + 200 * (c.lines - 1)));
        EXPECT_FALSE(bandInked(150 + 200 * c.lines));
    }
}

TEST_F(IOMonitorTest, TachometerPositionsCarryTheirSpeedAlsoOnTheHardwareTestWindow)
{
    const struct {
        int p;
        int value;
        QString speed;   // in the line and after the window label's prefix
        QString label;
    } cases[] = {
        {27, 50, "=  1500 tr/min", "M  =  1500 tr/min"},
        {28, 90, "=  2700 tr/min", "V1 =  2700 tr/min"},
        {29, 2, "=  60 tr/min", "V2 =  60 tr/min"},
        {27, 1, "", ""},
        {28, 0, "", ""},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.p * 1000 + c.value);
        le::Fields f = distinctFrame();
        f[c.p] = c.value;
        receive(0, f);
        tick();
        EXPECT_EQ(monitor().at(c.p), monitorLine(c.p, c.value, c.speed));
        plat::Label* labels[] = {&tests().Label4, &tests().Label5, &tests().Label6};
        for (int k = 0; k < 3; ++k) EXPECT_EQ(labels[k]->caption(), k == c.p - 27 ? c.label : QString());
    }
    EXPECT_FALSE(tests().visible());   // kept loaded, hidden
    tests().unload();
    tick();
    EXPECT_TRUE(prog->ifLoaded<TestsMateriel>());
}

TEST_F(IOMonitorTest, BothDirectionsListTheLastFrameOnTheLine)
{
    s->request->Vmot[0] = 100;
    s->request->StartStopPC[0] = 2;
    le::Fields f = distinctFrame();
    f[11] = 255;   // no SHT sensor: left out in both directions
    f[27] = 40;
    answeredFrame(0, f);
    const QByteArray sent = t.ports.frames(1).back().bytes;
    ASSERT_EQ(sent.size(), 34);

    log->mnuRFPCtoStamp.click();
    EXPECT_TRUE(log->mnuRFPCtoStamp.checked());
    EXPECT_FALSE(log->mnuRFStamptoPC.checked());
    tick();
    QStringList expected;
    for (int p = 0; p < 32; ++p)
        if (p != 11) expected << monitorLine(p, uint8_t(sent[p]), p == 27 ? "=  1200 tr/min" : "");
    EXPECT_EQ(monitor(), expected);
    EXPECT_EQ(monitor().at(23), monitorLine(24, 100));
    EXPECT_EQ(monitor().at(2), monitorLine(2, 2));

    log->mnuRFStamptoPC.click();
    EXPECT_TRUE(log->mnuRFStamptoPC.checked());
    EXPECT_FALSE(log->mnuRFPCtoStamp.checked());
    tick();
    EXPECT_EQ(monitor().at(23), monitorLine(24, f[24]));
}

TEST_F(IOMonitorTest, TemperatureLabelAndBar)
{
    constexpr plat::Color Cyan = plat::colors::Cyan, Black = plat::colors::Black;
    const struct {
        int tempSel, mat, sht, lost;
        QString caption;
        int top;   // top of the bar, -1 for none
    } cases[] = {
        {0, 25, 30, 0, " 25°C", 3090},
        {0, 0, 30, 0, " 0°C", 3840},
        {1, 25, 70, 0, " 70°C", 1740},
        {1, 25, 255, 0, "---", -1},
        {0, 25, 30, 1, "---", 3090},   // a lost link keeps the last bar
        {0, 200, 30, 0, " 200°C", 0},  // runs past the top of the box
    };
    for (const auto& c : cases) {
        SCOPED_TRACE((c.caption + QString::number(c.top)).toStdString());
        s->common->TempSel = c.tempSel;
        s->status->TempMAT[0] = c.mat;
        s->status->TempSHT[0] = c.sht;
        s->status->FlagCommPerdue[0] = c.lost;
        tick();
        EXPECT_EQ(log->Label68.caption(), c.caption);
        const plat::Canvas& bar = log->Picture1.canvas();
        EXPECT_EQ(bar.point(45, 3840), c.top < 0 ? Black : Cyan);
        if (c.top >= 0) {
            EXPECT_EQ(bar.point(45, c.top), Cyan);
            EXPECT_EQ(bar.point(105, c.top), Black);   // 90 twips wide
            if (c.top >= 30) {
                EXPECT_EQ(bar.point(45, c.top - 30), Black);
            }
        }
    }
}
