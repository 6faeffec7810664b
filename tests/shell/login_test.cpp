// The start-mode login: arming of the panel and curtain, the validation
// against Name.inc, the window laid out for each outcome, the unlabelled
// corner, "Quitt" and the login item.

#include "link/ConfigurationRS232.h"
#include "shell/Log.h"
#include "shell/ParamLogicielVB.h"
#include "shell/SettingsStore.h"
#include "shell/State.h"
#include "support/ProgramFixture.h"

#include <QDir>
#include <QTest>

using namespace orv;

namespace {

constexpr plat::Color Green = plat::colors::Green;
constexpr plat::Color Pale = plat::rgb(192, 255, 255);

class LoginTest : public ProgramTest {
protected:
    // Settings with the start password on, LE-1 activated; `sht` is the
    // LE index chosen for the SHT stop (6: none).
    void writeSettings(bool login, int sht = 6, QStringList customise = {})
    {
        QStringList s = defaultSettingsLines();
        s[0] = "1";                       // LE-1 activated
        if (sht < 6) s[16 + sht] = "1";   // Option1(sht)
        s[22] = login ? "1" : "0";        // Check18
        for (int n = 0; n + 1 < customise.size(); n += 2) s[customise[n].toInt() - 1] = customise[n + 1];
        writeFile("C:\\LightCtl\\Param4LogStart.ini", s.join("\r\n").toLatin1() + "\r\n");
    }
    void writePasswords(const QByteArray& first, const QByteArray& second)
    {
        QDir().mkpath(t.host("C:\\WINDOWS\\system32"));
        writeFile("C:\\WINDOWS\\system32\\Name.inc", "\"" + first + "\"\r\n\"" + second + "\"\r\n");
    }
    // Start-up, then the arming 200 ms after load.
    void startArmed(int sht = 6)
    {
        writeSettings(true, sht);
        writePasswords("Admin7", "User3");
        startUp();
        t.time.advance(50);
    }
    Log& w() { return *prog->Log; }
    void login(const QString& typed)
    {
        w().Text1.setText(typed);
        w().OkStart.click();
    }
    bool curtainCovers() const
    {
        auto& c = prog->Log->Picture10;
        return c.left() == 0 && c.top() == 0 && c.width() >= prog->Log->width() && c.height() == 10920;
    }
    bool stripLabelsShown(int i)
    {
        return w().Label26[i].visible() && w().Label21[i].visible() && w().Label15[i].visible();
    }
};

TEST_F(LoginTest, ArmingCentresThePanelSpreadsTheCurtainAndHidesTheDashboard)
{
    startArmed();
    Log& l = w();
    EXPECT_TRUE(l.Picture12.visible());
    EXPECT_EQ(l.Picture12.left(), 13150 / 2 - 3780 / 2);
    EXPECT_EQ(l.Picture12.top(), 10920 / 2 - 4020 / 2);
    EXPECT_TRUE(curtainCovers());
    // The banner: the customer name, white on black with the default settings.
    EXPECT_EQ(l.Label29[6].caption(), "Marquelin");
    EXPECT_EQ(l.Label29[6].foreColor(), plat::colors::White);
    EXPECT_EQ(l.Label29[6].backColor(), plat::colors::Black);
    for (plat::Control* c : std::initializer_list<plat::Control*>{
             &l.VScroll1, &l.PWIndividuel, &l.CopiePWSlider, &l.Label72, &l.Label75, &l.Picture6[0], &l.Picture6[1],
             &l.Picture11, &l.Picture9, &l.Picture22, &l.List4, &l.ActiveDesactiveRS232, &l.List3})
        EXPECT_FALSE(c->visible()) << c->objectName().toStdString();
    EXPECT_FALSE(l.mnuFunctions.visible());
    EXPECT_FALSE(stripLabelsShown(0));
    EXPECT_FALSE(l.Timer2.enabled());
    EXPECT_EQ(prog->s.common->StartMode, 1);
    // 30 ms later the password box gets the focus, once.
    EXPECT_TRUE(l.Timer13.enabled());
    t.time.advance(30);
    EXPECT_FALSE(l.Timer13.enabled());
}

TEST_F(LoginTest, EnterInThePasswordBoxPressesValidation)
{
    startArmed();
    Log& l = w();
    l.show();
    t.time.advance(30);   // the box has the focus
    QTest::keyClicks(l.Text1.widget(), "admin7");
    QTest::keyClick(l.Text1.widget(), Qt::Key_Return);
    EXPECT_EQ(prog->s.common->StartMode, 0);
    EXPECT_FALSE(l.Picture12.visible());
}

TEST_F(LoginTest, WithTheSettingOffThePanelNeverShows)
{
    writeSettings(false);
    startUp();
    t.time.advance(1000);
    EXPECT_FALSE(w().Picture12.visible());
    EXPECT_EQ(prog->s.common->StartMode, 1);
    EXPECT_FALSE(w().mnuStartMode.visible());
    EXPECT_TRUE(w().mnuFunctions.visible());
    // The login item does nothing while the setting is off.
    w().mnuStartMode.click();
    t.time.advance(300);
    EXPECT_FALSE(w().Picture12.visible());
}

TEST_F(LoginTest, ValidationComparesBothPasswordsIgnoringLetterCase)
{
    struct Case {
        QByteArray first, second;
        QString typed;
        int mode;
    } cases[] = {
        {"Admin7", "User3", "ADMIN7", 0},   // case ignored
        {"Admin7", "User3", "user3", 1},
        {"Admin7", "User3", "User3 ", 2},   // a blank counts
        {"Same", "Same", "same", 1},        // the second line wins
        {"", "User3", "", 2},               // an empty password never opens the program
        {"Admin7", "", "", 2},
        {"", "", "", 2},
        {"", "User3", "user3", 1},
        {"Admin7", "User3", "", 2},
    };
    for (const Case& c : cases) {
        makeProgram();
        writeSettings(true);
        writePasswords(c.first, c.second);
        startUp();
        t.time.advance(100);
        login(c.typed);
        EXPECT_EQ(prog->s.common->StartMode, c.mode) << c.typed.toStdString();
        EXPECT_EQ(w().Picture12.visible(), c.mode == 2) << c.typed.toStdString();
    }
}

TEST_F(LoginTest, AMissingOrShortPasswordFileMatchesNothing)
{
    startArmed();
    writeFile("C:\\WINDOWS\\system32\\Name.inc", "\"Admin7\"\r\n");
    login("");
    EXPECT_EQ(prog->s.common->StartMode, 2);
    QFile::remove(t.host("C:\\WINDOWS\\system32\\Name.inc"));
    login("Admin7");
    EXPECT_EQ(prog->s.common->StartMode, 2);
    EXPECT_TRUE(w().Picture12.visible());
    EXPECT_EQ(w().Text1.text(), "Admin7");   // kept for another try
}

TEST_F(LoginTest, ModeZeroKeepsTheCurtainAndTheStripsCovered)
{
    startArmed(2);
    prog->s.common->TempSel = 1;
    w().Picture6[0].setBackColor(plat::colors::Red);   // a colour the layout must keep
    login("admin7");
    Log& l = w();
    EXPECT_EQ(prog->s.common->StartMode, 0);
    EXPECT_TRUE(curtainCovers());
    EXPECT_FALSE(l.Picture12.visible());
    EXPECT_EQ(l.Text1.text(), "");
    EXPECT_TRUE(l.mnuFunctions.visible());
    EXPECT_TRUE(l.mnuStartMode.visible());
    EXPECT_EQ(l.mnuStartMode.caption(), "Start in User Mode");
    EXPECT_FALSE(stripLabelsShown(0));   // the strips stay as the arming left them
    // Selectors shown with the colours they had; TempSel unchanged.
    EXPECT_TRUE(l.Picture6[0].visible());
    EXPECT_EQ(l.Picture6[0].backColor(), plat::colors::Red);
    EXPECT_EQ(prog->s.common->TempSel, 1);
    // The port configuration is loaded, not shown, and its load saw mode 0.
    ConfigurationRS232* ports = prog->ifLoaded<ConfigurationRS232>();
    ASSERT_NE(ports, nullptr);
    EXPECT_FALSE(ports->visible());
    EXPECT_TRUE(ports->Label8.visible());
    EXPECT_TRUE(ports->Text1[0].visible());
    EXPECT_FALSE(ports->Text1[0].enabled());
    EXPECT_TRUE(ports->Text1[6].enabled());
}

TEST_F(LoginTest, ModeOneRemovesTheCurtainAndShowsTheActivatedStrips)
{
    startArmed();
    login("USER3");
    Log& l = w();
    EXPECT_EQ(prog->s.common->StartMode, 1);
    EXPECT_EQ(l.Picture10.left(), 15600);
    EXPECT_EQ(l.Picture10.top(), 240);
    EXPECT_TRUE(l.mnuFunctions.visible());
    EXPECT_TRUE(l.mnuQuit.visible());
    EXPECT_EQ(l.mnuStartMode.caption(), "Start in User Mode");
    EXPECT_TRUE(stripLabelsShown(0));    // LE-1 is activated
    EXPECT_FALSE(stripLabelsShown(1));
    EXPECT_TRUE(l.ActiveDesactiveRS232.visible());
    EXPECT_TRUE(l.List4.visible());
    // No LE chosen for the SHT stop: both selectors hidden, MAT in force.
    EXPECT_FALSE(l.Picture6[0].visible());
    EXPECT_FALSE(l.Label75.visible());
    EXPECT_EQ(prog->s.common->TempSel, 0);
    EXPECT_EQ(l.Picture6[0].backColor(), Pale);
    EXPECT_EQ(l.Picture6[1].backColor(), Pale);
}

TEST_F(LoginTest, ModeOneWithAnSHTStopLEShowsMATSelected)
{
    startArmed(2);
    prog->s.common->TempSel = 1;
    login("user3");
    Log& l = w();
    EXPECT_TRUE(l.Picture6[0].visible());
    EXPECT_TRUE(l.Label72.visible());
    EXPECT_EQ(prog->s.common->TempSel, 0);
    EXPECT_EQ(l.Label72.backColor(), Green);
    EXPECT_EQ(l.Picture6[0].backColor(), Green);
    EXPECT_EQ(l.Picture6[1].backColor(), Pale);
}

TEST_F(LoginTest, EveryLoginLeavesTheSameMenusAndCentresTheWindow)
{
    for (const char* typed : {"admin7", "user3"}) {
        makeProgram();
        startArmed();
        login(typed);
        Log& l = w();
        EXPECT_EQ(l.width(), 12800);
        EXPECT_EQ(l.height(), 10920);
        // Centred on the screen, whatever its size (a narrow one gives a negative left).
        EXPECT_NEAR(l.left(), (plat::Form::screenWidth() - 12800) / 2.0, 0.5);
        EXPECT_NEAR(l.top(), (plat::Form::screenHeight() - 10920) / 2.0, 0.5);
        for (plat::Menu* m : {&l.MnuResetMagDrive, &l.mnuParameterVB, &l.mnuCodeError, &l.mnuHalogen,
                              &l.mnuTestMateriel, &l.mnuCoeff, &l.mnuCreateDataLogger, &l.mnuhisto})
            EXPECT_TRUE(m->enabled()) << typed << " " << m->name().toStdString();
        EXPECT_FALSE(l.mnuVdesParam.enabled());
        EXPECT_FALSE(l.mnuParameters.enabled());   // start-up locked it; the layout leaves it
        EXPECT_TRUE(l.mnuAlarm.visible());
        EXPECT_TRUE(l.mnuLfcControlAlarm.visible());
    }
}

TEST_F(LoginTest, AWrongPasswordAfterALoginLeavesModeTwo)
{
    startArmed();
    login("user3");
    w().mnuStartMode.click();
    t.time.advance(200);
    EXPECT_TRUE(w().Picture12.visible());
    EXPECT_TRUE(curtainCovers());   // the curtain is back with the panel
    EXPECT_TRUE(w().Label76.visible());
    login("nobody");
    EXPECT_EQ(prog->s.common->StartMode, 2);
    EXPECT_TRUE(w().Picture12.visible());
}

TEST_F(LoginTest, TheUnlabelledCornerEntersModeOneBehindTheCurtain)
{
    startArmed();
    prog->s.common->StartMode = 0;
    t.rt.dispatch(w().Picture14.onClick);
    Log& l = w();
    EXPECT_EQ(prog->s.common->StartMode, 1);
    EXPECT_FALSE(l.Picture12.visible());
    EXPECT_TRUE(curtainCovers());
    EXPECT_FALSE(l.mnuFunctions.visible());
    EXPECT_TRUE(l.mnuParameterVB.enabled());
    EXPECT_TRUE(l.mnuCodeError.enabled());
    EXPECT_TRUE(l.mnuHalogen.enabled());
    EXPECT_TRUE(l.Label76.visible());
    EXPECT_FALSE(l.mnuStartMode.visible());
}

TEST_F(LoginTest, QuittEndsAtOnceWithoutWritingTheSettings)
{
    startArmed();
    const QByteArray before = readFile("C:\\LightCtl\\Param4LogStart.ini");
    prog->form<ParamLogicielVB>()->Check5.userClick();   // a change that closing would save
    EXPECT_THROW(w().QuitteProg.click(), plat::ProgramEnded);
    EXPECT_TRUE(t.time.ended());
    EXPECT_EQ(readFile("C:\\LightCtl\\Param4LogStart.ini"), before);
}

TEST_F(LoginTest, ModeOneEndsTheProgramWhenThePasswordSettingWasJustTurnedOn)
{
    writeSettings(false);
    writePasswords("Admin7", "User3");
    startUp();
    t.time.advance(100);
    prog->form<ParamLogicielVB>()->Check18.userClick();   // marks the settings window
    w().mnuStartMode.click();
    t.time.advance(200);
    ASSERT_TRUE(w().Picture12.visible());
    w().Text1.setText("user3");
    EXPECT_THROW(w().OkStart.click(), plat::ProgramEnded);
    // The layout ran up to the panel, then the settings window ended the program.
    EXPECT_FALSE(w().Picture12.visible());
    ASSERT_FALSE(t.dialogs.shown.empty());
    EXPECT_EQ(t.dialogs.shown.back().text, "The 'Password' must reactivate the program! ");
}

} // namespace
