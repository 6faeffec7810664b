#pragma once
// Line printing, as the program uses the system printer: lines go into the
// open document, and ending the document sends it to the printer. Printing a
// line when no document is open starts one, so "end the document, then print
// again" gives a new document (that is how the program breaks pages).

#include <QList>
#include <QString>
#include <QStringList>
#include <memory>

class QPainter;
class QPrinter;

namespace plat {

class Printer {
public:
    virtual ~Printer();

    // Opens a document unless one is open; false when the printer cannot
    // take one (the lines that follow are then dropped).
    virtual bool beginDoc() = 0;
    // One text line of the open document; opens a document when none is.
    virtual void printLine(const QString& line) = 0;
    // Finishes the open document and sends it; true when it went out. With
    // no document open it does nothing and returns true.
    virtual bool endDoc() = 0;

    virtual bool docOpen() const = 0;
};

// Prints to the host's default printer in a fixed-pitch font, one painter
// session per document. Without any printer, each document is written as a
// PDF to the fallback path (the second and later documents of this printer
// object get "-2", "-3", … before the extension, so none overwrites
// another); with no fallback path the document fails quietly.
class QtPrinter : public Printer {
public:
    explicit QtPrinter(QString fallbackPdfPath = {});
    ~QtPrinter() override;

    bool beginDoc() override;
    void printLine(const QString& line) override;
    bool endDoc() override;
    bool docOpen() const override { return open_; }

    // Where the last PDF went (empty when none was written).
    QString lastPdfPath() const { return lastPdf_; }

private:
    QString nextPdfPath();

    QString fallback_;
    int pdfCount_ = 0;
    QString lastPdf_;
    bool open_ = false;
    bool failed_ = false;   // the open document could not be started
    std::unique_ptr<QPrinter> printer_;
    std::unique_ptr<QPainter> painter_;
    double y_ = 0;
    double lineHeight_ = 0;
};

// Keeps every document in memory, for tests.
class RecordingPrinter : public Printer {
public:
    bool beginDoc() override;
    void printLine(const QString& line) override;
    bool endDoc() override;
    bool docOpen() const override { return open_; }

    // Finished documents, oldest first, each as its lines.
    const QList<QStringList>& documents() const { return docs_; }
    // Lines of the document still open.
    const QStringList& openLines() const { return current_; }
    // False: behaves as a host without any printer (beginDoc refuses).
    bool available = true;

private:
    bool open_ = false;
    QStringList current_;
    QList<QStringList> docs_;
};

} // namespace plat
