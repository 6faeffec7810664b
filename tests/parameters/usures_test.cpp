// The wear-counter window: the password file and the password check, the
// read of an LE's counters through its wear-counter frame, the resets sent to
// the chosen LEs only, and the columns of the activated LEs.
#include "parameters/ParamsFixture.h"
#include "parameters/Usures.h"
#include "shell/LinkRequest.h"
#include "shell/MainMenus.h"

using namespace orv;

namespace {

const QString PasswordFile = "C:\\WINDOWS\\system32\\SWord.inx";

class UsuresTest : public ParamsTest {
protected:
    Usures& open()
    {
        mainMenus(*log).mnuArdwUptime.click();
        t.time.advance(250);
        return *prog->form<Usures>();
    }
};

TEST_F(UsuresTest, FirstOpeningCreatesThePasswordFileWithItsDefaults)
{
    ASSERT_FALSE(t.drive.fileExists(PasswordFile));
    Usures& w = open();
    EXPECT_TRUE(w.visible());
    EXPECT_EQ(readFile(PasswordFile), "5807\r\n5808\r\n5809\r\n");
    EXPECT_FALSE(w.Activation[0].enabled());   // "Activated" not ticked
    w.Check1.userClick();
    w.Text1[0].setText("5807");
    t.time.advance(200);
    EXPECT_EQ(w.Activation[0].backColor(), Usures::Accepted);
    EXPECT_EQ(w.Activation[1].backColor(), plat::ButtonFace);
}

TEST_F(UsuresTest, PasswordsMatchWithoutRegardToCaseAndNeverWhenEmpty)
{
    // A file of two lines: the magnetron password is missing.
    writeFile(PasswordFile, "Lamp\r\n5808\r\n");
    Usures& w = open();
    w.Check1.userClick();
    const struct {
        int box;
        const char* typed;
        bool accepted;
    } cases[] = {
        {0, "LAMP", true}, {0, "lamp", true}, {0, "lam", false}, {0, "", false},
        {1, "5808", true}, {1, "", false},    {2, "", false},    {2, "5809", false},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(std::string(c.typed) + " in box " + std::to_string(c.box));
        w.Text1[c.box].setText(QString::fromLatin1(c.typed));
        t.time.advance(200);
        EXPECT_EQ(w.Activation[c.box].backColor(), c.accepted ? Usures::Accepted : plat::ButtonFace);
    }
    // Unticking "Activated" empties the boxes and deselects everything.
    w.BoutonErase[0].click();
    w.Check1.userClick();
    t.time.advance(200);
    for (int k = 0; k < 3; ++k) {
        EXPECT_TRUE(w.Text1[k].text().isEmpty());
        EXPECT_EQ(w.Activation[k].backColor(), plat::ButtonFace);
    }
    EXPECT_EQ(w.BoutonErase[0].backColor(), plat::ButtonFace);
}

TEST_F(UsuresTest, ReadOfLE2AsksInEveryFrameUntilItsCountersArrive)
{
    FakeLE& fake = addFake(1);
    fake.model.setWearMinutes(0, 605);          // b0 125, b1 2: 10 hours
    fake.model.setWearMinutes(2, 240 * 300);    // b1 44, b2 1: 1200 hours
    activate({1});
    Usures& w = open();
    t.time.advance(1000);
    fake.model.clearReceived();
    w.ReadCDM[1].click();
    ASSERT_TRUE(t.time.runUntil([&] { return w.Label26[3].caption() != "00000000"; }));
    const size_t asked = fake.commands().size();
    ASSERT_GE(asked, 1u);
    for (size_t i = 0; i < asked; ++i) {
        EXPECT_EQ(fake.commands()[i][le::pos::SubCommand], 5);
        EXPECT_EQ(fake.commands()[i][le::pos::Cooling], 4);
    }
    EXPECT_EQ(w.Label26[0].caption(), "01111101");
    EXPECT_EQ(w.Label26[1].caption(), "00000010");
    EXPECT_EQ(w.Label26[2].caption(), "00000000");
    EXPECT_EQ(w.Label26[3].caption(), "10");
    EXPECT_EQ(w.Label26[3].foreColor(), plat::colors::Green);
    EXPECT_EQ(w.Label26[9].caption(), "00101100");
    EXPECT_EQ(w.Label26[10].caption(), "00000001");
    EXPECT_EQ(w.Label26[11].caption(), "1200");
    // Answered: the request is gone from the frames that follow.
    t.time.advance(1000);
    ASSERT_GT(fake.commands().size(), asked);
    for (size_t i = asked; i < fake.commands().size(); ++i) EXPECT_EQ(fake.commands()[i][le::pos::Cooling], 0);
    EXPECT_EQ(w.Label25[3].caption(), "00000000");   // LE-1's column untouched
}

TEST_F(UsuresTest, AResetGoesToTheChosenLEsOnlyBehindItsPassword)
{
    FakeLE& le2 = addFake(1);
    FakeLE& le3 = addFake(2);
    activate({1, 2, 3});
    Usures& w = open();
    w.Check1.userClick();
    t.time.advance(200);
    w.BoutonErase[1].click();
    w.BoutonErase[3].click();
    EXPECT_EQ(w.BoutonErase[1].backColor(), Usures::Marked);

    // Without its password the reset sends nothing.
    w.Activation[2].click();
    EXPECT_EQ(s->request->EnableCooling[1], 0);
    t.time.advance(2000);

    w.Text1[2].setText("5809");
    t.time.advance(200);
    ASSERT_EQ(w.Activation[2].backColor(), Usures::Accepted);
    le2.model.clearReceived();
    le3.model.clearReceived();
    w.Activation[2].click();
    EXPECT_EQ(w.Activation[2].backColor(), Usures::Marked);
    for (int le = 0; le < 6; ++le) {
        const bool chosen = le == 1 || le == 3;
        EXPECT_EQ(s->request->SubCommand[le], chosen ? 4 : 0) << le;
        EXPECT_EQ(s->request->EnableCooling[le], chosen ? 4 : 0) << le;
    }
    t.time.advance(1900);
    EXPECT_EQ(w.Activation[2].backColor(), Usures::Marked);
    ASSERT_FALSE(le2.commands().empty());
    EXPECT_EQ(le2.commands().front()[le::pos::SubCommand], 4);
    EXPECT_EQ(le2.commands().front()[le::pos::Cooling], 4);
    ASSERT_FALSE(le3.commands().empty());
    for (const auto& f : le3.commands()) EXPECT_EQ(f[le::pos::Cooling], 0);
    t.time.advance(300);
    EXPECT_EQ(w.Activation[2].backColor(), Usures::Accepted);
}

TEST_F(UsuresTest, AnLENotActivatedHasNoColumnAndNoChoice)
{
    activate({1, 3});
    Usures& w = open();
    w.Check1.userClick();
    t.time.advance(200);
    for (int le = 0; le < 6; ++le) {
        const bool shown = le == 1 || le == 3;
        EXPECT_EQ(w.Label5[le].visible(), shown) << le;
        EXPECT_EQ(w.column(le)[3].visible(), shown) << le;
        EXPECT_EQ(w.ReadCDM[le].visible(), shown) << le;
        EXPECT_EQ(w.BoutonErase[le].visible(), shown) << le;
    }
}

TEST_F(UsuresTest, Screenshot)
{
    activate({0, 1, 2, 3, 4, 5});
    Usures& w = open();
    w.Check1.userClick();
    w.Text1[0].setText("5807");
    w.BoutonErase[2].click();
    w.Label25[3].setCaption("1234");
    t.time.advance(200);
    screenshot(w, "usures");
}

} // namespace
