#pragma once
// The tests' dialogs: scripted boxes and pop-up choices, or real pop-up menus
// (QMenu, offscreen) whose items the test clicks with the mouse or picks
// with the keyboard, as a user does.

#include "platform/Dialogs.h"

#include <QString>
#include <deque>

class TestDialogs : public plat::ScriptedDialogs {
public:
    // How the next real pop-up's item is chosen.
    enum class By { Mouse, Keys };
    struct RealChoice {
        QString item;   // objectName of the item; empty: the pop-up is closed with Escape
        By by = By::Mouse;
    };
    // While not empty, each pop-up opened is a real one, answered by the
    // next choice; else the scripted choices answer.
    std::deque<RealChoice> realPopups;

    plat::Menu* popupMenu(plat::Menu& menu) override;

private:
    plat::QtDialogs real_;
};
