#include "platform/Dialogs.h"
#include "platform/Form.h"
#include "platform/Menu.h"

#include <QAction>
#include <QCursor>
#include <QMenu>
#include <QMessageBox>

namespace plat {

Dialogs::~Dialogs() = default;

namespace {

Menu* findByAction(Menu& m, QAction* a)
{
    if (m.action() == a) return &m;
    for (Menu* c : m.items())
        if (Menu* found = findByAction(*c, a)) return found;
    return nullptr;
}

Menu* findByName(Menu& m, const QString& name)
{
    for (Menu* c : m.items()) {
        if (c->objectName() == name || c->name() == name) return c;
        if (Menu* found = findByName(*c, name)) return found;
    }
    return nullptr;
}

} // namespace

int QtDialogs::msgBox(const QString& text, int style, const QString& title)
{
    QMessageBox box;
    box.setText(text);
    box.setWindowTitle(title);
    switch (style & 0x70) {
    case mb::Critical: box.setIcon(QMessageBox::Critical); break;
    case mb::Question: box.setIcon(QMessageBox::Question); break;
    case mb::Exclamation: box.setIcon(QMessageBox::Warning); break;
    case mb::Information: box.setIcon(QMessageBox::Information); break;
    default: break;
    }
    switch (style & 0x7) {
    case mb::OKCancel: box.setStandardButtons(QMessageBox::Ok | QMessageBox::Cancel); break;
    case mb::YesNoCancel: box.setStandardButtons(QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel); break;
    case mb::YesNo: box.setStandardButtons(QMessageBox::Yes | QMessageBox::No); break;
    case mb::RetryCancel: box.setStandardButtons(QMessageBox::Retry | QMessageBox::Cancel); break;
    case mb::AbortRetryIgnore: box.setStandardButtons(QMessageBox::Abort | QMessageBox::Retry | QMessageBox::Ignore); break;
    default: box.setStandardButtons(QMessageBox::Ok); break;
    }
    switch (box.exec()) {
    case QMessageBox::Ok: return mb::OK;
    case QMessageBox::Cancel: return mb::Cancel;
    case QMessageBox::Yes: return mb::Yes;
    case QMessageBox::No: return mb::No;
    case QMessageBox::Retry: return mb::Retry;
    case QMessageBox::Abort: return mb::Abort;
    case QMessageBox::Ignore: return mb::Ignore;
    default: return (style & 0x7) == mb::YesNo ? mb::No : mb::Cancel;
    }
}

Menu* QtDialogs::popupMenu(Menu& menu)
{
    QAction* chosen = menu.submenu()->exec(QCursor::pos());
    return chosen ? findByAction(menu, chosen) : nullptr;
}

int ScriptedDialogs::msgBox(const QString& text, int style, const QString& title)
{
    shown.push_back({text, title, style});
    if (answers.empty()) return defaultAnswer;
    int a = answers.front();
    answers.pop_front();
    return a;
}

Menu* ScriptedDialogs::popupMenu(Menu& menu)
{
    popupsShown.push_back(menu.objectName());
    if (onPopup) onPopup(menu);
    if (popupChoices.empty()) return nullptr;
    QString name = popupChoices.front();
    popupChoices.pop_front();
    Menu* m = findByName(menu, name);
    return m && m->enabled() && m->visible() ? m : nullptr;
}

void ScriptedDialogs::modalShown(Form& f)
{
    if (onModal) onModal(f);
}

} // namespace plat
