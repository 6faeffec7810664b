// The plot routine of each LE: the column it draws (stroke, segments, name,
// reference lines, phase marker) on the trace area, the end of a pane, the
// freeze, the restart timers and the trace image written when an LE stops.
#include "shell/LinkStatus.h"
#include "shell/LogTimers.h"
#include "shell/MainMenus.h"
#include "shell/RunShared.h"
#include "shell/ScheduleFlags.h"
#include "shell/TracesShared.h"
#include "support/TracesFixture.h"

#include <QImageReader>

namespace {

class PlotTest : public TracesTest {
protected:
    // LE index le at column c, reporting `phase`, last sample `prevLPC`,
    // then one tick with `nowLPC`.
    void column(int le, int c, int phase, int prevLPC, int nowLPC)
    {
        s->status->PhaseLP[le] = uint8_t(phase);
        ts->TraceLastPhase[le] = uint8_t(phase);
        s->tracesShared->TraceX[le] = c - 1;
        s->status->RawLPC[le] = uint8_t(prevLPC);
        tick(le);
        s->status->RawLPC[le] = uint8_t(nowLPC);
        tick(le);
    }
    QString image(int n) const { return "C:\\LightCtl\\Img\\LE" + QString::number(n) + "-0000.bmp"; }
};

TEST_F(PlotTest, AColumnOfLE6HasItsPhaseStrokeAndItsLPCSegmentWhereTheScaleSays)
{
    fillArea(tr::Red);
    column(5, 100, 5, 120, 128);

    // The erase stroke of phase 5, black, from (3051, 2339) to (3051, 4219).
    EXPECT_EQ(at(3051, 2339), tr::Black);
    EXPECT_EQ(at(3051, 3500), tr::Black);
    EXPECT_EQ(at(3051, 4214), tr::Black);
    EXPECT_EQ(at(3051, 2339 - 30), tr::Red);   // it starts 28 units below the origin
    // The LPC segment from (3036, 3203) to (3043, 3139) in light magenta.
    EXPECT_EQ(at(3036, 3203), tr::Magenta);
    EXPECT_EQ(at(3043, 3139), tr::Magenta);
    EXPECT_EQ(s->tracesShared->TraceX[5], 101);
    EXPECT_EQ(ts->TracePrev[5][orv::TraceLPC], 128);
}

TEST_F(PlotTest, LE1FillsTheWholeAreaInTheSingleScreenLayout)
{
    mainMenus(*log).mnuMonoEcran.setChecked(true);
    fillArea(tr::Black);
    column(0, 1000, 5, 120, 128);
    EXPECT_EQ(at(7000, 2048), tr::Magenta);   // k = 16: 4096 - 16 x 128
    EXPECT_EQ(at(6993, 4096 - 16 * 120), tr::Magenta);
    EXPECT_EQ(s->tracesShared->TraceX[0], 1001);

    // LE-2 still draws in its multi-screen pane, over LE-1's trace.
    column(1, 100, 5, 120, 128);
    EXPECT_EQ(at(2343 + 700, 2048 - 8 * 128), tr::Magenta);
}

TEST_F(PlotTest, EachSignalHasItsColourAndTheLFC2SensorAddsTheTwoLFCCurves)
{
    struct Signal {
        orv::PerLE<uint8_t> orv::LinkStatus::*raw;   // null: the MAT temperature
        int value;
        plat::Color colour;
    };
    const Signal curves[] = {
        {nullptr, 60, plat::rgb(255, 255, 0)},             // MAT 60 °C drawn at 120
        {&orv::LinkStatus::RawLFC3, 30, plat::rgb(255, 0, 0)},
        {&orv::LinkStatus::RawLFC2, 45, plat::rgb(255, 255, 255)},
        {&orv::LinkStatus::RawVIS, 75, plat::rgb(255, 255, 255)},
        {&orv::LinkStatus::RawIR, 90, plat::rgb(255, 100, 100)},
        {&orv::LinkStatus::RawRH, 150, plat::rgb(0, 170, 255)},
        {&orv::LinkStatus::RawLFC, 180, plat::rgb(0, 255, 0)},
        {&orv::LinkStatus::RawLPC, 210, plat::rgb(255, 0, 255)},
    };
    for (bool sensor : {true, false}) {
        SCOPED_TRACE(sensor ? "LFC-2 sensor" : "no LFC-2 sensor");
        setLFC2Sensor(1, sensor);
        fillArea(tr::Red);
        s->status->PhaseLP[1] = 0;
        ts->TraceLastPhase[1] = 0;
        s->tracesShared->TraceX[1] = 49;
        for (const Signal& sig : curves) {
            if (sig.raw) ((*s->status).*sig.raw)[1] = uint8_t(sig.value);
            else s->status->TempMAT[1] = uint8_t(sig.value);
        }
        tick(1);
        tick(1);   // column 50 of LE-2: x 2343 + 350
        for (const Signal& sig : curves) {
            const int v = sig.raw ? sig.value : 2 * sig.value;
            const bool lfc2 = sig.raw == &orv::LinkStatus::RawLFC3 || sig.raw == &orv::LinkStatus::RawLFC2;
            EXPECT_EQ(at(2343 + 350, 2048 - 8 * v), sensor || !lfc2 ? sig.colour : tr::Red) << v;
        }
    }
}

TEST_F(PlotTest, LE1DrawsNeitherVISNorIRNorRHOnTheWholeArea)
{
    mainMenus(*log).mnuMonoEcran.setChecked(true);
    fillArea(tr::Red);
    s->status->RawVIS[0] = 100;
    s->status->RawLFC[0] = 50;
    s->tracesShared->TraceX[0] = 10;
    tick(0);
    tick(0);
    EXPECT_EQ(at(77, 4096 - 16 * 100), tr::Red);
    EXPECT_EQ(at(77, 4096 - 16 * 50), plat::rgb(0, 255, 0));
}

TEST_F(PlotTest, NoSegmentBeforeColumnTwoAndTheNameOnlyOnTheFirstColumns)
{
    fillArea(tr::Red);
    area().cls();
    s->status->RawLPC[2] = 100;
    tick(2);
    tick(2);
    EXPECT_EQ(at(4678 + 7, 2048 - 800), tr::Black);          // columns 0 and 1: no segment
    s->status->RawLPC[2] = 120;
    tick(2);
    EXPECT_EQ(at(4678 + 7, 2048 - 800), tr::Magenta);        // column 2 joins the column-1 sample
    EXPECT_EQ(at(4678 + 14, 2048 - 960), tr::Magenta);
    for (int c = 3; c <= 8; ++c) tick(2);
    EXPECT_EQ(printed("LE3"), 7);                           // columns 0 to 6
    // The name sits at x0 + 1960, y0 + k + 45, in grey.
    area().cls();
    s->tracesShared->TraceX[2] = 0;
    tick(2);
    EXPECT_EQ(area().currentX(), 4678 + 1960);
}

TEST_F(PlotTest, TheEndOfThePaneBlanksItWithScrollAndHoldsTheLastColumnWithout)
{
    fillArea(tr::Red);
    s->status->RawLPC[3] = 100;
    s->tracesShared->TraceX[3] = 331;
    mainMenus(*log).mnuScroll.setChecked(false);
    tick(3);
    tick(3);
    EXPECT_EQ(s->tracesShared->TraceX[3], 331);
    EXPECT_EQ(at(7005 + 100, 1000), tr::Red);

    mainMenus(*log).mnuScroll.setChecked(true);
    tick(3);
    EXPECT_EQ(s->tracesShared->TraceX[3], 1);
    EXPECT_EQ(s->tracesShared->ScreenLE, 3);
    EXPECT_EQ(at(7005 + 100, 1000), tr::Black);   // blanked
    EXPECT_EQ(at(7005, 1000), tr::White);         // the grid drawn again
    EXPECT_EQ(at(4678 + 100, 1000), tr::Red);     // LE-3's pane untouched
}

TEST_F(PlotTest, LE1WrapsTheWholeAreaWhateverTheScrollMark)
{
    mainMenus(*log).mnuMonoEcran.setChecked(true);
    mainMenus(*log).mnuScroll.setChecked(false);
    ts->FrozenLE[4] = 1;
    mainMenus(*log).mnuFrozen.setChecked(true);
    for (int le = 0; le < 8; ++le) s->tracesShared->TraceX[le] = 200;
    s->tracesShared->TraceX[0] = 1321;
    tick(0);
    EXPECT_EQ(at(5000, 3000), tr::DarkBlue);
    for (int le = 0; le < 8; ++le) EXPECT_EQ(s->tracesShared->TraceX[le], 1) << le;
    EXPECT_EQ(ts->FrozenLE[4], 0);
    EXPECT_FALSE(mainMenus(*log).mnuFrozen.checked());
    t.time.advance(300);
    EXPECT_EQ(at(5000, 3000), tr::Black);
    EXPECT_EQ(at(4670, 3000), tr::Black);   // no grid in this layout
}

TEST_F(PlotTest, AFrozenPaneTakesSamplesAndDrawsNothingUntilUnfrozen)
{
    fillArea(tr::Red);
    s->tracesShared->TraceX[1] = 20;
    s->status->RawLPC[1] = 100;
    tick(1);
    ts->FrozenLE[1] = 1;
    s->status->RawLPC[1] = 150;
    s->status->PhaseLP[1] = 5;
    tick(1);
    tick(1);
    EXPECT_EQ(s->tracesShared->TraceX[1], 21);
    EXPECT_EQ(ts->TraceLastPhase[1], 0);
    EXPECT_EQ(ts->TraceNow[1][orv::TraceLPC], 150);
    EXPECT_EQ(at(2343 + 7 * 21 + 8, 1000), tr::Red);

    ts->FrozenLE[1] = 0;
    tick(1);
    // The first segment after the freeze starts from the last sample drawn.
    EXPECT_EQ(at(2343 + 7 * 20, 2048 - 800), tr::Magenta);
    EXPECT_EQ(at(2343 + 7 * 21, 2048 - 1200), tr::Magenta);
    EXPECT_EQ(ts->TraceLastPhase[1], 5);
}

TEST_F(PlotTest, APhaseChangeIsMarkedAtTheNewColumn)
{
    fillArea(tr::Red);
    area().cls();
    s->tracesShared->TraceX[6] = 40;
    s->status->PhaseLP[6] = 2;
    tick(6);
    const int x = 4678 + 7 * 41;
    EXPECT_EQ(at(x, 2115), tr::Yellow);
    EXPECT_EQ(at(x, 2115 + 40), tr::Yellow);
    EXPECT_EQ(area().printedTexts().last(), "2");
    EXPECT_EQ(area().currentX(), x - 140);
    EXPECT_EQ(ts->TraceLastPhase[6], 2);
    // No new marker while the phase stays.
    tick(6);
    EXPECT_EQ(at(x + 30, 2115), tr::Black);
}

TEST_F(PlotTest, TheTraceImageIsWrittenOncePerStopAndShowsTheWholeArea)
{
    const QString path = t.host(image(4));
    s->tracesShared->TraceX[3] = 100;
    s->status->PhaseLP[3] = 5;
    s->runShared->TempMagnOff[3] = 40;
    tick(3);
    EXPECT_FALSE(QFile::exists(path));
    s->status->PhaseLP[3] = 6;
    tick(3);
    ASSERT_TRUE(QFile::exists(path));

    // A reader that is not ours opens it, with the whole area in it.
    QImageReader reader(path);
    EXPECT_EQ(reader.format(), "bmp");
    const QImage img = reader.read();
    ASSERT_FALSE(img.isNull());
    EXPECT_EQ(img.size(), area().image().size());
    EXPECT_EQ(img.size(), QSize(622, 281));   // 9340 x 4215 twips at 15 twips a pixel
    EXPECT_EQ(img.pixelColor(100, 2107 / 15), QColor(255, 255, 255));       // the grid
    EXPECT_EQ(img.pixelColor((7005 + 7 * 102) / 15, 1), QColor(255, 255, 0));   // the "6" marker

    // Later phase-6 ticks do not write again; the next stop overwrites it.
    QFile::remove(path);
    tick(3);
    tick(3);
    EXPECT_FALSE(QFile::exists(path));
    s->status->PhaseLP[3] = 0;
    tick(3);
    s->status->PhaseLP[3] = 6;
    tick(3);
    EXPECT_TRUE(QFile::exists(path));
}

TEST_F(PlotTest, ATraceImageThatCannotBeWrittenIsSkippedAndTheTraceGoesOn)
{
    ASSERT_TRUE(QDir(t.host("C:\\LightCtl\\Img")).removeRecursively());
    s->tracesShared->TraceX[2] = 10;
    s->status->PhaseLP[2] = 6;
    tick(2);
    tick(2);
    EXPECT_EQ(ts->TraceLastPhase[2], 6);
    EXPECT_EQ(s->tracesShared->TraceX[2], 12);
    EXPECT_FALSE(QFile::exists(t.host(image(3))));
}

TEST_F(PlotTest, AFrozenStopSavesItsImageAtTheFirstUnfrozenTickStillInPhase6)
{
    s->tracesShared->TraceX[1] = 10;
    s->status->PhaseLP[1] = 5;
    tick(1);
    ts->FrozenLE[1] = 1;
    s->status->PhaseLP[1] = 6;
    tick(1);
    EXPECT_FALSE(QFile::exists(t.host(image(2))));
    ts->FrozenLE[1] = 0;
    tick(1);
    EXPECT_TRUE(QFile::exists(t.host(image(2))));

    // A stop that rests and ends while the pane is frozen leaves no image.
    QFile::remove(t.host(image(2)));
    s->status->PhaseLP[1] = 5;
    tick(1);
    ts->FrozenLE[1] = 1;
    s->status->PhaseLP[1] = 6;
    tick(1);
    s->status->PhaseLP[1] = 0;
    tick(1);
    ts->FrozenLE[1] = 0;
    tick(1);
    EXPECT_FALSE(QFile::exists(t.host(image(2))));
}

TEST_F(PlotTest, AMATTemperatureOf128OrMoreStaysOnItsPanesTopEdge)
{
    fillArea(tr::Red);
    s->tracesShared->TraceX[5] = 10;   // LE-6, bottom row, origin y 2115
    s->status->TempMAT[5] = 200;
    tick(5);
    tick(5);
    EXPECT_EQ(at(2343 + 77, 2115), tr::Yellow);
    EXPECT_EQ(at(2343 + 77, 2115 - 30), tr::Red);   // nothing in LE-2's pane above

    // The magnetron-off line of phase 6 likewise.
    s->status->PhaseLP[5] = 6;
    s->runShared->TempMagnOff[5] = 150;
    tick(5);
    EXPECT_EQ(at(2343 + 120, 2115), tr::Yellow);
    EXPECT_EQ(at(2343 + 120, 2115 - 30), tr::Red);
}

TEST_F(PlotTest, TheMagnetronOffLineAndItsLabelAreDrawnOnEveryPhase6Tick)
{
    fillArea(tr::Red);
    area().cls();
    s->status->PhaseLP[2] = 6;
    ts->TraceLastPhase[2] = 6;
    s->runShared->TempMagnOff[2] = 50;
    s->tracesShared->TraceX[2] = 20;
    tick(2);
    tick(2);
    EXPECT_EQ(printed("50 C"), 2);
    const int y = 2048 - 16 * 50 + 8 * 0;   // 256 k - 2 k x 50
    for (int x = 4678; x <= 4678 + 2335; x += 60) EXPECT_EQ(at(x, y), tr::Yellow) << x;
    EXPECT_EQ(at(4678 + 2340, y), tr::Black);
}

TEST_F(PlotTest, ALevelRequestGoesToTheFirstPaneBelowPhase6AndIsDrawnOnce)
{
    fillArea(tr::Red);
    area().cls();
    s->runShared->LevelStartLP[1] = 90;
    s->runShared->LevelStartLP[2] = 150;
    ts->FlagNiveauLPC = 1;
    s->status->PhaseLP[1] = 6;
    ts->TraceLastPhase[1] = 6;
    tick(1);   // LE-2 rests: the request waits
    EXPECT_EQ(ts->FlagNiveauLPC, 1);
    s->status->PhaseLP[2] = 5;
    ts->TraceLastPhase[2] = 5;
    tick(2);
    EXPECT_EQ(ts->FlagNiveauLPC, 0);
    const int y = 2048 - 8 * 150;
    EXPECT_EQ(at(4678, y), tr::Magenta);
    EXPECT_EQ(at(4678 + 2280, y), tr::Magenta);
    EXPECT_EQ(at(4678 + 30, y), tr::Black);   // dotted
    EXPECT_EQ(printed("150"), 1);
    EXPECT_EQ(printed("90"), 0);
}

TEST_F(PlotTest, LE1LeavesTheVISRequestToAnotherPaneOnTheWholeArea)
{
    mainMenus(*log).mnuMonoEcran.setChecked(true);
    s->runShared->LevelParam27[0] = 100;
    s->runShared->LevelParam27[4] = 60;
    ts->FlagNiveauVIS = 1;
    tick(0);
    EXPECT_EQ(ts->FlagNiveauVIS, 1);
    area().cls();
    tick(4);
    EXPECT_EQ(ts->FlagNiveauVIS, 0);
    EXPECT_EQ(at(0, 2115 + 255 * 8 - 8 * 60), plat::rgb(192, 192, 192));
    EXPECT_EQ(printed("60"), 1);
}

TEST_F(PlotTest, AnAsymmetricLEWithAnLFC2SensorShowsItsCalibrationLineOnEveryTick)
{
    auto& start = *prog->form<orv::SelectionStart>();
    s->schedule->CalLFC2[1] = 100;
    const int y = 255 * 8 - 8 * 100;
    struct Case {
        const char* mode;
        bool sensor;
        bool line;
    } cases[] = {{"Asym", true, true}, {"Asym", false, false}, {"Normal", true, false}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.mode);
        area().cls();
        start.modeLabel(1).setCaption(c.mode);
        setLFC2Sensor(1, c.sensor);
        tick(1);
        EXPECT_EQ(at(2343 + 600, y), c.line ? tr::White : tr::Black);
    }
    // LE-1 never draws one.
    area().cls();
    start.modeLabel(0).setCaption("Asym");
    setLFC2Sensor(0, true);
    s->schedule->CalLFC2[0] = 100;
    tick(0);
    EXPECT_EQ(at(600, y), tr::Black);
}

TEST_F(PlotTest, TheRestartTimersMoveTheColumnBackToSix)
{
    // LE-6 to LE-8 restart from the window's load; the others wait for a start.
    for (int le = 0; le < 8; ++le) EXPECT_EQ(s->tracesShared->TraceX[le], le >= 5 ? 6 : 0) << le;
    s->tracesShared->TraceX[2] = 200;
    logTimers(*log).Timer17.setEnabled(true);
    t.time.advance(30);
    EXPECT_EQ(s->tracesShared->TraceX[2], 6);
    EXPECT_FALSE(logTimers(*log).Timer17.enabled());
}

} // namespace
