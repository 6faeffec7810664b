// The six-slider window: loading the set-points from the file, pointer
// presses and moves in individual and group mode, the mode change, the
// preset, and the validation into ConsignePW2.ini (lines 7 and 8 kept).
#include "run/PW6Sliders.h"
#include "run/RunFixture.h"
#include "shell/LeStrips.h"
#include "shell/LinkRequest.h"
#include "shell/RunShared.h"

using namespace orv;

class SixSlidersTest : public RunTest {
protected:
    const QString file = "C:\\LightCtl\\ConsignePW2.ini";

    // The window loaded and its first timer tick run.
    PW6Sliders& window()
    {
        PW6Sliders& w = *prog->form<PW6Sliders>();
        t.time.advance(100);
        return w;
    }
    static void press(PW6Sliders& w, int i, double y, int button = plat::LeftButton)
    {
        plat::PictureBox& track = w.Picture1[i];
        track.raiseMouse(track.onMouseDown, {button, 0, 100, y});
    }
    static void moveOver(PW6Sliders& w, int i, double y, int button = plat::LeftButton)
    {
        plat::PictureBox& track = w.Picture1[i];
        track.raiseMouse(track.onMouseMove, {button, 0, 100, y});
    }
    static QStringList values(PW6Sliders& w)
    {
        QStringList out;
        for (int i = 0; i < 6; ++i) out << w.Label8[i].caption();
        return out;
    }
    static int thumbTopFor(int v) { return 4000 - 40 * (v - 30); }
};

TEST_F(SixSlidersTest, LoadShowsTheFileValuesOfLE1ToLE6)
{
    writeFile(file, "60\r\n 70 \r\n80\r\n 130 \r\n30\r\n 95 \r\n 50 \r\n 50 \r\n");
    PW6Sliders& w = *prog->form<PW6Sliders>();
    EXPECT_EQ(w.caption(), " PWe in Individual or Group");
    EXPECT_EQ(w.scaleWidth(), 5130);
    EXPECT_EQ(w.scaleHeight(), 6060);
    EXPECT_EQ(values(w), QStringList({"", "", "", "", "", ""}));
    EXPECT_EQ(w.Check2.caption(), "PWe Individuel");
    EXPECT_FALSE(w.Line2.visible());
    t.time.advance(100);
    EXPECT_EQ(values(w), QStringList({"60", "70", "80", "130", "30", "95"}));
    EXPECT_EQ(w.Label1[3].top(), 0);
    EXPECT_EQ(w.Label1[4].top(), 4000);
    EXPECT_EQ(w.Label1[0].top(), thumbTopFor(60));
    EXPECT_EQ(s->runShared->ConsignePWIni[5], 95);
    EXPECT_EQ(w.Backdrop.canvas().point(400, 1140), plat::rgb(0, 0, 128));
    EXPECT_EQ(w.Backdrop.canvas().point(3460, 5140), plat::rgb(0, 0, 128));
    EXPECT_FALSE(w.Timer1.enabled());
}

TEST_F(SixSlidersTest, APressSetsTheValueFromThePointerHeight)
{
    PW6Sliders& w = window();
    struct Case { double y; const char* value; };
    const Case cases[] = {{70, "130"}, {4045, "30"}, {10, "130"}, {5000, "30"}, {2050, "80"}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.y);
        press(w, 2, c.y);
        EXPECT_EQ(w.Label8[2].caption(), c.value);
        const int y = int(std::clamp(c.y, 60.0, 4050.0));
        EXPECT_EQ(w.Label1[2].top(), y - 67);   // the thumb's middle at the pointer
    }
    EXPECT_EQ(w.Label1[2].backColor(), plat::colors::Green);
    EXPECT_EQ(w.Label1[0].backColor(), plat::rgb(192, 255, 192));

    // Without the left button alone, a press only recolours the thumbs.
    press(w, 4, 70, plat::RightButton);
    EXPECT_EQ(w.Label8[4].caption(), "50");
    EXPECT_EQ(w.Label1[4].backColor(), plat::colors::Green);
    EXPECT_EQ(w.Label1[2].backColor(), plat::rgb(192, 255, 192));
}

