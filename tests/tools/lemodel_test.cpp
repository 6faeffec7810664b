// Covers the simulated LE controller: frame layout, start and stop sequence,
// parameter and wear-counter transfers, command resynchronisation and faults;
// numbered frames, and the simulated line's pace.
#include "line/LineFeed.h"
#include "model/Model.h"
#include "support/Printing.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <map>
#include <utility>
#include <vector>

using le::Fields;
using le::Model;

namespace {

// The 32 fields of a 160-character frame, or nothing when a field is not a
// number (blanks around the digits allowed).
std::optional<Fields> fieldsOf(const QByteArray& frame)
{
    if (frame.size() != le::kStampFrameLength)
        return std::nullopt;
    Fields f{};
    for (int i = 0; i < 32; ++i) {
        bool ok = false;
        f[i] = frame.mid(5 * i, 5).trimmed().toInt(&ok);
        if (!ok)
            return std::nullopt;
    }
    return f;
}

QByteArray command(std::initializer_list<std::pair<int, int>> positions)
{
    Fields c{};
    for (auto [p, v] : positions)
        c[p] = v;
    return le::composeCommand(c);
}

// A model on a fast clock: a frame every 10 ms, one start step per 10 ms,
// a rest of 100 ms.
class LeModel : public ::testing::Test {
protected:
    LeModel() : m(3)
    {
        m.setPeriodMs(10);
        m.setStartScale(0.01);
        m.setRestSeconds(10);
    }

    // Advances one frame period and returns that frame's fields.
    Fields next()
    {
        m.tick(10);
        const auto frame = m.nextFrame();
        EXPECT_TRUE(frame.has_value());
        const auto f = fieldsOf(frame.value_or(QByteArray()));
        EXPECT_TRUE(f.has_value()) << frame.value_or(QByteArray()).constData();
        return f.value_or(Fields{});
    }

    // Frames until `pred` holds for one (that one returned), at most `limit`.
    template <typename Pred>
    Fields until(Pred pred, int limit = 1000)
    {
        for (int i = 0; i < limit; ++i) {
            const Fields f = next();
            if (pred(f))
                return f;
        }
        ADD_FAILURE() << "condition never met";
        return Fields{};
    }

