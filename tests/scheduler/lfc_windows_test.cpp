// The LFC-2 reference window and the LFC-3 trigger-level window: opening
// from the main window's value labels, the files they read and write (byte
// for byte, and read back at the next start), refused CAL entries, the
// LFC-2 window used with the keys and the mouse, and a screenshot of each
// window.
#include "scheduler/RefCapteurLFC2.h"
#include "scheduler/RefLevelTrigLFC3.h"
#include "scheduler/SchedulerFixture.h"
#include "scheduler/SchedulerState.h"
#include "shell/LeStrips.h"
#include "shell/ScheduleFlags.h"

#include <QDir>
#include <QTest>
#include <QImage>
#include <QPixmap>

using namespace orv;

namespace {

const QString Lfc2 = "C:\\LightCtl\\Level.LFC2b.ini";
const QString Lfc3 = "C:\\LightCtl\\Level.LFC3b.ini";

QByteArray lines(const QStringList& l) { return (l.join("\r\n") + "\r\n").toLatin1(); }

class LfcWindowsTest : public SchedulerTest {
protected:
    void sensor(int le) { settings().Check4[le].setValue(1); }
    void pressLabel37(int le)
    {
        plat::Label& l = leStrips(*log).Label37[le];
        l.raiseMouse(l.onMouseDown, {plat::LeftButton, 0, 120, 60});
        t.time.advance(100);
    }
    void pressLabel42(int le)
    {
        plat::Label& l = leStrips(*log).Label42[le];
        l.raiseMouse(l.onMouseDown, {plat::LeftButton, 0, 120, 60});
        t.time.advance(100);
    }
    void screenshot(plat::Form& w, const QString& name)
    {
        const QImage image = w.window()->grab().toImage();
        ASSERT_FALSE(image.isNull());
        QDir().mkpath(TEST_OUTPUT_DIR);
        const QString path = QStringLiteral(TEST_OUTPUT_DIR "/") + name;
        ASSERT_TRUE(image.save(path)) << path.toStdString();
    }
};

TEST_F(LfcWindowsTest, Lfc2StoresOneLEAndWritesAllEightThenTheNextStartReadsThem)
{
    // LE-3's line reads "---": start-up took it as a number, so the first
    // opening shows "0" and the next one "---".
    writeFile(Lfc2, lines({"0", "0", "---", "0", "0", "0", "0", "0", " 0 ", " 0 ", " 0 ", " 0 ", " 0 ", " 0 ", " 0 ", " 0 "}));
    prog = nullptr;
    makeProgram();
    startUp();
    log = &mainWindow();
    s = &prog->s;
    sensor(2);
    pressLabel37(1);   // no sensor on LE-2: nothing opens
    EXPECT_EQ(prog->ifLoaded<RefCapteurLFC2>(), nullptr);

    pressLabel37(2);
    RefCapteurLFC2* w = prog->ifLoaded<RefCapteurLFC2>();
    ASSERT_NE(w, nullptr);
    EXPECT_TRUE(w->visible());
    EXPECT_EQ(w->Label2.caption(), "3");
    EXPECT_EQ(w->Text1.text(), "0");
    EXPECT_EQ(w->left(), mainForm().left() + 120 + 6800);
    EXPECT_EQ(w->top(), mainForm().top() + 60 + 1850 + 2 * 230);
    w->Command1.click();
    EXPECT_EQ(prog->ifLoaded<RefCapteurLFC2>(), nullptr);
    pressLabel37(2);
    w = prog->ifLoaded<RefCapteurLFC2>();
    EXPECT_EQ(w->Text1.text(), "---");

    w->Text1.setText(" 120 ");
    w->Valide.click();
    EXPECT_EQ(prog->ifLoaded<RefCapteurLFC2>(), nullptr);
    EXPECT_EQ(readFile(Lfc2), lines({"0", "0", "120", "0", "0", "0", "0", "0", " 0 ", " 0 ", " 120 ", " 0 ", " 0 ",
                                     " 0 ", " 0 ", " 0 "}));

    sensor(7);
    pressLabel37(7);
    prog->ifLoaded<RefCapteurLFC2>()->Text1.setText("---");
    prog->ifLoaded<RefCapteurLFC2>()->Valide.click();
    EXPECT_EQ(readFile(Lfc2), lines({"0", "0", "120", "0", "0", "0", "0", "---", " 0 ", " 0 ", " 120 ", " 0 ",
                                     " 0 ", " 0 ", " 0 ", " 0 "}));

    prog = nullptr;
    makeProgram();
    startUp();
    EXPECT_EQ(prog->s.schedule->CalLFC2[2], 120);
    EXPECT_EQ(prog->s.scheduler->CalLFC2Text[2], "120");
    EXPECT_EQ(prog->s.schedule->CalLFC2[7], 0);
}

// Typed and closed as the user does: the window goes from its own button's
// click, "Valide " storing the typed value and "Cancel" nothing.
TEST_F(LfcWindowsTest, Lfc2ValideAndCancelPressedWithTheMouseCloseTheWindow)
{
    sensor(0);
    const struct {
        plat::CommandButton RefCapteurLFC2::*button;
        const char* typed;
        int stored;
    } cases[] = {{&RefCapteurLFC2::Valide, "77", 77}, {&RefCapteurLFC2::Command1, "12", 77}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.typed);
        pressLabel37(0);
        RefCapteurLFC2& w = *prog->ifLoaded<RefCapteurLFC2>();
        QWidget* box = w.Text1.widget();
        QTest::keyClick(box, Qt::Key_A, Qt::ControlModifier);
        QTest::keyClicks(box, c.typed);
        QWidget* button = (w.*c.button).widget();
        QTest::mouseClick(button, Qt::LeftButton, {}, button->rect().center());
        EXPECT_EQ(prog->ifLoaded<RefCapteurLFC2>(), nullptr);
        EXPECT_EQ(s->schedule->CalLFC2[0], c.stored);
        t.time.advance(0);
    }
    EXPECT_EQ(readFile(Lfc2).split('\n').value(8).trimmed(), "77");
}

