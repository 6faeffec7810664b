// The activity history: the line format WriteHisto appends, the viewer's
// load and tidy pass (which never changes the file), its File menu with the
// yes/no question (its Quit used with the mouse), and the printed pages.
#include "platform/Dialogs.h"
#include "platform/Printer.h"
#include "platform/VbText.h"
#include "shell/FenQuestion.h"
#include "shell/Histo.h"
#include "shell/History.h"
#include "shell/Log.h"
#include "shell/ShellState.h"
#include "shell/State.h"
#include "support/ProgramFixture.h"

#include <QTest>

#include <QFont>
#include <QListWidget>
#include <QMenu>
#include <QMenuBar>
#include <QPointer>
#include <QTest>
#include <random>

using namespace orv;

namespace {

// The tidy pass as a plain loop that restarts after every removal: the
// reference the fast version must match.
void referenceTidy(QStringList& list)
{
    for (int i = 3; i < list.size();) {
        const QString tail = plat::mid(list[i], 37);
        if (tail.isEmpty() || tail.indexOf('0') == 7) {
            list.removeAt(i);
            i = 3;
            continue;
        }
        if (tail.size() >= 7 && tail[6] == ' ')
            list[i] = plat::left(list[i], 36) + plat::left(tail, 6) + plat::mid(tail, 8);
        ++i;
    }
}

// An entry as the viewer lists it: indent, 33 characters of time, date and
// code, then the tail (from character 37).
QString entryWithTail(const QString& tail) { return QString(36, 'x') + tail; }

const QStringList Heading = {" ", "    Report faults history, starts, stops and mistakes errors", " "};

} // namespace

class HistoryTest : public ProgramTest {
protected:
    const QString histo = "C:\\LightCtl\\Histo.txt";

    void SetUp() override
    {
        ProgramTest::SetUp();
        // The main window without its start-up run: these tests set the
        // state start-up would leave.
        prog->Log->Timer1.setEnabled(false);
        prog->s.common->BaseFolder = "C:\\LightCtl";
        t.time.setWallClock(QDateTime(QDate(2026, 12, 8), QTime(14, 5, 9)));
    }

    void writeHisto(const QString& message, const QString& code = "0") { prog->Log->WriteHisto(message, code); }

    // Opens the viewer and lets its load timer run.
    Histo& openViewer()
    {
        Histo& h = *prog->form<Histo>();
        h.show();
        t.time.advance(150);
        return h;
    }
};

TEST_F(HistoryTest, LinesAreByteExactForTimeDateAndCode)
{
    writeHisto("LE1  Starting LE ");
    writeHisto("LE1  Starting LE ", "");   // an empty code reads as 000
    writeHisto("LE2  Motor M - speed > 4,000 RPM ", "9");
    writeHisto("LE1  \"Stop\", activated", "18");
    writeHisto("Cycle(s) : 0000003");

    EXPECT_EQ(readFile(histo), QByteArray("  14:05:09    08/12/2026    000    LE1  Starting LE \r\n"
                                          "  14:05:09    08/12/2026    000    LE1  Starting LE \r\n"
                                          "  14:05:09    08/12/2026    009    LE2  Motor M - speed > 4,000 RPM \r\n"
                                          "  14:05:09    08/12/2026    018    LE1  \"Stop\", activated\r\n"
                                          "  14:05:09    08/12/2026    000    Cycle(s) : 0000003\r\n"));
    EXPECT_EQ(HistoLine("5", "m", "00:00:01", "31/01/2027"), "  00:00:01    31/01/2027    005    m");
}

// The one call of the routines that write a history line: with a colour the
// text goes to the event list first, in that colour.
TEST_F(HistoryTest, OneCallWritesTheLineAndItsEventListLine)
{
    prog->Log->WriteHisto("LE2  Off LE ", "0", plat::colors::Orange);
    prog->Log->WriteHisto("Cycle(s) : 0000001");
    prog->Log->WriteHisto("LE1  Motor M - speed > 4,000 RPM ", "9");

    ASSERT_EQ(prog->Log->List4.listCount(), 1);
    EXPECT_EQ(prog->Log->List4.list(0), "LE2  Off LE ");
    EXPECT_EQ(prog->Log->List4.foreColor(), plat::colors::Orange);
    EXPECT_EQ(readFile(histo), QByteArray("  14:05:09    08/12/2026    000    LE2  Off LE \r\n"
                                          "  14:05:09    08/12/2026    000    Cycle(s) : 0000001\r\n"
                                          "  14:05:09    08/12/2026    009    LE1  Motor M - speed > 4,000 RPM \r\n"));
}

