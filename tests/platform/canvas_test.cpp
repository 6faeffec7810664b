// Picture-box image: drawing and read-back, background layers, scale, text
// position and the BMP files it saves and loads.
#include "platform/Canvas.h"
#include "support/Printing.h"

#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>
#include <vector>

using namespace plat;

namespace {

constexpr Color Outside = 0xFFFFFFFFu;

// 80 x 40 pixels on white, twips scale.
struct CanvasTest : ::testing::Test {
    Canvas c{1200, 600, colors::White};
};

QImage solid(int w, int h, QColor col)
{
    QImage img(w, h, QImage::Format_RGB888);
    img.fill(col);
    return img;
}

} // namespace

TEST_F(CanvasTest, SizeIsFifteenTwipsPerPixel)
{
    EXPECT_EQ(c.image().size(), QSize(80, 40));
    EXPECT_EQ(c.point(0, 0), colors::White);
    EXPECT_EQ(c.point(1199, 599), colors::White);
}

TEST_F(CanvasTest, PointReadsBackLinesBoxesAndPoints)
{
    // Pixel i covers twips [15 i, 15 i + 15).
    c.line(150, 150, 450, 150, colors::Red);                             // px (10..30, 10)
    c.line(150, 300, 450, 450, colors::Blue, Canvas::Box);               // px (10..30, 20..30)
    c.line(600, 150, 750, 300, colors::Green, Canvas::BoxFilled);        // px (40..50, 10..20)
    c.pset(900, 450, colors::Orange);                                    // px (60, 30)

    struct Case { double x, y; Color want; const char* what; };
    const Case cases[] = {
        {150, 150, colors::Red, "line start"},
        {450, 150, colors::Red, "line end included"},
        {464, 150, colors::Red, "same pixel as the end"},
        {465, 150, colors::White, "pixel after the end"},
        {135, 150, colors::White, "pixel before the start"},
        {150, 300, colors::Blue, "box corner 1"},
        {450, 450, colors::Blue, "box corner 2"},
        {300, 300, colors::Blue, "box top edge"},
        {450, 375, colors::Blue, "box right edge"},
        {300, 375, colors::White, "box interior empty"},
        {600, 150, colors::Green, "filled corner 1"},
        {750, 300, colors::Green, "filled corner 2"},
        {675, 225, colors::Green, "filled interior"},
        {765, 225, colors::White, "right of filled box"},
        {900, 450, colors::Orange, "pset"},
        {915, 450, colors::White, "next to pset"},
        {-1, 0, Outside, "left of the box"},
        {0, 600, Outside, "below the box"},
        {1200, 0, Outside, "right of the box"},
    };
    for (const Case& k : cases) EXPECT_EQ(c.point(k.x, k.y), k.want) << k.what;
}

TEST_F(CanvasTest, LineAndPSetSetCurrentPosition)
{
    c.line(10, 20, 300, 400, colors::Black);
    EXPECT_DOUBLE_EQ(c.currentX(), 300);
    EXPECT_DOUBLE_EQ(c.currentY(), 400);
    c.line(0, 0, 90, 45, colors::Black, Canvas::BoxFilled);
    EXPECT_DOUBLE_EQ(c.currentX(), 90);
    EXPECT_DOUBLE_EQ(c.currentY(), 45);
    c.pset(33, 44, colors::Black);
    EXPECT_DOUBLE_EQ(c.currentX(), 33);
    EXPECT_DOUBLE_EQ(c.currentY(), 44);
}

TEST_F(CanvasTest, DrawingOutsideIsClipped)
{
    // A line from far outside reaches in; far-away coordinates cost nothing.
    c.line(-1e9, 300, 1e9, 300, colors::Red);
    EXPECT_EQ(c.point(0, 300), colors::Red);
    EXPECT_EQ(c.point(1199, 300), colors::Red);
    c.line(-3000, -3000, 3000, 3000, colors::Red, Canvas::BoxFilled);
    EXPECT_EQ(c.point(600, 100), colors::Red);
    c.cls();
    c.line(-5000, 100, -100, 100, colors::Red);               // wholly outside
    c.line(2000, -500, 3000, 1e12, colors::Red, Canvas::Box);
    c.pset(1e15, -1e15, colors::Red);
    c.pset(std::nan(""), 0, colors::Red);
    for (int y = 0; y < 40; ++y)
        for (int x = 0; x < 80; ++x) ASSERT_EQ(c.image().pixelColor(x, y), QColor(Qt::white)) << x << "," << y;
}

