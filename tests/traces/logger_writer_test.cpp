// The data logger's writer on Log.Timer42: the passes at the chosen period,
// header blocks and rows in the data files on disk, the indicator, and a new
// header whenever the columns or the file change under a running logger.
#include "platform/VbText.h"
#include "shell/LinkStatus.h"
#include "shell/MainMenus.h"
#include "shell/MainPanels.h"
#include "shell/RunShared.h"
#include "shell/TracesShared.h"
#include "traces/LoggerFixture.h"

#include <QDir>
#include <QProcess>
#include <QStandardPaths>

namespace {

constexpr int Minute = 60000;
const QByteArray Degree("\xB0");

// The system's decimal separator is "," while it lives.
struct DecimalComma {
    DecimalComma() { plat::setDecimalSeparator(","); }
    ~DecimalComma() { plat::setDecimalSeparator("."); }
};

class WriterTest : public LoggerTest {
protected:
    void running(int le, uint8_t lpc, uint8_t lfc, uint8_t mat)
    {
        prog->s.status->PhaseLP[le] = 5;
        prog->s.status->RawLPC[le] = lpc;
        prog->s.status->RawLFC[le] = lfc;
        prog->s.status->TempMAT[le] = mat;
    }
    QList<QByteArray> lines(const QString& name) const
    {
        QList<QByteArray> l = readFile(dataFile(name)).split('\n');
        if (!l.isEmpty() && l.last().isEmpty()) l.removeLast();
        return l;
    }
    QByteArray stamp() const { return (t.rt.dateText() + ";" + t.rt.timeText()).toLatin1(); }
};

TEST_F(WriterTest, FirstPassWritesTheHeaderAndTheNextOneTheRow)
{
    activate({0, 2});
    running(0, 128, 64, 31);
    startLogger(0, 1, {0, 1, 7}, 0, "run");
    t.time.runUntil([&] { return exists(dataFile("run_LE1.txt")); });
    const QByteArray header = "\r\n[CNT ];[Date];[Time];[LPC ];[LFC ];[MAT ]\r\n"
                              "[CNT ];[Date];[Time];[AU  ];[%   ];[" + Degree + "C/F]\r\n \r\n";
    EXPECT_EQ(readFile(dataFile("run_LE1.txt")), header);
    EXPECT_EQ(readFile(dataFile("run_LE3.txt")), header);   // ticked, not running: header only
    EXPECT_TRUE(mainPanels(log()).Picture3.visible());
    EXPECT_EQ(mainPanels(log()).Picture3.backColor(), plat::rgb(255, 0, 0));

    t.time.advance(Minute);
    EXPECT_EQ(readFile(dataFile("run_LE1.txt")), header + "1;" + stamp() + ";128;64;31 \r\n");
    EXPECT_EQ(readFile(dataFile("run_LE3.txt")), header);
    for (int n : {2, 4, 5, 6, 7, 8}) EXPECT_FALSE(exists(dataFile(QStringLiteral("run_LE%1.txt").arg(n)))) << n;

    // LE-7 and LE-8 are never logged, even when active and running.
    activate({6, 7});
    running(6, 1, 1, 1);
    running(7, 1, 1, 1);
    t.time.advance(Minute);
    EXPECT_EQ(QDir(t.host("C:\\LightCtl\\Datalogger")).entryList(QDir::Files), QStringList({"run_LE1.txt", "run_LE3.txt"}));
}

TEST_F(WriterTest, PassesComeAtTheChosenPeriod)
{
    const struct {
        int button;
        int minutes;
    } periods[] = {{0, 1}, {2, 5}, {6, 60}};
    activate({0});
    running(0, 1, 2, 3);
    for (const auto& p : periods) {
        const QString name = QStringLiteral("p%1").arg(p.minutes);
        startLogger(0, 1, {0}, p.button, name);
        const QString file = name + "_LE1.txt";
        atMinute(p.minutes - 1);
        EXPECT_FALSE(exists(dataFile(file))) << p.minutes;
        atMinute(p.minutes);
        // The new file's header, and a row unless this is the program's first pass.
        const qsizetype first = lines(file).size();
        EXPECT_EQ(first, p.minutes == 1 ? 4 : 5) << p.minutes;
        t.time.advance(int64_t(p.minutes) * Minute - 1);
        EXPECT_EQ(lines(file).size(), first) << p.minutes;
        t.time.advance(1);
        EXPECT_EQ(lines(file).size(), first + 1) << p.minutes;
        mainMenus(log()).mnuOffDataLogger.click();
    }
}

TEST_F(WriterTest, OffThenStartGoesOnCountingWithoutANewHeaderUntilTheLeStarts)
{
    activate({0});
    running(0, 10, 20, 30);
    startLogger(0, 1, {0}, 0, "run");
    t.time.advance(2 * Minute);   // header, row 1
    mainMenus(log()).mnuOffDataLogger.click();
    t.time.advance(5 * Minute);
    EXPECT_EQ(lines("run_LE1.txt").size(), 5);

    orv::Datalogger& w = openWindow();
    w.Activation.click();
    t.time.advance(Minute);
    EXPECT_EQ(lines("run_LE1.txt").size(), 6);
    EXPECT_TRUE(lines("run_LE1.txt").last().startsWith("2;"));

    prog->s.runShared->LoggerHeaderDone[0] = 0;   // as the LE's start routine leaves it
    t.time.advance(Minute);
    const auto l = lines("run_LE1.txt");
    ASSERT_EQ(l.size(), 11);
    EXPECT_TRUE(l[7].startsWith("[CNT ];"));
    EXPECT_TRUE(l[10].startsWith("3;"));
}

TEST_F(WriterTest, AFileThatCannotBeOpenedGetsItsHeaderLater)
{
    activate({0});
    running(0, 5, 6, 7);
    startLogger(0, 1, {0}, 0, "run");
    QDir(t.host("C:\\LightCtl\\Datalogger")).removeRecursively();
    t.time.advance(Minute);   // pass 0: nothing can be written
    t.drive.mkDir("C:\\LightCtl\\Datalogger");
    t.time.advance(Minute);
    const auto l = lines("run_LE1.txt");
    ASSERT_EQ(l.size(), 5);
    EXPECT_EQ(l[1], "[CNT ];[Date];[Time];[LPC ];\r");
    EXPECT_TRUE(l[4].startsWith("1;"));
}

TEST_F(WriterTest, ANewHeaderComesBeforeRowsOfAnotherFormat)
{
    activate({0});
    running(0, 5, 6, 7);
    prog->s.status->RawVIS[0] = 8;
    startLogger(0, 1, {0}, 0, "run");
    t.time.advance(2 * Minute);

    orv::Datalogger& w = openWindow();
    w.Check1[2].userClick();   // VIS joins
    t.time.advance(Minute);
    w.Option2[0].userClick();  // "," from now on
    t.time.advance(Minute);
    w.Option1[2].userClick();  // physical values
    prog->s.status->LogTextLPC[0] = "0.5";
    prog->s.status->LogTextVIS[0] = "1.25";
    t.time.advance(Minute);

    const auto l = lines("run_LE1.txt");
    ASSERT_EQ(l.size(), 5 * 4);
    EXPECT_EQ(l[5], "\r");
    EXPECT_EQ(l[6], "[CNT ];[Date];[Time];[LPC ];[VIS ];\r");
    EXPECT_TRUE(l[9].endsWith(";5;8;\r"));
    EXPECT_EQ(l[11], "[CNT ],[Date],[Time],[LPC ],[VIS ],\r");
    EXPECT_TRUE(l[14].endsWith(",5,8,\r"));
    EXPECT_EQ(l[16], "[CNT ],[Date],[Time],[LPC ],[VIS ],\r");
    EXPECT_TRUE(l[19].endsWith(",0.5,1.25,\r"));

    // A new file name: the new file starts with its header.
    fileStep(w, "next");
    t.time.advance(Minute);
    const auto n = lines("next_LE1.txt");
    ASSERT_EQ(n.size(), 5);
    EXPECT_EQ(n[1], "[CNT ],[Date],[Time],[LPC ],[VIS ],\r");
}

TEST_F(WriterTest, PhysicalValuesUnderACommaSeparatorUseADecimalPoint)
{
    const DecimalComma comma;
    activate({0});
    running(0, 5, 6, 7);
    prog->s.status->LogTextLPC[0] = "12,5";
    prog->s.status->LogTextMAT[0] = "70";
    prog->s.status->LogTextSHT[0] = "2550";
    prog->s.status->TempSHT[0] = 255;
    startLogger(3, 0, {0, 6, 7}, 0, "phys");
    t.time.advance(2 * Minute);
    EXPECT_TRUE(lines("phys_LE1.csv").last().endsWith(",12.5,2550,70 \r"));
}

// Every data file of the four types opens in Python's csv reader with as many
// columns on each row as its latest names line.
TEST_F(WriterTest, EveryFileReadsAsCsvWithTheColumnsOfItsHeader)
{
    const QString python = QStandardPaths::findExecutable("python3");
    if (python.isEmpty()) GTEST_SKIP() << "python3 is not installed";
    const DecimalComma comma;
    activate({0, 1});
    running(0, 200, 100, 50);
    running(1, 1, 2, 3);
    for (int le : {0, 1}) {
        prog->s.status->LogTextLPC[le] = "3,75";
        prog->s.status->LogTextLFC[le] = "1,5";
        prog->s.status->LogTextIR[le] = "0,25";
        prog->s.status->LogTextMAT[le] = "500";
    }
    const struct {
        int type;
        int separator;
        const char* name;
        const char* ext;
    } kinds[] = {{0, 1, "t0", "txt"}, {1, 0, "t1", "csv"}, {2, 0, "t2", "txt"}, {3, 1, "t3", "csv"}};
    for (const auto& k : kinds) {
        startLogger(k.type, k.separator, {0, 1, 3, 5, 7}, 0, k.name);
        t.time.advance(3 * Minute);
        orv::Datalogger& w = openWindow();   // a column less under the running logger
        w.Check1[3].userClick();
        t.time.advance(2 * Minute);
        mainMenus(log()).mnuOffDataLogger.click();
    }

    const char* script = R"(
import csv, sys
for path, sep in zip(sys.argv[1::2], sys.argv[2::2]):
    with open(path, newline='', encoding='cp1252') as f:
        width, rows = None, 0
        for row in csv.reader(f, delimiter=sep):
            if row and row[0] == '[CNT ]':
                width = len(row)
            elif row and row[0].isdigit():
                rows += 1
                if len(row) != width:
                    print(path, 'row', row, 'has', len(row), 'columns, header', width)
                    sys.exit(1)
        if rows == 0:
            print(path, 'has no rows'); sys.exit(1)
print('ok')
)";
    QStringList args{"-c", script};
    for (const auto& k : kinds)
        for (int le : {1, 2})
            args << t.host(dataFile(QStringLiteral("%1_LE%2.%3").arg(k.name).arg(le).arg(k.ext)))
                 << (k.separator == 0 ? "," : ";");
    QProcess py;
    py.start(python, args);
    ASSERT_TRUE(py.waitForFinished(30000));
    EXPECT_EQ(py.exitCode(), 0) << py.readAllStandardOutput().toStdString() << py.readAllStandardError().toStdString();
}

