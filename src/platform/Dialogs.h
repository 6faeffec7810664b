#pragma once
// Message boxes, pop-up menus and the notice that a modal window opened go
// through one interface: the program shows real ones, tests answer them
// from a script and record what was shown.

#include <QString>
#include <deque>
#include <functional>
#include <vector>

namespace plat {

class Form;
class Menu;

// Message box style bits and answers, as the program's code writes them.
namespace mb {
enum Buttons { OKOnly = 0, OKCancel = 1, AbortRetryIgnore = 2, YesNoCancel = 3, YesNo = 4, RetryCancel = 5 };
enum Icon { NoIcon = 0, Critical = 16, Question = 32, Exclamation = 48, Information = 64 };
enum Answer { OK = 1, Cancel = 2, Abort = 3, Retry = 4, Ignore = 5, Yes = 6, No = 7 };
} // namespace mb

class Dialogs {
public:
    virtual ~Dialogs();
    // A modal message box; returns the answer (mb::Answer).
    virtual int msgBox(const QString& text, int style, const QString& title) = 0;
    // Opens `menu`'s items as a pop-up at the mouse and returns the chosen
    // item, or nullptr. The caller runs the chosen item's command.
    virtual Menu* popupMenu(Menu& menu) = 0;
    // A modal window has just been shown and its wait begins.
    virtual void modalShown(Form&) {}
};

// Real boxes and menus on screen.
class QtDialogs : public Dialogs {
public:
    int msgBox(const QString& text, int style, const QString& title) override;
    Menu* popupMenu(Menu& menu) override;
};

// Scripted answers for tests. Every box shown is recorded.
class ScriptedDialogs : public Dialogs {
public:
    struct Box {
        QString text;
        QString title;
        int style;
        int icon() const { return style & 0x70; }
        int buttons() const { return style & 0x7; }
    };
    std::vector<Box> shown;
    std::deque<int> answers;          // next answers, in order
    int defaultAnswer = mb::OK;        // when no scripted answer is left
    // Chooses a pop-up item by name (objectName), or nothing when empty.
    std::deque<QString> popupChoices;
    std::vector<QString> popupsShown;  // objectName of each pop-up opened
    // Runs while a pop-up is open, before its choice is taken, as timers
    // and other events run under a real pop-up.
    std::function<void(Menu&)> onPopup;
    // Called when a modal window opens (to click its buttons, say).
    std::function<void(Form&)> onModal;

    int msgBox(const QString& text, int style, const QString& title) override;
    Menu* popupMenu(Menu& menu) override;
    void modalShown(Form& f) override;
};

} // namespace plat
