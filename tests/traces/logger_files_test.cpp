// The data logger's texts: per-LE file names, the settings file forms and
// their reading, the header block and data rows.
#include "traces/LoggerFiles.h"

#include <gtest/gtest.h>

using namespace orv::logger;

namespace {

struct NameCase {
    const char* full;
    const char* le1;
    const char* le6;
};

TEST(LoggerFileNames, PerLeNamesKeepTheStemUpToTheFirstExtensionInTheFileName)
{
    const NameCase cases[] = {
        {"C:\\Base\\Datalogger\\run.csv", "C:\\Base\\Datalogger\\run_LE1.csv", "C:\\Base\\Datalogger\\run_LE6.csv"},
        {"C:\\Base\\Datalogger\\DATA.TXT.txt", "C:\\Base\\Datalogger\\DATA.TXT_LE1.txt",
         "C:\\Base\\Datalogger\\DATA.TXT_LE6.txt"},
        {"C:\\Base\\Datalogger\\a.txt.txt", "C:\\Base\\Datalogger\\a_LE1.txt", "C:\\Base\\Datalogger\\a_LE6.txt"},
        {"C:\\Base\\Datalogger\\.txt", "C:\\Base\\Datalogger\\_LE1.txt", "C:\\Base\\Datalogger\\_LE6.txt"},
        // An extension in a folder name never cuts the path there.
        {"C:\\my.txt\\Datalogger\\run.txt", "C:\\my.txt\\Datalogger\\run_LE1.txt",
         "C:\\my.txt\\Datalogger\\run_LE6.txt"},
    };
    for (const NameCase& c : cases) {
        const auto names = perLeFileNames(QString::fromLatin1(c.full));
        ASSERT_TRUE(names) << c.full;
        EXPECT_EQ((*names)[0], QString::fromLatin1(c.le1));
        EXPECT_EQ((*names)[5], QString::fromLatin1(c.le6));
    }
    // A long name is taken whole.
    const QString longName = "C:\\Base\\Datalogger\\" + QString(300, 'n') + ".txt";
    EXPECT_EQ((*perLeFileNames(longName))[2], "C:\\Base\\Datalogger\\" + QString(300, 'n') + "_LE3.txt");
    // No extension to keep: the rule fails and the caller keeps its names.
    EXPECT_FALSE(perLeFileNames("C:\\Base\\Datalogger\\ab"));
}

TEST(LoggerFileNames, TypedNamesAreCheckedAndGetTheTypesExtension)
{
    EXPECT_EQ(withExtension("run", ".csv"), "run.csv");
    EXPECT_EQ(withExtension("DATA.TXT", ".txt"), "DATA.TXT.txt");   // case-sensitive
    EXPECT_EQ(withExtension("a.txt.txt", ".txt"), "a.txt.txt");
    EXPECT_EQ(withExtension("", ".txt"), ".txt");
    for (const char* ok : {"run", " run", "", "a.b c", "x_LE1.txt"}) EXPECT_TRUE(isPlainFileName(ok, ".txt")) << ok;
    for (const char* bad : {"..\\run", "../run", "sub\\run", "C:run", "a*b", "a?b", "a\"b", "a<b", "a>b", "a|b", ".."})
        EXPECT_FALSE(isPlainFileName(bad, ".txt")) << bad;
    EXPECT_FALSE(isPlainFileName(QString("a") + QChar(9) + "b", ".txt"));
}

// The longest file a typed name leads to is a per-LE data file, stem + "_LE1"
// + extension: it must stay within the host's 255 bytes.
TEST(LoggerFileNames, NamesWhosePerLEFilesOutgrowTheHostsLimitAreRefused)
{
    const struct {
        QString name;
        bool ok;
    } cases[] = {
        {QString(247, 'n'), true},                    // 247 + "_LE1.txt" = 255
        {QString(248, 'n'), false},
        {QString(250, 'n'), false},
        {QString(247, 'n') + ".txt", true},           // the extension typed counts once
        {QString(248, 'n') + ".txt", false},
        {QString(123, QChar(0xE9)), true},            // two bytes each: 246 + 8
        {QString(124, QChar(0xE9)), false},
        {QString(1000, 'n'), false},
    };
    for (const auto& c : cases)
        EXPECT_EQ(isPlainFileName(c.name, ".txt"), c.ok) << c.name.size() << " " << c.name.left(3).toStdString();
    EXPECT_TRUE(isPlainFileName(QString(247, 'n'), ".csv"));
    EXPECT_FALSE(isPlainFileName(QString(248, 'n'), ".csv"));
}

TEST(LoggerFileNames, TypeAndSeparatorTexts)
{
    EXPECT_EQ(extensionOfType(0), ".txt");
    EXPECT_EQ(extensionOfType(3), ".csv");
    EXPECT_EQ(separatorText(0), ",");
    EXPECT_EQ(separatorText(7), ";");
}

TEST(LoggerSettingsFiles, TypeFileRoundTripsAndABadValueGivesItsDefault)
{
    TypeFileValues v;
    v.fileType = 2;
    v.channelFlags[0] = v.channelFlags[7] = v.channelFlags[12] = 1;
    v.fileName = "C:\\B\\Datalogger\\a,b.txt";
    v.periodFlags[6] = 1;
    const QStringList lines = typeFileLines(v);
    ASSERT_EQ(lines.size(), 29);
    EXPECT_EQ(lines[0], " 2 ");
    EXPECT_EQ(lines[1], "1");
    EXPECT_EQ(lines[2], "0");
    EXPECT_EQ(lines[17], "C:\\B\\Datalogger\\a,b.txt");
    EXPECT_EQ(lines[24], "1");

    const TypeFileValues back = parseTypeFile(lines);
    EXPECT_EQ(back.fileType, 2);
    EXPECT_EQ(back.channelFlags, v.channelFlags);
    EXPECT_EQ(back.fileName, v.fileName);   // the comma moves nothing
    EXPECT_EQ(back.periodFlags, v.periodFlags);

    QStringList bad = lines;
    bad[0] = "2.5";    // not a whole number
    bad[1] = "abc";    // no number
    bad[7] = "1x";     // leading number 1
    bad[8] = "7";      // not a flag
    bad.removeLast();  // short file
    const TypeFileValues b = parseTypeFile(bad);
    EXPECT_EQ(b.fileType, 0);
    EXPECT_EQ(b.channelFlags[0], 0);
    EXPECT_EQ(b.channelFlags[6], 1);
    EXPECT_EQ(b.channelFlags[7], 0);
    EXPECT_EQ(b.periodFlags[6], 1);
    EXPECT_EQ(b.periodFlags[10], 0);
    EXPECT_EQ(parseTypeFile({" 300 "}).fileType, 0);
    // Numbers no whole type can hold give the default, whatever their size.
    for (const char* huge : {"1e300", "-1e300", "9.3e18", "1e19", "2.5"})
        EXPECT_EQ(parseTypeFile({huge}).fileType, 0) << huge;
    EXPECT_TRUE(parseTypeFile({}).fileName.isEmpty());
    EXPECT_EQ(parseTypeFile({" 7 "}).fileType, 7);   // kept: a type with no option writes no rows
}

TEST(LoggerSettingsFiles, NsFileWritesEmptyFirstLinesAndReadsDefaultsForBadValues)
{
    EXPECT_EQ(nsFileLines({3, 0}), QStringList({"", "", " 3 ", " 0 "}));
    const NsValues v = parseNsFile({"1.01", "0", " 9 ", " 0 "});
    EXPECT_EQ(v.reserved, 9);
    EXPECT_EQ(v.separatorChoice, 0);
    const NsValues bad = parseNsFile({"", "", "x", "300"});
    EXPECT_EQ(bad.reserved, 0);
    EXPECT_EQ(bad.separatorChoice, 1);
    EXPECT_EQ(parseNsFile({}).separatorChoice, 1);
}

TEST(LoggerRows, HeaderAndRowsEndAfterTheirLastField)
{
    Columns lpcLfcMat{};
    lpcLfcMat[0] = lpcLfcMat[1] = lpcLfcMat[7] = true;
    EXPECT_EQ(headerBlock(lpcLfcMat, ";"),
              QStringList({"", "[CNT ];[Date];[Time];[LPC ];[LFC ];[MAT ]",
                           QString::fromUtf8("[CNT ];[Date];[Time];[AU  ];[%   ];[\u00B0C/F]"), " "}));
    std::array<QString, 8> values{"128", "64", "", "", "", "", "", "31"};
    EXPECT_EQ(dataRow(7, "02/03/2026", "08:01:00", lpcLfcMat, values, ";"), "7;02/03/2026;08:01:00;128;64;31 ");

    Columns noMat{};
    noMat[2] = noMat[5] = true;
    EXPECT_EQ(headerBlock(noMat, ",")[1], "[CNT ],[Date],[Time],[VIS ],[LOS ],");
    values[2] = "12";
    values[5] = "1500";
    EXPECT_EQ(dataRow(1, "d", "t", noMat, values, ","), "1,d,t,12,1500,");
    EXPECT_EQ(headerBlock(Columns{}, ";")[2], "[CNT ];[Date];[Time];");
    EXPECT_EQ(dataRow(2, "d", "t", Columns{}, values, ";"), "2;d;t;");
}

} // namespace