TEST_F(CanvasTest, DegenerateBoxIsALine)
{
    c.line(300, 150, 300, 450, colors::Blue, Canvas::BoxFilled);
    c.line(600, 150, 600, 450, colors::Blue, Canvas::Box);
    for (double y : {150.0, 300.0, 450.0}) {
        EXPECT_EQ(c.point(300, y), colors::Blue);
        EXPECT_EQ(c.point(600, y), colors::Blue);
    }
    EXPECT_EQ(c.point(315, 300), colors::White);
    EXPECT_EQ(c.point(615, 300), colors::White);
}

TEST_F(CanvasTest, WidePenAndDottedStyle)
{
    c.setDrawWidth(3);
    c.line(150, 300, 450, 300, colors::Red);
    EXPECT_EQ(c.point(300, 285), colors::Red);
    EXPECT_EQ(c.point(300, 315), colors::Red);
    EXPECT_EQ(c.point(300, 330), colors::White);

    c.setDrawWidth(1);
    c.setDrawStyle(Canvas::Dot);
    c.line(0, 450, 1199, 450, colors::Blue);
    int on = 0;
    for (int x = 0; x < 80; ++x) on += c.image().pixelColor(x, 30) == QColor(Qt::blue);
    EXPECT_GT(on, 20);
    EXPECT_LT(on, 60);
}

TEST_F(CanvasTest, BackColorAndClsEraseDrawingButKeepPicture)
{
    c.setPicture(solid(10, 10, Qt::red));   // px 0..9
    EXPECT_TRUE(c.hasPicture());
    c.line(0, 75, 1199, 75, colors::Green);  // across the picture and beyond
    ASSERT_EQ(c.point(30, 75), colors::Green);

    c.setBackColor(colors::Blue);
    EXPECT_EQ(c.backColor(), colors::Blue);
    EXPECT_EQ(c.point(30, 75), colors::Red);      // picture back under the line
    EXPECT_EQ(c.point(600, 75), colors::Blue);    // line gone
    EXPECT_EQ(c.point(149, 149), colors::Red);
    EXPECT_EQ(c.point(150, 150), colors::Blue);

    c.line(0, 75, 1199, 75, colors::Green);
    c.setCurrentX(500);
    c.setCurrentY(200);
    c.cls();
    EXPECT_EQ(c.point(30, 75), colors::Red);
    EXPECT_EQ(c.point(600, 75), colors::Blue);
    EXPECT_DOUBLE_EQ(c.currentX(), 0);
    EXPECT_DOUBLE_EQ(c.currentY(), 0);

    c.clearPicture();
    EXPECT_FALSE(c.hasPicture());
    EXPECT_EQ(c.point(30, 75), colors::Blue);

    // The stored colour stays symbolic; the image shows its rendering.
    c.setBackColor(ButtonFace);
    EXPECT_EQ(c.backColor(), ButtonFace);
    EXPECT_EQ(c.point(30, 75), fromQColor(toQColor(ButtonFace)));
}

TEST_F(CanvasTest, ResizeKeepsWhatFits)
{
    c.setPicture(solid(100, 100, Qt::yellow));   // larger than the box
    c.line(0, 0, 1199, 599, colors::Red, Canvas::BoxFilled);
    c.resize(1800, 300);                         // wider, lower
    EXPECT_EQ(c.image().size(), QSize(120, 20));
    EXPECT_EQ(c.point(1000, 200), colors::Red);      // kept drawing
    EXPECT_EQ(c.point(1400, 200), colors::Yellow);   // gained area shows the picture...
    EXPECT_EQ(c.point(1500, 200), colors::White);    // ...and the back colour past it
    EXPECT_EQ(c.point(1000, 400), Outside);
}

