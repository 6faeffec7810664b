#include "platform/PictureBox.h"
#include "platform/CanvasView.h"
#include "platform/HookedWidget.h"

#include <QFrame>
#include <QPaintEvent>
#include <QPainter>

namespace plat {

namespace {

class PictureWidget : public Hooked<QFrame> {
public:
    PictureWidget(Control* c, const Canvas& canvas)
        : Hooked<QFrame>(c),
          view_(canvas, this, [this](const QRect& pixels) { update(pixels.translated(contentsRect().topLeft())); })
    {
    }

    CanvasView& view() { return view_; }

protected:
    // The drawing, and so the pointer's position, starts inside the border.
    QPoint clientOrigin() const override { return contentsRect().topLeft(); }

    void paintEvent(QPaintEvent* e) override
    {
        // Only what needs painting: a plot adds a few pixels at a time.
        QPainter p(this);
        const QRect target = e->rect() & contentsRect();
        view_.paint(p, contentsRect().topLeft(), target.translated(-contentsRect().topLeft()));
        p.end();
        QFrame::paintEvent(e);
    }

private:
    CanvasView view_;
};

} // namespace

PictureBox::PictureBox(Container& parent, QString name, int index)
    : Control(parent, std::move(name), index, false)
{
    auto* w = new PictureWidget(this, canvas_);
    w->onClicked = [this] { raise(onClick); };
    w->onDoubleClicked = [this] { raise(onDblClick); };
    canvas_.onChanged = [w](const QRect& pixels) { w->view().changed(pixels); };
    setWidget(w);
    canvas_.resize(width(), height());
    setBackColor(ButtonFace);
}

void PictureBox::move(int left, int top, int width, int height)
{
    Control::move(left, top, width, height);
    canvas_.resize(this->width(), this->height());
}

void PictureBox::setBackColor(Color c)
{
    Control::setBackColor(c);
    canvas_.setBackColor(c);
}

void PictureBox::setFontName(const QString& n)
{
    Control::setFontName(n);
    canvas_.setFontName(n);
}

void PictureBox::setFontSize(double pt)
{
    Control::setFontSize(pt);
    canvas_.setFontSize(pt);
}

void PictureBox::setFontBold(bool b)
{
    Control::setFontBold(b);
    canvas_.setFontBold(b);
}

void PictureBox::setBorderStyle(int s)
{
    static_cast<QFrame*>(widget())->setFrameShape(s ? QFrame::Box : QFrame::NoFrame);
}

} // namespace plat
