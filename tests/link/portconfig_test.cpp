// The port configuration window and its file ParamComx2.ini, and the port
// activation it calls: what the window shows from the file, the port-number
// check, "All activated", the start-mode lock, the file OK writes (byte for
// byte), what OK refuses, and how each LE's port is opened, kept or closed; the
// window used with the mouse.
#include "link/ConfigurationRS232.h"
#include "link/LinkState.h"
#include "link/LogLink.h"
#include "link/PortFile.h"
#include "shell/LinkStatus.h"
#include "shell/Log.h"
#include "shell/RunShared.h"
#include "shell/State.h"
#include "support/ProgramFixture.h"

#include <QCheckBox>
#include <QDir>
#include <QLineEdit>
#include <QPointer>
#include <QPushButton>
#include <QTest>

using namespace orv;

namespace {

const QString PortFile = "C:\\LightCtl\\ParamComx2.ini";

QByteArray lines(const QStringList& values)
{
    QByteArray b;
    for (const QString& v : values)
        b += '"' + v.toLatin1() + "\"\r\n";
    return b;
}

QStringList sixteen(const QString& v)
{
    QStringList l;
    for (int i = 0; i < 16; ++i)
        l << v;
    return l;
}

class PortConfigTest : public ProgramTest {
protected:
    void SetUp() override
    {
        ProgramTest::SetUp();
        startUp();
        writeFile(PortFile, lines(sixteen("0")));
    }
    ConfigurationRS232& win() { return *prog->form<ConfigurationRS232>(); }
    bool winLoaded() { return prog->ifLoaded<ConfigurationRS232>() != nullptr; }
    Log& log() { return *prog->Log; }
    State& s() { return prog->s; }
    int opens() const
    {
        int n = 0;
        for (int port = 1; port <= 14; ++port)
            n += t.ports.openCount(port);
        return n;
    }
    // Unloads and loads the window again, so it reads the file afresh.
    void reload()
    {
        win().unload();
        t.time.advance(0);
        win();
    }
    void activate(int le, const QString& number)
    {
        s().link->ComPortNumber[le] = number;
        s().link->ComPortEnabled[le] = "1";
        log().link->ActivationCOM();
    }
};

} // namespace

TEST_F(PortConfigTest, FirstRunShowsZerosAndOkChangesNothing)
{
    EXPECT_EQ(win().caption(), " Configurating Ports COMx    ");
    EXPECT_TRUE(win().topmost());
    EXPECT_EQ(win().Check2.caption(), "All activated");
    EXPECT_EQ(win().Check2.value(), 0);
    for (int i = 0; i < 8; ++i) {
        EXPECT_EQ(win().Text1[i].text(), "0");
        EXPECT_EQ(win().Check1[i].value(), 0);
    }

    for (int i = 0; i < 8; ++i)
        s().status->SynchroRS232[i] = 123;
    win().Command1.click();
    EXPECT_EQ(readFile(PortFile), lines(sixteen("0")));
    EXPECT_EQ(opens(), 0);
    for (int i = 0; i < 8; ++i) {
        EXPECT_EQ(s().status->SynchroRS232[i], 0);
        EXPECT_EQ(s().link->ComPortNumber[i], "0");
        EXPECT_EQ(s().link->ComPortEnabled[i], "0");
    }
    EXPECT_TRUE(log().Timer57.enabled());
    t.time.advance(0);
    EXPECT_FALSE(winLoaded());
}