TEST_F(HistoryTest, UnwritableFileDropsTheLineAndSaysSoOnce)
{
    prog->s.common->BaseFolder = "C:\\Missing";
    writeHisto("LE1  Alarm LFC ");
    writeHisto("LE1  Alarm LFC ");   // still failing: no second notice
    ASSERT_EQ(prog->Log->List4.listCount(), 1);
    EXPECT_EQ(prog->Log->List4.list(0), " Error History file cannot be written: Histo.txt");
    EXPECT_EQ(prog->Log->List4.foreColor(), plat::rgb(255, 0, 0));

    prog->s.common->BaseFolder = "C:\\LightCtl";
    writeHisto("back");
    prog->s.common->BaseFolder = "C:\\Missing";
    writeHisto("lost again");   // a new failure after a success is shown again
    EXPECT_EQ(prog->Log->List4.listCount(), 2);
    EXPECT_EQ(readFile(histo), QByteArray("  14:05:09    08/12/2026    000    back\r\n"));
}

TEST(HistoTidyTest, FixedPositionRules)
{
    struct Case {
        const char* what;
        QString entry;
        QString after;   // empty: removed
    };
    const Case cases[] = {
        {"36 characters: removed", QString(36, 'x'), ""},
        {"37 characters: kept", QString(37, 'x'), QString(37, 'x')},
        {"first 0 as 8th tail character: removed", entryWithTail(" LE1  x0 0"), ""},
        {"a 0 before the 8th: kept", entryWithTail(" LE1 0x0"), entryWithTail(" LE1 0x0")},
        {"a usual message: unchanged", entryWithTail(" LE1  Stop"), entryWithTail(" LE1  Stop")},
        {"blank as 7th tail character: taken out", entryWithTail(" Cycle  : 3"), entryWithTail(" Cycle : 3")},
        {"a 0 after the taken blank stays", entryWithTail(" abcde x0"), entryWithTail(" abcdex0")},
    };
    for (const Case& c : cases) {
        QStringList list = Heading;
        list << c.entry;
        TidyHistoList(list);
        QStringList want = Heading;
        if (!c.after.isEmpty()) want << c.after;
        EXPECT_EQ(list, want) << c.what;
    }
}

TEST(HistoTidyTest, EveryRemovalLooksAgainAtTheEntriesBefore)
{
    // Each removal starts the pass again, so the entry before loses one more
    // blank per removal; its third pass makes its first "0" the 8th tail
    // character and removes it too.
    QStringList list = Heading;
    list << entryWithTail(" abcde   0x") << "    short" << "    short" << entryWithTail(" kept");
    TidyHistoList(list);
    EXPECT_EQ(list, Heading + QStringList{entryWithTail(" kept")});
}

TEST(HistoTidyTest, MatchesThePlainRestartingPass)
{
    // Random entries built from the pieces the rules look at: blank runs at
    // the 7th tail character, zeros near the 8th, short pieces.
    std::mt19937 rng(7);
    const QStringList pieces = {" ", "  ", "0", "x", "LE1", "   0", " 0", "ab"};
    for (int round = 0; round < 200; ++round) {
        QStringList list = Heading;
        const int n = int(rng() % 30);
        for (int i = 0; i < n; ++i) {
            QString tail;
            const int parts = int(rng() % 6);
            for (int k = 0; k < parts; ++k) tail += pieces[int(rng() % pieces.size())];
            list << (rng() % 5 == 0 ? QString("    short") : entryWithTail(tail));
        }
        QStringList fast = list, plain = list;
        TidyHistoList(fast);
        referenceTidy(plain);
        ASSERT_EQ(fast, plain) << "round " << round;
    }
}

