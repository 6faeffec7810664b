// Sequential files: the bytes print and write statements leave on disk, the
// input and line-input readings of them, Windows-1252 text, failing opens.
#include "platform/Cp1252.h"
#include "platform/Drive.h"
#include "platform/SeqFile.h"
#include "support/Printing.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

using namespace plat;
using Mode = SeqFile::Mode;

namespace {

class SeqFileTest : public ::testing::Test {
protected:
    void SetUp() override { ASSERT_TRUE(tmp.isValid()); }

    QByteArray bytesOf(const QString& name) const
    {
        QFile f(tmp.path() + QLatin1Char('/') + name);
        return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray("<missing>");
    }
    void putBytes(const QString& name, const QByteArray& bytes) const
    {
        QFile f(tmp.path() + QLatin1Char('/') + name);
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        f.write(bytes);
    }
    std::unique_ptr<SeqFile> reader(const QByteArray& bytes)
    {
        putBytes(QStringLiteral("in.txt"), bytes);
        return SeqFile::open(drive, QStringLiteral("C:\\in.txt"), Mode::Input);
    }

    QTemporaryDir tmp;
    Drive drive{tmp.path()};
};

} // namespace

TEST_F(SeqFileTest, PrintAndWriteForms)
{
    auto f = SeqFile::open(drive, QStringLiteral("C:\\out.ini"), Mode::Output);
    ASSERT_TRUE(f);
    EXPECT_TRUE(f->printNumber(50));
    EXPECT_TRUE(f->printNumber(-120));
    EXPECT_TRUE(f->printNumber(0.5));
    EXPECT_TRUE(f->printText(QStringLiteral("1.01")));
    EXPECT_TRUE(f->printText(QStringLiteral(" ")));
    EXPECT_TRUE(f->printEmpty());
    EXPECT_TRUE(f->writeFields({QStringLiteral("0")}));
    EXPECT_TRUE(f->writeFields({QStringLiteral("a, b"), 5, -1.5, 0.25}));
    EXPECT_TRUE(f->printText(QStringLiteral("50 °C")));
    EXPECT_TRUE(f->close());
    EXPECT_FALSE(f->printText(QStringLiteral("after close")));

    EXPECT_EQ(bytesOf(QStringLiteral("out.ini")),
              QByteArray(" 50 \r\n-120 \r\n .5 \r\n1.01\r\n \r\n\r\n\"0\"\r\n"
                         "\"a, b\",5,-1.5,.25\r\n50 \xB0" "C\r\n"));
}

TEST_F(SeqFileTest, InputFields)
{
    struct Case { QByteArray bytes; QStringList fields; };
    const Case cases[] = {
        {" 50 \r\n", {"50"}},
        {"\"0\"\r\n\"1\"\r\n", {"0", "1"}},
        {"\"a, b\",5,-1.5\r\n", {"a, b", "5", "-1.5"}},
        {"  x  ,  y  \n", {"x", "y"}},                     // LF alone ends a line
        {" \r\n\r\nlast", {"", "", "last"}},                // blank and empty lines: one empty field
        {"\"quoted\" tail,next\r\n", {"quoted", "next"}},  // rest after the quote dropped
        {"\"open quote\r\nnext\r\n", {"open quote", "next"}},
        {"a,\r\nb\r\n", {"a", "", "b"}},
        {"1.01\r\n---\r\n08\r\n", {"1.01", "---", "08"}},
        {"50 \xB0" "C\r\n", {"50 °C"}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.bytes.toStdString());
        auto f = reader(c.bytes);
        ASSERT_TRUE(f);
        QStringList got;
        while (!f->atEnd())
            got.append(f->inputField().value_or(QStringLiteral("<error>")));
        EXPECT_EQ(got, c.fields);
        EXPECT_EQ(f->inputField(), std::nullopt);   // past the end is an error
    }
}

// A settings line's value is the first field the input form reads from it.
TEST_F(SeqFileTest, ALinesValueIsItsFirstInputField)
{
    const char* lines[] = {" 50 ", "\"0\"", "\"a, b\",5", "  x  ,  y  ", "", "\"quoted\" tail,next",
                           "\"open quote", "a,", "\t7\t", "50 \xB0" "C"};
    for (const char* l : lines) {
        SCOPED_TRACE(l);
        const QByteArray bytes = QByteArray(l) + "\r\n";
        auto f = reader(bytes);
        ASSERT_TRUE(f);
        EXPECT_EQ(inputValue(fromCp1252(QByteArray(l))), f->inputField().value_or(QStringLiteral("<error>")));
    }
}

TEST_F(SeqFileTest, InputNumbers)
{
    auto f = reader(" 50 \r\n-120 \r\nabc\r\n12abc\r\n\"7\"\r\n1e3,.5\r\n---\r\n\r\n");
    ASSERT_TRUE(f);
    const double want[] = {50, -120, 0, 12, 7, 1000, 0.5, 0, 0};
    for (double w : want)
        EXPECT_EQ(f->inputNumber(), w);
    EXPECT_TRUE(f->atEnd());
    EXPECT_EQ(f->inputNumber(), std::nullopt);
}

TEST_F(SeqFileTest, LineInput)
{
    auto f = reader("first, with \"quotes\"\r\n  second\n\r\nlast");
    ASSERT_TRUE(f);
    EXPECT_EQ(f->lineInput(), QStringLiteral("first, with \"quotes\""));
    EXPECT_EQ(f->lineInput(), QStringLiteral("  second"));
    EXPECT_EQ(f->lineInput(), QString());
    EXPECT_EQ(f->lineInput(), QStringLiteral("last"));
    EXPECT_TRUE(f->atEnd());
    EXPECT_EQ(f->lineInput(), std::nullopt);
}

