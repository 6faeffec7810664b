// The strips under the real mouse: Qt's events on the shown start-selection
// window reach the strip alone (not the hour-scale picture that holds it),
// in strip units counted from inside a strip's border, and the window's
// pointer shows the sizing arrow where the editor sets it.

#include "scheduler/RefLevelTrigLFC3.h"
#include "scheduler/StripFixture.h"
#include "shell/ParamLogicielVB.h"
#include "shell/ScheduleFlags.h"

#include <QTest>

using namespace orv;

namespace {

class StripPointerTest : public StripTest {
protected:
    void SetUp() override
    {
        StripTest::SetUp();
        w->show();
        QApplication::processEvents();
    }

    QWidget* stripWidget(int le) { return w->strip(le).widget(); }
    // A real mouse move to strip x `units` (15 per pixel), counted from the
    // strip's client area.
    void mouseTo(int le, int units, int y = 10)
    {
        const QPoint inside = stripWidget(le)->contentsRect().topLeft();
        QTest::mouseMove(stripWidget(le), inside + QPoint(units / plat::TwipsPerPixel, y));
    }
    Qt::CursorShape pointer() { return w->window()->cursor().shape(); }
};

TEST_F(StripPointerTest, ABorderedPlanStripReadsFromInsideItsBorderAndGrabsWithTheSizingArrow)
{
    setMode(0, "Plan");
    mouseTo(0, 600);   // the first move draws the defaults, with a border
    ASSERT_EQ(s->schedule->FlagDefautPlan[0], 1);
    ASSERT_GT(stripWidget(0)->contentsRect().left(), 0);

    mouseTo(0, 3840);   // T1, 08:00
    EXPECT_EQ(w->Label12.caption(), "X= 3840");
    EXPECT_EQ(w->Label13.caption(), "Y= 150");
    EXPECT_EQ(m().IndiceTransition, 1);
    EXPECT_EQ(w->mousePointer(), plat::Form::SizeWE);
    EXPECT_EQ(pointer(), Qt::SizeHorCursor);

    mouseTo(0, 3000);   // out of reach of every transition
    EXPECT_EQ(w->Label12.caption(), "X= 3000");
    EXPECT_EQ(pointer(), Qt::ArrowCursor);

    // A drag with the left button held moves the grabbed transition to the
    // pointer as the strip reads it.
    mouseTo(0, 7680);   // T2 grabbed
    const QPoint inside = stripWidget(0)->contentsRect().topLeft();
    QTest::mousePress(stripWidget(0), Qt::LeftButton, {}, inside + QPoint(7680 / 15, 10));
    QTest::mouseMove(stripWidget(0), inside + QPoint(7200 / 15, 10));
    EXPECT_EQ(plan(0)[2], 7200);
    EXPECT_EQ(pointer(), Qt::SizeHorCursor);
    QTest::mouseRelease(stripWidget(0), Qt::LeftButton, {}, inside + QPoint(7200 / 15, 10));
    EXPECT_EQ(w->Label96.caption(), "0");
}

TEST_F(StripPointerTest, ASymPreviewKeepsTheSizingArrowAndLeavesTheScaleReadoutAlone)
{
    setMode(4, "Sym");
    w->Label12.setCaption("X= ");
    mouseTo(4, 2400);
    EXPECT_EQ(m().HeuresCycleSym[4], 5);
    EXPECT_EQ(w->mousePointer(), plat::Form::SizeWE);
    EXPECT_EQ(pointer(), Qt::SizeHorCursor);
    EXPECT_EQ(w->Label12.caption(), "X= ");   // the hour scale got no move of its own
}

TEST_F(StripPointerTest, TheHourScaleStillReadsAMoveOverItself)
{
    // Below the strips, on the picture that holds them.
    QWidget* scale = w->Picture1.widget();
    const QWidget* below = stripWidget(7);
    const QPoint at = below->geometry().bottomLeft() + QPoint(30, 20);
    ASSERT_EQ(scale->childAt(at), nullptr);
    w->setMousePointer(plat::Form::SizeWE);
    QTest::mouseMove(scale, at);
    EXPECT_EQ(w->Label12.caption(), "X= " + QString::number((at.x() - scale->contentsRect().left()) * 15));
    EXPECT_EQ(w->mousePointer(), plat::Form::DefaultPointer);
}

// LE-1 with its LFC-2 box ticked: the first move over its Asym strip opens
// the LFC-3 window with its set-up armed, so the window is placed and
// rereads its file even when it was loaded before.
TEST_F(StripPointerTest, Le1AsymDefaultsRunTheLfc3WindowsSetUp)
{
    RefLevelTrigLFC3& lfc3 = *prog->form<RefLevelTrigLFC3>();
    t.time.advance(100);
    ASSERT_FALSE(lfc3.Timer1.enabled());
    QStringList lines(18, "0");
    lines << "09" << "30" << "20" << "00" << "1";
    writeFile("C:\\LightCtl\\Level.LFC3b.ini", lines.join("\r\n").toLatin1() + "\r\n");

    prog->form<ParamLogicielVB>()->Check4[0].setValue(1);
    setMode(0, "Asym");
    mouseTo(0, 100);
    EXPECT_TRUE(lfc3.visible());
    EXPECT_TRUE(lfc3.Timer1.enabled());
    t.time.advance(60);
    EXPECT_FALSE(lfc3.Timer1.enabled());
    EXPECT_EQ(lfc3.left(), mainForm().left() + 12090);
    EXPECT_EQ(lfc3.top(), mainForm().top() + 1215);
    EXPECT_EQ(lfc3.Text3.text(), "09");
    EXPECT_EQ(m().StartTestHH, "09");
    EXPECT_EQ(m().StopTestHH, "20");
}

} // namespace
