// The I/O list panel: "Read FADEC I/O" shows it at the window's right edge
// and widens the window, a second use hides it; its pop-up chooses the
// direction the I/O monitor lists.
#include "shell/MainMenus.h"
#include "shell/MainPanels.h"
#include "shell/TracesShared.h"
#include "support/TracesFixture.h"

namespace {

class IOPanelTest : public TracesTest {
protected:
    void pressPanel(int button)
    {
        plat::MouseArgs a;
        a.button = button;
        mainPanels(*log).Picture22.onMouseDown(a);
    }
};

TEST_F(IOPanelTest, ReadFadecIOShowsThePanelAndWidensTheWindowThenHidesItAgain)
{
    ASSERT_EQ(mainForm().width(), 13150);
    mainPanels(*log).Picture22.move(100, 100, 500, 500);
    mainMenus(*log).mnuIOListData.click();
    EXPECT_TRUE(mainPanels(*log).Picture22.visible());
    EXPECT_EQ(mainPanels(*log).Picture22.left(), 11640);
    EXPECT_EQ(mainPanels(*log).Picture22.top(), 3000);
    EXPECT_EQ(mainPanels(*log).Picture22.width(), 3735);
    EXPECT_EQ(mainPanels(*log).Picture22.height(), 7095);
    EXPECT_EQ(mainForm().width(), 15650);
    EXPECT_TRUE(mainMenus(*log).mnuIOListData.checked());
    EXPECT_TRUE(mainMenus(*log).mnuRFStamptoPC.checked());
    EXPECT_FALSE(mainMenus(*log).mnuRFPCtoStamp.checked());
    EXPECT_EQ(s->tracesShared->FlagAffListeIO, 1);

    mainMenus(*log).mnuIOListData.click();
    EXPECT_FALSE(mainPanels(*log).Picture22.visible());
    EXPECT_EQ(mainForm().width(), 13150);
    EXPECT_FALSE(mainMenus(*log).mnuIOListData.checked());
    EXPECT_EQ(s->tracesShared->FlagAffListeIO, 0);
}

TEST_F(IOPanelTest, TheDirectionChosenWhileHiddenIsTheOneMarkedAtTheNextShowing)
{
    mainMenus(*log).mnuRFPCtoStamp.click();
    EXPECT_EQ(s->tracesShared->IOMonitorPCToStamp, 1);
    mainMenus(*log).mnuIOListData.click();
    EXPECT_TRUE(mainMenus(*log).mnuRFPCtoStamp.checked());
    EXPECT_FALSE(mainMenus(*log).mnuRFStamptoPC.checked());
    mainMenus(*log).mnuRFStamptoPC.click();
    EXPECT_EQ(s->tracesShared->IOMonitorPCToStamp, 0);
    EXPECT_TRUE(mainMenus(*log).mnuRFStamptoPC.checked());
    EXPECT_FALSE(mainMenus(*log).mnuRFPCtoStamp.checked());
}

TEST_F(IOPanelTest, TheRightButtonOpensTheDirectionMenu)
{
    pressPanel(plat::LeftButton);
    EXPECT_TRUE(t.dialogs.popupsShown.empty());
    t.dialogs.popupChoices.push_back("mnuRFPCtoStamp");
    pressPanel(plat::RightButton);
    ASSERT_EQ(t.dialogs.popupsShown.size(), 1u);
    EXPECT_EQ(t.dialogs.popupsShown[0], "mnuFuncPict22");
    EXPECT_EQ(s->tracesShared->IOMonitorPCToStamp, 1);
}

TEST_F(IOPanelTest, AfterTheFlagIsClearedElsewhereTheNextUseShowsThePanelAgain)
{
    mainMenus(*log).mnuIOListData.click();
    s->tracesShared->FlagAffListeIO = 0;   // as closing the hardware tests leaves it
    mainMenus(*log).mnuIOListData.click();
    EXPECT_TRUE(mainPanels(*log).Picture22.visible());
    EXPECT_EQ(mainForm().width(), 15650);
    mainMenus(*log).mnuIOListData.click();
    EXPECT_FALSE(mainPanels(*log).Picture22.visible());
}

} // namespace