TEST_F(PortConfigTest, OkWritesTheFileAndOpensTheActivatedPort)
{
    win().Text1[1].setText("4");
    win().Check1[1].userClick();
    win().Command1.click();

    QStringList expected = sixteen("0");
    expected[2] = "4";
    expected[3] = "1";
    EXPECT_EQ(readFile(PortFile), lines(expected));
    for (int i = 0; i < 8; ++i)
        EXPECT_EQ(s().link->ComPortEnabled[i], i == 1 ? "1" : "0");

    const plat::CommPort& port = log().MSComm2;
    EXPECT_TRUE(port.portOpen());
    EXPECT_EQ(port.commPort(), 4);
    EXPECT_EQ(opens(), 1);
    EXPECT_EQ(port.settings(), "19200,n,8,1");
    EXPECT_EQ(port.handshaking(), 1);
    EXPECT_EQ(port.rThreshold(), 160);
    EXPECT_EQ(port.inputLen(), 160);
    EXPECT_FALSE(port.rtsEnable());
    EXPECT_EQ(port.sThreshold(), 1);
    const auto line = t.ports.lineConfig(4);
    EXPECT_EQ(line.baud, 19200);
    EXPECT_TRUE(line.xonXoff);
    EXPECT_FALSE(line.rts);
    EXPECT_EQ(s().status->ComPortOpen[1], 1);
    EXPECT_EQ(s().runShared->RestSeconds[1], 60);
    EXPECT_EQ(s().status->ComPortOpen[0], 0);
}

// The window as the user meets it: the box ticked and OK pressed with the
// mouse; the window closes itself from OK's own click.
TEST_F(PortConfigTest, OkPressedWithTheMouseOpensThePortAndClosesTheWindow)
{
    win().show();
    win().Text1[1].setText("4");
    QPointer<QWidget> window = win().window();
    for (plat::Control* c : std::initializer_list<plat::Control*>{&win().Check1[1], &win().Command1})
        QTest::mouseClick(c->widget(), Qt::LeftButton, {}, c->widget()->rect().center());
    EXPECT_TRUE(log().MSComm2.portOpen());
    EXPECT_EQ(log().MSComm2.commPort(), 4);
    EXPECT_FALSE(winLoaded());
    QCoreApplication::processEvents();
    EXPECT_FALSE(window);
}

TEST_F(PortConfigTest, FileWrittenByOkIsReadBackAtTheNextStart)
{
    const QStringList numbers{"3", "", "abc", "14", "0", "12", "7", "1"};
    for (int i = 0; i < 8; ++i) {
        win().Text1[i].setText(numbers[i]);
        if (i == 0 || i == 7)
            win().Check1[i].userClick();
    }
    t.time.advance(100);   // the check lets all of these through
    EXPECT_TRUE(t.dialogs.shown.empty());
    win().Command1.click();

    QStringList expected;
    for (int i = 0; i < 8; ++i)
        expected << numbers[i] << (i == 0 || i == 7 ? "1" : "0");
    EXPECT_EQ(readFile(PortFile), lines(expected));

    // The next run of the program: a port number that names no port shows
    // as an empty box.
    prog.reset();
    makeProgram();
    startUp();
    for (int i = 0; i < 8; ++i) {
        EXPECT_EQ(win().Text1[i].text(), i == 2 ? "" : numbers[i]) << i;
        EXPECT_EQ(win().Check1[i].value(), i == 0 || i == 7 ? 1 : 0) << i;
    }
    // Only OK fills the configuration the activation uses.
    EXPECT_EQ(s().link->ComPortEnabled[0], "");
    EXPECT_EQ(readFile(PortFile), lines(expected));
}

TEST_F(PortConfigTest, ValueTheFileLacksKeepsWhatTheLastLoadRead)
{
    QStringList full;
    for (int i = 0; i < 8; ++i)
        full << QString::number(i + 1) << "1";
    writeFile(PortFile, lines(full));
    win();
    // Five lines: LE-1 and LE-2 whole, the port number of LE-3. An
    // activation other than exactly "1" unticks.
    writeFile(PortFile, lines({"9", "yes", "10", " 1", "11"}));
    reload();
    const QStringList texts{"9", "10", "11", "4", "5", "6", "7", "8"};
    const int ticks[] = {0, 0, 1, 1, 1, 1, 1, 1};
    for (int i = 0; i < 8; ++i) {
        EXPECT_EQ(win().Text1[i].text(), texts[i]) << i;
        EXPECT_EQ(win().Check1[i].value(), ticks[i]) << i;
    }

    // A file that has gone away changes nothing the window shows.
    QFile::remove(t.host(PortFile));
    reload();
    for (int i = 0; i < 8; ++i)
        EXPECT_EQ(win().Text1[i].text(), texts[i]) << i;

    // A program that never read one shows empty boxes.
    prog.reset();
    makeProgram();
    startUp();
    QFile::remove(t.host(PortFile));
    for (int i = 0; i < 8; ++i) {
        EXPECT_EQ(win().Text1[i].text(), "");
        EXPECT_EQ(win().Check1[i].value(), 0);
    }
}

