// The start-selection window: the opening timer (place, height, captions),
// the hour scale and its cursor, the closing handler and its position file,
// the diagnostic toggle, and a screenshot with strips of each mode drawn; the
// saved place across a session: moved by the window system, never opened,
// saved off every screen.

#include "scheduler/StripFixture.h"
#include "shell/Log.h"
#include "shell/ScheduleFlags.h"
#include "shell/State.h"

#include <QDir>
#include <QFile>
#include <QImage>
#include <QGuiApplication>
#include <QPixmap>
#include <QScreen>
#include <QWidget>
#include <QWindow>

using namespace orv;

namespace {

class SelectionStartTest : public StripTest {};

TEST_F(SelectionStartTest, OpeningPlacesTheWindowAndWritesTheCaptionsFromTheModes)
{
    m().StartFenetreLeft = 600;
    m().StartFenetreTop = 450;
    s->schedule->SelectionMode[0][4] = 1;
    s->schedule->SelectionMode[1][6] = 1;
    s->schedule->SelectionMode[2][7] = 1;
    s->schedule->SelectionMode[3][5] = 1;
    setMode(4, "Asym");   // no mode recorded: keeps its caption
    w->Label12.setVisible(true);
    w->Timer1.setEnabled(true);
    t.time.advance(49);
    EXPECT_EQ(w->modeLabel(0).caption(), QString(" "));
    t.time.advance(1);
    EXPECT_EQ(w->left(), 600);
    EXPECT_EQ(w->top(), 450);
    EXPECT_EQ(w->height(), 9800);
    EXPECT_FALSE(w->Label12.visible());
    EXPECT_EQ(w->modeLabel(0).caption(), QString("Plan"));
    EXPECT_EQ(w->modeLabel(1).caption(), QString("Normal"));
    EXPECT_EQ(w->modeLabel(2).caption(), QString(""));
    EXPECT_EQ(w->modeLabel(3).caption(), QString("Stop"));
    EXPECT_EQ(w->modeLabel(4).caption(), QString("Asym"));
    EXPECT_EQ(w->modeLabel(5).caption(), QString(" "));
    EXPECT_FALSE(w->Timer1.enabled());
    EXPECT_TRUE(w->Timer2.enabled());
}

TEST_F(SelectionStartTest, HourScaleAndCursor)
{
    t.time.setWallClock(QDateTime(QDate(2026, 12, 8), QTime(14, 35, 0)));
    w->Timer2.setEnabled(true);
    t.time.advance(100);
    EXPECT_FALSE(w->Timer2.enabled());
    EXPECT_EQ(m().CurseurHeureX, 7715);
    EXPECT_EQ(s->common->HeureCourante, QString("14:35:00"));
    const plat::Canvas& c = w->Picture1.canvas();
    EXPECT_EQ(c.point(7715, 3000), plat::colors::Blue);
    EXPECT_EQ(c.point(7715 + 500, 200), plat::rgb(160, 160, 255));   // top of the time box
    EXPECT_EQ(c.point(720 + 480 * 3, 600), DarkBlue);                // dotted hour lines
    EXPECT_EQ(c.point(720 + 480 * 3, 630), plat::colors::White);
    // Hour numbers 0-9 stand 75 left of their mark, 10-24 150 left.
    auto inked = [&](int x0, int x1) {
        for (int x = x0; x <= x1; x += 15)
            for (int y = 6350; y < 6600; y += 15)
                if (c.point(x, y) != plat::colors::White) return true;
        return false;
    };
    EXPECT_TRUE(inked(720 + 480 * 12 - 150, 720 + 480 * 12 - 50));
    EXPECT_FALSE(inked(720 + 480 * 9 - 150, 720 + 480 * 9 - 60));
    const QStringList printed = c.printedTexts();
    ASSERT_EQ(printed.size(), 26);
    EXPECT_EQ(printed[0], QString(" 0"));
    EXPECT_EQ(printed[24], QString(" 24"));
    EXPECT_EQ(printed[25], QString("14:35:00"));
}

TEST_F(SelectionStartTest, ClosingHidesTheWindowAndWritesItsPosition)
{
    w->show();
    w->nameLabel(2).setBackColor(plat::rgb(192, 255, 192));
    w->move(2310, -120, w->width(), w->height());
    EXPECT_FALSE(w->unload(plat::FormControlMenu));
    EXPECT_FALSE(w->visible());
    EXPECT_EQ(readFile("C:\\LightCtl\\AdressesFenetresStart.ini"), QByteArray(" 2310 \r\n-120 \r\n\r\n\r\n\r\n\r\n"));
    EXPECT_EQ(w->nameLabel(2).backColor(), plat::ButtonFace);
    EXPECT_EQ(m().StartFenetreLeft, 2310);
    // Still loaded, its state kept.
    EXPECT_EQ(prog->ifLoaded<SelectionStart>(), w);
}

TEST_F(SelectionStartTest, APositionFileThatCannotBeWrittenIsSkipped)
{
    QDir(t.host("C:\\LightCtl")).removeRecursively();
    w->show();
    EXPECT_FALSE(w->unload(plat::FormControlMenu));
    EXPECT_FALSE(w->visible());
}

TEST_F(SelectionStartTest, DiagnosticToggle)
{
    w->Picture11.raise(w->Picture11.onClick);
    EXPECT_EQ(w->height(), 12800);
    EXPECT_TRUE(w->Label101.visible());
    EXPECT_TRUE(w->Label135.visible());
    EXPECT_EQ(w->Label88.caption(), QString("Label88, No=7, Picture9, Indice=7, LE8"));
    // The opening hides the read-out only.
    w->Timer1.setEnabled(true);
    t.time.advance(50);
    EXPECT_EQ(w->height(), 9800);
    EXPECT_FALSE(w->Label12.visible());
    EXPECT_TRUE(w->Label101.visible());
    w->Picture11.raise(w->Picture11.onClick);
    EXPECT_EQ(w->height(), 9860);
    EXPECT_FALSE(w->Label101.visible());
    EXPECT_FALSE(w->Label135.visible());
}

TEST_F(SelectionStartTest, ReadoutOverTheScale)
{
    w->setMousePointer(plat::Form::SizeWE);
    w->Picture1.raiseMouse(w->Picture1.onMouseMove, {0, 0, 1234, 56.5});
    EXPECT_EQ(w->Label12.caption(), QString("X= 1234"));
    EXPECT_EQ(w->Label13.caption(), QString("Y= 56.5"));
    EXPECT_EQ(w->mousePointer(), plat::Form::DefaultPointer);
}

TEST_F(SelectionStartTest, ScreenshotWithStripsOfEachMode)
{
    t.time.setWallClock(QDateTime(QDate(2026, 12, 8), QTime(14, 35, 0)));
    s->schedule->SelectionMode[0][4] = 1;   // Plan
    s->schedule->SelectionMode[1][3] = 1;   // Asym
    s->schedule->SelectionMode[2][2] = 1;   // Sym
    s->schedule->SelectionMode[3][1] = 1;   // Normal
    w->show();
    w->Timer1.setEnabled(true);
    t.time.advance(200);
    move(0, 100);
    drag(0, 7680, {7200});
    move(1, 100);
    move(2, 2400);
    down(2, 2400);
    click(2);
    canvas(3).line(2400, 0, 4000, 360, plat::colors::Green, plat::Canvas::BoxFilled);
    EXPECT_EQ(w->modeLabel(2).caption(), QString("Sym"));
    EXPECT_TRUE(w->Label21.visible());

    const QImage image = w->window()->grab().toImage();
    ASSERT_FALSE(image.isNull());
    QDir().mkpath(TEST_OUTPUT_DIR);
    const QString path = QStringLiteral(TEST_OUTPUT_DIR "/selection_start_strips.png");
    ASSERT_TRUE(image.save(path)) << path.toStdString();
}

// The saved place from start-up to quit, with the real window.
class StartPositionTest : public ProgramTest {
protected:
    const QString positionFile = "C:\\LightCtl\\AdressesFenetresStart.ini";