TEST_F(CanvasTest, CustomScaleMapsCornersOntoThePixels)
{
    c.setScale(0, 0, 1000, 500);   // 80 x 40 px: 12.5 units per pixel
    EXPECT_DOUBLE_EQ(c.scaleWidth(), 1000);
    EXPECT_DOUBLE_EQ(c.scaleHeight(), 500);
    c.line(0, 0, 500, 250, colors::Red, Canvas::BoxFilled);   // px 0..40, 0..20
    EXPECT_EQ(c.image().pixelColor(40, 20), QColor(Qt::red));
    EXPECT_EQ(c.image().pixelColor(41, 20), QColor(Qt::white));
    EXPECT_EQ(c.point(999, 499), colors::White);
    EXPECT_EQ(c.point(1000, 250), Outside);
    EXPECT_EQ(c.pixelToUser(QPointF(8, 4)), QPointF(100, 50));

    // Axes may run backwards: y = 100 at the top, 0 at the bottom.
    c.setScale(-50, 100, 50, 0);
    c.pset(-50, 99.9, colors::Blue);
    EXPECT_EQ(c.image().pixelColor(0, 0), QColor(Qt::blue));
    c.pset(49.9, 0.1, colors::Green);
    EXPECT_EQ(c.image().pixelColor(79, 39), QColor(Qt::green));

    // Text sizes follow the scale.
    c.resetScale();
    const double wTwips = c.textWidth("Rest"), hTwips = c.textHeight("Rest");
    c.setScale(0, 0, 2400, 1200);   // twice as many units per pixel as twips
    EXPECT_DOUBLE_EQ(c.textWidth("Rest"), 2 * wTwips);
    EXPECT_DOUBLE_EQ(c.textHeight("Rest"), 2 * hTwips);

    c.setScale(0, 0, 0, 100);   // empty range: ignored
    EXPECT_DOUBLE_EQ(c.scaleWidth(), 2400);
    c.resetScale();
    EXPECT_DOUBLE_EQ(c.scaleWidth(), 1200);
    EXPECT_EQ(c.point(600, 300), colors::Red);     // px (40, 20) again
    EXPECT_EQ(c.point(615, 300), colors::White);
}

TEST_F(CanvasTest, PrintDrawsAtCurrentPositionAndMovesDownOneLine)
{
    Canvas box(2400, 900, colors::Grey);
    box.setForeColor(colors::Black);
    box.setFontSize(10);
    const double lineH = box.textHeight(" Rest 12 sec.");
    ASSERT_GT(lineH, 0);
    ASSERT_GT(box.textWidth(" Rest 12 sec."), box.textWidth(" Rest"));
    EXPECT_DOUBLE_EQ(box.textHeight("a\nb"), 2 * lineH);

    box.setCurrentX(300);
    box.setCurrentY(150);
    box.print(" Rest 12 sec.");
    EXPECT_DOUBLE_EQ(box.currentX(), 300);
    EXPECT_DOUBLE_EQ(box.currentY(), 150 + lineH);
    box.print("x");
    EXPECT_DOUBLE_EQ(box.currentY(), 150 + 2 * lineH);

    // Ink in the fore colour inside the first text line only; the ground
    // around the letters is untouched (transparent print).
    const QImage& img = box.image();
    int ink = 0, other = 0, inkLeftOfStart = 0;
    const int top = 10, bottom = 10 + int(lineH / 15);
    for (int y = 0; y < img.height(); ++y)
        for (int x = 0; x < img.width(); ++x) {
            const QColor px = img.pixelColor(x, y);
            if (px == QColor(Qt::black)) {
                if (y >= top && y < bottom) ++ink;
                if (x < 20) ++inkLeftOfStart;
            } else if (px != toQColor(colors::Grey)) {
                ++other;
            }
        }
    EXPECT_GT(ink, 10);
    EXPECT_EQ(inkLeftOfStart, 0);
    EXPECT_EQ(other, 0);
}

TEST_F(CanvasTest, SavesA24BitBmpThatLoadsBackPixelForPixel)
{
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    Canvas strip(11535, 375, colors::LightGrey);   // 769 px: rows need padding
    strip.line(0, 0, 11534, 374, colors::Red);
    strip.line(480, 0, 960, 374, rgb(0, 0, 128), Canvas::BoxFilled);
    strip.pset(11520, 0, rgb(1, 2, 3));
    strip.print("05:00");
    const QString path = dir.filePath("08.12.2026_02.bmp");
    ASSERT_TRUE(strip.save(path));

    QFile f(path);
    ASSERT_TRUE(f.open(QIODevice::ReadOnly));
    const QByteArray head = f.read(54);
    ASSERT_EQ(head.size(), 54);
    EXPECT_EQ(head.left(2), QByteArray("BM"));
    auto le = [&](int off, int n) {
        uint32_t v = 0;
        for (int i = n - 1; i >= 0; --i) v = (v << 8) | uchar(head[off + i]);
        return v;
    };
    EXPECT_EQ(le(28, 2), 24u);
    EXPECT_EQ(le(18, 4), 769u);
    EXPECT_EQ(le(22, 4), 25u);
    EXPECT_EQ(le(2, 4), uint32_t(f.size()));

    const std::optional<QImage> back = Canvas::load(path);
    ASSERT_TRUE(back.has_value());
    ASSERT_EQ(back->size(), strip.image().size());
    for (int y = 0; y < back->height(); ++y)
        for (int x = 0; x < back->width(); ++x)
            ASSERT_EQ(back->pixelColor(x, y), strip.image().pixelColor(x, y)) << x << "," << y;

    // Loaded as a picture, it shows at its own size from the top-left corner.
    Canvas viewer(11535, 375, colors::LightGrey);
    viewer.setPicture(*back);
    EXPECT_EQ(viewer.image(), strip.image());

    // Saving over an existing file replaces it.
    Canvas blank(150, 150, colors::Black);
    ASSERT_TRUE(blank.save(path));
    EXPECT_EQ(Canvas::load(path)->size(), QSize(10, 10));
}

