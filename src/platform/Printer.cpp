#include "platform/Printer.h"

#include <QDir>
#include <QFont>
#include <QFontMetricsF>
#include <QPainter>
#include <QPrinter>
#include <QPrinterInfo>
#include <algorithm>

namespace plat {

namespace {
// The program breaks its printouts into pages of up to 80 lines; the font is
// chosen so that such a page fits, and no larger than 10 points.
constexpr int kLinesPerPage = 80;
constexpr double kMaxPointSize = 10.0;
} // namespace

Printer::~Printer() = default;


QString Printer::filedPath(const QString& folder, const QString& name, int n)
{
    const QString file = n <= 1 ? QStringLiteral("%1-print.pdf").arg(name)
                                : QStringLiteral("%1-print-%2.pdf").arg(name).arg(n);
    return QDir(folder).filePath(file);
}

// ---- QtPrinter --------------------------------------------------------------

QtPrinter::QtPrinter(QString fallbackFolder)
    : fallback_(std::move(fallbackFolder))
{
}

QtPrinter::~QtPrinter()
{
    if (open_) endDoc();
}

bool QtPrinter::beginDoc()
{
    if (open_) return !failed_;
    open_ = true;
    failed_ = true;
    y_ = 0;

    const bool havePrinter = !QPrinterInfo::defaultPrinter().isNull();
    if (!havePrinter && fallback_.isEmpty()) return false;

    printer_ = std::make_unique<QPrinter>(QPrinter::HighResolution);
    if (havePrinter) {
        printer_->setPrinterName(QPrinterInfo::defaultPrinter().printerName());
    } else {
        printer_->setOutputFormat(QPrinter::PdfFormat);
        printer_->setOutputFileName(filedPath(fallback_, docName_, ++filedCount_[docName_]));
    }
    printer_->setDocName(docName_);

    painter_ = std::make_unique<QPainter>();
    if (!painter_->begin(printer_.get())) {
        painter_.reset();
        printer_.reset();
        return false;
    }

    const QRectF page = printer_->pageRect(QPrinter::DevicePixel);
    QFont font(QStringLiteral("Courier New"));
    font.setStyleHint(QFont::TypeWriter);
    font.setFixedPitch(true);
    font.setPointSizeF(kMaxPointSize);
    // Shrink until a full page of lines fits the printable height.
    while (font.pointSizeF() > 4.0
           && QFontMetricsF(font, printer_.get()).lineSpacing() * kLinesPerPage > page.height()) {
        font.setPointSizeF(font.pointSizeF() - 0.5);
    }
    painter_->setFont(font);
    painter_->setPen(Qt::black);
    lineHeight_ = QFontMetricsF(font, printer_.get()).lineSpacing();
    failed_ = false;
    return true;
}

void QtPrinter::printLine(const QString& line)
{
    if (!open_) beginDoc();
    if (failed_ || !painter_) return;
    const double pageHeight = printer_->pageRect(QPrinter::DevicePixel).height();
    if (y_ + lineHeight_ > pageHeight && y_ > 0) {
        // More lines than a page holds: carry on on a new sheet rather than
        // lose them.
        printer_->newPage();
        y_ = 0;
    }
    const double ascent = QFontMetricsF(painter_->font(), printer_.get()).ascent();
    painter_->drawText(QPointF(0, y_ + ascent), line);
    y_ += lineHeight_;
}

bool QtPrinter::endDoc()
{
    if (!open_) return true;
    open_ = false;
    bool ok = !failed_ && painter_ && painter_->end();
    if (ok && printer_->printerState() == QPrinter::Error) ok = false;
    if (ok && printer_->outputFormat() == QPrinter::PdfFormat) filed_.append(printer_->outputFileName());
    painter_.reset();
    printer_.reset();
    failed_ = false;
    return ok;
}

// ---- RecordingPrinter -------------------------------------------------------

bool RecordingPrinter::beginDoc()
{
    if (!available) return false;
    open_ = true;
    return true;
}

void RecordingPrinter::printLine(const QString& line)
{
    open_ = true;
    current_.append(line);
}

bool RecordingPrinter::endDoc()
{
    if (!open_) return true;
    docs_.append(current_);
    names_.append(docName_);
    if (!fileFolder.isEmpty()) filed_.append(filedPath(fileFolder, docName_, ++filedCount_[docName_]));
    current_.clear();
    open_ = false;
    return true;
}

} // namespace plat
