// The software-settings window: each control's effect on the main window,
// loading the settings file into it, the two files written on close, the
// end of the program after ticking the start password, the banner preview.
#include "shell/Log.h"
#include "shell/ParamLogicielVB.h"
#include "shell/ShellState.h"
#include "shell/State.h"
#include "support/ProgramFixture.h"

#include <QCheckBox>
#include <QTest>

using namespace orv;

namespace {

QByteArray times(const char* line, int n)
{
    QByteArray b;
    for (int i = 0; i < n; ++i) b += QByteArray(line) + "\r\n";
    return b;
}

constexpr plat::Color LightBlue = plat::rgb(192, 192, 255);

} // namespace

class SettingsTest : public ProgramTest {
protected:
    const QString settingsFile = "C:\\LightCtl\\Param4LogStart.ini";
    const QString viewFile = "C:\\LightCtl\\CocheSelect.ini";

    void SetUp() override
    {
        ProgramTest::SetUp();
        startUp();
    }
    Log& log() { return *prog->Log; }
    State& s() { return prog->s; }
    ParamLogicielVB& w() { return *prog->form<ParamLogicielVB>(); }

    // The strip of LE index i and the labels it shows.
    void expectStrip(int i, bool shown)
    {
        SCOPED_TRACE(i);
        Log& l = log();
        for (auto* labels : {&l.Label26, &l.Label11, &l.Label21, &l.Label24, &l.Label31, &l.Label32, &l.Label33,
                             &l.Label34, &l.Label35, &l.Label39, &l.Label40, &l.Label41, &l.Label15})
            EXPECT_EQ((*labels)[i].visible(), shown) << labels->name().toStdString();
        EXPECT_EQ(l.Picture5[i].visible(), shown);
    }
    // Closes the window without writing over a file the test puts there,
    // then loads it again from `bytes`.
    void reloadFrom(const QByteArray& bytes)
    {
        ASSERT_TRUE(prog->form<ParamLogicielVB>().unload());
        writeFile(settingsFile, bytes);
        w();
    }
};

TEST_F(SettingsTest, ActivatingAnLEShowsItsStripAtOnce)
{
    w().Check1[2].userClick();
    EXPECT_EQ(w().Check1[2].caption(), "LE3, Activated  ");
    expectStrip(2, true);
    expectStrip(1, false);
    w().Check1[2].userClick();
    EXPECT_EQ(w().Check1[2].caption(), "LE3, Deactivated");
    expectStrip(2, false);
}

TEST_F(SettingsTest, LfcTwoSensorsShowTheirLabelsAndTheBlockWhileAnyIsFitted)
{
    Log& l = log();
    auto headersShown = [&](bool shown) {
        for (plat::Label* h : {&l.Label36, &l.Label38, &l.Label47, &l.Label43, &l.Label48, &l.Label46})
            EXPECT_EQ(h->visible(), shown) << h->name().toStdString();
        for (int i = 0; i < 8; ++i) EXPECT_EQ(l.Picture5[i].width(), shown ? 11775 : 9780);
        EXPECT_EQ(s().shell->AnyLFC2Sensor, shown ? 1 : 0);
    };
    w().Check4[0].userClick();
    EXPECT_EQ(w().Check4[0].caption(), "LE1, Activated  ");
    EXPECT_TRUE(l.Label37[0].visible() && l.Label42[0].visible() && l.Label44[0].visible());
    headersShown(true);

    w().Check4[3].userClick();
    w().Check4[0].userClick();   // another box stays set: only LE-1's labels go
    EXPECT_FALSE(l.Label37[0].visible() || l.Label42[0].visible() || l.Label44[0].visible());
    EXPECT_TRUE(l.Label37[3].visible());
    headersShown(true);

    w().Check4[3].userClick();
    headersShown(false);
}

TEST_F(SettingsTest, SulphurModeMarksTheLE)
{
    w().Check7[4].userClick();
    EXPECT_EQ(w().Check7[4].caption(), "LE5, Soufre");
    EXPECT_EQ(w().Check7[4].backColor(), plat::rgb(255, 128, 0));
    EXPECT_TRUE(log().Label28[4].visible());
    w().Check7[4].userClick();
    EXPECT_EQ(w().Check7[4].caption(), "LE5, Normal");
    EXPECT_EQ(w().Check7[4].backColor(), LightBlue);
    EXPECT_FALSE(log().Label28[4].visible());
}

TEST_F(SettingsTest, ShtStopChoiceSetsShtStopLEAndTheCaptions)
{
    w().Option1[3].userClick();
    EXPECT_EQ(s().common->SHTStopLE, 3);
    EXPECT_EQ(w().Option1[3].caption(), "LE4 Activated  ");
    EXPECT_EQ(w().Option1[0].caption(), "LE1 Deactivated ");
    EXPECT_EQ(w().Option1[6].caption(), "Deactivated  ");

    w().Option1[6].userClick();
    EXPECT_EQ(s().common->SHTStopLE, 6);
    EXPECT_FALSE(w().Option1[3].value());
    for (int i = 0; i < 6; ++i) EXPECT_EQ(w().Option1[i].caption(), QString("LE%1 Deactivated ").arg(i + 1));
}