TEST_F(PortConfigTest, PortNumberAboveFourteenIsRefused)
{
    const struct {
        const char* text;
        bool refused;
    } cases[] = {{"15", true}, {"99x", true}, {"14", false}, {"abc", false},
                 {"-3", false}, {"0", false},  {"", false}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.text);
        t.dialogs.shown.clear();
        win().Text1[6].setText(QString::fromLatin1(c.text));
        t.time.advance(300);
        if (c.refused) {
            ASSERT_EQ(t.dialogs.shown.size(), 1u);   // one warning, not one per tick
            EXPECT_EQ(t.dialogs.shown[0].text, "Port numbers 1 to 14 (max) ");
            EXPECT_EQ(t.dialogs.shown[0].title, " Warning! ");
            EXPECT_EQ(t.dialogs.shown[0].icon(), plat::mb::Critical);
            EXPECT_EQ(t.dialogs.shown[0].buttons(), plat::mb::OKOnly);
            EXPECT_EQ(win().Text1[6].text(), "0");
        } else {
            EXPECT_TRUE(t.dialogs.shown.empty());
            EXPECT_EQ(win().Text1[6].text(), QString::fromLatin1(c.text));
        }
    }
}

TEST_F(PortConfigTest, StartModeZeroFixesThePortsOfLEOneToSix)
{
    s().common->StartMode = 0;
    for (int i = 0; i < 8; ++i) {
        EXPECT_EQ(win().Text1[i].enabled(), i >= 6) << i;
        EXPECT_TRUE(win().Check1[i].enabled()) << i;
    }
    EXPECT_TRUE(win().Check2.enabled());
    EXPECT_TRUE(win().Command1.enabled());

    s().common->StartMode = 1;
    reload();
    for (int i = 0; i < 8; ++i)
        EXPECT_TRUE(win().Text1[i].enabled()) << i;
}

TEST_F(PortConfigTest, AllActivatedTicksOrUnticksTheEightBoxes)
{
    win().Check1[2].userClick();
    win().Check2.userClick();
    EXPECT_EQ(win().Check1[0].value(), 0);   // 50 ms later
    t.time.advance(50);
    for (int i = 0; i < 8; ++i)
        EXPECT_EQ(win().Check1[i].value(), 1) << i;
    win().Check2.userClick();
    t.time.advance(50);
    for (int i = 0; i < 8; ++i)
        EXPECT_EQ(win().Check1[i].value(), 0) << i;
}

TEST_F(PortConfigTest, PortFileThatCannotBeWrittenStillAppliesThePorts)
{
    QFile::remove(t.host(PortFile));
    ASSERT_TRUE(QDir().mkpath(t.host(PortFile)));   // a folder in the file's place
    win().Text1[0].setText("2");
    win().Check1[0].userClick();
    win().Command1.click();
    ASSERT_EQ(t.dialogs.shown.size(), 1u);
    EXPECT_EQ(t.dialogs.shown[0].icon(), plat::mb::Exclamation);
    EXPECT_TRUE(log().MSComm1.portOpen());
    t.time.advance(0);
    EXPECT_FALSE(winLoaded());
}

