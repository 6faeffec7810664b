#include "platform/Controls.h"
#include "platform/Fonts.h"
#include "platform/Form.h"
#include "platform/HookedWidget.h"

#include <QCheckBox>
#include <QGroupBox>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPainter>
#include <QPushButton>
#include <QRadioButton>
#include <algorithm>

namespace plat {

namespace {

QString styleColor(Color c) { return toQColor(c).name(); }

// Draws a line or a shape of its control; windowless controls let the mouse through.
class PaintedWidget : public QWidget {
public:
    std::function<void(QPainter&)> paint;
    PaintedWidget() { setAttribute(Qt::WA_TransparentForMouseEvents); }

protected:
    void paintEvent(QPaintEvent*) override
    {
        QPainter p(this);
        if (paint) paint(p);
    }
};

} // namespace

// ------------------------------------------------------------------ Label

Label::Label(Container& parent, QString name, int index) : Control(parent, std::move(name), index, true)
{
    auto* w = new Hooked<QLabel>(this);
    w->setWordWrap(true);
    w->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    w->onClicked = [this] { raise(onClick); };
    w->onDoubleClicked = [this] { raise(onDblClick); };
    setWidget(w);
}

void Label::setCaption(const QString& c)
{
    if (c == caption_) return;   // the same text: nothing to lay out again
    caption_ = c;
    static_cast<QLabel*>(widget())->setText(c);
}

void Label::setAlignment(int a)
{
    alignment_ = a;
    Qt::Alignment h = a == AlignRight ? Qt::AlignRight : a == AlignCenter ? Qt::AlignHCenter : Qt::AlignLeft;
    static_cast<QLabel*>(widget())->setAlignment(h | Qt::AlignTop);
}

void Label::setBackStyle(int s)
{
    backStyle_ = s;
    applyColors();
}

void Label::setBorderStyle(int s)
{
    static_cast<QLabel*>(widget())->setFrameShape(s ? QFrame::Box : QFrame::NoFrame);
}

void Label::applyColors()
{
    Control::applyColors();
    if (widget()) widget()->setAutoFillBackground(backStyle_ != 0);
}

// ---------------------------------------------------------------- TextBox

namespace {
class LineEdit : public Hooked<QLineEdit> {
public:
    using Hooked::Hooked;
};
} // namespace

TextBox::TextBox(Container& parent, QString name, int index) : Control(parent, std::move(name), index, false)
{
    auto* w = new LineEdit(this);
    QObject::connect(w, &QLineEdit::textEdited, w, [this](const QString& t) {
        text_ = t;
        raise(onChange);
    });
    QObject::connect(w, &QLineEdit::returnPressed, w, [this] { raise(onReturn); });
    setWidget(w);
    backColor_ = colors::White;
    applyColors();
}

void TextBox::setText(const QString& t)
{
    if (t == text_) return;
    text_ = t;
    static_cast<QLineEdit*>(widget())->setText(t);
    raise(onChange);
}

void TextBox::setPasswordChar(const QString& c)
{
    passwordChar_ = c;
    auto* w = static_cast<QLineEdit*>(widget());
    w->setEchoMode(c.isEmpty() ? QLineEdit::Normal : QLineEdit::Password);
    if (!c.isEmpty())
        w->setStyleSheet(QStringLiteral("lineedit-password-character: %1").arg(c.at(0).unicode()));
}


// ---------------------------------------------------------- CommandButton

namespace {
// A button with the focus takes Enter itself, as it takes the space bar.
class PushButton : public Hooked<QPushButton> {
public:
    using Hooked::Hooked;

protected:
    void keyPressEvent(QKeyEvent* e) override
    {
        if (e->key() == Qt::Key_Return || e->key() == Qt::Key_Enter) {
            e->accept();
            click();
            return;
        }
        Hooked::keyPressEvent(e);
    }
};
} // namespace

CommandButton::CommandButton(Container& parent, QString name, int index)
    : Control(parent, std::move(name), index, false)
{
    auto* w = new PushButton(this);
    QObject::connect(w, &QPushButton::clicked, w, [this] { raise(onClick); });
    setWidget(w);
}

void CommandButton::setCaption(const QString& c)
{
    caption_ = c;
    static_cast<QPushButton*>(widget())->setText(QString(c).replace('&', "&&"));
}

CommandButton::~CommandButton()
{
    if (!parentAlive()) return;
    if (Form* f = parent().form()) {
        if (f->defaultButton() == this) f->setDefaultButton(nullptr);
        if (f->cancelButton() == this) f->setCancelButton(nullptr);
    }
}

bool CommandButton::isDefault() const { return parent().form() && parent().form()->defaultButton() == this; }

void CommandButton::setDefault(bool d)
{
    Form* f = parent().form();
    if (!f) return;
    CommandButton* old = f->defaultButton();
    if (d == (old == this)) return;
    if (old) static_cast<QPushButton*>(old->widget())->setDefault(false);
    f->setDefaultButton(d ? this : nullptr);
    // The style draws the default button with its heavier frame.
    static_cast<QPushButton*>(widget())->setDefault(d);
}

bool CommandButton::isCancel() const { return parent().form() && parent().form()->cancelButton() == this; }

void CommandButton::setCancel(bool c)
{
    Form* f = parent().form();
    if (!f || c == (f->cancelButton() == this)) return;
    f->setCancelButton(c ? this : nullptr);
}

void CommandButton::applyColors()
{
    if (!widget()) return;
    // Set once, the same colours again change nothing: a new style sheet
    // would polish the button and lay it out anew.
    colorsApplied_ = true;
    // A button shows a back colour of its own only through a style sheet;
    // disabled, its caption turns grey.
    const QString disabled =
        QStringLiteral(" QPushButton:disabled { color: %1 }").arg(disabledTextColor().name());
    if (backColor_ == ButtonFace)
        widget()->setStyleSheet(QStringLiteral("QPushButton { color: %1 }").arg(styleColor(foreColor_)) + disabled);
    else
        widget()->setStyleSheet(
            QStringLiteral("QPushButton { background-color: %1; color: %2; border: 1px solid gray }")
                .arg(styleColor(backColor_), styleColor(foreColor_))
            + disabled);
    // A style sheet puts the inherited font back: the control's own font stays.
    applyFont();
}

// --------------------------------------------------------------- CheckBox

CheckBox::CheckBox(Container& parent, QString name, int index) : Control(parent, std::move(name), index, false)
{
    auto* w = new Hooked<QCheckBox>(this);
    w->setStyle(formStyle());
    w->setTristate(true);
    // The model decides the state; Qt's own toggling is undone and replayed.
    QObject::connect(w, &QCheckBox::clicked, w, [this, w] {
        w->setCheckState(value_ == 0 ? Qt::Unchecked : value_ == 1 ? Qt::Checked : Qt::PartiallyChecked);
        userClick();
    });
    setWidget(w);
}

void CheckBox::setCaption(const QString& c)
{
    caption_ = c;
    static_cast<QCheckBox*>(widget())->setText(c);
}

bool CheckBox::setValue(int v)
{
    if (v < 0 || v > 2) return false;
    if (v == value_) return true;
    value_ = v;
    static_cast<QCheckBox*>(widget())->setCheckState(v == 0 ? Qt::Unchecked
                                                            : v == 1 ? Qt::Checked
                                                                     : Qt::PartiallyChecked);
    raise(onClick);
    return true;
}

void CheckBox::userClick() { setValue(value_ == 0 ? 1 : 0); }

// ----------------------------------------------------------- OptionButton

OptionButton::OptionButton(Container& parent, QString name, int index)
    : Control(parent, std::move(name), index, false)
{
    auto* w = new Hooked<QRadioButton>(this);
    w->setStyle(formStyle());
    w->setAutoExclusive(false);
    QObject::connect(w, &QRadioButton::clicked, w, [this, w] {
        w->setChecked(value_);
        userClick();
    });
    setWidget(w);
}

void OptionButton::setCaption(const QString& c)
{
    caption_ = c;
    static_cast<QRadioButton*>(widget())->setText(c);
}

void OptionButton::setValue(bool v)
{
    if (v == value_) return;
    value_ = v;
    static_cast<QRadioButton*>(widget())->setChecked(v);
    if (!v) return;
    for (Control* c : parent().children())
        if (auto* o = dynamic_cast<OptionButton*>(c); o && o != this && o->value_) {
            o->value_ = false;
            static_cast<QRadioButton*>(o->widget())->setChecked(false);
        }
    raise(onClick);
}

// ------------------------------------------------------------------ Frame

Frame::Frame(Container& parent, QString name, int index) : Control(parent, std::move(name), index, false)
{
    setWidget(new Hooked<QGroupBox>(this));
}

void Frame::setCaption(const QString& c)
{
    caption_ = c;
    static_cast<QGroupBox*>(widget())->setTitle(c);
}

// ------------------------------------------------------------------- Line

Line::Line(Container& parent, QString name, int index) : Control(parent, std::move(name), index, true)
{
    auto* w = new PaintedWidget;
    w->paint = [this](QPainter& p) {
        QPen pen(toQColor(borderColor_));
        pen.setWidth(borderWidth_);
        p.setPen(pen);
        int ox = std::min(x1_, x2_), oy = std::min(y1_, y2_);
        p.drawLine(twipsToPx(x1_ - ox), twipsToPx(y1_ - oy), twipsToPx(x2_ - ox), twipsToPx(y2_ - oy));
    };
    setWidget(w);
    widget()->setAutoFillBackground(false);
}

void Line::setPoints(int x1, int y1, int x2, int y2)
{
    x1_ = x1;
    y1_ = y1;
    x2_ = x2;
    y2_ = y2;
    place();
}

void Line::place()
{
    int pad = borderWidth_ * TwipsPerPixel;
    move(std::min(x1_, x2_), std::min(y1_, y2_), std::abs(x2_ - x1_) + pad, std::abs(y2_ - y1_) + pad);
    widget()->setAutoFillBackground(false);
    widget()->update();
}

void Line::setBorderColor(Color c)
{
    borderColor_ = c;
    widget()->update();
}

void Line::setBorderWidth(int px)
{
    borderWidth_ = std::max(1, px);
    place();
}

// ------------------------------------------------------------------ Shape

Shape::Shape(Container& parent, QString name, int index) : Control(parent, std::move(name), index, true)
{
    auto* w = new PaintedWidget;
    w->paint = [this, w](QPainter& p) {
        p.setPen(toQColor(borderColor_));
        if (fillStyle_ == 0) p.setBrush(toQColor(fillColor_));
        QRect r = w->rect().adjusted(0, 0, -1, -1);
        if (shape_ == Oval || shape_ == Circle)
            p.drawEllipse(r);
        else if (shape_ == RoundedRectangle)
            p.drawRoundedRect(r, 4, 4);
        else
            p.drawRect(r);
    };
    setWidget(w);
    widget()->setAutoFillBackground(false);
}

void Shape::setShape(int s)
{
    shape_ = s;
    widget()->update();
}
void Shape::setFillColor(Color c)
{
    fillColor_ = c;
    widget()->update();
}
void Shape::setFillStyle(int s)
{
    fillStyle_ = s;
    widget()->update();
}
void Shape::setBorderColor(Color c)
{
    borderColor_ = c;
    widget()->update();
}

} // namespace plat