    Model m;
};

TEST_F(LeModel, FrameIsThirtyTwoRightAlignedFieldsWithTheMarker)
{
    Fields values{};
    values[0] = 7;
    values[3] = 255;
    values[31] = 42;
    const QByteArray frame = le::composeFrame(values);
    ASSERT_EQ(frame.size(), 160);
    EXPECT_EQ(frame.mid(0, 5), QByteArray("    7"));
    EXPECT_EQ(frame.mid(15, 5), QByteArray("  255"));
    EXPECT_EQ(frame.mid(155, 5), QByteArray("   42"));
    EXPECT_EQ(frame.mid(5, 5), QByteArray("    0"));

    // The controller's own status frame at rest: a frame only once a period
    // has passed, marker in field 30, bank 0, phase 0, no wear mark.
    m.tick(9);
    EXPECT_FALSE(m.nextFrame());
    m.tick(1);
    const auto frame2 = m.nextFrame();
    ASSERT_TRUE(frame2);
    EXPECT_FALSE(m.nextFrame());
    const auto f = fieldsOf(*frame2);
    ASSERT_TRUE(f);
    for (int v : *f)
        EXPECT_TRUE(v >= 0 && v <= 255);
    EXPECT_EQ((*f)[le::pos::Synchro], 123);
    EXPECT_EQ((*f)[le::pos::Bank], 0);
    EXPECT_EQ((*f)[le::pos::Phase], 0);
    EXPECT_NE((*f)[le::pos::Cooling], le::WearCounterMark);
}

// The soak run's numbered frames: the number reads back from the frame
// le-sim puts on the line, and nothing but that frame, whole, reads as it.
TEST(LeNumberedFrame, ReadsBackOnlyFromTheWholeFrame)
{
    Model m(3);
    m.tick(250);
    const QByteArray plain = *m.nextFrame();
    const QByteArray a = le::numberFrame(plain, 3, 65535), b = le::numberFrame(plain, 3, 0);
    ASSERT_EQ(a.size(), 160);
    // Only the four numbering fields change.
    EXPECT_EQ(a.left(100), plain.left(100));
    EXPECT_EQ(a.mid(120), plain.mid(120));
    const std::optional<le::FrameNumber> n = le::frameNumber(a);
    ASSERT_TRUE(n);
    EXPECT_EQ(n->le, 3);
    EXPECT_EQ(n->seq, 65535);
    EXPECT_EQ(le::frameNumber(b)->seq, 0);

    QByteArray padded = a;
    padded.replace(0, 5, "0    ");
    QByteArray digit = a;
    digit[159] = digit[159] == '1' ? '2' : '1';
    const struct {
        const char* name;
        QByteArray text;
    } refused[] = {
        {"shifted by a field", a.mid(5) + b.left(5)},
        {"cut short", a.left(155)},
        {"one character more", a + ' '},
        {"a field laid out otherwise", padded},
        {"a digit changed", digit},
        {"line noise", QByteArray(160, 'x')},
    };
    for (const auto& r : refused) EXPECT_FALSE(le::frameNumber(r.text)) << r.name;
    EXPECT_EQ(le::numberFrame(QByteArray(160, 'x'), 3, 1), QByteArray(160, 'x'));
}

// Frames dropped while the PC's port is closed never went on the line: once
// it opens, the next frame takes its own time on the line, however many were
// dropped before.
TEST(LeLineFeed, AFrameAfterDroppedOnesTakesOnlyItsOwnTime)
{
    for (const char* name : {"even", "chars", "usb", "mix"}) {
        SCOPED_TRACE(name);
        lesim::LineFeed::Mode mode;
        ASSERT_TRUE(lesim::LineFeed::parse(QString::fromLatin1(name), mode));
        lesim::LineFeed line(mode, 19200, 1);
        const QByteArray frame(160, '7');
        int64_t now = 1'000'000;
        for (int k = 0; k < 100; ++k, now += 1000) {
            line.queue(frame, now);
            line.clear();
        }
        line.queue(frame, now);
        const int64_t frameUs = 160 * 10 * 1'000'000 / 19200;
        QByteArray got;
        for (int64_t t = now; t <= now + frameUs + 2000; t += 500) got += line.take(t);
        EXPECT_EQ(got, frame);
    }
}

TEST_F(LeModel, StartWalksPhasesOneToFiveAtTheStepsOfItsDelays)
{
    struct Case {
        int z1, z2, z3;
        std::vector<std::pair<int, int>> stepPhase;
    };
    const Case cases[] = {
        {50, 20, 15, {{2, 1}, {13, 1}, {14, 2}, {63, 2}, {64, 3}, {84, 3}, {85, 4}, {100, 4}, {101, 5}}},
        {60, 25, 20, {{14, 2}, {73, 2}, {74, 3}, {99, 3}, {100, 4}, {120, 4}, {121, 5}}},
    };
    for (const Case& c : cases) {
        Model model(1);
        model.setPeriodMs(10);
        model.setStartScale(0.01);
        Fields params = le::defaultParameters();
        params[0] = le::BankWriteParam;
        params[18] = c.z1;
        params[19] = c.z2;
        params[20] = c.z3;
        model.receive(le::composeCommand(params));
        model.receive(command({{le::pos::StartStop, le::StartRequest}}));

        std::map<int, int> phaseAtStep;
        std::vector<int> phases;
        for (int i = 0; i < 200; ++i) {
            model.tick(10);
            const auto f = fieldsOf(model.nextFrame().value_or(QByteArray()));
            ASSERT_TRUE(f);
            phaseAtStep[(*f)[le::pos::StartStep]] = (*f)[le::pos::Phase];
            if (phases.empty() || phases.back() != (*f)[le::pos::Phase])
                phases.push_back((*f)[le::pos::Phase]);
        }
        EXPECT_EQ(phases, (std::vector<int>{1, 2, 3, 4, 5})) << "z1=" << c.z1;
        for (auto [step, phase] : c.stepPhase)
            EXPECT_EQ(phaseAtStep[step], phase) << "z1=" << c.z1 << " step " << step;
        EXPECT_EQ(model.startStep(), c.z1 + c.z2 + c.z3 + 16);
    }
}

TEST_F(LeModel, StopRestsInPhaseSixThenIdlesAndTakesTheNextStartAfterTheRest)
{
    m.receive(command({{le::pos::StartStop, le::StartRequest}}));
    until([](const Fields& f) { return f[le::pos::Phase] == 3; });

    m.receive(command({{le::pos::StartStop, le::StopRequest}}));
    Fields f = next();
    EXPECT_EQ(f[le::pos::Phase], 6);
    EXPECT_EQ(f[le::pos::StartStop], le::StopRequest);

    // A start during the rest is held off; the PC's repeated request after
    // the rest starts the LE again.
    m.receive(command({{le::pos::StartStop, le::StartRequest}}));
    EXPECT_EQ(next()[le::pos::Phase], 6);
    f = until([](const Fields& f) { return f[le::pos::Phase] != 6; });
    EXPECT_EQ(f[le::pos::Phase], 0);
    m.receive(command({{le::pos::StartStop, le::StartRequest}}));
    EXPECT_EQ(next()[le::pos::Phase], 1);
}

TEST_F(LeModel, ReadRequestIsAnsweredByTheParameterTableInTheNextFrame)
{
    // The read request travels with the pending start request.
    m.receive(command({{le::pos::Bank, le::BankReadParam}, {le::pos::StartStop, le::StartRequest}}));
    Fields f = next();
    Fields expected = le::defaultParameters();
    expected[0] = le::BankReadParam;
    EXPECT_EQ(f, expected);
    EXPECT_NE(f[le::pos::Synchro], 123);   // parameter 30, so the PC does not answer it

    f = next();
    EXPECT_EQ(f[le::pos::Bank], 0);
    EXPECT_EQ(f[le::pos::Synchro], 123);
    EXPECT_EQ(f[le::pos::Phase], 1);
}

TEST_F(LeModel, WriteStoresTheParametersAndActsOnNoRequest)
{
    Fields written{};
    written[0] = le::BankWriteParam;
    for (int p = 1; p < 32; ++p)
        written[p] = 100 + p;
    written[le::pos::StartStop] = le::StartRequest;   // a clock register here, not a start
    m.receive(le::composeCommand(written));

    EXPECT_EQ(next()[le::pos::Phase], 0);
    m.receive(command({{le::pos::Bank, le::BankReadParam}}));
    Fields expected = written;
    expected[0] = le::BankReadParam;
    EXPECT_EQ(next(), expected);
}

TEST_F(LeModel, WearCounterRequestsAreAnsweredWithTheCounters)
{
    // 125 minutes past 259 four-hour periods: 1038 hours.
    m.setWearMinutes(0, 125 + 240 * 259);
    m.setWearMinutes(1, 0);
    m.setWearMinutes(2, 59);
    auto request = [](int sub) {
        return command({{le::pos::SubCommand, sub}, {le::pos::Cooling, le::SubCommandRequest}});
    };

    m.receive(request(le::ReadCounters));
    Fields f = next();
    EXPECT_EQ(f[le::pos::Cooling], le::WearCounterMark);
    EXPECT_NE(f[le::pos::Bank], le::BankReadParam);
    EXPECT_EQ(f[le::pos::Synchro], 123);
    const std::vector<int> counters(f.begin() + 13, f.begin() + 22);
    EXPECT_EQ(counters, (std::vector<int>{125, 3, 1, 0, 0, 0, 59, 0, 0}));
    EXPECT_NE(next()[le::pos::Cooling], le::WearCounterMark);

    // A reset clears its counter and is confirmed with the counters.
    m.receive(request(le::ResetSLamp));
    f = next();
    EXPECT_EQ(f[le::pos::Cooling], le::WearCounterMark);
    EXPECT_EQ(std::vector<int>(f.begin() + 13, f.begin() + 16), (std::vector<int>{0, 0, 0}));
    EXPECT_EQ(f[19], 59);

    // Neither a freeze nor a sub-command without the request flag gets counters.
    m.receive(request(le::FreezeOn));
    EXPECT_NE(next()[le::pos::Cooling], le::WearCounterMark);
    m.receive(command({{le::pos::SubCommand, le::ReadCounters}}));
    EXPECT_NE(next()[le::pos::Cooling], le::WearCounterMark);
}

TEST_F(LeModel, RequestsAreEchoedWhereTheControllerReportsThem)
{
    // Relays, motor speed and the hardware-test cooling choice at idle; the
    // set-point is taken only in phase 5.
    m.receive(command({{le::pos::RelayQTH, 1}, {le::pos::RelayAlarm, 1}, {le::pos::Vmot, 100},
                       {le::pos::Power, 77}, {le::pos::Cooling, 1}}));
    Fields f = next();
    EXPECT_EQ(f[le::pos::RelayQTH], 1);
    EXPECT_EQ(f[le::pos::QthState], 1);
    EXPECT_EQ(f[le::pos::RelayAlarm], 1);
    EXPECT_EQ(f[le::pos::Vmot], 100);
    EXPECT_EQ(f[le::pos::TachyM], 100);
    EXPECT_GT(f[le::pos::TachyV1], 0);
    EXPECT_EQ(f[le::pos::Cooling], 1);
    EXPECT_NE(f[le::pos::Power], 77);

    m.receive(command({{le::pos::StartStop, le::StartRequest}}));
    until([](const Fields& f) { return f[le::pos::Phase] == 5; });
    m.receive(command({{le::pos::StartStop, le::StartRequest}, {le::pos::Power, 77}}));
    EXPECT_EQ(next()[le::pos::Power], 77);
}

TEST(LeCommandStream, ResynchronisesOnCrLfAfterALostOrAddedByte)
{
    Fields a{}, b{};
    a[2] = 1;
    b[2] = 2;
    b[5] = 13;   // CR LF inside the data of a well-aligned frame is data
    b[6] = 10;
    const QByteArray fa = le::composeCommand(a), fb = le::composeCommand(b);
    QByteArray lostByte = fa;
    lostByte.remove(10, 1);
    QByteArray addedByte = fa;
    addedByte.insert(10, 'x');

    struct Case {
        const char* name;
        std::vector<QByteArray> chunks;
        std::vector<Fields> expected;
    };
    const Case cases[] = {
        {"split reads", {fa.left(5), fa.mid(5, 28), fa.mid(33) + fb}, {a, b}},
        {"lost byte", {lostByte + fb + fa}, {b, a}},
        {"added byte", {addedByte, fb}, {b}},
        {"noise before", {QByteArray("\x01\x02\x03", 3) + fb + fa}, {a}},
        {"lost byte then CR LF in data", {lostByte, fb.left(20), fb.mid(20) + fa}, {b, a}},
    };
    for (const Case& c : cases) {
        Model model(1);
        for (const QByteArray& chunk : c.chunks)
            model.receive(chunk);
        EXPECT_EQ(model.receivedFrames(), c.expected) << c.name;
    }
    EXPECT_FALSE(le::parseCommand(fa.left(33)));
    EXPECT_FALSE(le::parseCommand(fa.left(32) + "\n\r"));
    EXPECT_EQ(le::parseCommand(fb), b);
}

TEST_F(LeModel, FaultsShowOnTheLine)
{
    // Silence: nothing on the line, while the controller keeps running.
    m.receive(command({{le::pos::StartStop, le::StartRequest}}));
    m.silence(true);
    for (int i = 0; i < 20; ++i) {
        m.tick(10);
        EXPECT_FALSE(m.nextFrame());
    }
    m.silence(false);
    EXPECT_EQ(next()[le::pos::StartStep], 22);

    // Garbage: every n-th frame is not a frame; a read-back due in its slot
    // goes out in the next one.
    m.setGarbageEvery(3);
    m.garbage(true);
    next();   // the second frame since the start
    m.receive(command({{le::pos::Bank, le::BankReadParam}}));
    std::vector<int> banks;   // -1 for a frame that does not parse
    for (int i = 0; i < 5; ++i) {
        m.tick(10);
        const auto f = fieldsOf(m.nextFrame().value_or(QByteArray()));
        banks.push_back(f ? (*f)[le::pos::Bank] : -1);
    }
    m.garbage(false);
    EXPECT_EQ(banks, (std::vector<int>{-1, le::BankReadParam, 0, -1, 0}));

    // Unmarked: every n-th status frame lacks the marker; the others keep it.
    m.unmarked(true);
    std::vector<int> markers;
    for (int i = 0; i < 3; ++i)
        markers.push_back(next()[le::pos::Synchro]);
    m.unmarked(false);
    EXPECT_EQ(std::count(markers.begin(), markers.end(), 0), 1);
    EXPECT_EQ(std::count(markers.begin(), markers.end(), le::kSynchroMarker), 2);

    // A dropped character shortens only the next frame.
    m.dropCharacter(true);
    m.tick(10);
    EXPECT_EQ(m.nextFrame().value_or(QByteArray()).size(), 159);
    m.tick(10);
    EXPECT_EQ(m.nextFrame().value_or(QByteArray()).size(), 160);

    m.setErrorCode(5);
    m.setTemperatures(61, 255);
    m.setSpeeds(10, 20, 30);
    const Fields f = next();
    EXPECT_EQ(f[le::pos::ErrorCode], 5);
    EXPECT_EQ(f[le::pos::TempMAT], 61);
    EXPECT_EQ(f[le::pos::TempSHT], 255);
    EXPECT_EQ((std::vector<int>{f[27], f[28], f[29]}), (std::vector<int>{10, 20, 30}));
}

} // namespace