TEST_F(PortConfigTest, ActivationOpensOnlyAPortTheUserNamed)
{
    // The port has been open on 5 before: a bad number must not reuse it.
    activate(2, "5");
    s().link->ComPortEnabled[2] = "0";
    log().link->ActivationCOM();
    ASSERT_EQ(t.ports.openCount(5), 1);

    for (const char* text : {"", "abc", "15", "0", "-1", "99999", "5x"}) {
        SCOPED_TRACE(text);
        log().Timer57.setEnabled(false);
        s().status->ComPortOpen[2] = 0;
        s().runShared->RestSeconds[2] = 0;
        activate(2, QString::fromLatin1(text));
        EXPECT_FALSE(log().MSComm3.portOpen());
        EXPECT_EQ(opens(), 1);
        // Treated as a failed open: the watchdog tries again.
        EXPECT_EQ(s().status->ComPortOpen[2], 1);
        EXPECT_EQ(s().runShared->RestSeconds[2], 60);
        EXPECT_TRUE(log().Timer57.enabled());
    }

    activate(3, " 3.6 ");
    EXPECT_TRUE(t.ports.isOpen(4));
}

TEST_F(PortConfigTest, ActivationLeavesAnOpenPortAloneAndClosesADeactivatedOne)
{
    t.ports.failOpen(6, true);
    log().Label21[5].setCaption("yes");
    activate(5, "6");
    EXPECT_FALSE(log().MSComm6.portOpen());
    EXPECT_EQ(s().status->ComPortOpen[5], 1);
    EXPECT_EQ(s().runShared->RestSeconds[5], 60);
    EXPECT_EQ(log().Label21[5].caption(), "yes");

    activate(0, "3");
    s().runShared->RestSeconds[0] = 17;
    activate(0, "4");   // already open: no setting is written
    EXPECT_TRUE(t.ports.isOpen(3));
    EXPECT_EQ(t.ports.openCount(4), 0);
    EXPECT_EQ(s().runShared->RestSeconds[0], 17);

    log().Label21[0].setBackColor(plat::colors::Green);
    s().link->ComPortEnabled[0] = "0";
    log().link->ActivationCOM();
    EXPECT_FALSE(t.ports.isOpen(3));
    EXPECT_EQ(log().Label21[0].caption(), "no");
    EXPECT_EQ(log().Label21[0].backColor(), plat::ButtonFace);
    EXPECT_EQ(s().status->ComPortOpen[0], 0);
    EXPECT_EQ(s().runShared->RestSeconds[0], 0);

    // Deactivated and already closed: its indicator is not touched.
    s().link->ComPortEnabled[5] = "0";
    log().link->ActivationCOM();
    EXPECT_EQ(log().Label21[5].caption(), "yes");
}

// Enter and Escape answer the window wherever the focus is: Enter presses
// OK, Escape closes it as its close box does, writing nothing.
TEST_F(PortConfigTest, EnterPressesOkAndEscapeClosesWhereverTheFocusIs)
{
    const QByteArray before = readFile(PortFile);
    win().show();
    win().Text1[1].setText("2");
    QTest::keyClick(win().Check1[3].widget(), Qt::Key_Escape);
    t.time.advance(0);
    EXPECT_FALSE(winLoaded());
    EXPECT_EQ(readFile(PortFile), before);
    EXPECT_EQ(opens(), 0);

    win().show();
    win().Text1[1].setText("2");
    win().Check1[1].setValue(1);
    QTest::keyClick(win().Text1[1].widget(), Qt::Key_Return);
    t.time.advance(0);
    EXPECT_FALSE(winLoaded());
    EXPECT_EQ(readFile(PortFile), lines({"0", "0", "2", "1", "0", "0", "0", "0", "0", "0", "0", "0", "0", "0", "0", "0"}));
    EXPECT_EQ(t.ports.openCount(2), 1);

    win().show();
    QTest::keyClick(win().Check2.widget(), Qt::Key_Enter);
    t.time.advance(0);
    EXPECT_FALSE(winLoaded());
}

