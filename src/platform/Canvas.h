#pragma once
// The persistent image of a picture box: what the program drew on it stays
// until it is cleared, and is what a save writes to disk.
//
// Layers, bottom to top: the back colour, the background picture (placed at
// the top-left corner, kept until removed on request), the drawings. Setting
// the back colour, setting or removing the picture and Cls lay the back
// colour and the picture again and so erase the drawings.
//
// Coordinates are in the box's scale: twips by default (15 twips per pixel,
// origin at the top-left corner), or a custom scale given by the user
// coordinates of the top-left and bottom-right corners. A user coordinate
// falls in the pixel that contains it. Drawing outside the box is clipped.

#include "platform/Color.h"

#include <QFont>
#include <QImage>
#include <QPointF>
#include <QRect>
#include <QString>
#include <QStringList>
#include <functional>
#include <optional>
#include <vector>

namespace plat {

class Canvas {
public:
    enum LineMode { Line, Box, BoxFilled };
    enum DrawStyle { Solid, Dot };

    Canvas(int widthTwips = 0, int heightTwips = 0, Color back = colors::White);

    // Size in twips; a new size keeps the part of the image that still fits
    // and lays the background on the area gained.
    void resize(int widthTwips, int heightTwips);
    int widthTwips() const { return widthTwips_; }
    int heightTwips() const { return heightTwips_; }

    Color backColor() const { return back_; }
    void setBackColor(Color c);

    // Counts every change of the image; a drawer that finds it where it left
    // it knows the image still shows what it drew.
    uint64_t revision() const { return revision_; }

    void setPicture(const QImage& picture);
    void clearPicture();
    bool hasPicture() const { return !picture_.isNull(); }

    // Erases the drawings and sets CurrentX/CurrentY to 0.
    void cls();

    // Custom scale: (x1, y1) names the top-left corner, (x2, y2) the
    // bottom-right one; either axis may run backwards. Ignored when a range
    // is empty or not finite.
    void setScale(double x1, double y1, double x2, double y2);
    void resetScale();   // twips, origin at the top-left corner
    double scaleLeft() const { return x1_; }
    double scaleTop() const { return y1_; }
    double scaleWidth() const;
    double scaleHeight() const;
    // A position on the image (pixels) in the box's scale, e.g. for mouse events.
    QPointF pixelToUser(QPointF px) const;

    Color foreColor() const { return fore_; }
    void setForeColor(Color c) { fore_ = c; }
    int drawWidth() const { return drawWidth_; }
    void setDrawWidth(int px) { drawWidth_ = px < 1 ? 1 : px; }
    DrawStyle drawStyle() const { return drawStyle_; }
    void setDrawStyle(DrawStyle s) { drawStyle_ = s; }

    QString fontName() const { return fontName_; }
    void setFontName(const QString& name) { fontName_ = name; }
    double fontSize() const { return fontSize_; }
    void setFontSize(double pt) { if (pt > 0) fontSize_ = pt; }
    bool fontBold() const { return fontBold_; }
    void setFontBold(bool b) { fontBold_ = b; }

    double currentX() const { return curX_; }
    double currentY() const { return curY_; }
    void setCurrentX(double x) { curX_ = x; }
    void setCurrentY(double y) { curY_ = y; }

    // A line, a box outline or a filled box between two points, both ends
    // included, with the draw width (and, for lines and outlines, the draw
    // style). CurrentX/CurrentY become (x2, y2).
    void line(double x1, double y1, double x2, double y2, Color c, LineMode mode = Line);
    // One point, draw width wide. CurrentX/CurrentY become (x, y).
    void pset(double x, double y, Color c);
    // The colour at a point; 0xFFFFFFFF (-1) outside the box.
    Color point(double x, double y) const;

    // Prints text at CurrentX/CurrentY in the fore colour and the font, on a
    // transparent background. Each line of the text moves CurrentY down one
    // text line; CurrentX returns to where the print started.
    void print(const QString& text);
    double textWidth(const QString& text) const;
    double textHeight(const QString& text) const;
    // The texts printed since the drawings were last erased, in order: what
    // the box shows in words, for code and tests that read it back.
    const QStringList& printedTexts() const { return printed_; }
    // Where each of those texts lies, in pixels of the image: from its print
    // position to its last visible character (trailing blanks left out), as
    // high as its lines. A text that reaches beyond the image is cut there.
    const std::vector<QRectF>& printedAreas() const { return printedAreas_; }

    // Writes what is shown (background, picture, drawings) as a 24-bit BMP.
    bool save(const QString& hostPath) const;
    static std::optional<QImage> load(const QString& hostPath);

    const QImage& image() const { return image_; }
    // Called after every change of the image, with the pixels it touched
    // (empty when a drawing fell outside the box).
    std::function<void(const QRect& pixels)> onChanged;

private:
    double toPxX(double x) const;
    double toPxY(double y) const;
    double pxPerUnitX() const;
    double pxPerUnitY() const;
    void layBackground(QImage& img) const;
    void redrawBackground();
    void stamp(int px, int py, int w, const QColor& c);
    void drawSegment(double x1, double y1, double x2, double y2, const QColor& c);
    void fillBox(double x1, double y1, double x2, double y2, const QColor& c);
    QFont font() const;
    uint64_t revision_ = 0;
    QRect touched_;   // pixels drawn since the last change was reported
    void touch(const QRect& pixels) { touched_ |= pixels; }
    void changed();

    int widthTwips_ = 0;
    int heightTwips_ = 0;
    QImage image_;
    QImage picture_;
    QStringList printed_;
    std::vector<QRectF> printedAreas_;
    Color back_;
    Color fore_ = colors::Black;
    int drawWidth_ = 1;
    DrawStyle drawStyle_ = Solid;
    QString fontName_ = "MS Sans Serif";
    double fontSize_ = 8.25;
    bool fontBold_ = false;
    double curX_ = 0;
    double curY_ = 0;
    bool customScale_ = false;
    double x1_ = 0, y1_ = 0, x2_ = 0, y2_ = 0;
};

} // namespace plat
