// The LE parameter table: titles, defaults and bounds, the routines that write
// them into the FADEC-parameters window, and the parameter copy ParamSt.ini.
#include "parameters/FadecParameters.h"
#include "parameters/ParamTable.h"
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
    EXPECT_EQ(readParamCopy(t.drive, path), paramDefaults());
}

TEST_F(ParamCopyTest, LastCompletePassWins)
{
    // 64 lines: lines 33 to 64.
    writeFile(path, linesOf(100, 64));
    auto v = readParamCopy(t.drive, path);
    ASSERT_TRUE(v);
    EXPECT_EQ((*v)[0], "132");
    EXPECT_EQ((*v)[31], "163");

    // 40 lines: the cut second pass changes nothing of the first.
    writeFile(path, linesOf(100, 40));
    v = readParamCopy(t.drive, path);
    ASSERT_TRUE(v);
    EXPECT_EQ((*v)[0], "100");
    EXPECT_EQ((*v)[31], "131");
}

TEST_F(ParamCopyTest, ShortOrMissingFileGivesNothingAndAnyTextIsAValue)
{
    EXPECT_FALSE(readParamCopy(t.drive, path));
    writeFile(path, linesOf(0, 31));
    EXPECT_FALSE(readParamCopy(t.drive, path));
    writeFile(path, QByteArray("abc\r\n\"q\"\r\n") + linesOf(2, 30));
    const auto v = readParamCopy(t.drive, path);
    ASSERT_TRUE(v);
    EXPECT_EQ((*v)[0], "abc");
    EXPECT_EQ((*v)[1], "q");
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
    log.TitreListeParam();
    log.TableParamDefaut();
    FadecParameters* w = prog->ifLoaded<FadecParameters>();
    ASSERT_TRUE(w);
    EXPECT_FALSE(w->visible());
    for (int e = 0; e < ParamCount; ++e) {
        EXPECT_EQ(w->Label61[e].caption(), paramTitle(e));
        EXPECT_EQ(w->ParamPC(e), paramDefault(e));
    }
}
