// The day images of the strips: names from the date itself, the eight BMP
// files and their pixels read back by a reader of the test's own, a save
// over an earlier one, a missing folder, quit's save, and the reload of
// today's images at start-up and at the window's opening.

#include "scheduler/StripFixture.h"
#include "shell/Log.h"
#include "shell/ScheduleFlags.h"
#include "shell/State.h"

#include <QFile>

using namespace orv;

namespace {

// A minimal 24-bit BMP reader, independent of the program's picture code.
struct Bmp {
    int width = 0, height = 0;
    QByteArray pixels;   // rows top to bottom, 3 bytes B G R per pixel, no padding
    bool ok = false;
    plat::Color at(int x, int y) const
    {
        const int i = (y * width + x) * 3;
        return plat::rgb(uchar(pixels[i + 2]), uchar(pixels[i + 1]), uchar(pixels[i]));
    }
};

uint32_t le32(const QByteArray& b, int at)
{
    return uchar(b[at]) | uchar(b[at + 1]) << 8 | uchar(b[at + 2]) << 16 | uint32_t(uchar(b[at + 3])) << 24;
}

Bmp readBmp(const QString& path)
{
    Bmp bmp;
    QFile f(path);
    if (!f.open(QIODevice::ReadOnly)) return bmp;
    const QByteArray b = f.readAll();
    if (b.size() < 54 || b[0] != 'B' || b[1] != 'M') return bmp;
    const uint32_t offset = le32(b, 10);
    bmp.width = int(le32(b, 18));
    const int32_t h = int32_t(le32(b, 22));
    const int bpp = uchar(b[28]) | uchar(b[29]) << 8;
    if (bpp != 24 || le32(b, 30) != 0) return bmp;
    bmp.height = h < 0 ? -h : h;
    const int stride = (bmp.width * 3 + 3) / 4 * 4;
    if (b.size() < qsizetype(offset) + qsizetype(stride) * bmp.height) return bmp;
    for (int row = 0; row < bmp.height; ++row) {
        const int fileRow = h < 0 ? row : bmp.height - 1 - row;
        bmp.pixels += b.mid(offset + fileRow * stride, bmp.width * 3);
    }
    bmp.ok = true;
    return bmp;
}

class DayImagesTest : public StripTest {
protected:
    void SetUp() override
    {
        StripTest::SetUp();
        t.time.setWallClock(QDateTime(QDate(2026, 12, 8), QTime(14, 35, 0)));
    }
    QString image(int n, const QString& date = "08.12.2026") const
    {
        return t.host(QString("C:\\LightCtl\\Images_Traces\\%1_0%2.bmp").arg(date).arg(n));
    }
};

TEST_F(DayImagesTest, SaveWritesTheEightStripsUnderTodaysDate)
{
    setMode(0, "Plan");
    move(0, 100);
    w->strip(7).setBackColor(plat::rgb(255, 192, 128));
    w->mnu2SauverLesTraces.click();
    EXPECT_EQ(s->common->DateCourante, QString("08.12.2026"));

    const Bmp le1 = readBmp(image(2));
    ASSERT_TRUE(le1.ok);
    EXPECT_EQ(le1.width, 11535 / 15);
    EXPECT_EQ(le1.height, 375 / 15);
    EXPECT_EQ(le1.at(1000 / 15, 315 / 15), DarkBlue);   // the step line
    for (int n = 3; n <= 8; ++n) {
        const Bmp b = readBmp(image(n));
        ASSERT_TRUE(b.ok) << n;
        // An undrawn strip is uniformly light grey.
        for (int i = 0; i < b.pixels.size(); i += 3)
            ASSERT_EQ(b.at((i / 3) % b.width, (i / 3) / b.width), plat::rgb(224, 224, 224)) << n;
    }
    EXPECT_EQ(readBmp(image(9)).at(5, 5), plat::rgb(255, 192, 128));

    // A second save of the day replaces the set.
    w->strip(7).setBackColor(plat::rgb(10, 20, 30));
    w->SauvTraces();
    EXPECT_EQ(readBmp(image(9)).at(5, 5), plat::rgb(10, 20, 30));
}

TEST_F(DayImagesTest, ImageDateComesFromTheDateNotItsText)
{
    t.time.setWallClock(QDateTime(QDate(2027, 1, 3), QTime(0, 0, 5)));
    w->SauvTraces();
    EXPECT_EQ(s->common->DateCourante, QString("03.01.2027"));
    EXPECT_TRUE(QFile::exists(image(2, "03.01.2027")));
    EXPECT_TRUE(QFile::exists(image(9, "03.01.2027")));
}

TEST_F(DayImagesTest, AMissingFolderSkipsTheSave)
{
    QDir(t.host("C:\\LightCtl\\Images_Traces")).removeRecursively();
    w->SauvTraces();
    EXPECT_FALSE(QFile::exists(image(2)));
    // The window goes on.
    setMode(0, "Plan");
    move(0, 100);
    EXPECT_EQ(s->schedule->FlagDefautPlan[0], 1);
}

TEST_F(DayImagesTest, QuitSavesTheStripsAndTheWindowPosition)
{
    setMode(1, "Asym");
    move(1, 100);
    w->show();
    w->move(2310, -120, w->width(), w->height());
    t.dialogs.answers.push_back(plat::mb::Yes);
    try {
        prog->Log->mnuQuit_Click();
    } catch (...) {
    }
    EXPECT_EQ(readBmp(image(3)).at(8000 / 15, 8 / 15), DarkBlue);
    EXPECT_EQ(readFile("C:\\LightCtl\\AdressesFenetresStart.ini"), QByteArray(" 2310 \r\n-120 \r\n\r\n\r\n\r\n\r\n"));
}

TEST_F(DayImagesTest, StartUpReloadsTodaysImagesThatExist)
{
    w->strip(0).setBackColor(plat::rgb(0, 200, 0));
    w->strip(5).setBackColor(plat::rgb(200, 0, 0));
    w->SauvTraces();
    QFile::remove(image(4));   // LE-3's image is missing

    // A new program on the same drive, started on the same day.
    prog.reset();
    makeProgram();
    t.time.setWallClock(QDateTime(QDate(2026, 12, 8), QTime(18, 0, 0)));
    startUp();
    SelectionStart& again = *prog->form<SelectionStart>();
    EXPECT_EQ(again.strip(0).canvas().point(100, 100), plat::rgb(0, 200, 0));
    EXPECT_EQ(again.strip(5).canvas().point(100, 100), plat::rgb(200, 0, 0));
    EXPECT_EQ(again.strip(2).canvas().point(100, 100), plat::colors::LightGrey);
    EXPECT_FALSE(again.strip(2).canvas().hasPicture());
    EXPECT_TRUE(again.strip(1).canvas().hasPicture());
}

TEST_F(DayImagesTest, OpeningReloadsTodaysImagesOfNormalLesOnly)
{
    w->strip(0).setBackColor(plat::rgb(0, 200, 0));
    w->strip(1).setBackColor(plat::rgb(0, 0, 200));
    w->SauvTraces();
    for (int le = 0; le < 8; ++le) w->strip(le).setBackColor(plat::colors::LightGrey);

    s->schedule->SelectionMode[0][1] = 1;   // Normal
    s->schedule->SelectionMode[1][4] = 1;   // Plan
    w->Timer1.setEnabled(true);
    t.time.advance(60);
    EXPECT_EQ(w->strip(0).canvas().point(100, 100), plat::rgb(0, 200, 0));
    EXPECT_EQ(w->strip(1).canvas().point(100, 100), plat::colors::LightGrey);

    // The newest day older than today: nothing is reloaded.
    w->strip(0).canvas().clearPicture();
    t.time.setWallClock(QDateTime(QDate(2026, 12, 9), QTime(8, 0, 0)));
    w->Timer1.setEnabled(true);
    t.time.advance(60);
    EXPECT_FALSE(w->strip(0).canvas().hasPicture());
}

} // namespace
