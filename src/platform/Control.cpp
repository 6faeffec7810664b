#include "platform/Control.h"
#include "platform/Fonts.h"
#include "platform/Form.h"
#include "platform/Runtime.h"

#include <QApplication>
#include <QFont>
#include <algorithm>

namespace plat {

Control::Control(Container& parent, QString name, int index, bool windowless)
    : parent_(parent), name_(std::move(name)), index_(index), windowless_(windowless)
{
    parent_.adopt(this);
}

Control::~Control()
{
    if (parentAlive_) parent_.release(this);
    delete widget_.data();
}

QString Control::objectName() const
{
    return index_ < 0 ? name_ : QStringLiteral("%1_%2").arg(name_).arg(index_);
}

Runtime& Control::runtime() const { return parent_.runtime(); }

void Control::setWidget(QWidget* w)
{
    widget_ = w;
    w->setParent(parent_.surface());
    w->setObjectName(objectName());
    w->setAccessibleDescription(objectName());
    w->setGeometry(twipsToPx(left_), twipsToPx(top_), twipsToPx(width_), twipsToPx(height_));
    w->setVisible(visible_);
    applyColors();
    applyFont();
}

void Control::move(int left, int top, int width, int height)
{
    left_ = left;
    top_ = top;
    width_ = std::max(0, width);
    height_ = std::max(0, height);
    if (widget_)
        widget_->setGeometry(twipsToPx(left_), twipsToPx(top_), twipsToPx(width_), twipsToPx(height_));
}

void Control::setVisible(bool v)
{
    visible_ = v;
    if (widget_) widget_->setVisible(v);
}

void Control::setEnabled(bool v)
{
    enabled_ = v;
    if (widget_) widget_->setEnabled(v);
}

// Setting the colour a control already has changes nothing on screen: the
// palette is only rebuilt for a new colour.
void Control::setBackColor(Color c)
{
    if (c == backColor_ && colorsApplied_) return;
    backColor_ = c;
    applyColors();
}

void Control::setForeColor(Color c)
{
    if (c == foreColor_ && colorsApplied_) return;
    foreColor_ = c;
    applyColors();
}

QColor Control::disabledTextColor()
{
    return QApplication::palette().color(QPalette::Disabled, QPalette::ButtonText);
}

// The stored colours show while the control is enabled (in an active or an
// inactive window). A disabled control keeps its back colour and shows its
// text in the desktop's grey, as the desktop's own controls do; the stored
// values stay as the program set them.
void Control::applyColors()
{
    if (!widget_) return;
    colorsApplied_ = true;
    const QColor back = toQColor(backColor_);
    const QColor fore = toQColor(foreColor_);
    const QColor grey = disabledTextColor();
    QPalette pal = widget_->palette();
    for (QPalette::ColorGroup g : {QPalette::Active, QPalette::Inactive, QPalette::Disabled}) {
        const QColor& text = g == QPalette::Disabled ? grey : fore;
        pal.setColor(g, QPalette::Window, back);
        pal.setColor(g, QPalette::Base, back);
        pal.setColor(g, QPalette::Button, back);
        pal.setColor(g, QPalette::WindowText, text);
        pal.setColor(g, QPalette::Text, text);
        pal.setColor(g, QPalette::ButtonText, text);
    }
    widget_->setPalette(pal);
    widget_->setAutoFillBackground(true);
}

void Control::setFontName(const QString& n)
{
    fontName_ = n;
    applyFont();
}
void Control::setFontSize(double pt)
{
    fontSize_ = pt;
    applyFont();
}
void Control::setFontBold(bool b)
{
    fontBold_ = b;
    applyFont();
}

void Control::applyFont()
{
    if (!widget_) return;
    widget_->setFont(programFont(fontName_, fontSize_, fontBold_));
}

bool Control::setFocus()
{
    if (!visible() || !enabled() || !widget_) return false;
    widget_->setFocus();
    return true;
}

void Control::setToolTipText(const QString& t)
{
    toolTip_ = t;
    if (widget_) widget_->setToolTip(t);
}

// A window that unloaded lives on only until control is back in the event
// loop; what the user's event still delivers to its controls runs nothing.
bool Control::windowUnloaded() const
{
    const Form* f = parent_.form();
    return f && f->isUnloaded();
}

void Control::raise(const std::function<void()>& h)
{
    if (h && enabled_ && !windowUnloaded()) runtime().dispatch(h);
}

void Control::raiseFromCode(const std::function<void()>& h)
{
    if (h) runtime().dispatch(h);
}

void Control::raiseMouse(const std::function<void(const MouseArgs&)>& h, const MouseArgs& a)
{
    if (h && enabled_ && !windowUnloaded()) runtime().dispatch([&] { h(a); });
}

Container::~Container()
{
    for (Control* c : children_) c->parentAlive_ = false;
}

Form* Container::form()
{
    if (auto* f = dynamic_cast<Form*>(this)) return f;
    if (auto* c = dynamic_cast<Control*>(this)) return c->parent().form();
    return nullptr;
}

void Container::adopt(Control* c) { children_.push_back(c); }

void Container::release(Control* c) { std::erase(children_, c); }

void Container::restack()
{
    // Raise from the back to the front: windowless last-declared first, then
    // windowed last-declared first, so the first-declared windowed control
    // ends on top.
    for (auto it = children_.rbegin(); it != children_.rend(); ++it)
        if ((*it)->windowless() && (*it)->widget()) (*it)->widget()->raise();
    for (auto it = children_.rbegin(); it != children_.rend(); ++it)
        if (!(*it)->windowless() && (*it)->widget()) (*it)->widget()->raise();
}

} // namespace plat
