#include "platform/Canvas.h"
#include "platform/Fonts.h"

#include <QFontMetricsF>
#include <QImageReader>
#include <QPainter>
#include <QSaveFile>
#include <QStringList>
#include <algorithm>
#include <cmath>

namespace plat {

namespace {

constexpr double kTwipsPerPixel = 15.0;
// Larger boxes than this are treated as empty rather than allocated.
constexpr int kMaxPixels = 16384;
// The 24-bit colours are kept one pixel to a 32-bit word (the fourth byte
// unused), the layout of a window's backing store: painting a box copies its
// pixels as they are, where three bytes a pixel would be converted, whole
// image at a time, at every repaint.
constexpr QImage::Format kFormat = QImage::Format_RGB32;

int pixelsFromTwips(int twips)
{
    return std::clamp(twips, 0, kMaxPixels * int(kTwipsPerPixel)) / int(kTwipsPerPixel);
}

// The pixel index that contains a mapped coordinate; the small bias absorbs
// rounding in the scale conversion (15 units on a 15-units-per-pixel scale
// must land in pixel 1, not 0).
double pixelIndex(double v)
{
    return std::floor(v + 1e-9);
}

// Clips the segment (x0,y0)-(x1,y1) to the rectangle; false when nothing of
// it lies inside (Liang-Barsky).
bool clipSegment(double& x0, double& y0, double& x1, double& y1,
                 double xmin, double ymin, double xmax, double ymax)
{
    double t0 = 0, t1 = 1;
    const double dx = x1 - x0, dy = y1 - y0;
    const double p[4] = {-dx, dx, -dy, dy};
    const double q[4] = {x0 - xmin, xmax - x0, y0 - ymin, ymax - y0};
    for (int i = 0; i < 4; ++i) {
        if (p[i] == 0) {
            if (q[i] < 0) return false;
            continue;
        }
        const double t = q[i] / p[i];
        if (p[i] < 0) t0 = std::max(t0, t);
        else t1 = std::min(t1, t);
        if (t0 > t1) return false;
    }
    const double nx0 = x0 + t0 * dx, ny0 = y0 + t0 * dy;
    const double nx1 = x0 + t1 * dx, ny1 = y0 + t1 * dy;
    x0 = nx0; y0 = ny0; x1 = nx1; y1 = ny1;
    return true;
}

QStringList textLines(const QString& text)
{
    QString t = text;
    t.replace(QLatin1String("\r\n"), QLatin1String("\n"));
    return t.split(QLatin1Char('\n'));
}

void putLE(QByteArray& b, int offset, uint32_t v, int bytes)
{
    for (int i = 0; i < bytes; ++i) b[offset + i] = char((v >> (8 * i)) & 0xFF);
}

} // namespace

Canvas::Canvas(int widthTwips, int heightTwips, Color back)
    : back_(back)
{
    widthTwips_ = std::max(0, widthTwips);
    heightTwips_ = std::max(0, heightTwips);
    image_ = QImage(pixelsFromTwips(widthTwips_), pixelsFromTwips(heightTwips_), kFormat);
    layBackground(image_);
}

void Canvas::resize(int widthTwips, int heightTwips)
{
    widthTwips = std::max(0, widthTwips);
    heightTwips = std::max(0, heightTwips);
    if (widthTwips == widthTwips_ && heightTwips == heightTwips_) return;
    widthTwips_ = widthTwips;
    heightTwips_ = heightTwips;
    QImage next(pixelsFromTwips(widthTwips_), pixelsFromTwips(heightTwips_), kFormat);
    layBackground(next);
    if (!next.isNull() && !image_.isNull()) {
        QPainter p(&next);
        p.drawImage(0, 0, image_);
    }
    image_ = next;
    touch(image_.rect());
    changed();
}

void Canvas::layBackground(QImage& img) const
{
    if (img.isNull()) return;
    img.fill(toQColor(back_));
    if (!picture_.isNull()) {
        QPainter p(&img);
        p.drawImage(0, 0, picture_);
    }
}

void Canvas::redrawBackground()
{
    printed_.clear();
    printedAreas_.clear();
    layBackground(image_);
    touch(image_.rect());
    changed();
}

void Canvas::setBackColor(Color c)
{
    back_ = c;
    redrawBackground();
}

void Canvas::setPicture(const QImage& picture)
{
    picture_ = picture.isNull() ? QImage() : picture.convertToFormat(kFormat);
    redrawBackground();
}

void Canvas::clearPicture()
{
    picture_ = QImage();
    redrawBackground();
}

void Canvas::cls()
{
    curX_ = 0;
    curY_ = 0;
    redrawBackground();
}

// ---- scale ------------------------------------------------------------------

void Canvas::setScale(double x1, double y1, double x2, double y2)
{
    const bool finite = std::isfinite(x1) && std::isfinite(y1) && std::isfinite(x2) && std::isfinite(y2);
    if (!finite || x1 == x2 || y1 == y2) return;
    customScale_ = true;
    x1_ = x1; y1_ = y1; x2_ = x2; y2_ = y2;
}

void Canvas::resetScale()
{
    customScale_ = false;
    x1_ = y1_ = x2_ = y2_ = 0;
}

double Canvas::scaleWidth() const
{
    return customScale_ ? x2_ - x1_ : double(widthTwips_);
}

double Canvas::scaleHeight() const
{
    return customScale_ ? y2_ - y1_ : double(heightTwips_);
}

double Canvas::pxPerUnitX() const
{
    return customScale_ ? image_.width() / (x2_ - x1_) : 1.0 / kTwipsPerPixel;
}

double Canvas::pxPerUnitY() const
{
    return customScale_ ? image_.height() / (y2_ - y1_) : 1.0 / kTwipsPerPixel;
}

double Canvas::toPxX(double x) const { return (x - x1_) * pxPerUnitX(); }
double Canvas::toPxY(double y) const { return (y - y1_) * pxPerUnitY(); }

QPointF Canvas::pixelToUser(QPointF px) const
{
    const double kx = pxPerUnitX(), ky = pxPerUnitY();
    return {x1_ + (kx != 0 ? px.x() / kx : 0), y1_ + (ky != 0 ? px.y() / ky : 0)};
}

// ---- drawing ----------------------------------------------------------------

void Canvas::stamp(int px, int py, int w, const QColor& c)
{
    const int x0 = std::max(0, px - (w - 1) / 2), x1 = std::min(image_.width() - 1, px + w / 2);
    const int y0 = std::max(0, py - (w - 1) / 2), y1 = std::min(image_.height() - 1, py + w / 2);
    if (x0 > x1 || y0 > y1) return;
    const QRgb v = c.rgb();
    for (int y = y0; y <= y1; ++y) std::fill_n(reinterpret_cast<QRgb*>(image_.scanLine(y)) + x0, x1 - x0 + 1, v);
    touch(QRect(QPoint(x0, y0), QPoint(x1, y1)));
}

void Canvas::drawSegment(double x1, double y1, double x2, double y2, const QColor& c)
{
    double px0 = pixelIndex(toPxX(x1)), py0 = pixelIndex(toPxY(y1));
    double px1 = pixelIndex(toPxX(x2)), py1 = pixelIndex(toPxY(y2));
    if (!std::isfinite(px0) || !std::isfinite(py0) || !std::isfinite(px1) || !std::isfinite(py1)) return;
    const int w = drawWidth_;
    // Clip first, so that far-away end points cost nothing; the margin keeps
    // thick pens whose centre lies just outside.
    if (!clipSegment(px0, py0, px1, py1, -w - 1.0, -w - 1.0, image_.width() + w + 0.0,
                     image_.height() + w + 0.0))
        return;
    int x = int(std::lround(px0)), y = int(std::lround(py0));
    const int xe = int(std::lround(px1)), ye = int(std::lround(py1));
    const int dx = std::abs(xe - x), dy = -std::abs(ye - y);
    const int sx = x < xe ? 1 : -1, sy = y < ye ? 1 : -1;
    const bool dotted = drawStyle_ == Dot && w == 1;   // wide pens draw solid
    int err = dx + dy;
    for (int i = 0;; ++i) {
        if (!dotted || i % 2 == 0) stamp(x, y, w, c);
        if (x == xe && y == ye) break;
        const int e2 = 2 * err;
        if (e2 >= dy) { err += dy; x += sx; }
        if (e2 <= dx) { err += dx; y += sy; }
    }
}

void Canvas::fillBox(double x1, double y1, double x2, double y2, const QColor& c)
{
    const double ax = pixelIndex(toPxX(x1)), ay = pixelIndex(toPxY(y1));
    const double bx = pixelIndex(toPxX(x2)), by = pixelIndex(toPxY(y2));
    if (!std::isfinite(ax) || !std::isfinite(ay) || !std::isfinite(bx) || !std::isfinite(by)) return;
    const double l = std::max(0.0, std::min(ax, bx)), r = std::min(image_.width() - 1.0, std::max(ax, bx));
    const double t = std::max(0.0, std::min(ay, by)), b = std::min(image_.height() - 1.0, std::max(ay, by));
    if (l > r || t > b) return;
    const QRgb v = c.rgb();
    for (int y = int(t); y <= int(b); ++y)
        std::fill_n(reinterpret_cast<QRgb*>(image_.scanLine(y)) + int(l), int(r) - int(l) + 1, v);
    touch(QRect(QPoint(int(l), int(t)), QPoint(int(r), int(b))));
}

void Canvas::line(double x1, double y1, double x2, double y2, Color c, LineMode mode)
{
    const QColor q = toQColor(c);
    switch (mode) {
    case Line:
        drawSegment(x1, y1, x2, y2, q);
        break;
    case Box:
        drawSegment(x1, y1, x2, y1, q);
        drawSegment(x2, y1, x2, y2, q);
        drawSegment(x2, y2, x1, y2, q);
        drawSegment(x1, y2, x1, y1, q);
        break;
    case BoxFilled:
        fillBox(x1, y1, x2, y2, q);
        break;
    }
    curX_ = x2;
    curY_ = y2;
    changed();
}

void Canvas::pset(double x, double y, Color c)
{
    const double px = pixelIndex(toPxX(x)), py = pixelIndex(toPxY(y));
    const double limit = kMaxPixels + drawWidth_ + 1.0;
    if (std::isfinite(px) && std::isfinite(py) && std::abs(px) < limit && std::abs(py) < limit)
        stamp(int(px), int(py), drawWidth_, toQColor(c));
    curX_ = x;
    curY_ = y;
    changed();
}

Color Canvas::point(double x, double y) const
{
    const double px = pixelIndex(toPxX(x)), py = pixelIndex(toPxY(y));
    if (!(px >= 0 && py >= 0 && px < image_.width() && py < image_.height())) return 0xFFFFFFFFu;
    return fromQColor(QColor(image_.pixel(int(px), int(py))));
}

// ---- text -------------------------------------------------------------------

QFont Canvas::font() const
{
    QFont f = programFont(fontName_, fontSize_, fontBold_);
    // Crisp single-colour text, as a picture box draws it: a read-back of a
    // text pixel gives the fore colour, not a blend.
    f.setStyleStrategy(QFont::NoAntialias);
    return f;
}

double Canvas::textWidth(const QString& text) const
{
    const QFontMetricsF fm(font());
    double widest = 0;
    for (const QString& l : textLines(text)) widest = std::max(widest, fm.horizontalAdvance(l));
    const double k = pxPerUnitX();
    return k != 0 ? widest / k : 0;
}

double Canvas::textHeight(const QString& text) const
{
    const QFontMetricsF fm(font());
    const double k = pxPerUnitY();
    return k != 0 ? fm.height() * textLines(text).size() / k : 0;
}

void Canvas::print(const QString& text)
{
    const QFont f = font();
    const double lineHeight = textHeight(QString());
    const double startX = curX_;
    QPainter p;
    if (!image_.isNull() && p.begin(&image_)) {
        p.setFont(f);
        p.setPen(toQColor(fore_));
    }
    const double ascent = QFontMetricsF(f).ascent();
    QRectF area;
    for (const QString& l : textLines(text)) {
        const double px = pixelIndex(toPxX(startX)), py = pixelIndex(toPxY(curY_));
        // Trailing blanks show nothing: the area ends at the last character seen.
        qsizetype shown = l.size();
        while (shown > 0 && l.at(shown - 1).isSpace()) --shown;
        area |= QRectF(px, py, QFontMetricsF(f).horizontalAdvance(l.left(shown)), QFontMetricsF(f).height());
        const double limit = 1e6;
        if (p.isActive() && std::isfinite(px) && std::isfinite(py) && std::abs(px) < limit && std::abs(py) < limit) {
            p.drawText(QPointF(px, py + ascent), l);
            // The glyphs' own box, a pixel wider all round for rounding.
            touch(QFontMetricsF(f).boundingRect(l).translated(px, py + ascent).toAlignedRect().adjusted(-1, -1, 1, 1));
        }
        curY_ += lineHeight;
    }
    if (p.isActive()) p.end();
    curX_ = startX;
    printed_.append(text);
    printedAreas_.push_back(area);
    changed();
}

// ---- files ------------------------------------------------------------------

bool Canvas::save(const QString& hostPath) const
{
    if (image_.isNull()) return false;   // a box without area has no picture to write
    const int w = image_.width(), h = image_.height();
    const int rowBytes = (w * 3 + 3) & ~3;
    const uint32_t dataSize = uint32_t(rowBytes) * uint32_t(h);
    QByteArray bmp(54 + int(dataSize), '\0');
    bmp[0] = 'B';
    bmp[1] = 'M';
    putLE(bmp, 2, 54 + dataSize, 4);   // file size
    putLE(bmp, 10, 54, 4);             // offset of the pixels
    putLE(bmp, 14, 40, 4);             // info header size
    putLE(bmp, 18, uint32_t(w), 4);
    putLE(bmp, 22, uint32_t(h), 4);    // positive: rows stored bottom-up
    putLE(bmp, 26, 1, 2);              // planes
    putLE(bmp, 28, 24, 2);             // bits per pixel
    putLE(bmp, 34, dataSize, 4);
    putLE(bmp, 38, 3780, 4);           // 96 dpi
    putLE(bmp, 42, 3780, 4);
    char* out = bmp.data() + 54;
    for (int y = 0; y < h; ++y) {
        const auto* src = reinterpret_cast<const QRgb*>(image_.constScanLine(h - 1 - y));
        char* row = out + qsizetype(y) * rowBytes;
        for (int x = 0; x < w; ++x) {   // B, G, R
            row[3 * x] = char(qBlue(src[x]));
            row[3 * x + 1] = char(qGreen(src[x]));
            row[3 * x + 2] = char(qRed(src[x]));
        }
    }
    QSaveFile file(hostPath);
    if (!file.open(QIODevice::WriteOnly)) return false;
    if (file.write(bmp) != bmp.size()) {
        file.cancelWriting();
        return false;
    }
    return file.commit();
}

std::optional<QImage> Canvas::load(const QString& hostPath)
{
    QImageReader reader(hostPath);
    reader.setDecideFormatFromContent(true);
    const QImage img = reader.read();
    if (img.isNull()) return std::nullopt;
    return img.convertToFormat(kFormat);
}

void Canvas::changed()
{
    ++revision_;
    const QRect pixels = touched_ & image_.rect();
    touched_ = QRect();
    if (onChanged) onChanged(pixels);
}

} // namespace plat