TEST_F(LfcWindowsTest, Lfc2RefusesAnythingButDashesOrAByte)
{
    sensor(0);
    pressLabel37(0);
    const QByteArray before = readFile(Lfc2);
    RefCapteurLFC2& w = *prog->ifLoaded<RefCapteurLFC2>();
    for (const char* bad : {"300", "-1", "abc", "12.5", "", "  ", "1 2", "256"}) {
        const size_t boxes = t.dialogs.shown.size();
        w.Text1.setText(QString::fromLatin1(bad));
        w.Valide.click();
        ASSERT_EQ(t.dialogs.shown.size(), boxes + 1) << bad;
        EXPECT_EQ(t.dialogs.shown.back().title, " Warning ! ");
        EXPECT_EQ(t.dialogs.shown.back().icon(), plat::mb::Exclamation);
        EXPECT_NE(prog->ifLoaded<RefCapteurLFC2>(), nullptr) << bad;
        EXPECT_EQ(sc->CalLFC2Text[0], "0") << bad;
        EXPECT_EQ(s->schedule->CalLFC2[0], 0) << bad;
        EXPECT_EQ(readFile(Lfc2), before) << bad;
    }
    w.Text1.setText("255");
    w.Valide.click();
    EXPECT_EQ(s->schedule->CalLFC2[0], 255);
}

TEST_F(LfcWindowsTest, Lfc2ShortOrBadFileKeepsTheValuesInForce)
{
    sc->CalLFC2Text.fill("7");
    s->schedule->CalLFC2.fill(7);
    writeFile(Lfc2, lines({"40", "abc", "", " 41 "}) + QByteArray(" 300 \r\n"));
    sensor(0);
    pressLabel37(0);
    EXPECT_EQ(sc->CalLFC2Text[0], "40");
    EXPECT_EQ(sc->CalLFC2Text[4], "300");   // a text line is taken as it is
    EXPECT_EQ(sc->CalLFC2Text[5], "7");     // no line 6
    EXPECT_EQ(s->schedule->CalLFC2[0], 7);         // no line 9
    QFile::remove(t.host(Lfc2));
    sc->CalLFC2Text[0] = "12";
    pressLabel37(0);
    EXPECT_EQ(prog->ifLoaded<RefCapteurLFC2>()->Text1.text(), "12");
    EXPECT_EQ(sc->CalLFC2Text[0], "12");
}

