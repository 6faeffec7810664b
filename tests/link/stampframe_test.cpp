// Parse of the LE's 160-character frame: field syntax, range, the all-or-nothing
// result with the first bad field, the kind and the marker.
#include "link/StampFrame.h"
#include "model/Frames.h"
#include "support/Printing.h"

#include <gtest/gtest.h>

using namespace orv;

namespace {

le::Fields restFields()
{
    le::Fields f{};
    for (int i = 0; i < 32; ++i) f[i] = (i * 7) % 200;
    f[0] = 0;
    f[30] = 123;
    f[31] = 0;
    return f;
}

QByteArray withField(QByteArray frame, int i, const char* five)
{
    frame.replace(i * 5, 5, QByteArray(five, 5));
    return frame;
}

} // namespace

TEST(StampFrame, FieldSyntax)
{
    struct Case { const char* text; std::optional<int> value; };
    const Case cases[] = {
        {"00255", 255}, {"  255", 255}, {"255  ", 255}, {" 255 ", 255}, {"00000", 0}, {"    7", 7},
        {"99999", 99999},
        {"     ", std::nullopt}, {"abcde", std::nullopt}, {"2 55 ", std::nullopt}, {"-0001", std::nullopt},
        {"+0001", std::nullopt}, {"1.5  ", std::nullopt}, {"0x1F ", std::nullopt}, {"1e2  ", std::nullopt},
        {"\t0012", std::nullopt}, {"12\r\n ", std::nullopt},
    };
    for (const Case& c : cases)
        EXPECT_EQ(stampFieldValue(QByteArray(c.text, 5)), c.value) << '"' << c.text << '"';
    EXPECT_EQ(stampFieldValue(QByteArray()), std::nullopt);
}

TEST(StampFrame, GoodFrameGivesAllFieldsKindAndMarker)
{
    const le::Fields f = restFields();
    const FrameParse r = parseStampFrame(le::composeFrame(f));
    ASSERT_TRUE(r.frame);
    for (int i = 0; i < 32; ++i) EXPECT_EQ((*r.frame)[i], f[i]) << i;
    EXPECT_EQ(r.frame->kind, FrameKind::Status);
    EXPECT_TRUE(r.frame->marker);

    le::Fields g = f;
    g[30] = 122;
    EXPECT_FALSE(parseStampFrame(le::composeFrame(g)).frame->marker);
}

TEST(StampFrame, KindByFields0And31)
{
    struct Case { int f0, f31; FrameKind kind; };
    const Case cases[] = {
        {0, 0, FrameKind::Status},        {1, 3, FrameKind::Status},
        {0, 5, FrameKind::WearCounter},   {1, 5, FrameKind::WearCounter},
        {2, 0, FrameKind::ParamReadBack}, {2, 5, FrameKind::ParamReadBack},   // field 31 is parameter 31 there
    };
    for (const Case& c : cases) {
        le::Fields f = restFields();
        f[0] = c.f0;
        f[31] = c.f31;
        const FrameParse r = parseStampFrame(le::composeFrame(f));
        ASSERT_TRUE(r.frame);
        EXPECT_EQ(r.frame->kind, c.kind) << c.f0 << "," << c.f31;
    }
}

TEST(StampFrame, BadFrameIsRejectedWithItsFirstBadField)
{
    const QByteArray good = le::composeFrame(restFields());
    struct Case { QByteArray chars; int badField; FieldError error; };
    const Case cases[] = {
        {withField(good, 7, "abcde"), 7, FieldError::NotANumber},
        {withField(good, 4, "00256"), 4, FieldError::OutOfRange},
        {withField(good, 12, "00300"), 12, FieldError::OutOfRange},
        {withField(withField(good, 3, "99999"), 2, "x    "), 2, FieldError::NotANumber},
        {withField(good, 0, "     "), 0, FieldError::NotANumber},
        {good.left(150), 30, FieldError::NotANumber},
        {withField(good, 31, "  123").left(158), 31, FieldError::NotANumber},   // "  1": cut, not a whole field
        {QByteArray(), 0, FieldError::NotANumber},
        {QByteArray(160, '\0'), 0, FieldError::NotANumber},
    };
    for (const Case& c : cases) {
        const FrameParse r = parseStampFrame(c.chars);
        EXPECT_FALSE(r.frame) << c.chars.toStdString();
        EXPECT_EQ(r.badField, c.badField) << c.chars.toStdString();
        EXPECT_EQ(r.error, c.error) << c.chars.toStdString();
    }
}