TEST_F(CanvasTest, FileFailuresAreReported)
{
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    EXPECT_FALSE(c.save(dir.filePath("missing-folder/x.bmp")));
    EXPECT_FALSE(Canvas::load(dir.filePath("nothing.bmp")).has_value());

    QFile junk(dir.filePath("junk.bmp"));
    ASSERT_TRUE(junk.open(QIODevice::WriteOnly));
    junk.write("BM this is not a picture");
    junk.close();
    EXPECT_FALSE(Canvas::load(junk.fileName()).has_value());
}

// Each change names the pixels it touched, so that only they are painted
// again; every pixel a drawing changed lies inside what it names.
TEST_F(CanvasTest, ChangesNameThePixelsTheyTouched)
{
    std::vector<QRect> named;
    c.onChanged = [&](const QRect& r) { named.push_back(r); };
    const QImage before = c.image();
    c.line(150, 150, 450, 300, colors::Red);   // px (10, 10) to (30, 20)
    c.pset(5 * 15, 30 * 15, colors::Red);
    c.pset(-1000, -1000, colors::Red);         // outside: nothing touched
    c.setCurrentX(600);
    c.setCurrentY(0);
    c.print("x");
    ASSERT_EQ(named.size(), 4u);
    EXPECT_EQ(named[0], QRect(QPoint(10, 10), QPoint(30, 20)));
    EXPECT_EQ(named[1], QRect(5, 30, 1, 1));
    EXPECT_TRUE(named[2].isEmpty());
    EXPECT_TRUE(c.image().rect().contains(named[3]));
    const QImage after = c.image();
    for (int y = 0; y < after.height(); ++y)
        for (int x = 0; x < after.width(); ++x) {
            if (after.pixel(x, y) == before.pixel(x, y)) continue;
            EXPECT_TRUE(named[0].contains(x, y) || named[1].contains(x, y) || named[3].contains(x, y))
                << "pixel " << x << "," << y << " changed outside the named pixels";
        }

    // Clearing and a new background touch the whole picture.
    c.cls();
    c.setBackColor(colors::Blue);
    ASSERT_EQ(named.size(), 6u);
    EXPECT_EQ(named[4], c.image().rect());
    EXPECT_EQ(named[5], c.image().rect());
}

// Large bold text whose glyphs reach past their advance and below the
// baseline (W, |, j, _), in several faces and on several lines: a pixel drawn
// outside what the print names would never be painted on the screen.
TEST_F(CanvasTest, LargeBoldTextNamesEveryPixelItTouched)
{
    struct Font {
        const char* name;
        double size;
    };
    for (const Font& f : {Font{"MS Sans Serif", 8.25}, Font{"MS Sans Serif", 36}, Font{"Arial", 48},
                          Font{"Times New Roman", 40}, Font{"Courier New", 44}}) {
        SCOPED_TRACE(testing::Message() << f.name << " " << f.size);
        Canvas big(9000, 4500, colors::White);   // 600 x 300 pixels
        big.setFontName(f.name);
        big.setFontSize(f.size);
        big.setFontBold(true);
        big.setForeColor(colors::Black);
        QRect named;
        big.onChanged = [&](const QRect& r) { named |= r; };
        const QImage before = big.image();
        big.setCurrentX(150);
        big.setCurrentY(150);
        big.print("W|j_\r\n_jW|");
        big.setCurrentX(6000);
        big.setCurrentY(3900);   // the second line runs out of the picture at the bottom right
        big.print("W|j_\r\nW|j_");
        const QImage after = big.image();
        int changed = 0, outside = 0;
        for (int y = 0; y < after.height(); ++y)
            for (int x = 0; x < after.width(); ++x) {
                if (after.pixel(x, y) == before.pixel(x, y)) continue;
                ++changed;
                if (!named.contains(x, y)) ++outside;
            }
        EXPECT_GT(changed, 0);
        EXPECT_EQ(outside, 0) << "of " << changed << " changed pixels, outside " << named.x() << "," << named.y()
                              << " " << named.width() << "x" << named.height();
    }
}
