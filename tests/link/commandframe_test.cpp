// The command frame as pure bytes: which positions carry the requests and
// which echo the LE, the set-point only in phase 5, the bank request only to
// the selected LE, the parameter-write frame, and values that cannot be sent.
#include "support/Printing.h"
#include "link/CommandFrame.h"

#include <gtest/gtest.h>
#include <vector>

using namespace orv;

namespace {

// The LE's last frame: position k holds 100 + k, except the marker.
IORow lastFrame()
{
    IORow row{};
    for (int k = 0; k < 32; ++k)
        row[k] = 100 + k;
    row[30] = 123;
    return row;
}

// Every request set to a value of its own.
PcRequests requests(bool selected, int bank, int phase)
{
    PcRequests r;
    r.selected = selected;
    r.selectionBank = bank;
    r.phase = phase;
    r.startStopPC = 1;
    r.consignePW = 77;
    r.relayQTH = 1;
    r.relayAlarm = 1;
    r.subCommand = 5;
    r.vmot = 133;
    r.enableCooling = 4;
    return r;
}

QByteArray bytes(const std::vector<int>& values)
{
    QByteArray b;
    for (int v : values)
        b += char(uint8_t(v));
    return b + "\r\n";
}

struct FrameCase {
    const char* name;
    bool selected;
    int bank;
    int phase;
    std::vector<int> expected;   // positions 0-31
};

} // namespace

TEST(CommandFrame, RequestsOverwriteTheirPositionsAndTheRestEchoes)
{
    const std::vector<FrameCase> cases = {
        {"idle, not selected: own bank and power echoed",
         false, 2, 0,
         {100, 101, 1, 103, 104, 105, 1, 107, 1, 109, 110, 111, 5, 113, 114, 115,
          116, 117, 118, 119, 120, 121, 122, 123, 133, 125, 126, 127, 128, 129, 123, 4}},
        {"running, not selected: the set-point goes out",
         false, 2, 5,
         {100, 101, 1, 103, 77, 105, 1, 107, 1, 109, 110, 111, 5, 113, 114, 115,
          116, 117, 118, 119, 120, 121, 122, 123, 133, 125, 126, 127, 128, 129, 123, 4}},
        {"running, selected with a read request",
         true, 2, 5,
         {2, 101, 1, 103, 77, 105, 1, 107, 1, 109, 110, 111, 5, 113, 114, 115,
          116, 117, 118, 119, 120, 121, 122, 123, 133, 125, 126, 127, 128, 129, 123, 4}},
        {"selected with no bank request gets 0",
         true, 0, 4,
         {0, 101, 1, 103, 104, 105, 1, 107, 1, 109, 110, 111, 5, 113, 114, 115,
          116, 117, 118, 119, 120, 121, 122, 123, 133, 125, 126, 127, 128, 129, 123, 4}},
        {"selected in the rest phase with a write request (bank only)",
         true, 1, 6,
         {1, 101, 1, 103, 104, 105, 1, 107, 1, 109, 110, 111, 5, 113, 114, 115,
          116, 117, 118, 119, 120, 121, 122, 123, 133, 125, 126, 127, 128, 129, 123, 4}},
    };
    for (const FrameCase& c : cases) {
        SCOPED_TRACE(c.name);
        IORow row = lastFrame();
        applyRequests(row, requests(c.selected, c.bank, c.phase));
        EXPECT_EQ(encodeCommandFrame(row), bytes(c.expected));
    }
}

TEST(CommandFrame, SetPointOnlyInPhaseFive)
{
    for (int phase = 0; phase <= 6; ++phase) {
        SCOPED_TRACE(phase);
        IORow row = lastFrame();
        applyRequests(row, requests(false, 0, phase));
        EXPECT_EQ(row[4], phase == 5 ? 77 : 104);
    }
}

TEST(CommandFrame, ParameterWriteReplacesPositionsOneToThirtyOne)
{
    IORow row = lastFrame();
    applyRequests(row, requests(true, 1, 5));
    std::array<int, 32> params{};
    for (int p = 0; p < 32; ++p)
        params[p] = 200 + p - 32 * (p > 20);   // parameter 0 is never sent
    applyParameterWrite(row, params);

    std::vector<int> expected{1};
    for (int p = 1; p < 32; ++p)
        expected.push_back(params[p]);
    EXPECT_EQ(encodeCommandFrame(row), bytes(expected));
    // The request positions and the marker hold parameters in this frame.
    EXPECT_EQ(row[2], 202);
    EXPECT_EQ(row[30], 198);
}

TEST(CommandFrame, WorkingCopyTextsToValues)
{
    const struct {
        const char* text;
        int value;
    } cases[] = {
        {"50", 50}, {"", -1}, {"abc", -1}, {" 7 ", 7}, {"12abc", -1}, {"2.5", 2}, {"3.5", 4},
        {"255", 255}, {"300", 300}, {"-4", -1}, {"1e9", -1}, {"   ", -1}, {"050", 50},
        {"99999999999999999999", -1},
    };
    for (const auto& c : cases)
        EXPECT_EQ(paramValue(QString::fromLatin1(c.text)), c.value) << c.text;
    EXPECT_EQ(paramValue(QString(400, QLatin1Char('9'))), -1);   // overflows a double
}

TEST(CommandFrame, PositionOutsideAByteCannotBeEncoded)
{
    for (int bad : {-1, 256, 1000}) {
        for (int pos : {0, 17, 31}) {
            IORow row = lastFrame();
            row[pos] = bad;
            EXPECT_FALSE(encodeCommandFrame(row)) << "position " << pos << " = " << bad;
        }
    }
    // Columns past 31 are not part of the frame.
    IORow row = lastFrame();
    row[32] = 9999;
    ASSERT_TRUE(encodeCommandFrame(row));
    EXPECT_EQ(encodeCommandFrame(row)->size(), 34);
}
