// The transmit routine of the eight LEs on virtual time and in-memory lines:
// one answer per marked frame at the next tick, none to an unmarked frame,
// the bank request to the selected LE only and once, the parameter write and
// its binding, and a frame the port does not take is not reported as sent.
#include "link/LeInstances.h"
#include "link/LinkState.h"
#include "link/LogLink.h"
#include "model/Frames.h"
#include "parameters/FadecParameters.h"
#include "shell/LinkRequest.h"
#include "shell/LinkStatus.h"
#include "shell/Log.h"
#include "shell/RunShared.h"
#include "shell/State.h"
#include "support/FakeLE.h"
#include "support/ProgramFixture.h"

#include <vector>

using namespace orv;

namespace {

// The LE's last frame: status at rest with some echo-only fields of its own.
le::Fields lastFrame(int phase = 0)
{
    le::Fields f = FakeLE::statusFields(phase);
    f[0] = 1;   // its own bank field, echoed to every LE but the selected one
    f[3] = 33;
    f[5] = 55;
    f[19] = 91;
    f[23] = 95;
    f[26] = 157;
    f[31] = 3;
    return f;
}

// The answer to lastFrame() when no request is pending.
QByteArray plainAnswer(int position0, int phase = 0)
{
    QByteArray b;
    const le::Fields f = lastFrame(phase);
    for (int k = 0; k < 32; ++k)
        b += char(f[k]);
    b[0] = char(position0);
    for (int k : {2, 6, 8, 12, 24, 31})
        b[k] = 0;
    return b + "\r\n";
}

class TransmitTest : public ProgramTest {
protected:
    Log* log = nullptr;
    State* s = nullptr;

    void SetUp() override
    {
        ProgramTest::SetUp();
        startUp();
        log = &prog->Log.get();
        s = &prog->s;
        // LE index i on in-memory line i + 1, opened by the port activation.
        for (int le = 0; le < 8; ++le) {
            s->link->ComPortNumber[le] = QString::number(le + 1);
            s->link->ComPortEnabled[le] = QStringLiteral("1");
        }
        log->link->ActivationCOM();
        s->common->SelectedLE = 1;
    }

    void receive(int le, const le::Fields& f)
    {
        ASSERT_TRUE(t.ports.inject(le + 1, le::composeFrame(f)));
        t.time.runPending();
    }
    // Writes to LE index le's line since the last call, one entry per write.
    std::vector<QByteArray> sent(int le)
    {
        std::vector<QByteArray> out;
        const auto& frames = t.ports.frames(le + 1);
        for (size_t i = taken_[le]; i < frames.size(); ++i)
            out.push_back(frames[i].bytes);
        taken_[le] = frames.size();
        return out;
    }
    plat::FormTimer& txTimer(int le) { return (*log).*leInstance(le).txTimer; }
    plat::FormTimer& resetTimer(int le) { return (*log).*leInstance(le).resetTimer; }
    FadecParameters& params() { return *prog->form<FadecParameters>(); }
    void setWorkingCopy(const std::array<QString, 32>& texts)
    {
        for (int e = 0; e < 32; ++e)
            params().setParamPC(e, texts[e]);
    }

private:
    std::array<size_t, 8> taken_{};
};

std::array<QString, 32> sampleCopy()
{
    std::array<QString, 32> texts;
    for (int e = 0; e < 32; ++e)
        texts[e] = QString::number(3 * e);
    texts[5] = " 15 ";
    texts[6] = "018";
    texts[7] = "2.5";
    texts[30] = "50";
    return texts;
}

} // namespace

TEST_F(TransmitTest, EachMarkedFrameIsAnsweredOnceAtTheNextTick)
{
    for (int le = 0; le < 8; ++le)
        receive(le, lastFrame());
    for (int le = 0; le < 8; ++le)
        EXPECT_TRUE(sent(le).empty()) << le;   // nothing before the tick

    t.time.advance(30);
    for (int le = 0; le < 8; ++le) {
        SCOPED_TRACE(le);
        const QByteArray expected = plainAnswer(le == 0 ? 0 : 1);
        EXPECT_EQ(sent(le), std::vector<QByteArray>{expected});
        EXPECT_EQ(log->Label21[le].caption(), "yes");
        EXPECT_EQ(log->Label21[le].backColor(), plat::colors::Green);
        EXPECT_EQ(s->link->IOPCToStamp[le].left(32), expected.left(32));
        EXPECT_FALSE(txTimer(le).enabled());
        EXPECT_TRUE(resetTimer(le).enabled());
    }

    t.time.advance(300);
    for (int le = 0; le < 8; ++le)
        EXPECT_TRUE(sent(le).empty()) << le;   // one answer per frame
}