TEST_F(WriterTest, TheIndicatorFlashesAndMarksLe1sTraceColumn)
{
    activate({0});
    running(0, 1, 2, 3);
    prog->s.tracesShared->TraceX[0] = 40;
    prog->s.status->FlagCommPerdue[0] = 1;   // LE-1's trace stands still: its plot timer is held
    startLogger(0, 1, {0}, 0, "run");
    atMinute(1);
    EXPECT_EQ(mainPanels(log()).Picture3.backColor(), plat::rgb(255, 0, 0));
    EXPECT_TRUE(mainPanels(log()).Picture3.visible());
    t.time.advance(400);
    EXPECT_EQ(mainPanels(log()).Picture3.backColor(), plat::rgb(192, 192, 255));
    EXPECT_TRUE(mainPanels(log()).Picture3.visible());
    plat::Canvas& area = mainPanels(log()).Picture13.canvas();
    EXPECT_EQ(area.point(280, 0), plat::colors::Red);
    EXPECT_EQ(area.point(280, 270), plat::colors::Red);
    EXPECT_NE(area.point(280, 600), plat::colors::Red);
}

TEST_F(WriterTest, ATypeWithoutOptionWritesHeadersButNoRows)
{
    activate({0});
    running(0, 1, 2, 3);
    startLogger(0, 1, {0}, 0, "run");
    ts().LoggerFileType = 7;
    t.time.advance(3 * Minute);
    EXPECT_EQ(lines("run_LE1.txt").size(), 4);
}

} // namespace
