// Windows and controls: load on first touch, unload and its handlers, modal
// waits, value changes raising events, stacking, menus and pop-ups.
#include "platform/Controls.h"
#include "platform/FormSlot.h"
#include "platform/ListBox.h"
#include "platform/Menu.h"

#include <QMenu>
#include "platform/ScrollBar.h"
#include "support/RuntimeFixture.h"

#include <QWidget>

using namespace plat;

namespace {

struct Sample : Form {
    explicit Sample(Runtime& rt, int& loads, QStringList& log) : Form(rt, "Sample"), loads_(loads), log_(log)
    {
        Check1.onClick = [this] { log_ << QString("Check1_Click %1").arg(Check1.value()); };
        Option1.add(0).onClick = [this] { log_ << "Option1_Click 0"; };
        Option1.add(1).onClick = [this] { log_ << "Option1_Click 1"; };
        VScroll1.setRange(130, 30);
        VScroll1.onChange = [this] { log_ << QString("VScroll1_Change %1").arg(VScroll1.value()); };
        Tick.onTimer = [this] { ++ticks; };
        mnuTick.onClick = [this] { log_ << "mnuTick_Click"; };
    }
    void Form_Load() override { ++loads_; }
    void Form_QueryUnload(int& cancel, int mode) override
    {
        log_ << QString("QueryUnload %1").arg(mode);
        cancel = refuse;
    }
    void Form_Unload(int&) override { log_ << "Unload"; }

    int& loads_;
    QStringList& log_;
    bool refuse = false;
    int ticks = 0;
    Label Label1{*this, "Label1"};
    CommandButton Command1{*this, "Command1"};
    CheckBox Check1{*this, "Check1"};
    ControlArray<OptionButton> Option1{*this, "Option1"};
    VScrollBar VScroll1{*this, "VScroll1"};
    ListBox List1{*this, "List1"};
    FormTimer Tick{*this, "Tick", 100, true};
    Menu mnuFile{*this, "mnuFile", "File"};
    Menu mnuTick{mnuFile, "mnuTick", "Tick"};
};

class FormsTest : public RuntimeTest {
protected:
    int loads = 0;
    QStringList log;
    FormSlot<Sample> slot{t.rt, [this] { return std::make_unique<Sample>(t.rt, loads, log); }};
};

} // namespace

TEST_F(FormsTest, FirstTouchLoadsHiddenAndIsLoadedDoesNotLoad)
{
    EXPECT_FALSE(slot.isLoaded());
    EXPECT_EQ(loads, 0);
    slot->Label1.setCaption("x");
    EXPECT_TRUE(slot.isLoaded());
    EXPECT_EQ(loads, 1);
    EXPECT_FALSE(slot->visible());
    EXPECT_EQ(slot->window()->objectName(), "Sample");
    EXPECT_EQ(slot->Label1.widget()->accessibleDescription(), "Label1");
    EXPECT_EQ(slot->Option1[1].widget()->objectName(), "Option1_1");
}

TEST_F(FormsTest, UnloadRunsHandlersStopsTimersAndNextTouchLoadsAFreshInstance)
{
    slot->Label1.setCaption("old");
    t.time.advance(250);
    EXPECT_EQ(slot->ticks, 2);
    EXPECT_TRUE(slot.unload());
    EXPECT_EQ(log, (QStringList{"QueryUnload 1", "Unload"}));
    EXPECT_FALSE(slot.isLoaded());
    t.time.advance(1000);   // the unloaded window's timer is gone
    EXPECT_EQ(slot->Label1.caption(), "");
    EXPECT_EQ(loads, 2);
}

TEST_F(FormsTest, QueryUnloadCanRefuse)
{
    slot->refuse = true;
    EXPECT_FALSE(slot.unload());
    EXPECT_TRUE(slot.isLoaded());
    EXPECT_EQ(log, (QStringList{"QueryUnload 1"}));
}

TEST_F(FormsTest, UnloadFromItsOwnHandlerIsSafe)
{
    slot->Command1.onClick = [this] {
        slot.unload();
        // Still running inside the unloaded window's handler.
        slot.ifLoaded();
        log << "after unload";
    };
    t.time.dispatch([this] { slot->Command1.click(); });
    EXPECT_FALSE(slot.isLoaded());
    EXPECT_EQ(log.last(), "after unload");
}

TEST_F(FormsTest, ModalShowWaitsWhileTimersRunUntilTheWindowCloses)
{
    Timer closer(t.time, "closer", 500, true);
    closer.onTimer = [this, &closer] {
        closer.setEnabled(false);
        slot.unload();
    };
    bool returned = false;
    t.time.post([&] {
        slot->show(true);
        returned = true;
    });
    t.time.advance(1000);
    EXPECT_TRUE(returned);
    EXPECT_FALSE(slot.isLoaded());
}