TEST_F(SeqFileTest, PrintedFileReadsBack)
{
    auto out = SeqFile::open(drive, QStringLiteral("C:\\rt.ini"), Mode::Output);
    ASSERT_TRUE(out);
    for (double v : {50.0, -120.0, 0.5, 220.0})
        out->printNumber(v);
    out->writeFields({QStringLiteral("mint, leaf"), 3});
    out.reset();   // the destructor closes

    auto in = SeqFile::open(drive, QStringLiteral("C:\\RT.INI"), Mode::Input);
    ASSERT_TRUE(in);
    EXPECT_EQ(in->inputNumber(), 50);
    EXPECT_EQ(in->inputField(), QStringLiteral("-120"));
    EXPECT_EQ(in->inputNumber(), 0.5);
    EXPECT_EQ(in->inputNumber(), 220);
    EXPECT_EQ(in->inputField(), QStringLiteral("mint, leaf"));
    EXPECT_EQ(in->inputNumber(), 3);
    EXPECT_TRUE(in->atEnd());
}

TEST_F(SeqFileTest, OutputTruncatesAppendAdds)
{
    putBytes(QStringLiteral("h.txt"), "old line\r\nsecond\r\n");
    auto out = SeqFile::open(drive, QStringLiteral("C:\\h.txt"), Mode::Output);
    ASSERT_TRUE(out);
    out->printText(QStringLiteral("new"));
    out.reset();
    EXPECT_EQ(bytesOf(QStringLiteral("h.txt")), QByteArray("new\r\n"));

    for (int i = 0; i < 2; ++i) {
        auto app = SeqFile::open(drive, QStringLiteral("C:\\H.TXT"), Mode::Append);
        ASSERT_TRUE(app);
        app->printText(QStringLiteral("more"));
    }
    EXPECT_EQ(bytesOf(QStringLiteral("h.txt")), QByteArray("new\r\nmore\r\nmore\r\n"));

    auto created = SeqFile::open(drive, QStringLiteral("C:\\New.txt"), Mode::Append);
    ASSERT_TRUE(created);
    created.reset();
    EXPECT_EQ(bytesOf(QStringLiteral("New.txt")), QByteArray());
}

TEST_F(SeqFileTest, TwoReadersAtOnce)
{
    putBytes(QStringLiteral("p.ini"), "1\r\n2\r\n");
    auto a = SeqFile::open(drive, QStringLiteral("C:\\p.ini"), Mode::Input);
    auto b = SeqFile::open(drive, QStringLiteral("C:\\p.ini"), Mode::Input);
    ASSERT_TRUE(a);
    ASSERT_TRUE(b);
    EXPECT_EQ(a->inputField(), QStringLiteral("1"));
    EXPECT_EQ(b->inputField(), QStringLiteral("1"));
    EXPECT_EQ(a->inputField(), QStringLiteral("2"));
}

TEST_F(SeqFileTest, FailingOpensReturnNull)
{
    QDir(tmp.path()).mkdir(QStringLiteral("Folder"));
    struct Case { const char* win; Mode mode; };
    const Case cases[] = {
        {"C:\\Missing.ini", Mode::Input},
        {"C:\\NoFolder\\x.ini", Mode::Input},
        {"C:\\NoFolder\\x.ini", Mode::Output},
        {"C:\\NoFolder\\x.ini", Mode::Append},
        {"C:\\Folder", Mode::Input},
        {"C:\\Folder", Mode::Output},
        {"C:\\Folder", Mode::Append},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.win);
        std::unique_ptr<SeqFile> f;
        EXPECT_NO_THROW(f = SeqFile::open(drive, QString::fromLatin1(c.win), c.mode));
        EXPECT_EQ(f, nullptr);
    }
    EXPECT_TRUE(QFileInfo(tmp.path() + QStringLiteral("/Folder")).isDir());
}

TEST_F(SeqFileTest, WrongDirectionFails)
{
    putBytes(QStringLiteral("r.ini"), "1\r\n");
    auto in = SeqFile::open(drive, QStringLiteral("C:\\r.ini"), Mode::Input);
    ASSERT_TRUE(in);
    EXPECT_FALSE(in->printText(QStringLiteral("x")));
    auto out = SeqFile::open(drive, QStringLiteral("C:\\w.ini"), Mode::Output);
    ASSERT_TRUE(out);
    EXPECT_EQ(out->inputField(), std::nullopt);
    EXPECT_EQ(out->lineInput(), std::nullopt);
    EXPECT_EQ(bytesOf(QStringLiteral("r.ini")), QByteArray("1\r\n"));
}

TEST(Cp1252, OneBytePerCharacter)
{
    struct Case { QString text; QByteArray bytes; };
    const Case cases[] = {
        {QStringLiteral("°"), QByteArray("\xB0")},
        {QStringLiteral("é€…"), QByteArray("\xE9\x80\x85")},
        {QStringLiteral("Ω"), QByteArray("?")},                       // outside the code page
        {QString::fromUtf8("\xF0\x9F\x98\x80"), QByteArray("?")},      // one '?' for a pair
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.text.toStdString());
        EXPECT_EQ(toCp1252(c.text), c.bytes);
    }
    QByteArray all;
    for (int b = 0; b < 256; ++b)
        all.append(static_cast<char>(b));
    EXPECT_EQ(toCp1252(fromCp1252(all)), all);    // every byte survives a read and write
    EXPECT_EQ(fromCp1252("\x80\xB0"), QStringLiteral("€°"));
}