TEST_F(SettingsTest, CaptionOfEachSwitch)
{
    struct Case {
        plat::CheckBox& box;
        QString clear, set;
    };
    ParamLogicielVB& v = w();
    EXPECT_EQ(v.caption(), "  Software Settings" + QString(169, ' ') + "Save --->");
    EXPECT_EQ(v.backColor(), LightBlue);
    const Case cases[] = {
        {v.Check2, "Normal view", "Display with coefficients"},
        {v.Check3, "Deactivated", "Activated   "},
        {v.Check5, "OFF    ", "ON     "},
        {v.Check6, "Deactivated", "Activated   "},
        {v.Check8, QString::fromUtf8("120°C Air Cooling   "), QString::fromUtf8(" 70°C Water Cooling")},
        {v.Check9, "LFC Visible  ", "LFC Invisible"},
        {v.Check10, "VIS Visible  ", "VIS Invisible"},
        {v.Check11, "IR Visible  ", "IR Invisible"},
        {v.Check12, "RH Visible  ", "RH Invisible"},
        {v.Check13, "Li Visible  ", "Li Invisible"},
        {v.Check14, "VCC Visible  ", "VCC Invisible"},
        {v.Check16, "SHT Visible  ", "SHT Invisible"},
        {v.Check18, "Deactivated", "Activated   "},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.box.name().toStdString());
        c.box.userClick();
        EXPECT_EQ(c.box.caption(), c.set);
        c.box.userClick();
        EXPECT_EQ(c.box.caption(), c.clear);
    }
    // Clearing the start password hides both login menu items.
    EXPECT_FALSE(log().mnuStartMode.visible());
    EXPECT_FALSE(log().mnuStartMode2.visible());
}

TEST_F(SettingsTest, LoadingTheFileAppliesEachSettingThroughItsHandler)
{
    QByteArray file = times("0", 2) + times("2", 1) + times("1", 1) + times("0", 4)   // 1-8: LE-3 greyed, LE-4 on
                      + times("0", 5) + times("1", 1)                                 // 9-14: LE-6 sulphur
                      + times("1", 1) + times("0", 1)                                 // 15-16
                      + times("0", 1) + times("1", 1) + times("0", 1) + times("1", 1) + times("0", 2)   // 17-22
                      + times("0", 11) + times("Acme", 1) + times("255", 3) + times("0", 3)
                      + times("0", 7) + times("1", 1)                                 // 41-48: LE-8 LFC-2
                      + times("7", 4);                                                // 49-52 ignored
    reloadFrom(file);
    EXPECT_EQ(w().Check1[2].caption(), "LE3, Activated  ");
    expectStrip(2, false);   // only 1 shows a strip
    expectStrip(3, true);
    EXPECT_TRUE(log().Label28[5].visible());
    EXPECT_EQ(w().Check2.caption(), "Display with coefficients");
    // Two chosen options: the later wins, after each handler ran.
    EXPECT_EQ(s().common->SHTStopLE, 3);
    EXPECT_EQ(w().Option1[1].caption(), "LE2 Deactivated ");
    EXPECT_EQ(w().Option1[3].caption(), "LE4 Activated  ");
    EXPECT_TRUE(log().Label37[7].visible());
    EXPECT_EQ(w().Text2.text(), "Acme");
    EXPECT_EQ(w().EndOnClose, 0);
}

TEST_F(SettingsTest, ClosingWritesBothFilesAndTheNextReadReloadsThem)
{
    ParamLogicielVB& v = w();
    v.Check1[0].userClick();
    v.Check7[1].userClick();
    v.Check7[6].userClick();   // not stored
    v.Check2.userClick();
    v.Option1[2].userClick();
    v.Check8.userClick();
    v.Text2.setText("Acme Ltd");
    v.VScroll2.setValue(12);
    v.VScroll6.setValue(200);
    v.Check4[7].userClick();
    ASSERT_TRUE(prog->form<ParamLogicielVB>().unload());

    const QByteArray expected = times("1", 1) + times("0", 7) + times("0", 1) + times("1", 1) + times("0", 4)
                                + times("1", 1) + times("0", 1) + times("0", 2) + times("1", 1) + times("0", 3)
                                + times("0", 3) + times("1", 1) + times("0", 7) + times("Acme Ltd", 1)
                                + times("255", 1) + times("12", 1) + times("255", 1) + times("0", 2) + times("200", 1)
                                + times("0", 7) + times("1", 5);
    EXPECT_EQ(readFile(settingsFile), expected);
    EXPECT_EQ(readFile(viewFile), " 1 \r\n");
    EXPECT_EQ(prog->ifLoaded<ParamLogicielVB>(), nullptr);
    EXPECT_TRUE(t.dialogs.shown.empty());

    // Any read of a setting loads the window again from the file.
    EXPECT_EQ(w().Check1[0].value(), 1);
    EXPECT_EQ(w().Text2.text(), "Acme Ltd");
    EXPECT_EQ(w().Check7[6].value(), 0);
    EXPECT_EQ(s().common->SHTStopLE, 2);
}

