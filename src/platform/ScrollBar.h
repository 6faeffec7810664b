#pragma once
// A vertical scroll bar. Min may be above Max (the largest value at the top).
// A value set by code raises Change only when it changes, also while the bar
// is disabled; a value outside Min..Max is refused.

#include "platform/Control.h"

namespace plat {

class VScrollBar : public Control {
public:
    VScrollBar(Container& parent, QString name, int index = -1);

    int min() const { return min_; }
    int max() const { return max_; }
    void setMin(int v);
    void setMax(int v);
    void setRange(int minValue, int maxValue);
    int value() const { return value_; }
    bool setValue(int v);
    bool inRange(int v) const;
    void setSmallChange(int v);
    void setLargeChange(int v);

    std::function<void()> onChange;   // value changed (code, click, end of a drag)
    std::function<void()> onScroll;   // while the thumb is dragged

private:
    void sync();
    int min_ = 0, max_ = 32767, value_ = 0;
    bool syncing_ = false;
};

} // namespace plat
