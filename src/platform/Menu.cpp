#include "platform/Menu.h"
#include "platform/Fonts.h"
#include "platform/Form.h"
#include "platform/Runtime.h"

#include <QAction>
#include <QMenu>
#include <QMenuBar>

namespace plat {

Menu::Menu(Form& form, QString name, QString caption, int index)
    : form_(form), name_(std::move(name)), caption_(std::move(caption)), index_(index)
{
    init();
    form_.menuBar()->addAction(action_);
    form_.adoptMenu(this);
}

Menu::Menu(Menu& parent, QString name, QString caption, int index)
    : form_(parent.form_), parent_(&parent), name_(std::move(name)), caption_(std::move(caption)), index_(index)
{
    init();
    parent.submenu()->addAction(action_);
    parent.items_.push_back(this);
}

Menu::~Menu()
{
    if (parent_) std::erase(parent_->items_, this);
    delete submenu_;
    delete action_;
}

QString Menu::objectName() const
{
    return index_ < 0 ? name_ : QStringLiteral("%1_%2").arg(name_).arg(index_);
}

void Menu::init()
{
    action_ = new QAction(form_.window());
    action_->setObjectName(objectName());
    showCaption();
    showMark();
    QObject::connect(action_, &QAction::triggered, action_, [this] {
        showMark();   // Qt toggled it; only code sets the mark
        if (!inOpenPopup()) click();
    });
}

bool Menu::inOpenPopup() const
{
    for (const Menu* m = this; m; m = m->parent_)
        if (m->popupOpen_) return true;
    return false;
}

// A separator is a plain line: the style would print a text it carries.
void Menu::showCaption()
{
    action_->setSeparator(isSeparator());
    action_->setText(isSeparator() ? QString() : caption_);
    if (submenu_) submenu_->setTitle(caption_);
}

// The mark shows only on a checked item: an unchecked one is drawn as a plain
// command, with no empty box.
void Menu::showMark()
{
    const bool mark = checked_ && !submenu_ && !isSeparator();
    action_->setCheckable(mark);
    action_->setChecked(mark);
}

QMenu* Menu::submenu()
{
    if (!submenu_) {
        submenu_ = new QMenu(caption_);
        submenu_->setObjectName(objectName() + "_menu");
        submenu_->setFont(defaultProgramFont());
        action_->setMenu(submenu_);
        showMark();
        // Opening an item's drop-down raises the item's click, before a sub-item is chosen.
        QObject::connect(submenu_, &QMenu::aboutToShow, action_, [this] { click(); });
    }
    return submenu_;
}

void Menu::setCaption(const QString& c)
{
    caption_ = c;
    showCaption();
    showMark();
}

void Menu::setChecked(bool c)
{
    checked_ = c;
    showMark();
}

void Menu::setEnabled(bool e)
{
    enabled_ = e;
    action_->setEnabled(e);
}

void Menu::setVisible(bool v)
{
    visible_ = v;
    action_->setVisible(v);
}

void Menu::click()
{
    if (!enabled_ || !onClick) return;
    form_.runtime().dispatch(onClick);
}

} // namespace plat
