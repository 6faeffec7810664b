#pragma once
// What a widget shows of a canvas: a copy of the canvas image as it was last
// handed to the screen, which the widget paints from.
//
// Code often erases a picture and draws it again as it was (a bar or a strip
// redrawn on every tick). The pixels each drawing touches are gathered until
// the code that drew is over (a queued call, run before the event loop waits
// again), compared then with the copy, and only the ones that differ are
// copied and painted again. A picture that comes out as it was repaints
// nothing: on a real display, a repaint costs a transfer to the X server and
// often a round trip to it. While the widget is hidden nothing is compared:
// it is painted whole when it is shown, from the canvas as it is then.

#include <QImage>
#include <QPoint>
#include <QRect>
#include <functional>

class QWidget;
class QPainter;

namespace plat {

class Canvas;

class CanvasView {
public:
    // `widget` shows the canvas and owns this view (queued calls die with
    // it); `repaint` asks it to paint the given pixels of the canvas again.
    CanvasView(const Canvas& canvas, QWidget* widget, std::function<void(const QRect& pixels)> repaint);

    // The canvas's change report: these pixels may differ from what is shown.
    void changed(const QRect& pixels);

    // Paints the shown `pixels` (canvas pixels) with the canvas's top-left
    // corner at `origin` of the painter.
    void paint(QPainter& p, QPoint origin, const QRect& pixels);

private:
    void showChanges();
    // Takes the whole canvas when its size (or format) is not the copy's.
    bool sizeChanged();
    void copy(const QRect& pixels);

    const Canvas& canvas_;
    QWidget* widget_;
    std::function<void(const QRect&)> repaint_;
    QImage shown_;
    QRect pending_;
    bool posted_ = false;
};

} // namespace plat
