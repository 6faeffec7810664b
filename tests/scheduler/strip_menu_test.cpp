// The strips' pop-up menu: the copy and its paste items' enabling, paste by
// the target's mode, Clear, Move and Redraw.

#include "scheduler/StripFixture.h"
#include "shell/ScheduleFlags.h"

using namespace orv;

namespace {

class StripMenuTest : public StripTest {
protected:
    // A right press on LE le's strip that opens "Copy" and then picks `item`
    // (nothing when empty).
    void rightPress(int le, const QString& item, bool openCopy = false)
    {
        if (openCopy) t.dialogs.onPopup = [this](plat::Menu&) { w->mnuCopy.click(); };
        else t.dialogs.onPopup = nullptr;
        if (!item.isEmpty()) t.dialogs.popupChoices.push_back(item);
        down(le, 11000, plat::RightButton);
    }
    std::vector<bool> pasteEnabled()
    {
        std::vector<bool> out;
        for (int le = 0; le < 8; ++le) out.push_back(w->pasteItem(le).enabled());
        return out;
    }
};

TEST_F(StripMenuTest, OpeningCopyDisablesOnlyTheSourcesPasteItem)
{
    w->MnuLE7.setEnabled(false);
    w->MnuLE8.setEnabled(false);
    rightPress(2, "", true);
    EXPECT_EQ(pasteEnabled(), (std::vector<bool>{true, true, false, true, true, true, true, true}));
    // A paste enables every item again.
    setMode(4, "Plan");
    w->mnuLE5.click();
    EXPECT_EQ(pasteEnabled(), std::vector<bool>(8, true));
}

TEST_F(StripMenuTest, CopyFromAPlanStripPastesOntoAnotherPlanStrip)
{
    setMode(1, "Plan");
    setMode(4, "Plan");
    move(1, 100);
    drag(1, 2400, {2000});   // LE-2's T0 to 04:10
    move(4, 100);
    rightPress(1, "mnuLE5", true);
    EXPECT_EQ(plan(4), (std::array<int32_t, 4>{2000, 3840, 7680, 9120}));
    EXPECT_EQ(texts(4, 4), (QStringList{"04:10", "08:00", "16:00", "19:00"}));
    EXPECT_EQ(canvas(4).printedTexts(), (QStringList{"04:10", "08:00", "16:00", "19:00"}));
    EXPECT_EQ(pasteEnabled(), std::vector<bool>(8, true));

    // Onto LE-8: its own strip.
    setMode(7, "Plan");
    rightPress(1, "MnuLE8", true);
    EXPECT_EQ(plan(7)[0], 2000);
    EXPECT_EQ(canvas(7).printedTexts().size(), 4);
    EXPECT_EQ(canvas(6).printedTexts().size(), 0);
}

TEST_F(StripMenuTest, PasteOntoAnAsymLeOrBeforeAnyCopyChangesNothing)
{
    setMode(4, "Plan");
    move(4, 100);
    // Nothing copied yet: the target keeps its planning and its drawing.
    w->mnuLE5.click();
    EXPECT_EQ(plan(4), (std::array<int32_t, 4>{2400, 3840, 7680, 9120}));
    EXPECT_EQ(canvas(4).printedTexts().size(), 4);

    setMode(1, "Plan");
    move(1, 100);
    setMode(5, "Asym");
    move(5, 100);
    const auto asymBefore = m().TransitionAsymX[5];
    const auto planBefore = plan(5);
    rightPress(1, "mnuLE6", true);
    EXPECT_EQ(m().TransitionAsymX[5], asymBefore);
    EXPECT_EQ(plan(5), planBefore);
    EXPECT_EQ(canvas(5).printedTexts(), (QStringList{"16:00", "19:00"}));
    EXPECT_EQ(pasteEnabled(), std::vector<bool>(8, true));
}

TEST_F(StripMenuTest, CopyFromANonPlanStripKeepsTheLastCopiedPlanning)
{
    setMode(0, "Plan");
    move(0, 100);
    drag(0, 9120, {9600});
    rightPress(0, "", true);
    setMode(3, "Asym");
    rightPress(3, "", true);
    setMode(6, "Plan");
    w->MnuLE7.click();
    EXPECT_EQ(plan(6), (std::array<int32_t, 4>{2400, 3840, 7680, 9600}));
}

TEST_F(StripMenuTest, ClearThenRedrawBringsThePlanningBack)
{
    setMode(2, "Plan");
    move(2, 100);
    rightPress(2, "mnuEffacer");
    EXPECT_TRUE(canvas(2).printedTexts().isEmpty());
    EXPECT_EQ(canvas(2).point(1000, 315), plat::colors::LightGrey);
    rightPress(2, "mnuRedraw");
    EXPECT_EQ(canvas(2).printedTexts(), (QStringList{"05:00", "08:00", "16:00", "19:00"}));
    EXPECT_EQ(canvas(2).point(1000, 315), DarkBlue);

    // Redraw of a Normal strip changes nothing.
    canvas(3).line(0, 0, 100, 100, plat::colors::Green, plat::Canvas::BoxFilled);
    rightPress(3, "mnuRedraw");
    EXPECT_EQ(canvas(3).point(50, 50), plat::colors::Green);
}

TEST_F(StripMenuTest, RedrawOfASymStripDrawsTheFigureWithoutClearingOrText)
{
    setMode(1, "Sym");
    move(1, 2400);
    down(1, 2400);   // fixed at 5 hours
    canvas(1).line(10000, 0, 10100, 100, plat::colors::Green, plat::Canvas::BoxFilled);
    t.dialogs.popupChoices.push_back("mnuRedraw");
    t.dialogs.onPopup = nullptr;
    down(1, 2400, plat::RightButton);
    EXPECT_EQ(canvas(1).point(10050, 50), plat::colors::Green);
    EXPECT_EQ(canvas(1).printedTexts(), QStringList{"5 h"});   // the press's text only
}

TEST_F(StripMenuTest, MoveFreesASymCycleAndEnablesTheCycleBox)
{
    setMode(1, "Sym");
    move(1, 2400);
    down(1, 2400);
    w->Text1.setEnabled(false);
    rightPress(1, "mnuMove");
    EXPECT_EQ(s->schedule->FlagCycleSym[1], 0);
    EXPECT_TRUE(w->Text1.enabled());
    EXPECT_EQ(w->Label93.caption(), QString("1"));
    move(1, 4800);
    EXPECT_EQ(m().HeuresCycleSym[1], 10);

    // On a non-Sym LE only the label and the box.
    s->schedule->FlagCycleSym[2] = 1;
    rightPress(2, "mnuMove");
    EXPECT_EQ(s->schedule->FlagCycleSym[2], 1);
    EXPECT_EQ(w->Label93.caption(), QString("2"));
}

} // namespace
