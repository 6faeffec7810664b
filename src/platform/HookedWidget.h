#pragma once
// Qt widget subclasses that pass mouse events to their control, in twips.

#include "platform/Control.h"

#include <QMouseEvent>

namespace plat {

inline int buttonMask(Qt::MouseButtons b)
{
    return (b & Qt::LeftButton ? LeftButton : 0) | (b & Qt::RightButton ? RightButton : 0)
           | (b & Qt::MiddleButton ? MiddleButton : 0);
}

inline int shiftMask(Qt::KeyboardModifiers m)
{
    return (m & Qt::ShiftModifier ? ShiftKey : 0) | (m & Qt::ControlModifier ? CtrlKey : 0)
           | (m & Qt::AltModifier ? AltKey : 0);
}

inline MouseArgs mouseArgs(QMouseEvent* e, bool useHeldButtons)
{
    MouseArgs a;
    a.button = buttonMask(useHeldButtons ? e->buttons() : Qt::MouseButtons(e->button()));
    a.shift = shiftMask(e->modifiers());
    a.x = e->position().x() * TwipsPerPixel;
    a.y = e->position().y() * TwipsPerPixel;
    return a;
}

template <class W>
class Hooked : public W {
public:
    explicit Hooked(Control* c) : control(c) { this->setMouseTracking(true); }
    Control* control;
    std::function<void()> onClicked;     // press and release inside
    std::function<void()> onDoubleClicked;

protected:
    void mousePressEvent(QMouseEvent* e) override
    {
        W::mousePressEvent(e);
        control->raiseMouse(control->onMouseDown, mouseArgs(e, false));
    }
    void mouseMoveEvent(QMouseEvent* e) override
    {
        W::mouseMoveEvent(e);
        control->raiseMouse(control->onMouseMove, mouseArgs(e, true));
    }
    void mouseReleaseEvent(QMouseEvent* e) override
    {
        W::mouseReleaseEvent(e);
        control->raiseMouse(control->onMouseUp, mouseArgs(e, false));
        if (onClicked && e->button() == Qt::LeftButton && this->rect().contains(e->position().toPoint()))
            onClicked();
    }
    void mouseDoubleClickEvent(QMouseEvent* e) override
    {
        W::mouseDoubleClickEvent(e);
        if (onDoubleClicked) onDoubleClicked();
    }
};

} // namespace plat
