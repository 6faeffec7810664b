#pragma once
// A list box: one fore colour for the whole list (the last one set applies to
// every line), and tab stops in dialog units for items that contain tabs.

#include "platform/Control.h"

#include <QStringList>

namespace plat {

class ListBox : public Control {
public:
    ListBox(Container& parent, QString name, int index = -1);

    void addItem(const QString& item);
    void removeItem(int i);
    void clear();
    int listCount() const { return int(items_.size()); }
    QString list(int i) const { return i >= 0 && i < items_.size() ? items_[i] : QString(); }
    const QStringList& items() const { return items_; }
    int listIndex() const { return listIndex_; }
    void setListIndex(int i);
    int topIndex() const;
    void setTopIndex(int i);

    // Tab stops in dialog units (a quarter of the average character width);
    // an empty list restores the default stops.
    void setTabStops(const QList<int>& dialogUnits);
    const QList<int>& tabStops() const { return tabStops_; }
    // Pixels an item's text takes from the item's left edge, tabs expanded,
    // and the pixels a line of the list offers (inside the frame and beside
    // a scroll bar when one shows): a text wider than the room is cut.
    int textWidth(const QString& item) const;
    int textRoom() const;

    std::function<void()> onClick;
    std::function<void()> onDblClick;

private:
    QStringList items_;
    int listIndex_ = -1;
    QList<int> tabStops_;
};

} // namespace plat