TEST_F(TransmitTest, UnmarkedFrameIsNotAnswered)
{
    le::Fields noMarker = lastFrame();
    noMarker[30] = 122;
    le::Fields readBack = le::defaultParameters();   // its field 30 is parameter 30 (50)
    readBack[0] = 2;
    const struct {
        const char* name;
        le::Fields frame;
    } cases[] = {{"marker 122", noMarker}, {"parameter read-back", readBack}};

    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        const QString caption = log->Label21[1].caption();
        receive(1, c.frame);
        t.time.advance(150);
        EXPECT_TRUE(sent(1).empty());
        EXPECT_TRUE(txTimer(1).enabled());   // still looking every 30 ms
        EXPECT_EQ(log->Label21[1].caption(), caption);

        // The next marked frame is answered at the first tick after it.
        receive(1, lastFrame());
        t.time.advance(30);
        EXPECT_EQ(sent(1), std::vector<QByteArray>{plainAnswer(1)});
        EXPECT_FALSE(txTimer(1).enabled());
    }
}

TEST_F(TransmitTest, BankRequestGoesOnceToTheSelectedLE)
{
    // Asked with LE-2 selected, then LE-3 selected before any frame: a read
    // request follows the selection.
    s->common->SelectedLE = 2;
    s->request->SelectionBank = 2;
    s->common->SelectedLE = 3;

    receive(0, lastFrame());
    receive(1, lastFrame());
    t.time.advance(30);
    EXPECT_EQ(sent(0), std::vector<QByteArray>{plainAnswer(1)});
    EXPECT_EQ(sent(1), std::vector<QByteArray>{plainAnswer(1)});
    EXPECT_EQ(s->request->SelectionBank, 2);

    receive(2, lastFrame());
    t.time.advance(30);
    EXPECT_EQ(sent(2), std::vector<QByteArray>{plainAnswer(2)});
    EXPECT_EQ(s->request->SelectionBank, 0);

    receive(2, lastFrame());
    t.time.advance(30);
    EXPECT_EQ(sent(2), std::vector<QByteArray>{plainAnswer(0)});
}

TEST_F(TransmitTest, RequestsRideInEveryFrameAndTheSetPointOnlyInPhaseFive)
{
    s->request->StartStopPC[4] = 1;
    s->request->ConsignePW[4] = 77;
    s->request->RelayQTH[4] = 1;
    s->request->RelayAlarm[4] = 1;
    s->request->SubCommand[4] = 5;
    s->request->Vmot[4] = 133;
    s->request->EnableCooling[4] = 4;
    s->runShared->FlagConsignePW(4) = 1;   // set-point already loaded for this run: reception leaves it
    for (int phase : {0, 5}) {
        SCOPED_TRACE(phase);
        receive(4, lastFrame(phase));
        t.time.advance(30);
        QByteArray expected = plainAnswer(1, phase);
        expected[2] = 1;
        expected[6] = 1;
        expected[8] = 1;
        expected[12] = 5;
        expected[24] = char(133);
        expected[31] = 4;
        if (phase == 5)
            expected[4] = 77;
        EXPECT_EQ(sent(4), std::vector<QByteArray>{expected});
    }
}

TEST_F(TransmitTest, FrameThePortRefusesIsNotReportedAsSent)
{
    s->request->SelectionBank = 2;
    const QByteArray monitor = s->link->IOPCToStamp[0];
    t.ports.refuseWrite(1, true);
    receive(0, lastFrame());
    t.time.advance(30);
    EXPECT_TRUE(t.ports.takeWritten(1).isEmpty());
    EXPECT_EQ(s->request->SelectionBank, 2);                          // still pending
    EXPECT_EQ(s->link->IOPCToStamp[0], monitor);                   // no monitor copy
    EXPECT_EQ(log->Label21[0].caption(), "yes");
    EXPECT_FALSE(txTimer(0).enabled());

    t.ports.refuseWrite(1, false);
    receive(0, lastFrame());
    t.time.advance(30);
    EXPECT_EQ(t.ports.takeWritten(1), plainAnswer(2));
    EXPECT_EQ(s->link->IOPCToStamp[0].left(32), plainAnswer(2).left(32));
    EXPECT_EQ(s->request->SelectionBank, 0);
}

TEST_F(TransmitTest, ParameterWriteSendsTheWorkingCopyOnce)
{
    setWorkingCopy(sampleCopy());
    const auto stampBefore = s->status->ParamStamp[0];
    log->link->RequestParamWrite();

    receive(0, lastFrame());
    t.time.advance(30);
    QByteArray expected;
    expected += char(1);
    for (int e = 1; e < 32; ++e)
        expected += char(3 * e);
    expected[7] = 2;   // "2.5"
    expected[30] = 50;
    expected += "\r\n";
    EXPECT_EQ(sent(0), std::vector<QByteArray>{expected});
    for (int e = 1; e < 32; ++e)
        EXPECT_EQ(s->status->ParamStamp[0][e], uint8_t(expected[e])) << e;
    EXPECT_EQ(s->status->ParamStamp[0][0], stampBefore[0]);
    EXPECT_EQ(s->status->MessageTransfert, "Backup completed successfully ! ");
    EXPECT_TRUE(log->Timer44.enabled());
    EXPECT_EQ(s->request->SelectionBank, 0);

    // The next frame carries the requests and the echo again.
    receive(0, lastFrame());
    t.time.advance(30);
    EXPECT_EQ(sent(0), std::vector<QByteArray>{plainAnswer(0)});
}

