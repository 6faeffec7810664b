// Finding an LE's frames on its line: lines that lose, gain or pick up
// characters, ports that open in the middle of a frame, and lines in step
// that must never be shifted, read 160 characters at a time as the port does.
#include "link/FrameSync.h"
#include "model/Frames.h"
#include "support/Printing.h"

#include <gtest/gtest.h>
#include <algorithm>
#include <functional>
#include <vector>

using namespace orv;

namespace {

// Frame n of an LE: every field a valid number that changes with n (some of
// them 123 now and then), n in fields 20 and 21, the marker in field 30.
le::Fields fieldsOf(int n, int marker = SynchroMarker)
{
    le::Fields f;
    for (int i = 0; i < 32; ++i) f[size_t(i)] = (37 * i + 11 + 7 * n) % 256;
    f[0] = 0;
    f[20] = n / 256;
    f[21] = n % 256;
    f[30] = marker;
    f[31] = 0;
    return f;
}

QByteArray text(const le::Fields& f, bool zeros)
{
    QByteArray t = le::composeFrame(f);
    if (zeros) t.replace(' ', '0');
    return t;
}

struct Line {
    QByteArray chars;                  // everything that reaches the port
    std::vector<le::Fields> frames;    // frame n's fields
};

// What the intake did with a line read as a port reads it: one read per
// receive event, raised while at least 160 characters wait.
struct Outcome {
    std::vector<int> taken;   // frame numbers handed out, -1 for fields no frame had
    int losses = 0;
};

Outcome run(const Line& line, int openAt = 0)
{
    FrameSync sync;
    sync.opened();
    Outcome out;
    int pos = openAt;
    auto identify = [&](const StampFrame& f) {
        for (size_t n = 0; n < line.frames.size(); ++n) {
            bool same = true;
            for (int i = 0; i < 32 && same; ++i) same = f[i] == line.frames[n][size_t(i)];
            if (same) return int(n);
        }
        return -1;
    };
    while (int(line.chars.size()) - pos >= StampFrameLength) {
        const QByteArray read = line.chars.mid(pos, sync.wanted());
        pos += int(read.size());
        const FrameSync::Taken t = sync.take(read);
        if (t.lostStep) ++out.losses;
        if (t.earlier) out.taken.push_back(identify(*t.earlier));
        if (t.frame) out.taken.push_back(identify(*t.frame));
    }
    return out;
}

// Frames 0..count-1 back to back; `change` may alter frame n as it goes on
// the line (cut it, lengthen it, put characters before it).
Line makeLine(int count, bool zeros, const std::function<QByteArray(int, QByteArray)>& change = {},
              const std::function<le::Fields(int)>& fields = {})
{
    Line line;
    for (int n = 0; n < count; ++n) {
        const le::Fields f = fields ? fields(n) : fieldsOf(n);
        const QByteArray whole = text(f, zeros);
        const QByteArray sent = change ? change(n, whole) : whole;
        line.frames.push_back(f);
        line.chars += sent;
    }
    return line;
}

// Of the frames first..end-1, all are taken, in order.
void expectTaken(const Outcome& o, int first, int end)
{
    std::vector<int> got;
    for (int n : o.taken)
        if (n >= first && n < end) got.push_back(n);
    std::vector<int> want;
    for (int n = first; n < end; ++n) want.push_back(n);
    EXPECT_EQ(got, want);
}

} // namespace