    // Start-up with `saved` in the position file.
    SelectionStart& startWith(const QByteArray& saved)
    {
        writeFile(positionFile, saved);
        startUp();
        return *prog->form<SelectionStart>();
    }
    // Opened as a run-mode choice opens it: shown, then placed by its opening timer.
    void open(SelectionStart& w)
    {
        w.show();
        w.Timer1.setEnabled(true);
        t.time.advance(60);
    }
    void quit()
    {
        t.dialogs.answers.push_back(plat::mb::Yes);
        try {
            prog->Log->mnuQuit_Click();
        } catch (const plat::ProgramEnded&) {
        }
    }
};

TEST_F(StartPositionTest, AWindowMovedByTheWindowSystemIsSavedWhereItStands)
{
    SelectionStart& w = startWith(" 1500 \r\n 0 \r\n\r\n\r\n\r\n\r\n");
    open(w);
    ASSERT_EQ(w.left(), 1500);
    w.window()->windowHandle()->setFramePosition({400, 150});
    QCoreApplication::processEvents();
    w.window()->close();   // the close box: the window hides and saves its place
    EXPECT_FALSE(w.visible());
    EXPECT_EQ(readFile(positionFile), QByteArray(" 6000 \r\n 2250 \r\n\r\n\r\n\r\n\r\n"));
}

TEST_F(StartPositionTest, QuitKeepsThePlaceReadAtStartUpOfAWindowNeverOpened)
{
    startWith(" 1200 \r\n 450 \r\n\r\n\r\n\r\n\r\n");
    quit();
    EXPECT_EQ(readFile(positionFile), QByteArray(" 1200 \r\n 450 \r\n\r\n\r\n\r\n\r\n"));
}

TEST_F(StartPositionTest, APlaceSavedOffEveryScreenOpensTheWindowOnScreen)
{
    const QRect screen = QGuiApplication::primaryScreen()->availableGeometry();
    for (const QByteArray& saved : {QByteArray("-2000000000 \r\n-99999 \r\n"), QByteArray(" 99999999 \r\n 99999999 \r\n")}) {
        SCOPED_TRACE(saved.toStdString());
        makeProgram();
        SelectionStart& w = startWith(saved + "\r\n\r\n\r\n\r\n");
        open(w);
        const QRect frame(w.window()->pos(), w.window()->size());
        EXPECT_TRUE(screen.contains(frame.topLeft())) << frame.x() << "," << frame.y();
        w.window()->close();
        const QList<QByteArray> lines = readFile(positionFile).split('\n');
        EXPECT_EQ(lines[0].trimmed().toInt(), w.left());
        EXPECT_EQ(lines[1].trimmed().toInt(), w.top());
        EXPECT_EQ(w.left(), plat::pxToTwips(frame.x()));
    }
}

} // namespace
