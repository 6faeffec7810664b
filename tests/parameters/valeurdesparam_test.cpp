// The LE settings reader: the per-LE lists and their refresh from the
// parameter records, the layout by the activated LEs, and the "Read LEn"
// buttons with their port refusal.
#include "parameters/FadecParameters.h"
#include "parameters/ParamsFixture.h"
#include "parameters/ValeurDesParam.h"
#include "shell/LeStrips.h"
#include "shell/LinkRequest.h"
#include "shell/LinkStatus.h"
#include "shell/MainMenus.h"
#include "shell/State.h"

using namespace orv;

namespace {

class ValeurDesParamTest : public ParamsTest {
protected:
    ValeurDesParam& open()
    {
        // The start-mode login leaves this item disabled; a login with
        // maintenance rights offers it.
        mainMenus(*log).mnuVdesParam.setEnabled(true);
        mainMenus(*log).mnuVdesParam.click();
        t.time.advance(300);
        return *prog->form<ValeurDesParam>();
    }
};

TEST_F(ValeurDesParamTest, ActivatedLEsStandSideBySide)
{
    activate({1, 3, 6});
    ValeurDesParam& w = open();
    EXPECT_TRUE(w.topmost());
    EXPECT_EQ(w.List2.left(), 120);
    EXPECT_EQ(w.LireLP2.left(), 120);
    EXPECT_EQ(w.List4.left(), 1200);
    EXPECT_EQ(w.List7.left(), 6600);
    for (int le : {0, 2, 4, 5, 7}) {
        EXPECT_FALSE(w.list(le).visible()) << le;
        EXPECT_FALSE(w.button(le).visible()) << le;
    }
    activate({});
    t.time.advance(300);
    EXPECT_EQ(w.width(), 1355);
}

TEST_F(ValeurDesParamTest, ReadButtonOnlyForAnIdleLEWithItsPortOpen)
{
    activate({1, 2, 3});
    openPort(2);
    openPort(3);
    ValeurDesParam& w = open();
    s->status->PhaseLP[2] = 5;
    t.time.advance(300);
    EXPECT_FALSE(w.LireLP2.enabled());   // port closed
    EXPECT_FALSE(w.LireLP3.enabled());   // running
    EXPECT_TRUE(w.LireLP4.enabled());
}

TEST_F(ValeurDesParamTest, ReadWithThePortClosedOnlyWarns)
{
    ValeurDesParam& w = open();
    selectLE(0);
    t.time.advance(2000);
    const plat::Color before = leStrips(*log).Label26[4].backColor();
    for (int le : {4, 7}) {
        t.dialogs.shown.clear();
        w.LireLP_Click(le);
        ASSERT_EQ(t.dialogs.shown.size(), 1u);
        EXPECT_EQ(t.dialogs.shown[0].text, QStringLiteral("The Port Com%1 is not activated ! ").arg(le + 1));
        EXPECT_EQ(t.dialogs.shown[0].title, " Warning ! ");
        EXPECT_EQ(t.dialogs.shown[0].icon(), int(plat::mb::Exclamation));
    }
    EXPECT_EQ(s->common->SelectedLE, 1);
    EXPECT_EQ(leStrips(*log).Label26[4].backColor(), before);
    EXPECT_EQ(s->request->SelectionBank, 0);
}

TEST_F(ValeurDesParamTest, ReadLE2SelectsItAndListsItsTable)
{
    FakeLE& fake = addFake(1);
    activate({1});
    ValeurDesParam& w = open();
    t.time.advance(500);
    fake.takeWritten();
    w.LireLP2.click();
    EXPECT_EQ(s->common->SelectedLE, 2);
    EXPECT_EQ(leStrips(*log).Label26[1].backColor(), plat::rgb(0x5B, 0xFF, 0x00));
    EXPECT_EQ(leStrips(*log).Label26[0].backColor(), plat::ButtonFace);
    EXPECT_EQ(prog->form<FadecParameters>()->Label64.caption(), "Selected LE : 2");
    ASSERT_TRUE(t.time.runUntil([&] { return s->status->ParamStamp[1][26] == 115; }));
    const auto frames = framesWritten(fake);
    ASSERT_FALSE(frames.empty());
    EXPECT_EQ(frames.front()[0], le::BankReadParam);
    t.time.advance(1200);
    ASSERT_EQ(w.List2.listCount(), 32);
    EXPECT_EQ(w.List2.list(0), "63    15");
    EXPECT_EQ(w.List2.list(5), "58   115");
    EXPECT_EQ(w.List2.list(31), "32     2");   // the bank index of the answer
    EXPECT_EQ(w.List1.list(5), "58     0");   // never read
}

TEST_F(ValeurDesParamTest, Screenshot)
{
    activate({0, 1, 2, 3, 4, 5, 6, 7});
    s->status->ParamStamp[0][26] = 115;
    ValeurDesParam& w = open();
    t.time.advance(1200);
    screenshot(w, "valeur_des_param");
}

} // namespace
