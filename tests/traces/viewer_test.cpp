// The occupation image viewer: the day list from the images on disk, opening
// a day's eight BMP images (missing or unreadable ones shown plain grey), the
// occupation scan, the time text and the mouse readout.
#include "scheduler/SelectionStart.h"
#include "support/ProgramFixture.h"
#include "traces/TracesState.h"
#include "traces/VisualiserImagesHMS.h"

#include <QDir>

namespace {

using orv::VisualiserImagesHMS;

constexpr plat::Color Grey = plat::colors::LightGrey;

class ViewerTest : public ProgramTest {
protected:
    void SetUp() override
    {
        ProgramTest::SetUp();
        startUp();
    }

    // A strip image as the start-selection window saves it: grey, with a
    // green band from `from` to `to` (twips) on rows 0-360.
    void saveStrip(const QString& name, int from = -1, int to = -1, plat::Color band = plat::colors::Green)
    {
        plat::Canvas strip(11535, 375, Grey);
        if (from >= 0) strip.line(from, 0, to, 360, band, plat::Canvas::BoxFilled);
        ASSERT_TRUE(strip.save(t.host("C:\\LightCtl\\Images_Traces\\" + name))) << name.toStdString();
    }

    VisualiserImagesHMS& open()
    {
        VisualiserImagesHMS& w = prog->form<VisualiserImagesHMS>().get();
        w.show();
        t.time.advance(100);
        return w;
    }

    void pick(VisualiserImagesHMS& w, const QString& key)
    {
        const int i = w.List3.items().indexOf(key);
        ASSERT_GE(i, 0) << key.toStdString();
        w.List3.setListIndex(i);
        w.List3.onClick();
    }