TEST_F(SixSlidersTest, GroupModeKeepsTheDistancesToLE1)
{
    PW6Sliders& w = window();
    press(w, 0, 2050);             // LE-1 at 80
    moveOver(w, 1, 1250);          // LE-2 at 100: the arrangement is recorded
    ASSERT_EQ(values(w), QStringList({"80", "100", "50", "50", "50", "50"}));
    EXPECT_EQ(w.PW6Offset[1], 20);
    EXPECT_EQ(w.PW6OffsetSign[1], -1);
    EXPECT_EQ(w.PW6OffsetSign[2], 1);

    w.Check2.setValue(1);
    EXPECT_EQ(w.Check2.caption(), "PWe Group");
    EXPECT_TRUE(w.Line2.visible());
    EXPECT_FALSE(w.Picture1[1].enabled());
    t.time.advance(100);   // the sliders go back to the file's values

    moveOver(w, 0, 450);          // LE-1 to 120
    EXPECT_EQ(values(w), QStringList({"120", "140", "90", "90", "90", "90"}));
    EXPECT_EQ(w.Label1[1].top(), thumbTopFor(140));
    EXPECT_EQ(w.Picture1[1].backColor(), plat::colors::Orange);
    EXPECT_EQ(w.Picture1[0].backColor(), plat::colors::White);

    // Tracks 2 to 6 take no pointer in group mode.
    press(w, 3, 70);
    EXPECT_EQ(w.Label8[3].caption(), "90");

    // Validation clamps LE-2 to 130.
    w.PWValide.click();
    EXPECT_EQ(w.Label8[1].caption(), "130");
    EXPECT_TRUE(readFile(file).startsWith("120\r\n130\r\n90\r\n"));

    w.Check2.setValue(0);
    EXPECT_EQ(w.Check2.caption(), "PWe Individuel");
    EXPECT_TRUE(w.Picture1[1].enabled());
    EXPECT_FALSE(w.Line5.visible());
}

TEST_F(SixSlidersTest, PresetMakesAllSixEqualToLE1)
{
    PW6Sliders& w = window();
    w.Picture1[3].setBackColor(plat::colors::Orange);
    press(w, 0, 2250);   // 75
    w.PresetEgal.click();
    EXPECT_EQ(values(w), QStringList({"75", "75", "75", "75", "75", "75"}));
    for (int k = 1; k < 6; ++k) {
        EXPECT_EQ(w.Label1[k].top(), thumbTopFor(75)) << k;
        EXPECT_EQ(w.PW6Offset[k], 0) << k;
    }
    for (int i = 0; i < 6; ++i) EXPECT_EQ(w.Picture1[i].backColor(), plat::colors::White) << i;
}

// Lines 1 to 6 in text form; lines 7 and 8 as they were saved, whatever the
// set-points LE-7 and LE-8 run with now.
TEST_F(SixSlidersTest, ValidationWritesTheSixAndKeepsLines7And8)
{
    writeFile(file, " 50 \r\n 60 \r\n 70 \r\n 80 \r\n 90 \r\n 100 \r\n 110 \r\n120\r\n");
    PW6Sliders& w = window();
    s->request->ConsignePW[6] = 0;
    s->request->ConsignePW[7] = 77;
    press(w, 5, 10);   // LE-6 to 130

    w.PWValide.click();

    EXPECT_EQ(readFile(file), QByteArray("50\r\n60\r\n70\r\n80\r\n90\r\n130\r\n 110 \r\n120\r\n"));
    for (int i = 0; i < 6; ++i) EXPECT_EQ(s->request->ConsignePW[i], i == 5 ? 130 : 50 + 10 * i) << i;
    EXPECT_EQ(leStrips(*log).Label15[5].caption(), "1300");
    EXPECT_EQ(s->runShared->ConsignePWIni[6], 110);
    EXPECT_EQ(leStrips(*log).Label15[7].caption(), "1200");
    EXPECT_EQ(s->request->ConsignePW[7], 77);   // LE-8 keeps running with its set-point

    // A file without lines 7 and 8: they come from the working copy.
    writeFile(file, "50\r\n");
    s->runShared->ConsignePWIni[6] = 65;
    s->runShared->ConsignePWIni[7] = 55;
    w.PWValide.click();
    EXPECT_EQ(readFile(file), QByteArray("50\r\n60\r\n70\r\n80\r\n90\r\n130\r\n 65 \r\n 55 \r\n"));
}

TEST_F(SixSlidersTest, QuitHidesAndKeepsTheValues)
{
    PW6Sliders& w = window();
    w.show();
    press(w, 1, 1250);
    w.FermerPW6FR.click();
    EXPECT_FALSE(w.visible());
    ASSERT_TRUE(prog->form<PW6Sliders>().isLoaded());
    EXPECT_EQ(w.Label8[1].caption(), "100");
}

// The window shown offscreen: the grid and the sliders on the real widgets.
TEST_F(SixSlidersTest, RealWindowShowsTheSliders)
{
    PW6Sliders& w = window();
    w.show();
    QWidget* track = w.Picture1[0].widget();
    ASSERT_TRUE(track);
    EXPECT_TRUE(track->isVisible());
    EXPECT_EQ(track->objectName(), "Picture1_0");
    EXPECT_EQ(w.window()->windowTitle(), " PWe in Individual or Group");
    const QImage shot = w.window()->grab().toImage();
    ASSERT_FALSE(shot.isNull());
    auto pixel = [&](int xTwips, int yTwips) { return plat::fromQColor(shot.pixelColor(xTwips / 15, yTwips / 15)); };
    EXPECT_EQ(pixel(400, 1140), plat::rgb(0, 0, 128));        // a grid point
    EXPECT_EQ(pixel(430, 1300), plat::rgb(192, 192, 255));    // the window between the points
    EXPECT_EQ(pixel(2160 + 150, 960 + 3000), plat::colors::White);          // LE-1's track
    EXPECT_EQ(pixel(2160 + 150, 960 + 3200 + 60), plat::rgb(192, 255, 192));   // its thumb at 50
}
