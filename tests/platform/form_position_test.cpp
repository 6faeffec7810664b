// Where a window stands: Left and Top read back from the real window once the
// window system moved it, and a window placed off every screen brought back.
#include "platform/Form.h"
#include "support/RuntimeFixture.h"

#include <QGuiApplication>
#include <QScreen>
#include <QWindow>
#include <limits>

using namespace plat;

namespace {

class FormPositionTest : public RuntimeTest {
protected:
    Form f{t.rt, "Placed"};

    // The window system moves the shown window (as a user's drag ends).
    void moveByTheWindowSystem(QPoint px)
    {
        QWindow* handle = f.window()->windowHandle();
        ASSERT_TRUE(handle);
        handle->setFramePosition(px);
        QCoreApplication::processEvents();
    }
};

TEST_F(FormPositionTest, LeftAndTopAreWhereTheWindowSystemMovedTheWindow)
{
    f.move(1207, 450, 4800, 3600);
    f.show();
    EXPECT_EQ(f.left(), 1207);   // the program's own value while the window stands there
    EXPECT_EQ(f.top(), 450);

    moveByTheWindowSystem({300, 100});
    EXPECT_EQ(f.left(), 4500);
    EXPECT_EQ(f.top(), 1500);

    // Setting one coordinate keeps the other where the window stands.
    f.setTop(600);
    EXPECT_EQ(f.left(), 4500);
    EXPECT_EQ(f.top(), 600);
    EXPECT_EQ(f.window()->pos(), QPoint(300, 40));
}

TEST_F(FormPositionTest, AWindowOffEveryScreenIsBroughtBackAndOneWithinReachStays)
{
    const QRect screen = QGuiApplication::primaryScreen()->availableGeometry();
    const int w = 4800, h = 3600;   // 320 x 240 pixels
    const struct {
        int left, top;
        QPoint expected;   // pixels
    } cases[] = {
        {1500, 750, {100, 50}},                                        // on screen
        {-120, -120, {-8, -8}},                                        // a little past the edge: kept
        {-1000000, -2000000, {screen.left(), screen.top()}},          // far off
        {99999999, 99999999, {screen.right() + 1 - 320, screen.bottom() + 1 - 240}},
        {pxToTwips(screen.right() - 50), 0, {screen.right() + 1 - 320, 0}},   // title bar barely showing
        {std::numeric_limits<int>::max(), std::numeric_limits<int>::min(), {screen.right() + 1 - 320, 0}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::Message() << c.left << ", " << c.top);
        f.move(c.left, c.top, w, h);
        f.keepOnScreen();
        EXPECT_EQ(f.window()->pos(), c.expected);
        EXPECT_EQ(f.width(), w);
    }
}

} // namespace
