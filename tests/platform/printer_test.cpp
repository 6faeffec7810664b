// Printer documents: lines open a document, ending it sends it, lines after
// that start the next one; the Qt printer's PDF fallback without a printer.
#include "platform/Printer.h"
#include "support/Printing.h"

#include <QFile>
#include <QPrinterInfo>
#include <QTemporaryDir>
#include <gtest/gtest.h>

using namespace plat;

TEST(RecordingPrinterTest, EndDocSplitsDocuments)
{
    RecordingPrinter p;
    EXPECT_TRUE(p.endDoc());   // nothing open: nothing recorded
    EXPECT_TRUE(p.documents().isEmpty());

    p.printLine(" ");
    p.printLine("first");
    EXPECT_TRUE(p.docOpen());
    EXPECT_EQ(p.openLines(), QStringList({" ", "first"}));
    EXPECT_TRUE(p.endDoc());
    EXPECT_FALSE(p.docOpen());
    p.printLine("second");
    p.endDoc();
    p.endDoc();
    ASSERT_TRUE(p.beginDoc());
    p.printLine("third");
    p.endDoc();

    const QList<QStringList> want = {{" ", "first"}, {"second"}, {"third"}};
    EXPECT_EQ(p.documents(), want);
}

TEST(QtPrinterTest, WithoutPrinterFilesEachDocumentAsPdfNamedAfterIt)
{
    if (!QPrinterInfo::defaultPrinter().isNull()) GTEST_SKIP() << "a printer is installed here";
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    QtPrinter p(dir.path());
    p.setDocName("history");
    for (int i = 0; i < 100; ++i) p.printLine(QString("line %1").arg(i));   // runs past a page
    ASSERT_TRUE(p.endDoc());
    EXPECT_EQ(p.filedPaths(), QStringList{dir.filePath("history-print.pdf")});
    p.printLine("next document");
    ASSERT_TRUE(p.endDoc());
    p.setDocName("startup-debugger");
    p.printLine("another list");
    ASSERT_TRUE(p.endDoc());
    EXPECT_EQ(p.filedPaths(), QStringList({dir.filePath("history-print.pdf"), dir.filePath("history-print-2.pdf"),
                                           dir.filePath("startup-debugger-print.pdf")}));

    for (const QString& path : p.filedPaths()) {
        QFile f(path);
        ASSERT_TRUE(f.open(QIODevice::ReadOnly)) << path.toStdString();
        EXPECT_TRUE(f.read(4) == "%PDF") << path.toStdString();
    }
}

TEST(QtPrinterTest, WithoutPrinterOrFallbackFailsQuietly)
{
    if (!QPrinterInfo::defaultPrinter().isNull()) GTEST_SKIP() << "a printer is installed here";
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    QtPrinter none;
    EXPECT_FALSE(none.beginDoc());
    none.printLine("dropped");
    EXPECT_FALSE(none.endDoc());
    EXPECT_TRUE(none.endDoc());   // nothing open any more

    QtPrinter unwritable(dir.filePath("no-such-folder"));
    unwritable.printLine("dropped");
    EXPECT_FALSE(unwritable.endDoc());
    EXPECT_TRUE(unwritable.filedPaths().isEmpty());   // nothing was filed
}
