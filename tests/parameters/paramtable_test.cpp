// The LE parameter table: titles, defaults and bounds, the routines that write
// them into the FADEC-parameters window, and the parameter copy ParamSt.ini.
#include "parameters/FadecParameters.h"
#include "parameters/LogParameters.h"
#include "parameters/ParamTable.h"
#include "shell/Log.h"
#include "support/ProgramFixture.h"

using namespace orv;

TEST(ParamTable, TitlesAreFilledToFortyExceptEntryTwentyFour)
{
    for (int e = 0; e < ParamCount; ++e) {
        const QString t = paramTitle(e);
        if (e >= 9 && e <= 17)
            EXPECT_TRUE(t.isEmpty()) << e;
        else
            EXPECT_EQ(t.size(), e == 24 ? 39 : 40) << e;
    }
    EXPECT_EQ(paramTitle(24), "Deactivated Magn. Temp" + QString(17, ' '));
    EXPECT_EQ(paramTitle(30), "LPC Level   (50) in ph=3-4" + QString(14, ' '));
    for (int untitled : {22, 27, 29}) EXPECT_EQ(paramTitle(untitled), QString(40, ' '));
}

TEST(ParamTable, DefaultsAndBounds)
{
    struct Row { int e; const char* def; const char* min; const char* max; };
    const Row rows[] = {
        {0, "0", "", ""},
        {1, "0", "BCD 0-9  [0-59]", "BCD 0-5"},
        {4, "0", "BCD 1-7   [1-7]", ""},
        {8, "16", "Status = 16", ""},
        {9, "0", "0", "255"},
        {17, "0", "0", "255"},
        {18, "50", "50", "180"},
        {26, "115", "50", "125"},
        {27, "25", "1", "255"},
        {31, "15", "0", "255"},
    };
    for (const Row& r : rows) {
        EXPECT_EQ(paramDefault(r.e), r.def) << r.e;
        EXPECT_EQ(paramMinText(r.e), r.min) << r.e;
        EXPECT_EQ(paramMaxText(r.e), r.max) << r.e;
    }

    std::array<QString, 33> min, max;
    min[0] = max[0] = min[32] = "keep";
    fillParamBounds(min, max);
    EXPECT_EQ(min[0], "keep");
    EXPECT_EQ(max[0], "keep");
    EXPECT_EQ(min[32], "keep");
    EXPECT_EQ(min[20], "15");
    EXPECT_EQ(max[20], "30");
}

TEST(ParamTable, OutOfTableIsEmpty)
{
    for (int e : {-1, 32, 1000}) {
        EXPECT_TRUE(paramTitle(e).isEmpty());
        EXPECT_TRUE(paramDefault(e).isEmpty());
        EXPECT_TRUE(paramMinText(e).isEmpty());
    }
}

class ParamCopyTest : public ProgramTest {
protected:
    QString path = "C:\\LightCtl\\ParamSt.ini";

    static QByteArray linesOf(int first, int count)
    {
        QByteArray b;
        for (int i = 0; i < count; ++i) b += QByteArray::number(first + i) + "\r\n";
        return b;
    }
};

TEST_F(ParamCopyTest, DefaultsWriteTheThirtyTwoBareLines)
{
    ASSERT_TRUE(writeParamCopy(t.drive, path, paramDefaults()));
    EXPECT_EQ(readFile(path), "0\r\n0\r\n0\r\n0\r\n0\r\n0\r\n0\r\n0\r\n16\r\n"
                              "0\r\n0\r\n0\r\n0\r\n0\r\n0\r\n0\r\n0\r\n0\r\n"
                              "50\r\n20\r\n15\r\n3\r\n0\r\n50\r\n35\r\n70\r\n115\r\n25\r\n60\r\n0\r\n50\r\n15\r\n");
    const ParamValues defaults = paramDefaults();
    EXPECT_EQ(readParamCopy(t.drive, path), QStringList(defaults.begin(), defaults.end()));
}

// Start-up: line p+1 sets parameter p, a longer file is read again from
// line 33 over the same parameters, and those a short file does not reach
// keep their values.
TEST_F(ParamCopyTest, StartUpSetsEachParameterFromItsLinesInFileOrder)
{
    for (const int lines : {0, 20, 32, 40, 64}) {
        SCOPED_TRACE(lines);
        makeProgram();
        writeFile(path, linesOf(100, lines));
        startUp();
        const FadecParameters& w = *prog->form<FadecParameters>();
        for (int e = 0; e < ParamCount; ++e) {
            // The last line of the file that belongs to entry e, if any.
            const int last = e + ParamCount * ((lines - 1 - e) / ParamCount);
            const QString expected = e < lines ? QString::number(100 + last) : QString();
            EXPECT_EQ(w.ParamPC(e), expected) << e;
        }
        EXPECT_EQ(readFile(path), linesOf(100, lines));   // the file is left as it is
    }
}

TEST_F(ParamCopyTest, AnyTextIsAValueAndAMissingFileReadsAsNothing)
{
    EXPECT_FALSE(readParamCopy(t.drive, path));
    writeFile(path, QByteArray("abc\r\n\"q\"\r\n") + linesOf(2, 3));
    EXPECT_EQ(readParamCopy(t.drive, path), (QStringList{"abc", "q", "2", "3", "4"}));
}

TEST_F(ParamCopyTest, UnwritablePlaceReportsFailure)
{
    t.drive.mkDir("C:\\LightCtl\\ParamSt.ini");   // a folder in the file's place
    EXPECT_FALSE(writeParamCopy(t.drive, path, paramDefaults()));
}

TEST_F(ParamCopyTest, TitlesAndDefaultsGoIntoTheParametersWindow)
{
    Log& log = prog->Log.get();
    EXPECT_FALSE(prog->form<FadecParameters>().isLoaded());
    log.parameters->TitreListeParam();
    log.parameters->TableParamDefaut();
    FadecParameters* w = prog->ifLoaded<FadecParameters>();
    ASSERT_TRUE(w);
    EXPECT_FALSE(w->visible());
    for (int e = 0; e < ParamCount; ++e) {
        EXPECT_EQ(w->Label61[e].caption(), paramTitle(e));
        EXPECT_EQ(w->ParamPC(e), paramDefault(e));
    }
}
