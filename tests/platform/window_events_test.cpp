// Windows driven through Qt's real event path: a window that closes itself
// from a button, a menu item or a pop-up item is gone at once and freed only
// back in the event loop (virtual or real time); a real pop-up item runs its
// command once.
#include "platform/Controls.h"
#include "platform/FormSlot.h"
#include "platform/Menu.h"
#include "support/RuntimeFixture.h"

#include <QAction>
#include <QMenu>
#include <QMenuBar>
#include <QPointer>
#include <QTest>
#include <QTimer>

using namespace plat;

namespace {

struct Closing : Form {
    explicit Closing(Runtime& rt, QStringList& log) : Form(rt, "Closing")
    {
        move(0, 0, 4800, 3600);
        Command1.move(120, 120, 1500, 375);
        Command1.setCaption("Close");
        Command2.move(120, 600, 1500, 375);
        Command2.setCaption("Menu");
        mnuPop.setVisible(false);   // a pop-up only
        for (Menu* m : {&mnuQuit, &mnuPopQuit, &mnuPopCount})
            m->onClick = [this, m, &log] {
                log << m->name();
                if (m != &mnuPopCount) unload();
            };
        Command1.onClick = [this, &log] {
            log << "Command1";
            unload();
        };
        Command1.onMouseUp = [&log](const MouseArgs&) { log << "Command1_MouseUp"; };
        Command2.onClick = [this] { popupMenu(mnuPop); };
    }
    void Form_Unload(int&) override { unloads++; }

    int unloads = 0;
    CommandButton Command1{*this, "Command1"};
    CommandButton Command2{*this, "Command2"};
    Menu mnuFile{*this, "mnuFile", "File"};
    Menu mnuQuit{mnuFile, "mnuQuit", "Quit"};
    Menu mnuPop{*this, "mnuPop", "Pop"};
    Menu mnuPopCount{mnuPop, "mnuPopCount", "Count"};
    Menu mnuPopQuit{mnuPop, "mnuPopQuit", "Close"};
};

class WindowEventsTest : public RuntimeTest {
protected:
    QStringList log;
    FormSlot<Closing> slot{t.rt, [this] { return std::make_unique<Closing>(t.rt, log); }};

    static void click(QWidget* w) { QTest::mouseClick(w, Qt::LeftButton, {}, w->rect().center()); }

    // File > Quit with the mouse: the menu bar's title, then the item.
    void quitFromTheMenuBar(Closing& f)
    {
        QMenuBar* bar = f.menuBar();
        QTest::mouseClick(bar, Qt::LeftButton, {}, bar->actionGeometry(f.mnuFile.action()).center());
        QMenu* drop = f.mnuFile.submenu();
        ASSERT_TRUE(drop->isVisible());
        QTest::mouseClick(drop, Qt::LeftButton, {}, drop->actionGeometry(f.mnuQuit.action()).center());
    }
};

TEST_F(WindowEventsTest, AWindowClosedByItsOwnButtonMenuItemOrPopupItemIsFreedOnlyBackInTheEventLoop)
{
    const struct {
        const char* way;
        std::function<void(Closing&)> close;
        QStringList ran;
    } cases[] = {
        {"button", [](Closing& f) { click(f.Command1.widget()); }, {"Command1"}},
        {"menu item", [this](Closing& f) { quitFromTheMenuBar(f); }, {"mnuQuit"}},
        {"pop-up item",
         [this](Closing& f) {
             t.dialogs.realPopups.push_back({"mnuPopQuit"});
             click(f.Command2.widget());
         },
         {"mnuPopQuit"}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.way);
        log.clear();
        Closing& f = *slot;
        f.show();
        QPointer<QWidget> window = f.window();
        c.close(f);
        // Gone for the program at once: the next touch loads a fresh one.
        EXPECT_FALSE(slot.isLoaded());
        EXPECT_EQ(f.unloads, 1);
        EXPECT_EQ(log, c.ran);   // nothing more of the closed window ran, its MouseUp included
        EXPECT_TRUE(window);     // still there for the event that closed it
        QCoreApplication::processEvents();
        EXPECT_FALSE(window);
    }
}

TEST_F(WindowEventsTest, AWindowClosedInsideAWaitIsFreedOnlyOnceTheWaitReturned)
{
    Closing& f = *slot;
    f.show();
    QPointer<QWidget> window = f.window();
    bool waited = false;
    t.time.post([&] {
        Timer closer(t.time, "closer", 10, true);
        closer.onTimer = [&] {
            closer.setEnabled(false);
            click(f.Command1.widget());
            QCoreApplication::processEvents();   // the Qt loop inside the wait
        };
        t.time.waitUntil([&] { return !slot.isLoaded(); });
        waited = true;
        EXPECT_TRUE(window);   // the code that waited may still use it
    });
    t.time.advance(20);
    EXPECT_TRUE(waited);
    EXPECT_FALSE(window);   // the virtual event loop freed it
}

TEST_F(WindowEventsTest, ARealPopupItemRunsItsCommandOnceByMouseOrKeys)
{
    Closing& f = *slot;
    f.show();
    for (TestDialogs::By by : {TestDialogs::By::Mouse, TestDialogs::By::Keys}) {
        log.clear();
        t.dialogs.realPopups.push_back({"mnuPopCount", by});
        click(f.Command2.widget());
        EXPECT_EQ(log, QStringList{"mnuPopCount"}) << (by == TestDialogs::By::Mouse ? "mouse" : "keys");
    }
    log.clear();
    t.dialogs.realPopups.push_back({});   // closed with Escape
    click(f.Command2.widget());
    EXPECT_TRUE(log.isEmpty());
    EXPECT_EQ(t.dialogs.popupsShown.size(), 3u);
}

// On real time Qt's own event loop frees it, once no wait is running.
TEST(RealTimeWindowEventsTest, QtsEventLoopFreesAClosedWindowOnlyOnceTheWaitingHandlerReturned)
{
    TestRuntime t;
    RealTimeSource real;
    Runtime rt{real, t.dialogs, t.drive, t.serial, t.printer};
    QStringList log;
    FormSlot<Closing> slot{rt, [&] { return std::make_unique<Closing>(rt, log); }};
    Closing& f = *slot;
    f.show();
    QPointer<QWidget> window = f.window();
    bool thereDuringTheWait = false;
    real.dispatch([&] {
        QTimer::singleShot(0, f.window(), [&] {
            QWidget* b = f.Command1.widget();
            QTest::mouseClick(b, Qt::LeftButton, {}, b->rect().center());
        });
        real.waitUntil([&] { return !slot.isLoaded(); });
        QCoreApplication::processEvents();
        thereDuringTheWait = window;
    });
    EXPECT_EQ(log, QStringList{"Command1"});
    EXPECT_TRUE(thereDuringTheWait);
    QCoreApplication::processEvents();
    EXPECT_FALSE(window);
}

} // namespace
