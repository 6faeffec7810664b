// Number and text conversions: Str, CStr, print form, Val, CDbl, rounding,
// the regional clock texts and the 1-based string functions.
#include "platform/VbText.h"
#include "support/Printing.h"

#include <gtest/gtest.h>
#include <cmath>
#include <limits>

using namespace plat;

namespace {

// Restores the "." separator whatever a test did.
struct SeparatorGuard {
    ~SeparatorGuard() { setDecimalSeparator(QStringLiteral(".")); }
};

} // namespace

TEST(VbText, NumberTexts)
{
    struct Case { double v; const char* str; const char* cstr; const char* print; };
    const Case cases[] = {
        {50, " 50", "50", " 50 "},
        {-120, "-120", "-120", "-120 "},
        {0, " 0", "0", " 0 "},
        {-0.0, " 0", "0", " 0 "},
        {0.5, " .5", "0.5", " .5 "},
        {-0.5, "-.5", "-0.5", "-.5 "},
        {-1.5, "-1.5", "-1.5", "-1.5 "},
        {1.57, " 1.57", "1.57", " 1.57 "},
        {0.1 + 0.2, " .3", "0.3", " .3 "},                 // 15 significant digits
        {1.0 / 3, " .333333333333333", "0.333333333333333", " .333333333333333 "},
        {123456789012345, " 123456789012345", "123456789012345", " 123456789012345 "},
        {1e15, " 1E+15", "1E+15", " 1E+15 "},
        {0.0001, " .0001", "0.0001", " .0001 "},
        {0.00001, " 1E-05", "1E-05", " 1E-05 "},
        {2.50, " 2.5", "2.5", " 2.5 "},                     // no trailing zeros
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.str);
        EXPECT_EQ(vbStr(c.v), QString::fromLatin1(c.str));
        EXPECT_EQ(vbCStr(c.v), QString::fromLatin1(c.cstr));
        EXPECT_EQ(printForm(c.v), QString::fromLatin1(c.print));
    }
}

TEST(VbText, DecimalSeparatorFollowsTheSystemExceptInStr)
{
    SeparatorGuard guard;
    EXPECT_EQ(decimalSeparator(), QStringLiteral("."));
    setDecimalSeparator(QStringLiteral(","));
    EXPECT_EQ(vbCStr(1.57), QStringLiteral("1,57"));
    EXPECT_EQ(printForm(-2.5), QStringLiteral("-2,5 "));
    EXPECT_EQ(vbStr(1.57), QStringLiteral(" 1.57"));      // Str keeps the point
    EXPECT_EQ(toDouble(QStringLiteral("1,5")), 1.5);
    EXPECT_EQ(toDouble(QStringLiteral("1.5")), 1.5);
    EXPECT_EQ(vbVal(QStringLiteral("1,5")), 1);           // Val knows only the point
}

TEST(VbText, Val)
{
    struct Case { const char* in; double out; };
    const Case cases[] = {
        {" 50 ", 50}, {"12abc", 12}, {"1e3", 1000}, {"1E-2", 0.01}, {"-1.5", -1.5},
        {".5", 0.5}, {"+7", 7}, {"1 2 3", 123}, {"\t42", 42}, {"1.2.3", 1.2},
        {"1e", 1}, {"1e+", 1}, {"2d2", 200}, {"abc", 0}, {"", 0}, {"---", 0},
        {"-", 0}, {".", 0}, {"1,5", 1}, {"1e999", 0},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.in);
        EXPECT_DOUBLE_EQ(vbVal(QString::fromLatin1(c.in)), c.out);
    }
}

TEST(VbText, ToDoubleTakesOnlyWholeNumbers)
{
    struct Case { const char* in; std::optional<double> out; };
    const Case cases[] = {
        {"1.5", 1.5}, {"  -3 ", -3.0}, {"1e3", 1000.0}, {".25", 0.25}, {"7.", 7.0},
        {"", std::nullopt}, {"  ", std::nullopt}, {"abc", std::nullopt},
        {"12abc", std::nullopt}, {"1 2", std::nullopt}, {"1,5", std::nullopt},
        {"1e999", std::nullopt},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.in);
        EXPECT_EQ(toDouble(QString::fromLatin1(c.in)), c.out);
    }
}

TEST(VbText, RoundingHalfToEvenAndRanges)
{
    struct Case { double v; std::optional<int64_t> r; };
    const Case cases[] = {
        {0.5, 0}, {1.5, 2}, {2.5, 2}, {3.5, 4}, {-0.5, 0}, {-1.5, -2}, {-2.5, -2},
        {2.4999, 2}, {2.5001, 3}, {-2.6, -3}, {1e300, std::nullopt},
        {std::nan(""), std::nullopt}, {std::numeric_limits<double>::infinity(), std::nullopt},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.v);
        EXPECT_EQ(vbRound(c.v), c.r);
    }
    EXPECT_EQ(toByte(255.4), std::optional<uint8_t>(255));
    EXPECT_EQ(toByte(-0.5), std::optional<uint8_t>(0));
    EXPECT_EQ(toByte(255.5), std::nullopt);
    EXPECT_EQ(toByte(-1), std::nullopt);
    EXPECT_EQ(toInt16(-32768), std::optional<int16_t>(-32768));
    EXPECT_EQ(toInt16(32767.5), std::nullopt);
    EXPECT_EQ(toInt16(-32768.6), std::nullopt);
}

TEST(VbText, ClockTexts)
{
    const QDateTime t(QDate(2026, 12, 8), QTime(7, 5, 3));
    EXPECT_EQ(timeText(t), QStringLiteral("07:05:03"));
    EXPECT_EQ(dateText(t), QStringLiteral("08/12/2026"));
    EXPECT_EQ(timeText(QDateTime(QDate(2026, 1, 1), QTime(23, 59, 59))), QStringLiteral("23:59:59"));
}

TEST(VbText, StringFunctionsAreTotal)
{
    const QString s = QStringLiteral("08/12/2026");
    struct Case { QString got; const char* want; };
    const Case cases[] = {
        {mid(s, 1, 2), "08"}, {mid(s, 4, 2), "12"}, {mid(s, 7), "2026"}, {mid(s, 7, 99), "2026"},
        {mid(s, 11), ""}, {mid(s, 0, 2), "08"}, {mid(s, 3, 0), ""},
        {left(s, 2), "08"}, {left(s, 0), ""}, {left(s, -1), ""}, {left(s, 50), "08/12/2026"},
        {right(s, 4), "2026"}, {right(s, 0), ""}, {right(s, 50), "08/12/2026"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(c.got, QString::fromLatin1(c.want));
}
