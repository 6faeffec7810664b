#include "platform/Menu.h"
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
    action_ = new QAction(caption_, form_.window());
    action_->setObjectName(objectName());
    action_->setSeparator(isSeparator());
    action_->setCheckable(true);
    action_->setChecked(false);
    QObject::connect(action_, &QAction::triggered, action_, [this] {
        action_->setChecked(checked_);
        click();
    });
}

QMenu* Menu::submenu()
{
    if (!submenu_) {
        submenu_ = new QMenu(caption_);
        submenu_->setObjectName(objectName() + "_menu");
        action_->setMenu(submenu_);
        action_->setCheckable(false);
        // Opening an item's drop-down raises the item's click, before a sub-item is chosen.
        QObject::connect(submenu_, &QMenu::aboutToShow, action_, [this] { click(); });
    }
    return submenu_;
}

void Menu::setCaption(const QString& c)
{
    caption_ = c;
    action_->setText(c);
    action_->setSeparator(isSeparator());
    if (submenu_) submenu_->setTitle(c);
}

void Menu::setChecked(bool c)
{
    checked_ = c;
    action_->setChecked(c);
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
