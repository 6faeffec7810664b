// What a picture box and a window's own surface show on the screen follows
// every drawing, though each drawing repaints only the pixels it changed.
// Read from the screen (the platform's window contents), not re-rendered.
#include "platform/Controls.h"
#include "platform/Form.h"
#include "platform/PictureBox.h"
#include "support/RuntimeFixture.h"

#include <QCoreApplication>
#include <QPaintEvent>
#include <QGuiApplication>
#include <QScreen>
#include <QWidget>
#include <functional>
#include <gtest/gtest.h>

using namespace plat;

namespace {

struct Board : Form {
    explicit Board(Runtime& rt) : Form(rt, "Board")
    {
        move(0, 0, 6000, 4500);
        Picture1.move(300, 300, 3000, 2000);
        Picture1.setBackColor(colors::Black);
    }
    PictureBox Picture1{*this, "Picture1"};
};

QImage onScreen(QWidget* w)
{
    for (int i = 0; i < 5; ++i) QCoreApplication::processEvents();
    return QGuiApplication::primaryScreen()->grabWindow(w->winId()).toImage().convertToFormat(QImage::Format_RGB888);
}

// The part of `screen` at `origin` the size of `drawn`, compared pixel by pixel.
int differingPixels(const QImage& screen, QPoint origin, const QImage& drawn)
{
    int n = 0;
    for (int y = 0; y < drawn.height(); ++y)
        for (int x = 0; x < drawn.width(); ++x)
            n += screen.pixel(origin.x() + x, origin.y() + y) != drawn.pixel(x, y);
    return n;
}

// The areas a widget paints.
struct PaintRecorder : QObject {
    explicit PaintRecorder(QWidget* w) { w->installEventFilter(this); }
    bool eventFilter(QObject*, QEvent* e) override
    {
        if (e->type() == QEvent::Paint) painted.push_back(static_cast<QPaintEvent*>(e)->rect());
        return false;
    }
    std::vector<QRect> painted;
};

class PictureScreenTest : public RuntimeTest {};

} // namespace

TEST_F(PictureScreenTest, EveryDrawingReachesTheScreen)
{
    Board b(t.rt);
    b.show();
    QWidget* pic = b.Picture1.widget();
    const QPoint picAt = pic->mapTo(b.window(), pic->contentsRect().topLeft());
    Canvas& c = b.Picture1.canvas();

    // Steps that each touch a small part: lines, points, text, a filled box;
    // then a clear and a new background, which touch everything.
    const std::vector<std::function<void()>> steps = {
        [&] { c.line(0, 0, 2900, 1900, colors::Yellow); },
        [&] { c.pset(1500, 100, colors::Cyan); },
        [&] { c.setCurrentX(200); c.setCurrentY(1200); c.print("LE3 23"); },
        [&] { c.line(2000, 200, 2600, 800, colors::Red, Canvas::BoxFilled); },
        [&] { c.line(0, 1800, 2900, 300, colors::Green); },
        [&] { c.cls(); c.line(100, 100, 400, 400, colors::White); },
        [&] { b.Picture1.setBackColor(colors::Blue); },
    };
    for (size_t i = 0; i < steps.size(); ++i) {
        SCOPED_TRACE(i);
        steps[i]();
        const QImage screen = onScreen(b.window());
        ASSERT_FALSE(screen.isNull());
        EXPECT_EQ(differingPixels(screen, picAt, c.image()), 0);
    }

    // The window's own surface, drawn on beside the picture box.
    Canvas& surface = b.canvas();
    surface.line(3500, 300, 5500, 2500, colors::Red);
    surface.setCurrentX(3500);
    surface.setCurrentY(3000);
    surface.print("Surface");
    const QImage screen = onScreen(b.window());
    const QRect beside(3400 / 15, 200 / 15, 2200 / 15, 3200 / 15);
    const QPoint surfaceAt = b.surface()->mapTo(b.window(), QPoint());
    EXPECT_EQ(differingPixels(screen, surfaceAt + beside.topLeft(), surface.image().copy(beside)), 0);
}