TEST_F(HistoryTest, ViewerShowsTheTidiedListAndLeavesTheFileAsItWas)
{
    const QByteArray file = "  14:05:09    08/12/2026    000    LE1  Starting LE \r\n"
                            "  14:05:10    08/12/2026    009    LE2  Motor M - speed > 4,000 RPM \r\n"
                            "\r\n"
                            "      14:06:00    08/12/2026    018    LE1  Stop activated\r\n"
                            "  \"quoted, with comma\"\r\n"
                            "  14:07:00    08/12/2026    000    " + QByteArray(3000, 'L') + "\r\n";
    writeFile(histo, file);

    Histo& h = openViewer();
    EXPECT_EQ(h.caption(), "  Activity Logging          [File:  Histo.txt]");
    const QStringList want = Heading + QStringList{
        "    14:05:09    08/12/2026    000    LE1  Starting LE",
        "    14:05:10    08/12/2026    009    LE2  Motor M - speed > 4",
        "    14:06:00    08/12/2026    018    LE1  Stop activated",
        "    14:07:00    08/12/2026    000    " + QString(3000, 'L'),
    };
    EXPECT_EQ(h.List1.items(), want);
    EXPECT_EQ(prog->s.shell->HistoEntryCount, 7);   // the comma and the blank line give entries too
    EXPECT_TRUE(t.dialogs.shown.empty());
    EXPECT_FALSE(h.Timer1.enabled());

    h.mnuQuitterHisto.click();
    EXPECT_FALSE(prog->ifLoaded<Histo>());
    EXPECT_EQ(readFile(histo), file);
}

TEST_F(HistoryTest, ViewerStopsPastTheLimitWithoutShorteningTheFile)
{
    QByteArray file;
    for (int i = 0; i < 32005; ++i)
        file += HistoLine("0", QString("LE1  Starting LE %1,more").arg(i), "14:05:09", "08/12/2026").toLatin1() + "\r\n";
    writeFile(histo, file);

    Histo& h = openViewer();
    // 32001 entries read; the pieces after the commas are tidied away.
    EXPECT_EQ(prog->s.shell->HistoEntryCount, 32001);
    EXPECT_EQ(h.List1.listCount(), 3 + 16001);
    ASSERT_EQ(t.dialogs.shown.size(), 1u);
    EXPECT_EQ(t.dialogs.shown[0].text, "The boundaries of the list are reached!");
    EXPECT_EQ(t.dialogs.shown[0].title, " Warning!");

    h.unload();
    EXPECT_EQ(readFile(histo), file);
}

TEST_F(HistoryTest, EmptyFileIsReportedAtEveryLoad)
{
    writeFile(histo, "");
    Histo& h = openViewer();
    EXPECT_EQ(h.List1.listCount(), 0);
    ASSERT_EQ(t.dialogs.shown.size(), 1u);
    EXPECT_EQ(t.dialogs.shown[0].text, "The file is empty ... ");
    EXPECT_EQ(t.dialogs.shown[0].title, " Warning");
    EXPECT_EQ(t.dialogs.shown[0].icon(), plat::mb::Information);

    h.mnuChargeFichier.click();   // "Upload File" loads again 100 ms later
    t.time.advance(150);
    EXPECT_EQ(t.dialogs.shown.size(), 2u);
    EXPECT_EQ(readFile(histo), QByteArray());
}

TEST_F(HistoryTest, DeleteListViewKeepsTheFileForTheNextOpening)
{
    writeHisto("LE1  Starting LE ");
    writeHisto("LE1  Stop LE ");
    Histo& h = openViewer();
    ASSERT_EQ(h.List1.listCount(), 5);
    h.mnuEffListe.click();
    EXPECT_EQ(h.List1.listCount(), 0);
    h.mnuQuitterHisto.click();

    EXPECT_EQ(openViewer().List1.listCount(), 5);
}