TEST_F(SettingsTest, TickingTheStartPasswordEndsTheProgramOnClose)
{
    w().Check18.userClick();
    w().Check18.userClick();   // off again: the mark stays
    EXPECT_EQ(w().EndOnClose, 1);
    EXPECT_THROW(prog->form<ParamLogicielVB>().unload(), plat::ProgramEnded);
    ASSERT_EQ(t.dialogs.shown.size(), 1u);
    EXPECT_EQ(t.dialogs.shown[0].text, "The 'Password' must reactivate the program! ");
    EXPECT_EQ(t.dialogs.shown[0].title, "  Warning");
    EXPECT_EQ(t.dialogs.shown[0].icon(), plat::mb::Exclamation);
    EXPECT_EQ(readFile(settingsFile).split('\n').size(), 53);   // written before the end
}

TEST_F(SettingsTest, AStoredStartPasswordClosesNormally)
{
    reloadFrom(times("0", 22) + times("1", 1) + times("0", 10) + times("Acme", 1) + times("0", 18));
    EXPECT_EQ(w().Check18.value(), 1);
    EXPECT_TRUE(prog->form<ParamLogicielVB>().unload());
    EXPECT_TRUE(t.dialogs.shown.empty());
}

TEST_F(SettingsTest, AFailedWriteOnCloseDoesNotEndTheProgram)
{
    QFile::remove(t.host(settingsFile));
    QFile::remove(t.host(viewFile));
    t.drive.mkDir(settingsFile);   // a folder where the file goes
    t.drive.mkDir(viewFile);
    w().Check1[1].userClick();
    EXPECT_TRUE(prog->form<ParamLogicielVB>().unload());
    EXPECT_TRUE(t.dialogs.shown.empty());
    log().ActivDesacLgGraphique();   // reloads the window: nothing to read, design state
    EXPECT_EQ(w().Check1[1].value(), 0);
    expectStrip(1, false);
}

TEST_F(SettingsTest, BannerPreviewFollowsTheColourBarsWithin50ms)
{
    ParamLogicielVB& v = w();
    v.show();
    t.time.advance(50);
    EXPECT_EQ(v.Text2.foreColor(), plat::colors::White);
    v.VScroll1.setValue(0);
    v.VScroll4.setValue(10);
    v.VScroll6.setValue(30);
    t.time.advance(50);
    EXPECT_EQ(v.Text2.foreColor(), plat::rgb(0, 255, 255));
    EXPECT_EQ(v.Picture1.backColor(), plat::rgb(0, 255, 255));
    EXPECT_EQ(v.Text2.backColor(), plat::rgb(10, 0, 30));
    EXPECT_EQ(v.Picture2.backColor(), plat::rgb(10, 0, 30));

    // Hidden but loaded, the preview still follows the bars.
    v.hide();
    v.VScroll4.setValue(40);
    t.time.advance(50);
    EXPECT_EQ(v.Text2.backColor(), plat::rgb(40, 0, 30));
    EXPECT_EQ(v.Picture2.backColor(), plat::rgb(40, 0, 30));
}

// The two colour triples stand under their " R     V      B" captions, each
// bar under its letter, clear of the colour samples.
TEST_F(SettingsTest, ColourBarsStandUnderTheirLetters)
{
    ParamLogicielVB& v = w();
    struct Triple {
        const char* name;
        plat::Label* caption;
        plat::VScrollBar* bars[3];
    };
    const Triple triples[] = {{"background", &v.Label2, {&v.VScroll4, &v.VScroll5, &v.VScroll6}},
                              {"text", &v.Label4, {&v.VScroll1, &v.VScroll2, &v.VScroll3}}};
    const plat::Control* samples[] = {&v.Picture1, &v.Picture2};
    auto span = [](const plat::Control& c) { return std::pair{c.left(), c.left() + c.width()}; };
    for (const Triple& t : triples) {
        SCOPED_TRACE(t.name);
        for (int k = 0; k < 3; ++k) {
            const auto [l, r] = span(*t.bars[k]);
            EXPECT_GE(l, t.caption->left());
            EXPECT_LE(r, t.caption->left() + t.caption->width());
            // Same place under the letter as in the other triple: the captions are the same text.
            EXPECT_EQ(l - t.caption->left(), triples[0].bars[k]->left() - triples[0].caption->left());
            for (const plat::Control* sample : samples) {
                const auto [sl, sr] = span(*sample);
                EXPECT_TRUE(r <= sl || l >= sr) << sample->objectName().toStdString();
            }
        }
    }
}

// A real click on the shown window's check box reaches the main window.
TEST_F(SettingsTest, MouseClickOnTheShownWindow)
{
    w().show();
    auto* box = qobject_cast<QCheckBox*>(w().Check1[5].widget());
    ASSERT_NE(box, nullptr);
    ASSERT_TRUE(QTest::qWaitForWindowExposed(w().window()));
    QTest::mouseClick(box, Qt::LeftButton, {}, QPoint(8, box->height() / 2));
    EXPECT_EQ(w().Check1[5].value(), 1);
    expectStrip(5, true);
    EXPECT_EQ(box->text(), "LE6, Activated  ");
}