    void press(plat::PictureBox& strip) { strip.raiseMouse(strip.onMouseDown, {plat::LeftButton, 0, 10, 10}); }
};

TEST_F(ViewerTest, CalculGivesHoursAndTwoDigitMinutes)
{
    VisualiserImagesHMS& w = prog->form<VisualiserImagesHMS>().get();
    const std::pair<int32_t, const char*> cases[] = {
        {0, " 0h00"}, {72, " 0h09"}, {479, " 0h59"}, {480, " 1h00"}, {3872, " 8h04"}, {11519, " 23h59"}};
    for (auto [x, text] : cases) {
        int32_t pos = x;
        w.Calcul(pos);
        EXPECT_EQ(prog->s.traces->HeureMinute, text) << x;
        EXPECT_EQ(pos, x);
    }
}

TEST_F(ViewerTest, DaysAreListedOnceNewestFirstAcrossYears)
{
    for (int n = 2; n <= 9; ++n) saveStrip(QStringLiteral("31.12.2024_0%1.bmp").arg(n));
    saveStrip("05.01.2025_02.bmp");                // the other seven are missing
    saveStrip("17.05.2024_03.bmp");                // no LE-1 image: not a day
    // Names of the LE-1 image's shape that are no day of the calendar.
    for (const char* name : {"abcdefghij_02.bmp", "99.99.9999_02.bmp", "29.02.2025_02.bmp", "00.01.2025_02.bmp",
                             "05.13.2025_02.bmp", "05.01.2025_02.bmp.bak", "05.01.2025_02x.bmp", "5.1.2025_02.bmp"})
        saveStrip(name);
    saveStrip("29.02.2024_02.BMP");                // a leap day, upper-case extension
    writeFile("C:\\LightCtl\\Images_Traces\\notes.txt", "x");

    VisualiserImagesHMS& w = prog->form<VisualiserImagesHMS>().get();
    w.show();
    EXPECT_TRUE(w.Label9.caption().isEmpty());
    EXPECT_EQ(w.List3.listCount(), 0);
    t.time.advance(100);
    EXPECT_EQ(w.List3.items(), QStringList({" 2025.01.05", " 2024.12.31", " 2024.02.29"}));
    EXPECT_FALSE(w.List1.visible());
    EXPECT_FALSE(w.Timer1.enabled());
}

TEST_F(ViewerTest, VisualiserOpensTheViewerAndAnOpenOneKeepsItsList)
{
    saveStrip("01.02.2026_02.bmp");
    orv::SelectionStart& start = prog->form<orv::SelectionStart>().get();
    start.mnu2Visualiser.click();
    VisualiserImagesHMS* w = prog->ifLoaded<VisualiserImagesHMS>();
    ASSERT_NE(w, nullptr);
    EXPECT_TRUE(w->visible());
    t.time.advance(100);
    EXPECT_EQ(w->List3.items(), QStringList({" 2026.02.01"}));
    saveStrip("02.02.2026_02.bmp");
    start.mnu2Visualiser.click();
    t.time.advance(100);
    EXPECT_EQ(w->List3.items(), QStringList({" 2026.02.01"}));
}

TEST_F(ViewerTest, AFolderWithoutLe1ImagesListsNothing)
{
    saveStrip("01.02.2026_03.bmp");
    EXPECT_EQ(open().List3.listCount(), 0);
}

TEST_F(ViewerTest, OpeningADayLoadsItsImagesAndRefillsTheListLater)
{
    saveStrip("31.12.2024_02.bmp", 2400, 3840);
    for (int n = 3; n <= 9; ++n) saveStrip(QStringLiteral("31.12.2024_0%1.bmp").arg(n), 480 * n, 480 * n + 240);
    saveStrip("05.01.2025_02.bmp", 0, 11535);
    writeFile("C:\\LightCtl\\Images_Traces\\05.01.2025_03.bmp", "BM not a picture");

    VisualiserImagesHMS& w = open();
    w.List2.addItem("last scan");
    pick(w, " 2024.12.31");
    EXPECT_EQ(w.Label9.caption(), "Visualise la date du : 31.12.2024");
    EXPECT_EQ(w.List3.listCount(), 0);
    EXPECT_EQ(w.List2.items(), QStringList({"last scan"}));
    EXPECT_EQ(w.strip(0).canvas().point(3000, 150), plat::colors::Green);
    EXPECT_EQ(w.strip(7).canvas().point(480 * 9 + 100, 150), plat::colors::Green);   // LE-8 from "_09.bmp"
    EXPECT_EQ(w.strip(7).canvas().point(100, 150), Grey);

    t.time.advance(100);
    EXPECT_EQ(w.List3.items(), QStringList({" 2025.01.05", " 2024.12.31"}));
    EXPECT_EQ(w.List3.listIndex(), -1);

    // A day whose images are not all there, one of them unreadable: those
    // strips show plain grey and the viewer goes on.
    pick(w, " 2025.01.05");
    EXPECT_EQ(w.strip(0).canvas().point(100, 150), plat::colors::Green);
    for (int le = 1; le < 8; ++le) {
        EXPECT_FALSE(w.strip(le).canvas().hasPicture()) << le;
        EXPECT_EQ(w.strip(le).canvas().point(480 * (le + 2) + 100, 150), Grey) << le;
    }
}

TEST_F(ViewerTest, TheScanListsWhereTheGreenBandBeginsAndEnds)
{
    saveStrip("08.12.2026_02.bmp", 2400, 3840);        // 05:00 to 08:00
    saveStrip("08.12.2026_03.bmp", 0, 11535);          // green all day
    saveStrip("08.12.2026_04.bmp", 2400, 3840, plat::colors::Cyan);
    saveStrip("08.12.2026_05.bmp", 2400, 3840, plat::rgb(0, 254, 0));
    VisualiserImagesHMS& w = open();
    pick(w, " 2026.12.08");

    press(w.Picture1);
    EXPECT_EQ(w.List2.items(), QStringList({"2400  H= 65280       5h00", "3855  L= 14737632   8h01"}));
    press(w.Picture2);
    EXPECT_EQ(w.List2.items(), QStringList({"1  H= 65280       0h00"}));
    press(w.Picture3);
    EXPECT_EQ(w.List2.listCount(), 0);   // cyan is free
    press(w.Picture4);
    EXPECT_EQ(w.List2.listCount(), 0);   // nearly green is free
}

TEST_F(ViewerTest, MovingOverTheStripsShowsThePosition)
{
    VisualiserImagesHMS& w = open();
    w.Picture1.raiseMouse(w.Picture1.onMouseMove, {0, 0, 2400, 150});
    EXPECT_EQ(w.Label10.caption(), "X= 2400");
    EXPECT_EQ(w.Label11.caption(), "Y= 150");
    w.Picture6.raiseMouse(w.Picture6.onMouseMove, {0, 0, 75, 30});
    EXPECT_EQ(w.Label10.caption(), "75");
    EXPECT_EQ(w.Label11.caption(), "30");
}

TEST_F(ViewerTest, ScreenshotOfADay)
{
    saveStrip("08.12.2026_02.bmp", 2400, 3840);
    saveStrip("08.12.2026_03.bmp", 4800, 8160);
    for (int n = 4; n <= 9; ++n) saveStrip(QStringLiteral("08.12.2026_0%1.bmp").arg(n));
    saveStrip("07.12.2026_02.bmp");
    VisualiserImagesHMS& w = open();
    pick(w, " 2026.12.08");
    t.time.advance(100);
    press(w.Picture1);
    w.Picture1.raiseMouse(w.Picture1.onMouseMove, {0, 0, 2400, 150});

    const QImage image = w.window()->grab().toImage();
    ASSERT_FALSE(image.isNull());
    QDir().mkpath(TEST_OUTPUT_DIR);
    ASSERT_TRUE(image.save(TEST_OUTPUT_DIR "/visualiser_images_hms.png"));
}

} // namespace
