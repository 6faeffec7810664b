// The scheduler tick's own sections: the time on the hour scale, the save
// and clearing of the strips at 23:59 (once, re-armed at 00:00, an image
// that cannot be written reported), the live normal-mode trace, and the
// START LE button's colour.
#include "scheduler/SchedulerFixture.h"
#include "shell/LinkStatus.h"
#include "shell/MainPanels.h"
#include "shell/ScheduleFlags.h"
#include "shell/State.h"

#include <QDir>
#include <QFileInfo>

using namespace orv;

namespace {

class TickTest : public SchedulerTest {
protected:
    QString image(int n) const { return t.host(QString("C:\\LightCtl\\Images_Traces\\02.03.2026_0%1.bmp").arg(n)); }
};

TEST_F(TickTest, StripsSavedAndClearedOnceAt2359)
{
    start().Picture4.canvas().line(0, 0, 4000, 375, plat::colors::Blue, plat::Canvas::BoxFilled);
    s->schedule->FlagTraceNormal[2] = 1;
    s->schedule->DebutTraceNormalX[2] = 5000;
    setClock(2026, 3, 2, 23, 58, 58);
    t.time.advance(1000);
    EXPECT_FALSE(QFileInfo::exists(image(2)));
    runToClock(23, 59, 1);
    for (int n = 2; n <= 9; ++n) EXPECT_TRUE(QFileInfo::exists(image(n))) << n;
    EXPECT_EQ(QImage(image(4)).pixelColor(10, 10), QColor(0, 0, 255));   // LE-3's strip as it was
    EXPECT_EQ(start().Picture4.canvas().point(100, 100), start().Picture4.canvas().backColor());
    EXPECT_EQ(s->schedule->FlagTraceNormal[2], 0);
    EXPECT_EQ(s->schedule->DebutTraceNormalX[2], 0);
    EXPECT_EQ(s->schedule->FlagImages2359, 1);

    // Once in the minute.
    for (int n = 2; n <= 9; ++n) QFile::remove(image(n));
    runToClock(23, 59, 50);
    EXPECT_FALSE(QFileInfo::exists(image(2)));
    runToClock(0, 0, 1);
    EXPECT_EQ(s->schedule->FlagImages2359, 0);
    EXPECT_TRUE(eventLines().isEmpty());
}

TEST_F(TickTest, ImagesThatCannotBeWrittenAreReportedAndTheStripsStillCleared)
{
    ASSERT_TRUE(QDir(t.host("C:\\LightCtl\\Images_Traces")).removeRecursively());
    start().Picture2.canvas().line(0, 0, 4000, 375, plat::colors::Blue, plat::Canvas::BoxFilled);
    setClock(2026, 3, 2, 23, 59, 0);
    t.time.advance(2000);
    const QStringList lines = eventLines();
    ASSERT_EQ(lines.size(), 8);
    EXPECT_EQ(lines[0], " Image not saved : C:\\LightCtl\\Images_Traces\\02.03.2026_02.bmp");
    EXPECT_EQ(mainPanels(*log).List4.foreColor(), plat::colors::Red);
    EXPECT_EQ(start().Picture2.canvas().point(100, 100), start().Picture2.canvas().backColor());
    EXPECT_EQ(s->schedule->FlagImages2359, 1);
}

TEST_F(TickTest, TimeOnTheScaleAndTheLiveNormalTrace)
{
    setClock(2026, 3, 2, 10, 20, 30);
    t.time.advance(1000);
    EXPECT_EQ(sc->HeureTick, "10");
    EXPECT_EQ(sc->MinuteTick, "20");
    EXPECT_EQ(sc->CurseurHeureX, 11 * 480 + 235 + 20 * 8);
    EXPECT_TRUE(start().Picture1.canvas().printedTexts().contains(s->common->HeureCourante));

    // LE-2 in normal mode, running from 10:21 to 10:25, then stopped.
    choose(1, "MListeNormal");
    runToClock(10, 21, 1);
    const int anchor = s->schedule->DebutTraceNormalX[1];
    EXPECT_EQ(anchor, 11 * 480 + 235 + 21 * 8);
    s->status->PhaseLP[1] = 5;
    runToClock(10, 25, 1);
    plat::Canvas& strip = start().Picture3.canvas();
    EXPECT_EQ(strip.point(anchor - 745 + 16, 200), plat::colors::Green);
    s->status->PhaseLP[1] = 6;
    runToClock(10, 26, 1);
    EXPECT_EQ(strip.point(11 * 480 + 235 + 25 * 8 - 745 + 4, 200), plat::colors::Cyan);
    EXPECT_EQ(s->schedule->FlagTraceNormal[1], 0);
    EXPECT_TRUE(QFileInfo::exists(image(3)));   // the day's images saved at the stop
}

TEST_F(TickTest, StartButtonBlinksForAnArmedIdleLEAndFollowsItsPhase)
{
    choose(0, "MListeNormal");   // automatic restart armed, LE-1 selected
    t.time.advance(1000);
    const plat::Color first = start().StartSortie.backColor();
    t.time.advance(1000);
    const plat::Color second = start().StartSortie.backColor();
    EXPECT_NE(first, second);
    EXPECT_TRUE((first == plat::rgb(0xFF, 0xC0, 0x80) && second == plat::colors::LightGrey)
                || (second == plat::rgb(0xFF, 0xC0, 0x80) && first == plat::colors::LightGrey));
    s->status->PhaseLP[0] = 3;
    t.time.advance(1000);
    EXPECT_EQ(start().StartSortie.backColor(), plat::rgb(0x80, 0xFF, 0x80));
    s->status->PhaseLP[0] = 6;
    t.time.advance(1000);
    EXPECT_EQ(start().StartSortie.backColor(), plat::colors::Cyan);
}

} // namespace