// The user types into the shown window and clicks OK: an activated LE whose
// box holds anything but a whole number 1 to 14 is refused with the
// port-number warning, and nothing is saved, cleared or opened.
TEST_F(PortConfigTest, OkRefusesAnActivatedLEWithoutAPortNumberTypedInTheWindow)
{
    s().status->SynchroRS232[1] = 1;
    win().show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(win().window()));
    auto* box = qobject_cast<QLineEdit*>(win().Text1[1].widget());
    auto* activated = qobject_cast<QCheckBox*>(win().Check1[1].widget());
    auto* ok = qobject_cast<QPushButton*>(win().Command1.widget());
    ASSERT_TRUE(box && activated && ok);
    QTest::mouseClick(activated, Qt::LeftButton, {}, QPoint(8, activated->height() / 2));
    ASSERT_EQ(win().Check1[1].value(), 1);
    const QByteArray file = readFile(PortFile);

    for (const char* typed : {"0", "abc", "1e1"}) {
        SCOPED_TRACE(typed);
        t.dialogs.shown.clear();
        QTest::keyClick(box, Qt::Key_A, Qt::ControlModifier);
        QTest::keyClick(box, Qt::Key_Backspace);
        QTest::keyClicks(box, typed);
        ASSERT_EQ(win().Text1[1].text(), typed);
        t.time.advance(200);   // the check while typing lets it through
        EXPECT_TRUE(t.dialogs.shown.empty());
        QTest::mouseClick(ok, Qt::LeftButton);
        ASSERT_EQ(t.dialogs.shown.size(), 1u);
        EXPECT_EQ(t.dialogs.shown[0].text, "Port numbers 1 to 14 (max) ");
        EXPECT_EQ(t.dialogs.shown[0].title, " Warning! ");
        EXPECT_EQ(t.dialogs.shown[0].icon(), plat::mb::Critical);
        t.time.advance(0);
        ASSERT_TRUE(winLoaded());
        EXPECT_EQ(win().Text1[1].text(), typed);   // left for the user to correct
        EXPECT_EQ(readFile(PortFile), file);
        EXPECT_EQ(s().link->ComPortEnabled[1], "");
        EXPECT_EQ(s().status->SynchroRS232[1], 1);
        EXPECT_EQ(opens(), 0);
    }
    QDir().mkpath(TEST_OUTPUT_DIR);
    EXPECT_TRUE(win().window()->grab().save(TEST_OUTPUT_DIR "/port_window_refused.png"));

    // A box of an LE that is not activated is not checked; " 4 " is a port.
    win().Text1[5].setText("abc");
    QTest::keyClick(box, Qt::Key_A, Qt::ControlModifier);
    QTest::keyClicks(box, " 4 ");
    win().Command1.click();
    EXPECT_EQ(t.dialogs.shown.size(), 1u);
    EXPECT_TRUE(log().MSComm2.portOpen());
    EXPECT_EQ(s().link->ComPortNumber[5], "abc");
    t.time.advance(0);
    EXPECT_FALSE(winLoaded());
}

// Lines that name no port show as empty boxes, never as what the file holds;
// a comma on one line moves none of the next ones.
TEST_F(PortConfigTest, BadLinesShowAsEmptyBoxes)
{
    QByteArray bytes = lines({"-1", "1", "1e1", "yes", "3,7", "1", "", "0", "15", "1", " 2 ", "1", "abc", "0", "14", "1"});
    bytes.replace("\"3,7\"", "3,7");   // unquoted: the comma ends the value
    writeFile(PortFile, bytes);
    const QStringList texts{"", "", "3", "", "", " 2 ", "", "14"};
    const int ticks[] = {1, 0, 1, 0, 1, 1, 0, 1};
    for (int i = 0; i < 8; ++i) {
        EXPECT_EQ(win().Text1[i].text(), texts[i]) << i;
        EXPECT_EQ(win().Check1[i].value(), ticks[i]) << i;
    }
}
