// The FADEC-parameters window: the write and read of the LE's table through
// the bank frames, the port refusals, the defaults, zeros and file copy, the
// enabling of its commands, and the press on a title that opens the value input.
#include "parameters/FadecParameters.h"
#include "parameters/OKTransfert.h"
#include "parameters/ParamTable.h"
#include "parameters/ParametersState.h"
#include "parameters/ParamsFixture.h"
#include "parameters/Saisie.h"
#include "shell/LinkRequest.h"
#include "shell/LinkStatus.h"
#include "shell/ParametersShared.h"
#include "shell/State.h"

using namespace orv;

namespace {

class FadecParamsTest : public ParamsTest {
protected:
    FadecParameters& w() { return *prog->form<FadecParameters>(); }
    QStringList values()
    {
        QStringList out;
        for (int e = 0; e < 32; ++e) out << w().ParamPC(e);
        return out;
    }
};

TEST_F(FadecParamsTest, DefaultsWrittenToLE1GoInOneWriteFrameThenTheNotice)
{
    FakeLE& fake = addFake(0);
    selectLE(0);
    t.time.advance(1000);
    w().ParamDefault.click();
    fake.takeWritten();
    w().WriteConfig.click();

    QString notice;
    int64_t noticeAt = -1;
    t.dialogs.onModal = [&](plat::Form& f) {
        if (auto* n = dynamic_cast<OKTransfert*>(&f)) {
            notice = n->Label1.caption();
            noticeAt = t.time.nowMs();
        }
    };
    QByteArray written;
    ASSERT_TRUE(t.time.runUntil([&] { return (written += fake.takeWritten()).size() >= 34; }));
    const int64_t sentAt = t.time.nowMs();
    le::Fields expected{};
    expected[0] = le::BankWriteParam;
    const int defaults[32] = {0, 0, 0, 0, 0, 0, 0, 0, 16, 0, 0, 0, 0, 0, 0, 0, 0, 0,
                              50, 20, 15, 3, 0, 50, 35, 70, 115, 25, 60, 0, 50, 15};
    for (int e = 1; e < 32; ++e) expected[e] = defaults[e];
    EXPECT_EQ(written.left(34), le::composeCommand(expected));

    ASSERT_TRUE(t.time.runUntil([&] { return (written += fake.takeWritten()).size() >= 68; }));
    const auto next = le::parseCommand(written.mid(34, 34));
    ASSERT_TRUE(next);
    EXPECT_EQ((*next)[0], le::BankCommand);

    ASSERT_TRUE(t.time.runUntil([&] { return s->paramShared->TransfertDone == 1; }));
    EXPECT_EQ(notice, "Backup completed successfully ! ");
    EXPECT_GE(noticeAt - sentAt, 200);
    EXPECT_LT(noticeAt - sentAt, 200 + 30);
    EXPECT_EQ(t.time.nowMs() - noticeAt, 2000);
    // The LE took the table; the window keeps its values; the record follows.
    for (int e = 1; e < 32; ++e) EXPECT_EQ(fake.model.parameters()[e], defaults[e]) << e;
    EXPECT_EQ(values()[18], "50");
    EXPECT_EQ(s->status->ParamStamp[0][26], 115);
}

TEST_F(FadecParamsTest, ReadFromTheLEFillsTheValuesFromItsAnswer)
{
    FakeLE& fake = addFake(2);
    le::Fields table = le::defaultParameters();
    table[0] = le::BankWriteParam;
    table[19] = 33;
    fake.model.receive(le::composeCommand(table));
    selectLE(2);
    t.time.advance(1000);
    w().ReadConfig.click();
    EXPECT_EQ(values(), QStringList(QList<QString>(32, "0")));
    ASSERT_TRUE(t.time.runUntil([&] { return w().ParamPC(19) == "33"; }));
    EXPECT_EQ(s->status->ParamStamp[2][19], 33);
    EXPECT_TRUE(t.dialogs.shown.empty());
}

TEST_F(FadecParamsTest, ClosedPortRefusesReadAndWriteForEveryLE)
{
    for (int le : {1, 6, 7}) {
        SCOPED_TRACE(le);
        s->common->SelectedLE = le + 1;
        w().Label64.setCaption(QStringLiteral("Selected LE : %1").arg(le + 1));
        t.dialogs.shown.clear();
        w().ReadConfig.click();
        w().WriteConfig.click();
        const QString text = QStringLiteral("The Port Com%1 is not activated ! ").arg(le + 1);
        ASSERT_EQ(t.dialogs.shown.size(), 2u);
        for (const auto& b : t.dialogs.shown) {
            EXPECT_EQ(b.text, text);
            EXPECT_EQ(b.title, " Warning ! ");
            EXPECT_EQ(b.icon(), int(plat::mb::Exclamation));
        }
        EXPECT_EQ(values(), QStringList(QList<QString>(32, "0")));
        EXPECT_EQ(s->request->SelectionBank, 0);
    }
}

// An entry out of range, empty, text or too long a number is refused by
// name; nothing is sent in its place (least of all a 0).
TEST_F(FadecParamsTest, AValueThatIsNotAByteIsNeverSent)
{
    const QString nines(400, QLatin1Char('9'));
    const struct {
        QString value, shown;
    } cases[] = {
        {"300", "300"}, {"", ""}, {"abc", "abc"}, {"12abc", "12abc"}, {nines, QString(20, QLatin1Char('9')) + "..."},
    };
    FakeLE& fake = addFake(0);
    selectLE(0);
    t.time.advance(1000);
    for (const auto& c : cases) {
        SCOPED_TRACE(c.value.left(20).toStdString());
        t.dialogs.shown.clear();
        w().ParamDefault.click();
        w().setParamPC(26, c.value);
        w().WriteConfig.click();
        ASSERT_EQ(t.dialogs.shown.size(), 1u);
        EXPECT_EQ(t.dialogs.shown[0].text,
                  "Line 58 Max. Temp. Magnetron: value " + c.shown + " is not 0-255, nothing is written ");
        EXPECT_EQ(s->request->SelectionBank, 0);
        fake.takeWritten();
        t.time.advance(2000);
        const auto frames = framesWritten(fake);
        ASSERT_FALSE(frames.empty());
        for (const auto& f : frames) EXPECT_EQ(f[0], le::BankCommand);
        EXPECT_EQ(fake.model.parameters()[26], 115);
    }
}

TEST_F(FadecParamsTest, ZerosThenWriteSendZerosInPositionsOneToThirtyOne)
{
    FakeLE& fake = addFake(0);
    selectLE(0);
    t.time.advance(1000);
    w().ParamZero.click();
    fake.takeWritten();
    w().WriteConfig.click();
    ASSERT_TRUE(t.time.runUntil([&] { return s->request->SelectionBank == 0; }));
    const auto frames = framesWritten(fake);
    ASSERT_FALSE(frames.empty());
    le::Fields zeros{};
    zeros[0] = le::BankWriteParam;
    EXPECT_EQ(frames.front(), zeros);
}

TEST_F(FadecParamsTest, StoredCopyComesBackAfterTheDefaults)
{
    selectLE(0);
    w().ParamDefault.click();
    w().setParamPC(18, "120");
    w().setParamPC(31, "0015");
    w().WriteConfHdd.click();
    const QByteArray file = readFile("C:\\LightCtl\\ParamSt.ini");
    EXPECT_EQ(file.count("\r\n"), 32);
    EXPECT_TRUE(file.contains("\r\n120\r\n"));
    w().ParamDefault.click();
    EXPECT_EQ(w().ParamPC(18), "50");
    w().ReadParamHdd.click();
    EXPECT_EQ(w().ParamPC(18), "120");
    EXPECT_EQ(w().ParamPC(31), "0015");

    // A copy cut while the program runs sets the entries it holds; the others
    // stay at zero. A deleted one leaves zeros.
    writeFile("C:\\LightCtl\\ParamSt.ini", "1\r\n2\r\n");
    w().ReadParamHdd.click();
    QStringList cut(32, "0");
    cut[0] = "1";
    cut[1] = "2";
    EXPECT_EQ(values(), cut);
    QFile::remove(t.host("C:\\LightCtl\\ParamSt.ini"));
    w().ReadParamHdd.click();
    EXPECT_EQ(values(), QStringList(QList<QString>(32, "0")));
    EXPECT_TRUE(t.dialogs.shown.empty());
}

TEST_F(FadecParamsTest, CommandsActOnlyWhileAnLEIsNamed)
{
    w();
    t.time.advance(400);
    plat::CommandButton* commands[] = {&w().ParamZero, &w().ReadConfig, &w().WriteConfig, &w().ParamDefault,
                                       &w().ReadParamHdd, &w().WriteConfHdd};
    ASSERT_TRUE(w().Label64.caption().isEmpty());
    for (auto* b : commands) EXPECT_FALSE(b->enabled()) << b->name().toStdString();
    EXPECT_TRUE(w().CDMQuitter.enabled());
    w().ParamZero.click();   // a press on a disabled button does nothing
    EXPECT_EQ(w().ParamPC(18), "50");

    selectLE(1);
    t.time.advance(300);
    EXPECT_EQ(w().Label64.caption(), "Selected LE : 2");
    for (auto* b : commands) EXPECT_TRUE(b->enabled()) << b->name().toStdString();

    w().show();
    w().CDMQuitter.click();
    EXPECT_FALSE(w().visible());
    EXPECT_TRUE(prog->form<FadecParameters>().isLoaded());
}

// The press on a title opens the value input coloured by the entry's class,
// beside the press, with the entry's title, value and bounds.
TEST_F(FadecParamsTest, ATitlePressOpensTheValueInputForItsEntry)
{
    const struct {
        int entry;
        plat::Color back;
        bool typable;
    } cases[] = {{5, plat::rgb(255, 0, 0), false}, {12, plat::rgb(255, 128, 0), true},
                 {18, plat::rgb(192, 192, 255), true}};
    w().move(1000, 500, w().width(), w().height());
    for (const auto& c : cases) {
        SCOPED_TRACE(c.entry);
        bool seen = false;
        t.dialogs.onModal = [&](plat::Form& f) {
            auto* in = dynamic_cast<Saisie*>(&f);
            if (!in) return;
            seen = true;
            EXPECT_EQ(in->backColor(), c.back);
            EXPECT_EQ(in->Text1.enabled(), c.typable);
            EXPECT_EQ(in->Label1.enabled(), c.typable);
            EXPECT_EQ(in->Label1.caption(), paramTitle(c.entry).left(28));
            EXPECT_EQ(in->Label2.caption(), w().ParamPC(c.entry));
            EXPECT_EQ(in->Label3.caption(), paramMinText(c.entry));
            EXPECT_EQ(in->Label4.caption(), paramMaxText(c.entry));
            EXPECT_EQ(in->left(), 1000 + 600 + 4000);
            EXPECT_EQ(in->top(), 500 + 8160 - 255 * c.entry + 100);
            EXPECT_EQ(w().Label61[c.entry].backColor(), FadecParameters::Opened);
            in->AnnulerSaisie.click();
        };
        plat::MouseArgs a;
        a.button = plat::LeftButton;
        a.x = 600;
        w().Label61[c.entry].raiseMouse(w().Label61[c.entry].onMouseDown, a);
        EXPECT_TRUE(seen);
        EXPECT_FALSE(prog->ifLoaded<Saisie>());
        EXPECT_EQ(prog->s.parameters->SaisieMode, 0);
        EXPECT_EQ(w().Label61[c.entry].backColor(),
                  c.entry % 2 == 0 ? FadecParameters::EvenRow : FadecParameters::OddRow);
    }
}

TEST_F(FadecParamsTest, Screenshot)
{
    selectLE(0);   // which shows zeros until a read
    w().ParamDefault.click();
    w().Label61[21].setBackColor(FadecParameters::Opened);
    t.time.advance(400);
    screenshot(w(), "fadec_parameters");
}

} // namespace
