#include "platform/CanvasView.h"
#include "platform/Canvas.h"

#include <QMetaObject>
#include <QWidget>
#include <QPainter>
#include <cstring>

namespace plat {

namespace {

// The smallest rectangle of `area` holding every pixel where the two images
// (same size and format, whole bytes a pixel) differ; empty when none does.
template <typename Pixel>
QRect differing(const QImage& a, const QImage& b, const QRect& area, int bytes)
{
    const auto same = [bytes](const uchar* p, const uchar* q) {
        if constexpr (sizeof(Pixel) > 1) {
            Pixel u, v;
            std::memcpy(&u, p, sizeof u);
            std::memcpy(&v, q, sizeof v);
            return u == v;
        } else {
            return std::memcmp(p, q, size_t(bytes)) == 0;
        }
    };
    int top = -1, bottom = -1;
    int left = area.right() + 1, right = area.left() - 1;
    for (int y = area.top(); y <= area.bottom(); ++y) {
        const uchar* ra = a.constScanLine(y);
        const uchar* rb = b.constScanLine(y);
        if (std::memcmp(ra + area.left() * bytes, rb + area.left() * bytes, size_t(area.width()) * bytes) == 0)
            continue;
        if (top < 0) top = y;
        bottom = y;
        // Only the columns outside those already known to differ are looked at.
        for (int x = area.left(); x < left; ++x)
            if (!same(ra + x * bytes, rb + x * bytes)) {
                left = x;
                break;
            }
        for (int x = area.right(); x > right; --x)
            if (!same(ra + x * bytes, rb + x * bytes)) {
                right = x;
                break;
            }
    }
    if (top < 0) return {};
    return QRect(QPoint(left, top), QPoint(right, bottom));
}

} // namespace

CanvasView::CanvasView(const Canvas& canvas, QWidget* widget, std::function<void(const QRect&)> repaint)
    : canvas_(canvas), widget_(widget), repaint_(std::move(repaint)), shown_(canvas.image().copy())
{
}

void CanvasView::changed(const QRect& pixels)
{
    if (pixels.isEmpty()) return;
    pending_ |= pixels;
    // A hidden widget is painted whole when it is shown, and its copy is
    // brought up to date then.
    if (posted_ || !widget_->isVisible()) return;
    posted_ = true;
    QMetaObject::invokeMethod(widget_, [this] { showChanges(); }, Qt::QueuedConnection);
}

bool CanvasView::sizeChanged()
{
    const QImage& now = canvas_.image();
    if (shown_.size() == now.size() && shown_.format() == now.format() && now.depth() % 8 == 0) return false;
    // All of it is new (as is any image not of whole bytes a pixel, which
    // the canvas does not make).
    shown_ = now.copy();
    pending_ = QRect();
    return true;
}

void CanvasView::copy(const QRect& pixels)
{
    const QImage& now = canvas_.image();
    const int bytes = now.depth() / 8;
    for (int y = pixels.top(); y <= pixels.bottom(); ++y)
        std::memcpy(shown_.scanLine(y) + pixels.left() * bytes, now.constScanLine(y) + pixels.left() * bytes,
                    size_t(pixels.width()) * bytes);
}

void CanvasView::showChanges()
{
    posted_ = false;
    if (!widget_->isVisible()) return;
    if (sizeChanged()) {
        if (!shown_.isNull()) repaint_(shown_.rect());
        return;
    }
    const QImage& now = canvas_.image();
    const QRect area = pending_ & now.rect();
    pending_ = QRect();
    if (area.isEmpty()) return;
    const int bytes = now.depth() / 8;
    const QRect diff = bytes == 4 ? differing<quint32>(shown_, now, area, bytes)
                                  : differing<uchar>(shown_, now, area, bytes);
    if (diff.isEmpty()) return;
    copy(diff);
    repaint_(diff);
}

void CanvasView::paint(QPainter& p, QPoint origin, const QRect& pixels)
{
    // A paint shows the canvas as it is. Changes of a shown widget not
    // compared yet are compared now (a paint may come first, or render the
    // widget elsewhere, as a grab does): what differs is painted again on
    // the screen too. What changed while the widget was hidden is taken
    // whole: a widget is painted whole when it is shown.
    if (!pending_.isEmpty()) {
        if (posted_ && widget_->isVisible()) {
            showChanges();
        } else {
            if (!sizeChanged()) copy(pending_ & shown_.rect());
            pending_ = QRect();
        }
    }
    const QRect r = pixels & shown_.rect();
    if (!r.isEmpty()) p.drawImage(r.translated(origin), shown_, r);
}

} // namespace plat