TEST_F(PictureScreenTest, ADrawingThatChangesNothingPaintsNothing)
{
    Board b(t.rt);
    b.show();
    // A bar erased and drawn again on every tick, on a picture box and on
    // the window's own surface beside it.
    struct Case {
        Canvas& canvas;
        QWidget* widget;
        QPoint origin;   // of the canvas in the widget
        int left;        // of the bar, twips
    };
    QWidget* pic = b.Picture1.widget();
    const std::vector<Case> cases = {{b.Picture1.canvas(), pic, pic->contentsRect().topLeft(), 300},
                                     {b.canvas(), b.surface(), QPoint(), 3450}};
    for (const Case& k : cases) {
        SCOPED_TRACE(k.widget->objectName().toStdString());
        const auto bar = [&](int top) {
            k.canvas.cls();
            k.canvas.line(k.left, top, k.left + 900, 1500, colors::Cyan, Canvas::BoxFilled);
        };
        bar(600);
        onScreen(b.window());
        PaintRecorder paints(k.widget);
        bar(600);
        onScreen(b.window());
        EXPECT_TRUE(paints.painted.empty());

        // One row higher: that row alone is painted again, and reaches the screen.
        bar(585);
        const QImage screen = onScreen(b.window());
        ASSERT_EQ(paints.painted.size(), 1u);
        EXPECT_EQ(paints.painted[0], QRect(k.left / 15, 39, 61, 1).translated(k.origin));
        const QRect around(k.left / 15 - 2, 37, 65, 66);
        const QPoint at = k.widget->mapTo(b.window(), k.origin + around.topLeft());
        EXPECT_EQ(differingPixels(screen, at, k.canvas.image().copy(around)), 0);
    }
}

// Drawings made while hidden, the picture box alone or its whole window,
// are on the screen once it is shown again; large bold text included, whose
// glyphs reach past their advance and below the baseline.
TEST_F(PictureScreenTest, DrawingsWhileHiddenReachTheScreenOnceShown)
{
    struct Case {
        const char* what;
        std::function<void(Board&, bool)> setShown;
    };
    const std::vector<Case> cases = {
        {"picture box", [](Board& b, bool on) { b.Picture1.setVisible(on); }},
        {"window", [](Board& b, bool on) { on ? b.show() : b.hide(); }},
    };
    for (const Case& k : cases) {
        SCOPED_TRACE(k.what);
        Board b(t.rt);
        b.show();
        Canvas& c = b.Picture1.canvas();
        Canvas& surface = b.canvas();
        c.line(0, 0, 2900, 1900, colors::Yellow);
        surface.line(3500, 300, 5500, 2500, colors::Red);
        onScreen(b.window());

        k.setShown(b, false);
        onScreen(b.window());
        c.cls();
        c.setFontSize(36);
        c.setFontBold(true);
        c.setForeColor(colors::White);
        c.setCurrentX(0);
        c.setCurrentY(0);
        c.print("W|j_\r\n_jW|");
        c.line(2000, 200, 2600, 800, colors::Red, Canvas::BoxFilled);
        surface.setFontSize(30);
        surface.setFontBold(true);
        surface.setCurrentX(3500);
        surface.setCurrentY(2400);
        surface.print("W|j_");
        k.setShown(b, true);

        QWidget* pic = b.Picture1.widget();
        const QImage screen = onScreen(b.window());
        ASSERT_FALSE(screen.isNull());
        EXPECT_EQ(differingPixels(screen, pic->mapTo(b.window(), pic->contentsRect().topLeft()), c.image()), 0);
        const QRect beside(3400 / 15, 200 / 15, 2200 / 15, 3200 / 15);
        const QPoint surfaceAt = b.surface()->mapTo(b.window(), QPoint());
        EXPECT_EQ(differingPixels(screen, surfaceAt + beside.topLeft(), surface.image().copy(beside)), 0);
    }
}