TEST(FrameSync, SlippedLinesFindTheirFramesAgainWithinAFewFrames)
{
    constexpr int Count = 40, Fault = 10;
    struct Case {
        const char* name;
        bool zeros;
        std::function<QByteArray(int, QByteArray)> change;
        int backBy;   // the frame from which every frame is taken again
    };
    auto at = [](std::function<QByteArray(QByteArray)> f) {
        return [f](int n, QByteArray t) { return n == Fault ? f(t) : t; };
    };
    const QByteArray strays("\x01\x93\x13\xff\x11\x85\x02\x9a\x1f\x80\x05\xc0\x13\x11\x7f\x90\x03\xaa\x06\x81\x1b\xee\x04", 23);
    const std::vector<Case> cases{
        {"one character short, digits", true, at([](QByteArray t) { return t.remove(80, 1); }), Fault + 2},
        {"one character short at its end", true, at([](QByteArray t) { return t.left(159); }), Fault + 2},
        {"one character too many, digits", true, at([](QByteArray t) { return t.insert(80, '0'); }), Fault + 2},
        {"one character too many, blanks", false, at([](QByteArray t) { return t.insert(0, '7'); }), Fault + 2},
        {"23 stray bytes before a frame", true, at([&](QByteArray t) { return strays + t; }), Fault + 2},
        {"23 stray bytes, blanks", false, at([&](QByteArray t) { return strays + t; }), Fault + 2},
        {"XOFF in place of a digit, swallowed", true, at([](QByteArray t) { return t.remove(42, 1); }), Fault + 2},
        {"a whole field lost", true, at([](QByteArray t) { return t.remove(50, 5); }), Fault + 4},
        {"three whole fields more", true, at([](QByteArray t) { return t.insert(0, t.left(15)); }), Fault + 4},
        {"half a frame lost (an LE that restarts)", true, at([](QByteArray t) { return t.left(75); }), Fault + 2},
        {"ninety-nine characters of noise", true, at([](QByteArray t) { return QByteArray(99, 'x') + t; }),
         Fault + 2},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        const Line line = makeLine(Count, c.zeros, c.change);
        const Outcome o = run(line);
        // Nothing but whole frames as they were sent, and each only once.
        for (size_t i = 0; i < o.taken.size(); ++i) {
            EXPECT_GE(o.taken[i], 0) << "block " << i << " is no frame that was sent";
            if (i > 0) EXPECT_GT(o.taken[i], o.taken[i - 1]);
        }
        expectTaken(o, 0, Fault);
        expectTaken(o, c.backBy, Count);
        EXPECT_LE(o.losses, 1);
    }
}

TEST(FrameSync, ALineThatLosesStepIsToldOnceAndOnlyThen)
{
    // Digits: one lost character leaves no block that parses until the
    // boundary is found again.
    const Line cut = makeLine(20, true, [](int n, QByteArray t) { return n == 5 ? t.remove(3, 1) : t; });
    const Outcome o = run(cut);
    EXPECT_EQ(o.losses, 1);
    // Blanks: a shift by one or two characters still reads every field as it
    // was sent, so nothing is lost and nothing is told.
    const Line shifted = makeLine(20, false, [](int n, QByteArray t) { return n == 5 ? t.remove(0, 1) : t; });
    const Outcome s = run(shifted);
    EXPECT_EQ(s.losses, 0);
    for (int n : s.taken) EXPECT_GE(n, 0);
}

TEST(FrameSync, APortOpenedInTheMiddleOfAFrameTakesNothingBeforeTheBoundary)
{
    for (bool zeros : {true, false}) {
        for (int offset : {0, 1, 2, 3, 5, 37, 80, 150, 155, 159, 160, 161, 319}) {
            SCOPED_TRACE(testing::Message() << (zeros ? "digits" : "blanks") << ", opened at " << offset);
            const Line line = makeLine(12, zeros);
            const Outcome o = run(line, offset);
            EXPECT_EQ(o.losses, 0);
            // Blanks before the digits: a frame read from its second or third
            // character reads as itself.
            const int slack = zeros ? 0 : 2;
            const int first = (std::max(0, offset - slack) + StampFrameLength - 1) / StampFrameLength;
            // Read from its second character on, the last frame waits for
            // one character of a frame not sent.
            expectTaken(o, first + 1, zeros || offset % StampFrameLength == 0 ? 12 : 11);
            for (int n : o.taken) EXPECT_GE(n, first);
        }
    }
}

TEST(FrameSync, WholeFramesWithoutTheMarkerAreTakenAsTheyCome)
{
    struct Case {
        const char* name;
        std::function<le::Fields(int)> fields;
    };
    const std::vector<Case> cases{
        // A parameter read-back: field 30 holds parameter 30, and a
        // parameter of 123 sits a whole number of fields from field 30.
        {"read-back", [](int n) {
             le::Fields f = fieldsOf(n);
             if (n == 6) {
                 for (int i = 0; i < 32; ++i) f[size_t(i)] = 10 + i;
                 f[0] = BankReadParam;
                 f[30] = 50;
                 f[12] = 123;
             }
             return f;
         }},
        {"every fifth frame unmarked", [](int n) { return fieldsOf(n, n % 5 == 4 ? 0 : SynchroMarker); }},
        {"an unmarked frame with 123 in a field", [](int n) {
             le::Fields f = fieldsOf(n, n == 6 ? 0 : SynchroMarker);
             f[26] = 123;
             return f;
         }},
    };
    for (bool zeros : {true, false}) {
        for (const Case& c : cases) {
            SCOPED_TRACE(testing::Message() << c.name << (zeros ? ", digits" : ", blanks"));
            // The last frame is marked: an unmarked one is handed out with
            // the frame after it.
            const Line line = makeLine(17, zeros, {}, c.fields);
            const Outcome o = run(line);
            EXPECT_EQ(o.losses, 0);
            expectTaken(o, 0, 17);
        }
    }
}

