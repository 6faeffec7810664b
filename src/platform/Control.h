#pragma once
// Base of every control of a window: a name as the program knows it, twips
// geometry (15 twips per pixel), visibility, colours and font kept as the
// program set them (the widget only shows them).
//
// Stacking: within a container, controls declared earlier lie in front of
// controls declared later, and windowless controls (labels, lines, shapes)
// lie behind every windowed control.

#include "platform/Color.h"

#include <QString>
#include <QPointer>
#include <QWidget>
#include <functional>
#include <map>
#include <memory>
#include <vector>

namespace plat {

struct Runtime;
class Container;
class Form;

constexpr int TwipsPerPixel = 15;
inline int twipsToPx(int twips) { return twips / TwipsPerPixel; }
inline int pxToTwips(int px) { return px * TwipsPerPixel; }

// Mouse masks as the event handlers receive them.
enum MouseButton { LeftButton = 1, RightButton = 2, MiddleButton = 4 };
enum ShiftMask { ShiftKey = 1, CtrlKey = 2, AltKey = 4 };

struct MouseArgs {
    int button = 0;   // MouseButton mask
    int shift = 0;    // ShiftMask mask
    double x = 0;     // twips, in the control's own coordinates
    double y = 0;
};

class Control {
public:
    Control(Container& parent, QString name, int index, bool windowless);
    virtual ~Control();
    Control(const Control&) = delete;
    Control& operator=(const Control&) = delete;

    const QString& name() const { return name_; }
    int index() const { return index_; }
    // "Label26_0" for element 0 of the array Label26, else the plain name.
    QString objectName() const;
    Container& parent() const { return parent_; }
    Runtime& runtime() const;
    bool windowless() const { return windowless_; }

    int left() const { return left_; }
    int top() const { return top_; }
    int width() const { return width_; }
    int height() const { return height_; }
    void setLeft(int v) { move(v, top_, width_, height_); }
    void setTop(int v) { move(left_, v, width_, height_); }
    void setWidth(int v) { move(left_, top_, v, height_); }
    void setHeight(int v) { move(left_, top_, width_, v); }
    virtual void move(int left, int top, int width, int height);

    bool visible() const { return visible_; }
    void setVisible(bool v);
    bool enabled() const { return enabled_; }
    void setEnabled(bool v);

    Color backColor() const { return backColor_; }
    void setBackColor(Color c);
    Color foreColor() const { return foreColor_; }
    void setForeColor(Color c);

    QString fontName() const { return fontName_; }
    double fontSize() const { return fontSize_; }
    bool fontBold() const { return fontBold_; }
    void setFontName(const QString& n);
    void setFontSize(double pt);
    void setFontBold(bool b);

    QString toolTipText() const { return toolTip_; }
    void setToolTipText(const QString& t);

    // Gives the control the keyboard focus of its window. False when it
    // cannot take it (hidden or disabled).
    bool setFocus();

    QWidget* widget() const { return widget_; }

    // Mouse events of the control, coordinates in twips.
    std::function<void(const MouseArgs&)> onMouseDown;
    std::function<void(const MouseArgs&)> onMouseMove;
    std::function<void(const MouseArgs&)> onMouseUp;

    // Called by the widget classes; run the handlers through the run-time.
    // raise skips a disabled control (a user cannot act on it); raiseFromCode
    // is for a change the program made, whose event runs either way.
    void raiseMouse(const std::function<void(const MouseArgs&)>& h, const MouseArgs& a);
    void raise(const std::function<void()>& h);
    void raiseFromCode(const std::function<void()>& h);

protected:
    // Subclasses create their widget in their constructor and hand it here.
    void setWidget(QWidget* w);
    // False once the container was destroyed before this control.
    bool parentAlive() const { return parentAlive_; }
    virtual void applyColors();
    void applyFont();
    bool windowUnloaded() const;
    // The desktop's colour for the text of a disabled control.
    static QColor disabledTextColor();
    Color backColor_ = ButtonFace;
    Color foreColor_ = colors::Black;
    bool colorsApplied_ = false;   // the widget's palette holds the colours above

private:
    Container& parent_;
    QString name_;
    int index_;
    bool windowless_;
    QPointer<QWidget> widget_;
    bool parentAlive_ = true;
    friend class Container;
    int left_ = 0, top_ = 0, width_ = 1200, height_ = 375;
    bool visible_ = true;
    bool enabled_ = true;
    QString fontName_ = "MS Sans Serif";
    double fontSize_ = 8.25;
    bool fontBold_ = false;
    QString toolTip_;
};

// Something that holds controls: a window, a picture box or a frame.
class Container {
public:
    virtual ~Container();
    virtual Runtime& runtime() const = 0;
    // The widget the children are placed in.
    virtual QWidget* surface() const = 0;

    void adopt(Control* c);
    void release(Control* c);
    // Puts the children in their stacking order (see Control).
    void restack();
    const std::vector<Control*>& children() const { return children_; }
    // The window this container lies in (itself for a window).
    Form* form();

private:
    std::vector<Control*> children_;
};

// An array of controls of one kind sharing a name, indexed by number.
template <class T>
class ControlArray {
public:
    ControlArray(Container& parent, QString name) : parent_(parent), name_(std::move(name)) {}

    // Creates element `index`, in `container` when given (else in the array's parent).
    template <class... Args>
    T& add(int index, Container* container = nullptr, Args&&... args)
    {
        auto c = std::make_unique<T>(container ? *container : parent_, name_, index,
                                     std::forward<Args>(args)...);
        T& ref = *c;
        items_[index] = std::move(c);
        return ref;
    }
    T& operator[](int index) const { return *items_.at(index); }
    bool has(int index) const { return items_.count(index) != 0; }
    int lbound() const { return items_.empty() ? 0 : items_.begin()->first; }
    int ubound() const { return items_.empty() ? -1 : items_.rbegin()->first; }
    int count() const { return int(items_.size()); }
    const QString& name() const { return name_; }

    template <class F>
    void forEach(F&& f) const
    {
        for (auto& [i, c] : items_) f(*c);
    }

private:
    Container& parent_;
    QString name_;
    std::map<int, std::unique_ptr<T>> items_;
};

} // namespace plat
