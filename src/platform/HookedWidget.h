#pragma once
// Qt widget subclasses that pass mouse events to their control, in twips.
// A control takes the mouse events over it: its container gets none of them
// (Qt would hand an ignored event on to the parent widget). A disabled
// control gets none, so those still reach the container.

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

// `origin`: where the control's own coordinates start, in widget pixels.
inline MouseArgs mouseArgs(QMouseEvent* e, bool useHeldButtons, QPoint origin = {})
{
    MouseArgs a;
    a.button = buttonMask(useHeldButtons ? e->buttons() : Qt::MouseButtons(e->button()));
    a.shift = shiftMask(e->modifiers());
    a.x = (e->position().x() - origin.x()) * TwipsPerPixel;
    a.y = (e->position().y() - origin.y()) * TwipsPerPixel;
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
    // Where the control's coordinates start, in widget pixels: a control
    // with a client area counts from its top-left corner inside the border.
    virtual QPoint clientOrigin() const { return {}; }

    void mousePressEvent(QMouseEvent* e) override
    {
        W::mousePressEvent(e);
        e->accept();
        control->raiseMouse(control->onMouseDown, mouseArgs(e, false, clientOrigin()));
    }
    void mouseMoveEvent(QMouseEvent* e) override
    {
        W::mouseMoveEvent(e);
        e->accept();
        control->raiseMouse(control->onMouseMove, mouseArgs(e, true, clientOrigin()));
    }
    void mouseReleaseEvent(QMouseEvent* e) override
    {
        W::mouseReleaseEvent(e);
        e->accept();
        control->raiseMouse(control->onMouseUp, mouseArgs(e, false, clientOrigin()));
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
