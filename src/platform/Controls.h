#pragma once
// The simple controls: Label, TextBox, CommandButton, CheckBox, OptionButton,
// Frame, Line and Shape. A change made by code to a check box or an option
// button raises its Click only when the value really changes, as a user's
// click would.

#include "platform/Control.h"

namespace plat {

class Label : public Control {
public:
    enum Alignment { AlignLeft = 0, AlignRight = 1, AlignCenter = 2 };
    Label(Container& parent, QString name, int index = -1);

    QString caption() const { return caption_; }
    void setCaption(const QString& c);
    int alignment() const { return alignment_; }
    void setAlignment(int a);
    // 0 transparent, 1 opaque.
    int backStyle() const { return backStyle_; }
    void setBackStyle(int s);
    // 0 none, 1 fixed single.
    void setBorderStyle(int s);

    std::function<void()> onClick;
    std::function<void()> onDblClick;
    void click() { raise(onClick); }

protected:
    void applyColors() override;

private:
    QString caption_;
    int alignment_ = AlignLeft;
    int backStyle_ = 1;
};

class TextBox : public Control {
public:
    TextBox(Container& parent, QString name, int index = -1);

    QString text() const { return text_; }
    // Raises Change when the text differs, whoever changed it.
    void setText(const QString& t);
    QString passwordChar() const { return passwordChar_; }
    void setPasswordChar(const QString& c);

    std::function<void()> onChange;
    // Enter pressed in the box.
    std::function<void()> onReturn;

private:
    QString text_;
    QString passwordChar_;
};

class CommandButton : public Control {
public:
    CommandButton(Container& parent, QString name, int index = -1);
    ~CommandButton() override;

    QString caption() const { return caption_; }
    void setCaption(const QString& c);
    // The default button takes Enter in its window, unless the focus is on
    // another button (Enter presses that one). A window has at most one:
    // making a button the default clears the mark of the previous one.
    bool isDefault() const;
    void setDefault(bool d);
    // The Cancel button takes Escape in its window; at most one per window.
    bool isCancel() const;
    void setCancel(bool c);

    std::function<void()> onClick;
    void click() { raise(onClick); }

protected:
    void applyColors() override;

private:
    QString caption_;
};

class CheckBox : public Control {
public:
    CheckBox(Container& parent, QString name, int index = -1);

    QString caption() const { return caption_; }
    void setCaption(const QString& c);
    // 0 unticked, 1 ticked, 2 greyed. Another value is refused (false).
    int value() const { return value_; }
    bool setValue(int v);

    std::function<void()> onClick;
    // A user's click: 0 -> 1, 1 or 2 -> 0, then Click.
    void userClick();

private:
    QString caption_;
    int value_ = 0;
};

class OptionButton : public Control {
public:
    OptionButton(Container& parent, QString name, int index = -1);

    QString caption() const { return caption_; }
    void setCaption(const QString& c);
    bool value() const { return value_; }
    // Setting true clears the other option buttons of the same container
    // and raises Click; setting the value it already has does nothing.
    void setValue(bool v);

    std::function<void()> onClick;
    void userClick() { setValue(true); }

private:
    QString caption_;
    bool value_ = false;
};

class Frame : public Control, public Container {
public:
    Frame(Container& parent, QString name, int index = -1);
    QString caption() const { return caption_; }
    void setCaption(const QString& c);
    Runtime& runtime() const override { return Control::runtime(); }
    QWidget* surface() const override { return widget(); }

private:
    QString caption_;
};

// A line drawn on its container, from (x1,y1) to (x2,y2) in twips.
class Line : public Control {
public:
    Line(Container& parent, QString name, int index = -1);
    int x1() const { return x1_; }
    int y1() const { return y1_; }
    int x2() const { return x2_; }
    int y2() const { return y2_; }
    void setPoints(int x1, int y1, int x2, int y2);
    void setX1(int v) { setPoints(v, y1_, x2_, y2_); }
    void setY1(int v) { setPoints(x1_, v, x2_, y2_); }
    void setX2(int v) { setPoints(x1_, y1_, v, y2_); }
    void setY2(int v) { setPoints(x1_, y1_, x2_, v); }
    Color borderColor() const { return borderColor_; }
    void setBorderColor(Color c);
    int borderWidth() const { return borderWidth_; }
    void setBorderWidth(int px);

private:
    void place();
    int x1_ = 0, y1_ = 0, x2_ = 0, y2_ = 0;
    Color borderColor_ = colors::Black;
    int borderWidth_ = 1;
};

class Shape : public Control {
public:
    enum Kind { Rectangle = 0, Square = 1, Oval = 2, Circle = 3, RoundedRectangle = 4 };
    Shape(Container& parent, QString name, int index = -1);
    int shape() const { return shape_; }
    void setShape(int s);
    Color fillColor() const { return fillColor_; }
    void setFillColor(Color c);
    // 0 solid, 1 transparent.
    int fillStyle() const { return fillStyle_; }
    void setFillStyle(int s);
    Color borderColor() const { return borderColor_; }
    void setBorderColor(Color c);

private:
    int shape_ = Rectangle;
    Color fillColor_ = colors::Black;
    int fillStyle_ = 1;
    Color borderColor_ = colors::Black;
};

} // namespace plat
