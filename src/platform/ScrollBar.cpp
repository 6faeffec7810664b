#include "platform/ScrollBar.h"
#include "platform/HookedWidget.h"

#include <QScrollBar>
#include <algorithm>

namespace plat {

namespace {
QScrollBar* bar(QWidget* w) { return static_cast<QScrollBar*>(w); }
}

VScrollBar::VScrollBar(Container& parent, QString name, int index)
    : Control(parent, std::move(name), index, false)
{
    auto* w = new Hooked<QScrollBar>(this);
    w->setOrientation(Qt::Vertical);
    w->setTracking(true);
    // Qt's bar runs from its minimum at the top; a model with Min > Max is
    // shown with the appearance inverted.
    QObject::connect(w, &QScrollBar::valueChanged, w, [this](int v) {
        if (syncing_) return;
        int model = min_ <= max_ ? v : min_ + max_ - v;
        if (model == value_) return;
        value_ = model;
        raise(bar(widget())->isSliderDown() ? onScroll : onChange);
    });
    QObject::connect(w, &QScrollBar::sliderReleased, w, [this] { raise(onChange); });
    setWidget(w);
    sync();
}

bool VScrollBar::inRange(int v) const { return v >= std::min(min_, max_) && v <= std::max(min_, max_); }

void VScrollBar::setMin(int v) { setRange(v, max_); }
void VScrollBar::setMax(int v) { setRange(min_, v); }

void VScrollBar::setRange(int minValue, int maxValue)
{
    min_ = minValue;
    max_ = maxValue;
    if (!inRange(value_)) {
        value_ = std::clamp(value_, std::min(min_, max_), std::max(min_, max_));
        raiseFromCode(onChange);
    }
    sync();
}

bool VScrollBar::setValue(int v)
{
    if (!inRange(v)) return false;
    if (v == value_) return true;
    value_ = v;
    sync();
    raiseFromCode(onChange);
    return true;
}

void VScrollBar::setSmallChange(int v) { bar(widget())->setSingleStep(v); }
void VScrollBar::setLargeChange(int v) { bar(widget())->setPageStep(v); }

void VScrollBar::sync()
{
    syncing_ = true;
    auto* b = bar(widget());
    b->setRange(std::min(min_, max_), std::max(min_, max_));
    b->setValue(min_ <= max_ ? value_ : min_ + max_ - value_);
    syncing_ = false;
}

} // namespace plat
