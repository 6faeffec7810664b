// The sensor coefficient window "LE Data": the table loaded from and saved
// to Coefficients2.ini, what a cell accepts, the column layout by the
// activated LEs, and reception taking the saved factors from the next frame.
#include "parameters/CoefficientFile.h"
#include "parameters/Coefficients.h"
#include "parameters/ParamsFixture.h"
#include "shell/LinkStatus.h"
#include "shell/MainMenus.h"
#include "shell/ParametersShared.h"

using namespace orv;

namespace {

const QString CoeffFile = "C:\\LightCtl\\Coefficients2.ini";

class CoefficientsTest : public ParamsTest {
protected:
    Coefficients& open()
    {
        mainMenus(*log).mnuCoeff.click();
        t.time.advance(300);   // the table loads 50 ms after the window
        return *prog->form<Coefficients>();
    }
    void close() { prog->form<Coefficients>().unload(plat::FormControlMenu); }
    QStringList fileLines() const
    {
        QStringList l = QString::fromLatin1(readFile(CoeffFile)).split("\r\n");
        if (!l.isEmpty() && l.last().isEmpty()) l.removeLast();
        return l;
    }
};

TEST_F(CoefficientsTest, StartUpDefaultsShowInEveryColumn)
{
    EXPECT_EQ(fileLines(), coefficientDefaults());
    // Reception converts the start-up values without the window ever opening.
    EXPECT_EQ(s->paramShared->CoeffLE[coeffIndex(0, 0)], "1");
    EXPECT_EQ(s->paramShared->CoeffLE[coeffIndex(10, 7)], "4");
    Coefficients& w = open();
    EXPECT_TRUE(w.visible());
    for (int le = 0; le < 8; ++le) {
        for (int row = 0; row < 5; ++row) EXPECT_EQ(w.Coefficient(row, le), "1");
        EXPECT_EQ(w.Coefficient(10, le), "4");
        EXPECT_EQ(w.Coefficient(11, le), "2");
    }
    for (int row : {5, 9, 12, 14}) {
        EXPECT_FALSE(w.Text1[row].visible());
        EXPECT_FALSE(w.Label2[row].visible());
    }
    EXPECT_TRUE(w.Text8[11].visible());
}

TEST_F(CoefficientsTest, OpenAndCloseWithoutEditsRewritesTheSameLines)
{
    // Distinct values everywhere, an empty line and an old non-number among them.
    QStringList lines;
    for (int i = 0; i < CoeffLines; ++i) lines << QString::number(i) + ".5";
    lines[17] = "";
    lines[110] = "n/a";
    writeFile(CoeffFile, lines.join("\r\n").toLatin1() + "\r\n");
    open();
    EXPECT_EQ(s->paramShared->CoeffLE[coeffIndex(2, 1)], "");
    close();
    EXPECT_EQ(fileLines(), lines);
    EXPECT_TRUE(t.dialogs.shown.empty());
    EXPECT_EQ(s->paramShared->CoeffLE[coeffIndex(5, 7)], "n/a");

    // Closed before its table has loaded: the file keeps its values.
    mainMenus(*log).mnuCoeff.click();
    t.time.advance(20);
    close();
    EXPECT_EQ(fileLines(), lines);
    EXPECT_TRUE(t.dialogs.shown.empty());
}

TEST_F(CoefficientsTest, ACellStoresOnlyANumberWithAPoint)
{
    const struct {
        const char* typed;
        const char* stored;   // line 31 and CoeffLE(32) after closing
        bool warned;
    } cases[] = {
        {"2.5", "2.5", false}, {"2,5", "2.5", false}, {" 3 ", "3", false}, {"-0,75", "-0.75", false},
        {"abc", "1", true},    {"2,5,1", "1", true},  {"", "1", true},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.typed);
        writeFile(CoeffFile, coefficientDefaults().join("\r\n").toLatin1() + "\r\n");
        t.dialogs.shown.clear();
        Coefficients& w = open();
        w.Text3[0].setText(QString::fromLatin1(c.typed));
        close();
        EXPECT_EQ(fileLines().value(30), c.stored);
        EXPECT_EQ(fileLines().size(), CoeffLines);
        EXPECT_EQ(s->paramShared->CoeffLE[32], c.stored);
        ASSERT_EQ(t.dialogs.shown.size(), c.warned ? 1u : 0u);
        if (c.warned) {
            EXPECT_TRUE(t.dialogs.shown[0].text.contains("LE-3 [LPC]"));
            EXPECT_EQ(t.dialogs.shown[0].title, " Warning ! ");
        }
    }
}

TEST_F(CoefficientsTest, ReceptionTakesTheNewFactorFromTheNextFrameAfterClosing)
{
    FakeLE& fake = addFake(2);
    fake.setRunning(false);
    le::Fields f = FakeLE::statusFields(0);
    f[le::pos::LPC] = 100;
    fake.send(f);
    t.time.advance(100);
    EXPECT_EQ(s->status->LogTextLPC[2], "100");

    Coefficients& w = open();
    w.Text3[0].setText("2,5");
    fake.send(f);
    t.time.advance(100);
    EXPECT_EQ(s->status->LogTextLPC[2], "100");   // still the old factor while open
    close();
    fake.send(f);
    t.time.advance(100);
    EXPECT_EQ(s->status->LogTextLPC[2], "250");
}

TEST_F(CoefficientsTest, ActiveColumnsCloseUpToTheLeft)
{
    activate({0, 2});
    Coefficients& w = open();
    EXPECT_EQ(w.Label6[0].left(), 5160);
    EXPECT_EQ(w.Label6[2].left(), 5880);
    EXPECT_EQ(w.Text3[0].left(), 5880);
    EXPECT_FALSE(w.Label6[1].visible());
    EXPECT_FALSE(w.Text2[0].visible());
    EXPECT_EQ(w.Text7[0].left(), 9480);
    EXPECT_EQ(w.Text8[0].left(), 10200);
    // The hidden column still goes to the file.
    w.Text2[1].setText("7");
    close();
    EXPECT_EQ(fileLines().value(16), "7");
}

TEST_F(CoefficientsTest, ShortOrMissingFileKeepsTheValuesInForce)
{
    writeFile(CoeffFile, "9\r\n8\r\n");
    Coefficients& w = open();
    EXPECT_EQ(w.Coefficient(0, 0), "9");
    EXPECT_EQ(w.Coefficient(1, 0), "8");
    EXPECT_EQ(w.Coefficient(2, 0), "1");   // from CoeffLE
    close();
    EXPECT_EQ(fileLines().size(), CoeffLines);
    EXPECT_EQ(fileLines().value(119), "0");

    QFile::remove(t.host(CoeffFile));
    open();
    close();
    EXPECT_EQ(fileLines().value(0), "9");
}

TEST_F(CoefficientsTest, QuitSavesTheOpenWindow)
{
    Coefficients& w = open();
    w.Text1[4].setText("0.8");
    t.dialogs.answers.push_back(plat::mb::Yes);
    EXPECT_THROW(mainMenus(*log).mnuQuit.click(), plat::ProgramEnded);
    EXPECT_EQ(fileLines().value(4), "0.8");
}

TEST_F(CoefficientsTest, Screenshot)
{
    activate({0, 1, 2, 3});
    Coefficients& w = open();
    screenshot(w, "coefficients");
}

} // namespace