TEST_F(LfcWindowsTest, Lfc3StoresTwoDigitTimesAndKeepsTheOtherLines)
{
    QStringList content{"11", "12", "13", "14", "15", "16", "17", "18", "19", "20", "21", "22", "23", "24", "25", "26",
                        "90", "100", "08", "00", "21", "30", "7"};
    writeFile(Lfc3, lines(content));
    sensor(2);
    leStrips(*log).Label42[2].setCaption("77");
    pressLabel42(2);
    RefLevelTrigLFC3& w = *prog->ifLoaded<RefLevelTrigLFC3>();
    EXPECT_TRUE(w.visible());
    EXPECT_EQ(w.width(), RefLevelTrigLFC3::NarrowWidth);
    EXPECT_EQ(w.Label2.caption(), "3");
    EXPECT_EQ(w.Label4.caption(), "77");
    EXPECT_EQ(w.left(), mainForm().left() + 12090);
    EXPECT_EQ(w.Text1.text(), "90");
    EXPECT_EQ(w.Text3.text(), "08");

    w.Text3.setText("7");
    w.Text4.setText("5");
    w.Text6.setText("123");
    start().show();
    w.Valide.click();
    EXPECT_EQ(w.Text3.text(), "07");
    EXPECT_EQ(w.Text4.text(), "05");
    EXPECT_EQ(w.Text6.text(), "23");
    EXPECT_EQ(sc->StartTestHH, "07");
    EXPECT_EQ(sc->StartTestMM, "05");
    content[18] = "07";
    content[19] = "05";
    content[21] = "23";
    EXPECT_EQ(readFile(Lfc3), lines(content));
    EXPECT_FALSE(w.visible());
    EXPECT_NE(prog->ifLoaded<RefLevelTrigLFC3>(), nullptr);   // hidden, not unloaded
    EXPECT_FALSE(start().visible());
    EXPECT_EQ(start().Picture2.canvas().backColor(), plat::colors::LightGrey);

    prog = nullptr;
    makeProgram();
    startUp();
    t.time.advance(100);
    RefLevelTrigLFC3* again = prog->ifLoaded<RefLevelTrigLFC3>();
    ASSERT_NE(again, nullptr);
    EXPECT_EQ(again->Text3.text(), "07");
    EXPECT_EQ(prog->s.scheduler->StartTestMM, "05");
    EXPECT_EQ(prog->s.scheduler->LevelH2LFC3[7], "26");
}

TEST_F(LfcWindowsTest, Lfc3WidthToggleBlinkAndCancel)
{
    sensor(0);
    pressLabel42(0);
    RefLevelTrigLFC3& w = *prog->ifLoaded<RefLevelTrigLFC3>();
    const QByteArray file = readFile(Lfc3);
    s->schedule->FlagTailleLFC3 = 1;
    w.Picture1.onClick();
    EXPECT_EQ(w.width(), RefLevelTrigLFC3::WideWidth);
    EXPECT_EQ(s->schedule->FlagTailleLFC3, 0);
    w.Picture1.onClick();
    EXPECT_EQ(w.width(), RefLevelTrigLFC3::NarrowWidth);
    EXPECT_EQ(s->schedule->FlagTailleLFC3, 1);

    // The square alternates light red and light blue every 500 ms.
    const plat::Color first = w.Picture1.backColor();
    t.time.advance(500);
    EXPECT_NE(w.Picture1.backColor(), first);
    t.time.advance(500);
    EXPECT_EQ(w.Picture1.backColor(), first);

    w.Text1.setText("90");
    w.Command1.click();
    EXPECT_FALSE(w.visible());
    EXPECT_EQ(readFile(Lfc3), file);
    EXPECT_EQ(w.Text1.text(), "90");   // the typed level stays until the next set-up
}

// Escape, wherever the focus is, does what "Cancel" does.
TEST_F(LfcWindowsTest, Lfc3EscapeHidesLikeCancel)
{
    sensor(0);
    pressLabel42(0);
    RefLevelTrigLFC3& w = *prog->ifLoaded<RefLevelTrigLFC3>();
    ASSERT_TRUE(w.visible());
    const QByteArray file = readFile(Lfc3);
    w.Text1.setText("90");
    QTest::keyClick(w.Text1.widget(), Qt::Key_Escape);
    EXPECT_FALSE(w.visible());
    EXPECT_EQ(readFile(Lfc3), file);
    EXPECT_EQ(w.Text1.text(), "90");
}

TEST_F(LfcWindowsTest, ScreenshotsOfBothWindows)
{
    sensor(0);
    leStrips(*log).Label42[0].setCaption("76");
    sc->CalLFC2Text[0] = "120";
    pressLabel37(0);
    RefCapteurLFC2& ref = *prog->ifLoaded<RefCapteurLFC2>();
    EXPECT_EQ(ref.Text1.text(), "120");
    screenshot(ref, "lfc2_reference_window.png");

    pressLabel42(0);
    RefLevelTrigLFC3& trig = *prog->ifLoaded<RefLevelTrigLFC3>();
    s->schedule->FlagTailleLFC3 = 1;
    trig.Picture1.onClick();
    for (plat::Label* l : {&trig.Label16, &trig.Label17, &trig.Label18, &trig.Label19, &trig.Label20, &trig.Label27,
                           &trig.Label22, &trig.Label24, &trig.Label32})
        l->setCaption("100");
    trig.Label25.setCaption("1000 We");
    trig.Label33.setCaption("OFF");
    trig.Label33.setBackColor(plat::rgb(0xFF, 0x80, 0x80));
    screenshot(trig, "lfc3_trigger_window.png");
}

} // namespace
