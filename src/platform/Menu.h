#pragma once
// Menu items of a window. A click never changes the check mark by itself:
// only code sets Checked. A caption of "-" is a separator. Opening the
// drop-down of an item that has children raises that item's click. A
// top-level item that is not visible in the menu bar can still open as a
// pop-up menu.

#include <QString>
#include <functional>
#include <vector>

class QAction;
class QMenu;

namespace plat {

class Form;

class Menu {
public:
    // A top-level item of `form`'s menu bar, or a child of `parent`.
    Menu(Form& form, QString name, QString caption, int index = -1);
    Menu(Menu& parent, QString name, QString caption, int index = -1);
    ~Menu();
    Menu(const Menu&) = delete;
    Menu& operator=(const Menu&) = delete;

    const QString& name() const { return name_; }
    int index() const { return index_; }
    QString objectName() const;
    Form& form() const { return form_; }
    Menu* parentMenu() const { return parent_; }
    const std::vector<Menu*>& items() const { return items_; }

    QString caption() const { return caption_; }
    void setCaption(const QString& c);
    bool checked() const { return checked_; }
    void setChecked(bool c);
    bool enabled() const { return enabled_; }
    void setEnabled(bool e);
    bool visible() const { return visible_; }
    void setVisible(bool v);
    bool isSeparator() const { return caption_ == QLatin1String("-"); }

    std::function<void()> onClick;
    // Runs the item's command as a user's choice would (nothing when disabled).
    void click();

    // While it lives, `menu` is open as a pop-up: its items' commands run
    // from Form::popupMenu, not from the menu's own trigger.
    class PopupOpen {
    public:
        explicit PopupOpen(Menu& menu) : menu_(menu) { menu_.popupOpen_ = true; }
        ~PopupOpen() { menu_.popupOpen_ = false; }
        PopupOpen(const PopupOpen&) = delete;
        PopupOpen& operator=(const PopupOpen&) = delete;

    private:
        Menu& menu_;
    };

    QAction* action() const { return action_; }
    // The drop-down of an item that has children (created with the first child).
    QMenu* submenu();

private:
    void init();
    void showCaption();
    void showMark();
    bool inOpenPopup() const;
    Form& form_;
    Menu* parent_ = nullptr;
    QString name_;
    QString caption_;
    int index_;
    bool checked_ = false;
    bool enabled_ = true;
    bool visible_ = true;
    bool popupOpen_ = false;
    QAction* action_ = nullptr;
    QMenu* submenu_ = nullptr;
    std::vector<Menu*> items_;
};

} // namespace plat