TEST_F(HistoryTest, DeleteFileAsksModallyAndOnlyYesEmptiesIt)
{
    writeHisto("LE1  Starting LE ");
    const QByteArray before = readFile(histo);
    Histo& h = openViewer();

    QStringList asked;
    auto answer = [&](bool yes) {
        t.dialogs.onModal = [&, yes](plat::Form& f) {
            auto& q = static_cast<FenQuestion&>(f);
            asked << q.caption() << q.Label1.caption();
            (yes ? q.Ret1 : q.Ret2).click();
        };
    };
    answer(false);
    h.mnuEffLeFichier.click();
    EXPECT_EQ(asked, QStringList({" Warning", "Are you sure you want to delete the entire file"}));
    EXPECT_EQ(readFile(histo), before);
    EXPECT_EQ(h.List1.listCount(), 4);
    EXPECT_FALSE(prog->ifLoaded<FenQuestion>());

    answer(true);
    h.mnuEffLeFichier.click();
    EXPECT_TRUE(QFile::exists(t.host(histo)));
    EXPECT_EQ(readFile(histo), QByteArray());
    EXPECT_EQ(h.List1.listCount(), 0);
    EXPECT_EQ(prog->s.shell->HistoEntryCount, 0);
    EXPECT_FALSE(prog->ifLoaded<FenQuestion>());
}

TEST_F(HistoryTest, PrintQuestionIsNotModalAndPrintsTheListAsItIsThen)
{
    writeHisto("LE1  Starting LE ");
    Histo& h = openViewer();
    h.mnuPrinter.click();
    FenQuestion* q = prog->ifLoaded<FenQuestion>();
    ASSERT_TRUE(q);
    EXPECT_TRUE(q->visible());
    EXPECT_FALSE(q->isModal());
    EXPECT_EQ(q->Label1.caption(), "Are you sure you want to print the list");

    h.List1.addItem("added while asking");   // the viewer stays usable
    q->Ret1.click();
    const QString pad(19, ' ');
    ASSERT_EQ(t.printer.documents().size(), 1);
    EXPECT_EQ(t.printer.documents()[0],
              QStringList({" ", " " + pad, Heading[1] + pad, " " + pad,
                           "    14:05:09    08/12/2026    000    LE1  Starting LE" + pad, "added while asking" + pad}));
    EXPECT_FALSE(prog->ifLoaded<FenQuestion>());

    h.mnuPrinter.click();
    prog->ifLoaded<FenQuestion>()->Ret2.click();
    EXPECT_EQ(t.printer.documents().size(), 1);
}

// Keys as the user presses them in the yes/no box: neither Enter nor
// Escape deletes the file; Enter prints, Escape does not.
TEST_F(HistoryTest, TheKeysNeverAnswerYesToDeletingTheFile)
{
    writeHisto("LE1  Starting LE ");
    const QByteArray before = readFile(histo);
    Histo& h = openViewer();
    for (Qt::Key key : {Qt::Key_Return, Qt::Key_Enter, Qt::Key_Escape}) {
        t.dialogs.onModal = [&](plat::Form& f) {
            QWidget* focus = f.window()->focusWidget();
            ASSERT_NE(focus, nullptr);
            EXPECT_EQ(focus, static_cast<FenQuestion&>(f).Ret2.widget());   // "No"
            QTest::keyClick(focus, key);
        };
        h.mnuEffLeFichier.click();
        t.dialogs.onModal = nullptr;
        EXPECT_EQ(readFile(histo), before) << key;
        EXPECT_FALSE(prog->ifLoaded<FenQuestion>()) << key;
    }

    h.mnuPrinter.click();
    QTest::keyClick(prog->ifLoaded<FenQuestion>()->window()->focusWidget(), Qt::Key_Escape);
    EXPECT_FALSE(prog->ifLoaded<FenQuestion>());
    EXPECT_TRUE(t.printer.documents().isEmpty());
    h.mnuPrinter.click();
    QTest::keyClick(prog->ifLoaded<FenQuestion>()->window()->focusWidget(), Qt::Key_Return);
    EXPECT_FALSE(prog->ifLoaded<FenQuestion>());
    EXPECT_EQ(t.printer.documents().size(), 1);

    // The mouse still answers "Yes".
    t.dialogs.onModal = [&](plat::Form& f) {
        QTest::mouseClick(static_cast<FenQuestion&>(f).Ret1.widget(), Qt::LeftButton);
    };
    h.mnuEffLeFichier.click();
    t.dialogs.onModal = nullptr;
    EXPECT_EQ(readFile(histo), QByteArray());
}

