// The alarm windows stay loaded once loaded: the user cannot close them (only
// Quit hides them) and their ticks go on while hidden; the main window's
// items show one of them and hide the other two.
#include "alarms/AlarmFixture.h"
#include "alarms/AlarmsState.h"
#include "alarms/ControlLfcAlarm.h"
#include "alarms/Halogen.h"
#include "alarms/SHTPC.h"
#include "shell/MainMenus.h"

using namespace orv;

namespace {

class AlarmLifecycleTest : public AlarmTest {};

TEST_F(AlarmLifecycleTest, ClosingByTheUserIsRefusedAndEachMenuShowsOneWindow)
{
    mainMenus(*log).mnuHalogen.click();
    EXPECT_TRUE(prog->form<Halogen>()->visible());
    EXPECT_FALSE(prog->form<Halogen>()->unload(plat::FormControlMenu));
    EXPECT_NE(prog->ifLoaded<Halogen>(), nullptr);

    mainMenus(*log).mnuLfcControlAlarm.click();
    EXPECT_TRUE(prog->form<ControlLfcAlarm>()->visible());
    EXPECT_FALSE(prog->form<Halogen>()->visible());
    EXPECT_FALSE(prog->form<SHTPC>()->visible());
    EXPECT_FALSE(prog->form<ControlLfcAlarm>()->unload(plat::FormControlMenu));

    mainMenus(*log).mnuSHTFenetre.click();
    EXPECT_TRUE(prog->form<SHTPC>()->visible());
    EXPECT_FALSE(prog->form<ControlLfcAlarm>()->visible());
    EXPECT_FALSE(prog->form<SHTPC>()->unload(plat::FormControlMenu));

    // Hidden, the QTH window still ticks.
    s->alarms->FlagSHTLE = 0;
    t.time.advance(100);
    EXPECT_EQ(s->alarms->FlagSHTLE, 1);
}

TEST_F(AlarmLifecycleTest, OpeningFromTheMainWindowTakesTheSavedThresholdOrThatOfANewFile)
{
    writeBaseFile("Consigne.ini", "999\r\n");
    writeBaseFile("SHTConsigne.ini", "64\r\n");
    prog->form<Halogen>()->VScroll1.setValue(12);
    mainMenus(*log).mnuHalogen.click();
    EXPECT_EQ(prog->form<Halogen>()->VScroll1.value(), 220);   // beyond the slider
    EXPECT_EQ(prog->form<Halogen>()->Label78[4].caption(), "220");
    mainMenus(*log).mnuSHTFenetre.click();
    EXPECT_EQ(prog->form<SHTPC>()->VScroll1[0].value(), 64);
    EXPECT_EQ(prog->form<SHTPC>()->Label6.caption(), "64");
}

} // namespace
