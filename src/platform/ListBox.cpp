#include "platform/ListBox.h"
#include "platform/HookedWidget.h"

#include <QListWidget>
#include <QPainter>
#include <QStyledItemDelegate>
#include <vector>

namespace plat {

namespace {

// Where each tab-separated part of an item starts, in pixels from the
// item's left edge, and where its text ends (the last element).
std::vector<int> partStarts(const QFontMetrics& fm, const QList<int>& tabStops, const QStringList& parts)
{
    const double dlu = fm.averageCharWidth() / 4.0;
    std::vector<int> starts;
    int x = 2;
    for (int i = 0; i < parts.size(); ++i) {
        if (i > 0) {
            int stop = -1;
            for (int s : tabStops) {
                const int px = 2 + int(s * dlu);
                if (px > x) {
                    stop = px;
                    break;
                }
            }
            if (stop < 0) {   // default stops every 8 characters (32 units)
                const int step = int(32 * dlu);
                stop = 2 + ((x - 2) / step + 1) * step;
            }
            x = stop;
        }
        starts.push_back(x);
        x += fm.horizontalAdvance(parts[i]);
    }
    starts.push_back(x);
    return starts;
}

// Paints an item with its tabs expanded to the list's tab stops.
class TabDelegate : public QStyledItemDelegate {
public:
    TabDelegate(ListBox* box, QObject* owner) : QStyledItemDelegate(owner), box_(box) {}

    void paint(QPainter* p, const QStyleOptionViewItem& opt, const QModelIndex& idx) const override
    {
        QStyleOptionViewItem o(opt);
        initStyleOption(&o, idx);
        const QString text = o.text;
        o.text.clear();
        o.widget->style()->drawControl(QStyle::CE_ItemViewItem, &o, p, o.widget);
        const QStringList parts = text.split('\t');
        const std::vector<int> starts = partStarts(QFontMetrics(o.font), box_->tabStops(), parts);
        p->setPen(o.state & QStyle::State_Selected ? o.palette.color(QPalette::HighlightedText)
                                                   : o.palette.color(QPalette::Text));
        for (int i = 0; i < parts.size(); ++i) {
            const int x = o.rect.left() + starts[i];
            p->drawText(QRect(x, o.rect.top(), o.rect.right() - x, o.rect.height()),
                        Qt::AlignLeft | Qt::AlignVCenter, parts[i]);
        }
    }

private:
    ListBox* box_;
};

QListWidget* view(QWidget* w) { return static_cast<QListWidget*>(w); }

} // namespace

ListBox::ListBox(Container& parent, QString name, int index) : Control(parent, std::move(name), index, false)
{
    auto* w = new Hooked<QListWidget>(this);
    w->setItemDelegate(new TabDelegate(this, w));   // a view does not own its delegate
    w->setUniformItemSizes(true);
    QObject::connect(w, &QListWidget::currentRowChanged, w, [this](int row) { listIndex_ = row; });
    QObject::connect(w, &QListWidget::itemClicked, w, [this] { raise(onClick); });
    QObject::connect(w, &QListWidget::itemDoubleClicked, w, [this] { raise(onDblClick); });
    setWidget(w);
    backColor_ = colors::White;
    applyColors();
}

void ListBox::addItem(const QString& item)
{
    items_.append(item);
    view(widget())->addItem(item);
}

void ListBox::removeItem(int i)
{
    if (i < 0 || i >= items_.size()) return;
    items_.removeAt(i);
    delete view(widget())->takeItem(i);
    if (listIndex_ >= items_.size()) listIndex_ = int(items_.size()) - 1;
}

void ListBox::clear()
{
    items_.clear();
    listIndex_ = -1;
    view(widget())->clear();
}

void ListBox::setListIndex(int i)
{
    if (i < -1 || i >= items_.size()) return;
    listIndex_ = i;
    view(widget())->setCurrentRow(i);
}

int ListBox::topIndex() const
{
    auto* v = view(widget());
    QListWidgetItem* it = v->itemAt(2, 2);
    return it ? v->row(it) : 0;
}

void ListBox::setTopIndex(int i)
{
    auto* v = view(widget());
    if (QListWidgetItem* it = v->item(i)) v->scrollToItem(it, QAbstractItemView::PositionAtTop);
}

int ListBox::textWidth(const QString& item) const
{
    return partStarts(QFontMetrics(widget()->font()), tabStops_, item.split('\t')).back();
}

int ListBox::textRoom() const
{
    const auto* v = view(widget());
    return v->viewport()->width();
}

void ListBox::setTabStops(const QList<int>& dialogUnits)
{
    tabStops_ = dialogUnits;
    widget()->update();
}

} // namespace plat
