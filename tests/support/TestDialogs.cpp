#include "support/TestDialogs.h"
#include "platform/Menu.h"

#include <QAction>
#include <QMenu>
#include <QTest>
#include <QTimer>

namespace {

// Runs inside the pop-up's own event loop, once it is on screen.
void choose(QMenu* menu, const TestDialogs::RealChoice& choice)
{
    const QList<QAction*> actions = menu->actions();
    const qsizetype index = choice.item.isEmpty() ? -1 : [&] {
        for (qsizetype i = 0; i < actions.size(); ++i)
            if (actions[i]->objectName() == choice.item) return i;
        return qsizetype(-1);
    }();
    if (index < 0) {
        QTest::keyClick(menu, Qt::Key_Escape);
        return;
    }
    if (choice.by == TestDialogs::By::Mouse) {
        QTest::mouseClick(menu, Qt::LeftButton, {}, menu->actionGeometry(actions[index]).center());
        return;
    }
    // Down from the top walks the items the user can reach (separators and
    // hidden or disabled items are skipped) until the item is the active one.
    for (int i = 0; i < actions.size() && menu->activeAction() != actions[index]; ++i)
        QTest::keyClick(menu, Qt::Key_Down);
    QTest::keyClick(menu, menu->activeAction() == actions[index] ? Qt::Key_Return : Qt::Key_Escape);
}

} // namespace

plat::Menu* TestDialogs::popupMenu(plat::Menu& menu)
{
    if (realPopups.empty()) return ScriptedDialogs::popupMenu(menu);
    popupsShown.push_back(menu.objectName());
    const RealChoice choice = realPopups.front();
    realPopups.pop_front();
    QMenu* shown = menu.submenu();
    QTimer::singleShot(0, shown, [shown, choice] { choose(shown, choice); });
    return real_.popupMenu(menu);
}