TEST(FrameSync, ALineWithoutAnyMarkerHasItsBlocksTakenFromItsSecondBlock)
{
    const Line line = makeLine(8, true, {}, [](int n) {
        le::Fields f = fieldsOf(n, 0);
        for (int& v : f) v = v == SynchroMarker ? 124 : v;
        return f;
    });
    const Outcome o = run(line);
    EXPECT_EQ(o.losses, 0);
    expectTaken(o, 1, 8);
    ASSERT_FALSE(o.taken.empty());
    EXPECT_EQ(o.taken.front(), 1);
}

TEST(FrameSync, ReadsAfterTheBoundaryTakeWhatCompletesTheFrame)
{
    FrameSync sync;
    sync.opened();
    QByteArray line = text(fieldsOf(1), true).right(100);   // opened 60 characters into frame 1
    for (int n = 2; n <= 5; ++n) line += text(fieldsOf(n), true);
    EXPECT_FALSE(sync.take(line.left(160)).frame);
    EXPECT_FALSE(sync.take(line.mid(160, 160)).frame);   // frame 2 alone
    const FrameSync::Taken t = sync.take(line.mid(320, 160));   // frames 2 and 3 running
    ASSERT_TRUE(t.frame);
    EXPECT_EQ((*t.frame)[21], 3);
    EXPECT_FALSE(t.lostStep);
    EXPECT_TRUE(sync.inStep());
    EXPECT_EQ(sync.wanted(), 100);   // 60 of frame 4 read
    const FrameSync::Taken u = sync.take(line.mid(480, 100));
    ASSERT_TRUE(u.frame);
    EXPECT_EQ((*u.frame)[21], 4);
    EXPECT_EQ(sync.wanted(), 160);
    const FrameSync::Taken v = sync.take(line.mid(580, 160));
    ASSERT_TRUE(v.frame);
    EXPECT_EQ((*v.frame)[21], 5);
    // A port that opens again starts afresh; a first read at a frame
    // boundary is in step at once.
    sync.opened();
    EXPECT_FALSE(sync.inStep());
    EXPECT_EQ(sync.wanted(), 160);
    const FrameSync::Taken w = sync.take(text(fieldsOf(9), true));
    ASSERT_TRUE(w.frame);
    EXPECT_TRUE(sync.inStep());
}

TEST(FrameSync, LatestMarkedFrame)
{
    const QByteArray d1 = text(fieldsOf(1), true), d2 = text(fieldsOf(2), true);
    const QByteArray b1 = text(fieldsOf(1), false), b2 = text(fieldsOf(2), false);
    struct Case {
        const char* name;
        QByteArray window;
        int from;
        int want;
    };
    const std::vector<Case> cases{
        {"one frame", d1, 0, 0},
        {"two frames: the later", d1 + d2, 0, 160},
        {"a frame after noise", QByteArray(37, '#') + d1, 0, 37},
        {"a frame cut short", d1.left(159), 0, -1},
        {"the latest whole one", QByteArray(10, '#') + d1 + d2.left(150), 0, 10},
        {"blanks: the first of the places it reads from", b1 + b2.left(2), 0, 0},
        {"only the frame taken already", d1 + QByteArray(20, '#'), 1, -1},
        {"blanks: that frame read one further on", b1 + b2.left(3), 1, 0},
        {"nothing marked", text(fieldsOf(1, 0), true) + text(fieldsOf(2, 0), true), 0, -1},
    };
    for (const Case& c : cases) EXPECT_EQ(latestMarkedFrame(c.window, c.from), c.want) << c.name;
}