TEST_F(TransmitTest, ClosedPortKeepsTheWriteWaiting)
{
    setWorkingCopy(sampleCopy());
    const auto stampBefore = s->status->ParamStamp[0];
    log->link->RequestParamWrite();
    receive(0, lastFrame());
    log->MSComm(0).setPortOpen(false);
    t.time.advance(30);

    EXPECT_TRUE(sent(0).empty());
    EXPECT_EQ(s->status->ParamStamp[0], stampBefore);
    EXPECT_FALSE(log->Timer44.enabled());
    EXPECT_EQ(s->request->SelectionBank, 1);
    EXPECT_EQ(log->Label21[0].caption(), "yes");
    EXPECT_TRUE(resetTimer(0).enabled());
    EXPECT_FALSE(txTimer(0).enabled());

    // The first answer once the port is open again carries the write.
    ASSERT_TRUE(log->MSComm(0).setPortOpen(true));
    receive(0, lastFrame());
    t.time.advance(30);
    const std::vector<QByteArray> out = sent(0);
    ASSERT_EQ(out.size(), 1u);
    EXPECT_EQ(out[0][0], 1);
    EXPECT_TRUE(log->Timer44.enabled());
}

// An entry that holds no number (empty, text, too many digits) has no value
// to send: the write requested with it is cancelled, never sent with a 0.
TEST_F(TransmitTest, AWriteOfAnEntryThatIsNoNumberIsCancelled)
{
    for (const QString& bad : {QString(), QStringLiteral("abc"), QString(400, QLatin1Char('9'))}) {
        SCOPED_TRACE(bad.left(10).toStdString());
        std::array<QString, 32> copy = sampleCopy();
        copy[12] = bad;
        setWorkingCopy(copy);
        const auto stamps = s->status->ParamStamp;
        log->link->RequestParamWrite();
        receive(0, lastFrame());
        t.time.advance(30);
        EXPECT_EQ(sent(0), std::vector<QByteArray>{plainAnswer(0)});
        EXPECT_EQ(s->request->SelectionBank, 0);
        EXPECT_EQ(s->status->ParamStamp, stamps);
        EXPECT_FALSE(log->Timer44.enabled());
    }
}

TEST_F(TransmitTest, WriteIsCancelledRatherThanSentElsewhereOrAlteredAndTheUserIsTold)
{
    const QString changed = "The selected LE or the values changed before they were sent.";
    const struct {
        const char* name;
        std::function<void()> before, change;
        QString reason;
    } cases[] = {
        {"selection moved to LE-2", [] {}, [this] { s->common->SelectedLE = 2; }, changed},
        {"working copy cleared", [] {},
         [this] {
             std::array<QString, 32> zeros;
             zeros.fill("0");
             setWorkingCopy(zeros);
         },
         changed},
        {"entry outside a byte", [] {}, [this] { params().setParamPC(9, "300"); }, changed},
        {"entry outside a byte when asked", [this] { params().setParamPC(9, "300"); }, [] {},
         "A value lies outside 0 to 255."},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        s->common->SelectedLE = 1;
        setWorkingCopy(sampleCopy());
        c.before();
        const auto stamps = s->status->ParamStamp;
        log->link->RequestParamWrite();
        c.change();
        const size_t boxes = t.dialogs.shown.size();

        receive(0, lastFrame());
        receive(1, lastFrame());
        t.time.advance(30);
        // Both LEs get their ordinary answer; none carries parameters.
        EXPECT_EQ(sent(0), std::vector<QByteArray>{plainAnswer(s->common->SelectedLE == 1 ? 0 : 1)});
        EXPECT_EQ(sent(1), std::vector<QByteArray>{plainAnswer(s->common->SelectedLE == 2 ? 0 : 1)});
        EXPECT_EQ(s->request->SelectionBank, 0);
        EXPECT_EQ(s->status->ParamStamp, stamps);
        EXPECT_FALSE(log->Timer44.enabled());
        t.time.advance(1);
        ASSERT_EQ(t.dialogs.shown.size(), boxes + 1);
        EXPECT_EQ(t.dialogs.shown.back().text, "Write Settings: nothing was written to LE-1. " + c.reason + " ");
        EXPECT_EQ(t.dialogs.shown.back().title, " Warning!");
        // Told once: the next answers say nothing more.
        receive(0, lastFrame());
        t.time.advance(31);
        EXPECT_EQ(t.dialogs.shown.size(), boxes + 1);
        sent(0);
    }
}