TEST_F(FormsTest, CodeChangesRaiseClickOnlyWhenTheValueChanges)
{
    Sample& f = *slot;
    EXPECT_TRUE(f.Check1.setValue(1));
    EXPECT_TRUE(f.Check1.setValue(1));
    EXPECT_FALSE(f.Check1.setValue(3));   // refused
    EXPECT_TRUE(f.Check1.setValue(2));
    f.Option1[0].setValue(true);
    f.Option1[1].setValue(true);
    f.Option1[1].setValue(true);
    EXPECT_FALSE(f.Option1[0].value());
    EXPECT_FALSE(f.VScroll1.setValue(131));   // outside 30..130
    EXPECT_TRUE(f.VScroll1.setValue(50));
    EXPECT_TRUE(f.VScroll1.setValue(50));
    EXPECT_EQ(log, (QStringList{"Check1_Click 1", "Check1_Click 2", "Option1_Click 0",
                                "Option1_Click 1", "VScroll1_Change 50"}));
}

TEST_F(FormsTest, WindowlessControlsLieBehindWindowedOnesAndEarlierDeclaredInFront)
{
    Sample& f = *slot;
    const QObjectList& order = f.surface()->children();   // back to front
    auto pos = [&](const Control& c) { return order.indexOf(c.widget()); };
    EXPECT_LT(pos(f.Label1), pos(f.List1));
    EXPECT_LT(pos(f.List1), pos(f.VScroll1));
    EXPECT_LT(pos(f.VScroll1), pos(f.Check1));
    EXPECT_LT(pos(f.Check1), pos(f.Command1));
}

TEST_F(FormsTest, MenuClickRunsTheCommandButNeverTogglesTheMark)
{
    Sample& f = *slot;
    f.mnuTick.action()->trigger();
    EXPECT_FALSE(f.mnuTick.checked());
    f.mnuTick.setChecked(true);
    f.mnuTick.action()->trigger();
    EXPECT_TRUE(f.mnuTick.checked());
    f.mnuTick.setEnabled(false);
    f.mnuTick.click();
    EXPECT_EQ(log, (QStringList{"mnuTick_Click", "mnuTick_Click"}));
}

TEST_F(FormsTest, OpeningADropDownRaisesItsItemsClick)
{
    Sample& f = *slot;
    f.mnuFile.onClick = [&] { log << "mnuFile_Click"; };
    emit f.mnuFile.submenu()->aboutToShow();
    EXPECT_EQ(log, (QStringList{"mnuFile_Click"}));
}

TEST_F(FormsTest, PopupRunsTheChosenCommandBeforeTheOpenerReturns)
{
    Sample& f = *slot;
    t.dialogs.popupChoices.push_back("mnuTick");
    f.popupMenu(f.mnuFile);
    log << "after popup";
    EXPECT_EQ(log, (QStringList{"mnuTick_Click", "after popup"}));
    EXPECT_EQ(t.dialogs.popupsShown, (std::vector<QString>{"mnuFile"}));
}

TEST_F(FormsTest, ScriptedPopupRunsItsOpenHookBeforeTheChoice)
{
    Sample& f = *slot;
    t.dialogs.onPopup = [&](Menu& m) { log << "open " + m.name(); };
    t.dialogs.popupChoices.push_back("mnuTick");
    f.popupMenu(f.mnuFile);
    EXPECT_EQ(log, (QStringList{"open mnuFile", "mnuTick_Click"}));
}

TEST_F(FormsTest, ListBoxKeepsItemsAndTabStops)
{
    ListBox& l = slot->List1;
    l.addItem("a\tb");
    l.addItem("c");
    l.setTabStops({10, 35, 110});
    l.setForeColor(colors::Red);
    l.removeItem(0);
    EXPECT_EQ(l.listCount(), 1);
    EXPECT_EQ(l.list(0), "c");
    EXPECT_EQ(l.tabStops(), (QList<int>{10, 35, 110}));
    EXPECT_EQ(l.foreColor(), colors::Red);
}

namespace {

// A window's own drawing lies on its client area, behind its controls, and
// setting the window's back colour erases it.
TEST(FormDrawingTest, DrawingShowsBehindTheControlsUntilTheBackColourChanges)
{
    TestRuntime t;
    Form w(t.rt, "Drawn");
    w.move(0, 0, 3000 + 120, 2000 + 450);
    Label label{w, "Label1"};
    label.move(0, 0, 1500, 600);
    label.setCaption(" ");
    w.canvas().line(0, 300, 2990, 300, rgb(255, 0, 0));
    EXPECT_EQ(w.canvas().widthTwips(), w.scaleWidth());
    w.show();
    QImage shot = w.surface()->grab().toImage();
    EXPECT_EQ(shot.pixelColor(2400 / TwipsPerPixel, 300 / TwipsPerPixel), QColor(255, 0, 0));
    EXPECT_NE(shot.pixelColor(600 / TwipsPerPixel, 300 / TwipsPerPixel), QColor(255, 0, 0));   // under the label

    w.setBackColor(rgb(0, 0, 255));
    shot = w.surface()->grab().toImage();
    EXPECT_EQ(shot.pixelColor(2400 / TwipsPerPixel, 300 / TwipsPerPixel), QColor(0, 0, 255));
}

} // namespace
