#pragma once
// Line printing, as the program uses the system printer: lines go into the
// open document, and ending the document sends it to the printer. Printing a
// line when no document is open starts one, so "end the document, then print
// again" gives a new document (that is how the program breaks pages).

#include <QList>
#include <QString>
#include <QStringList>
#include <map>
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

    // Names the documents begun from now on after what they hold (the list
    // they print, say "history"): the printer's queue shows it, and a
    // document filed instead of printed is named after it.
    void setDocName(const QString& name) { docName_ = name; }
    const QString& docName() const { return docName_; }
    // Host paths of the documents filed as files instead of printed (no
    // printer on the host), oldest first: the program tells the user.
    const QStringList& filedPaths() const { return filed_; }

protected:
    // The file the n-th document (from 1) of `name` is filed as in `folder`:
    // "<name>-print.pdf", then "<name>-print-2.pdf", … so none overwrites another.
    static QString filedPath(const QString& folder, const QString& name, int n);
    QString docName_ = QStringLiteral("document");
    QStringList filed_;
};

// Prints to the host's default printer in a fixed-pitch font, one painter
// session per document. Without any printer, each document is filed as a PDF
// in the fallback folder, named after the document (filedPath); with no
// fallback folder the document fails quietly.
class QtPrinter : public Printer {
public:
    explicit QtPrinter(QString fallbackFolder = {});
    ~QtPrinter() override;

    bool beginDoc() override;
    void printLine(const QString& line) override;
    bool endDoc() override;
    bool docOpen() const override { return open_; }

private:
    QString fallback_;
    std::map<QString, int> filedCount_;   // documents filed per name
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

    // Finished documents, oldest first, each as its lines, and their names.
    const QList<QStringList>& documents() const { return docs_; }
    const QStringList& documentNames() const { return names_; }
    // Lines of the document still open.
    const QStringList& openLines() const { return current_; }
    // False: behaves as a host without any printer (beginDoc refuses).
    bool available = true;
    // Not empty: behaves as a host without a printer that files each
    // finished document in this folder (recorded in filedPaths, not written).
    QString fileFolder;

private:
    bool open_ = false;
    QStringList current_;
    QList<QStringList> docs_;
    QStringList names_;
    std::map<QString, int> filedCount_;
};

} // namespace plat