// Without a printer the history is filed under its own name, and the user
// is told where.
TEST_F(HistoryTest, AFiledPrintoutTellsWhereItWent)
{
    writeHisto("LE1  Starting LE ");
    Histo& h = openViewer();
    t.printer.fileFolder = "/drive";
    t.printer.setDocName("startup-debugger");
    h.mnuPrinter.click();
    prog->ifLoaded<FenQuestion>()->Ret1.click();
    EXPECT_EQ(t.printer.documentNames(), QStringList{"history"});
    ASSERT_EQ(t.dialogs.shown.size(), 1u);
    EXPECT_EQ(t.dialogs.shown[0].text, "No printer is available: the list was saved as\n/drive/history-print.pdf");
    EXPECT_EQ(t.dialogs.shown[0].title, " Print List");
}

TEST(HistoPrintTest, PagesOf76WithHeadingFromTheThirdOn)
{
    plat::RecordingPrinter printer;
    QStringList list;
    for (int i = 1; i <= 153; ++i) list << QString("e%1").arg(i);
    PrintHistoList(printer, list, "|");

    const auto& docs = printer.documents();
    ASSERT_EQ(docs.size(), 3);
    EXPECT_EQ(docs[0].size(), 77);
    EXPECT_EQ(docs[0].first(), " ");
    EXPECT_EQ(docs[0][1], "e1|");
    EXPECT_EQ(docs[0].last(), "e76|");
    EXPECT_EQ(docs[1].size(), 76);
    EXPECT_EQ(docs[1].first(), "e77|");
    EXPECT_EQ(docs[1].last(), "e152|");
    EXPECT_EQ(docs[2], QStringList({" ", " ", "  Report faults history, starts, stops and mistakes errors|", " ", "e153|"}));
    EXPECT_FALSE(printer.docOpen());
}

// File > Quit with the mouse, as the user closes the viewer: the window goes
// while the menu that ran the command is still handling the click.
TEST_F(HistoryTest, QuitFromTheViewersFileMenuWithTheMouseClosesIt)
{
    writeHisto("LE1  Starting LE ");
    prog->Log->show();
    Histo& h = openViewer();
    QPointer<QWidget> window = h.window();
    QMenuBar* bar = h.menuBar();
    QTest::mouseClick(bar, Qt::LeftButton, {}, bar->actionGeometry(h.mnuFileHisto.action()).center());
    QMenu* file = h.mnuFileHisto.submenu();
    ASSERT_TRUE(file->isVisible());
    QPointer<QMenu> menu = file;
    QTest::mouseClick(file, Qt::LeftButton, {}, file->actionGeometry(h.mnuQuitterHisto.action()).center());
    EXPECT_FALSE(prog->ifLoaded<Histo>());
    EXPECT_TRUE(window && menu);   // freed only once the menu is done with the click
    QCoreApplication::processEvents();
    EXPECT_FALSE(window || menu);
    // The program goes on: the next opening loads the viewer afresh.
    EXPECT_EQ(openViewer().List1.listCount(), 4);
    EXPECT_TRUE(prog->Log.isLoaded());
}

TEST_F(HistoryTest, RealViewerWindowShowsTheListInAFixedPitchFont)
{
    writeHisto("LE1  Starting LE ");
    Histo& h = openViewer();
    auto* view = qobject_cast<QListWidget*>(h.List1.widget());
    ASSERT_TRUE(view);
    EXPECT_TRUE(view->isVisible());
    ASSERT_EQ(view->count(), 4);
    EXPECT_EQ(view->item(3)->text(), "    14:05:09    08/12/2026    000    LE1  Starting LE");
    EXPECT_EQ(h.List1.fontName(), "Courier New");
    EXPECT_TRUE(QFontInfo(view->font()).fixedPitch()) << view->font().family().toStdString();
}
