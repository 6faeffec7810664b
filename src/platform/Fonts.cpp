#include "platform/Fonts.h"

#include <QApplication>
#include <QPointer>
#include <QProxyStyle>

#include <cmath>

namespace plat {

namespace {

constexpr double PixelsPerPoint = 96.0 / 72.0;

struct Face {
    const char* designName;   // the name the windows use
    const char* hostFamily;   // what shows it here
    double scale;             // size of the host face for the same point size
};

// The proportional faces map onto the condensed DejaVu faces, whose widths
// stay within those of the design's faces; the fixed face onto DejaVu Sans
// Mono. The design's serif face is a small bitmap face: DejaVu Serif at the
// same size runs about a sixth wider, so it is drawn a sixth smaller.
const Face Faces[] = {
    {"MS Sans Serif", "DejaVu Sans Condensed", 1.0},
    {"MS Serif", "DejaVu Serif Condensed", 0.85},
    {"Courier New", "DejaVu Sans Mono", 1.0},
};

const Face* face(const QString& name)
{
    for (const Face& f : Faces)
        if (name.compare(QLatin1String(f.designName), Qt::CaseInsensitive) == 0) return &f;
    return nullptr;
}

QString hostFamily(const QString& name)
{
    const Face* f = face(name);
    return f ? QString::fromLatin1(f->hostFamily) : name;
}

} // namespace

QFont programFont(const QString& name, double points, bool bold)
{
    const QString design = name.isEmpty() ? QStringLiteral("MS Sans Serif") : name;
    QFont f(hostFamily(design));
    const Face* known = face(design);
    const double scale = known ? known->scale : 1.0;
    f.setPixelSize(std::max(1, int(std::lround((points > 0 ? points : 8.25) * PixelsPerPoint * scale))));
    f.setBold(bold);
    return f;
}

namespace {

// The host style, with the system's gap between a check box's or an option
// button's indicator and its caption.
class FormStyle : public QProxyStyle {
public:
    int pixelMetric(PixelMetric m, const QStyleOption* opt, const QWidget* w) const override
    {
        if (m == PM_CheckBoxLabelSpacing || m == PM_RadioButtonLabelSpacing) return IndicatorGapPixels;
        return QProxyStyle::pixelMetric(m, opt, w);
    }

private:
    static constexpr int IndicatorGapPixels = 4;
};

} // namespace

QStyle* formStyle()
{
    static QPointer<QStyle> style;
    if (!style) {
        style = new FormStyle;
        style->setParent(qApp);
    }
    return style;
}

QFont defaultProgramFont() { return programFont(QStringLiteral("MS Sans Serif"), 8.25); }

} // namespace plat
