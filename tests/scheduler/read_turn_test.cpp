// Parameter reads that wait their turn, on fake LEs and virtual time: a
// waiting read is judged when its turn comes (a Stop, a new mode or a
// stop-all takes it off the queue), a start request goes out only beside its
// own read request, only the LE's own read-back completes its read, and a
// window whose LE cannot be read now leaves it for its next tick. The Stop
// and START LE presses go through Qt's real mouse events.
#include "run/LogRun.h"
#include "run/RunState.h"
#include "scheduler/SchedulerFixture.h"
#include "shell/LinkRequest.h"
#include "shell/Log.h"
#include "shell/LogPorts.h"
#include "shell/RunShared.h"
#include "shell/ScheduleFlags.h"
#include "support/TestDialogs.h"

#include <QTest>

using namespace orv;

namespace {

int readRequests(const FakeLE& fake)
{
    int n = 0;
    for (const le::Fields& f : fake.commands()) n += f[le::pos::Bank] == le::BankReadParam;
    return n;
}

bool everStarted(const FakeLE& fake)
{
    for (const le::Fields& f : fake.commands())
        if (f[le::pos::StartStop] == 1) return true;
    return false;
}

class ReadTurnTest : public SchedulerTest {
protected:
    // LE-2 and LE-3 in asymmetric mode, their windows open all day; LE-2
    // answers its read 3 s late. START LE; once LE-2's read is on the line
    // and LE-3's waits, returns.
    void windowsWaiting()
    {
        le2 = &linkedFake(1);
        le3 = &linkedFake(2);
        le2->model.setReadBackDelayMs(3000);
        for (int le : {1, 2}) {
            choose(le, "MListeAsymetrique");
            sc->HeuresTransition[le][0] = "00";
            sc->MinutesTransition[le][0] = "00";
            sc->HeuresTransition[le][1] = "24";
            sc->MinutesTransition[le][1] = "00";
        }
        start().StartSortie.click();
        ASSERT_TRUE(t.time.runUntil([&] { return readRequests(*le2) == 1 && log->run->ParamReadQueued(2); }, 5000));
    }
    FakeLE* le2 = nullptr;
    FakeLE* le3 = nullptr;
};

// "Stop", the run mode chosen again (the only other item offered in
// asymmetric mode: it disarms the window until START LE), a stop-all.
enum class Withdrawal { Stop, ModeChosenAgain, StopAll };

class ReadTurnWithdrawalTest : public ReadTurnTest, public ::testing::WithParamInterface<Withdrawal> {};

TEST_P(ReadTurnWithdrawalTest, TakesTheWaitingReadOffTheQueueAndStartsNothing)
{
    ASSERT_NO_FATAL_FAILURE(windowsWaiting());
    switch (GetParam()) {
    case Withdrawal::Stop: {
        // A real press on LE-3's label and a real click on "Stop".
        mainForm().show();
        const size_t popups = t.dialogs.popupsShown.size();
        t.dialogs.realPopups.push_back({"MListeStop", TestDialogs::By::Mouse});
        leStrips(*log).Label26[2].setVisible(true);
        QTest::mouseClick(leStrips(*log).Label26[2].widget(), Qt::LeftButton, {}, QPoint(10, 5));
        ASSERT_EQ(t.dialogs.popupsShown.size(), popups + 1);
        EXPECT_TRUE(t.dialogs.realPopups.empty());   // the real click took the choice
        break;
    }
    case Withdrawal::ModeChosenAgain: choose(2, "MListeAsymetrique"); break;
    case Withdrawal::StopAll: log->StopAllEntry(); break;   // as an alarm starts it
    }
    EXPECT_FALSE(log->run->ParamReadQueued(2));
    t.time.advance(15000);

    EXPECT_EQ(readRequests(*le3), 0);
    EXPECT_FALSE(everStarted(*le3));
    EXPECT_FALSE(histoMessages().contains("LE3  Starting LE "));
    EXPECT_EQ(s->status->PhaseLP[2], 0);
}

std::string withdrawalName(const ::testing::TestParamInfo<Withdrawal>& i)
{
    switch (i.param) {
    case Withdrawal::Stop: return "Stop";
    case Withdrawal::ModeChosenAgain: return "ModeChosenAgain";
    case Withdrawal::StopAll: return "StopAll";
    }
    return "";
}

INSTANTIATE_TEST_SUITE_P(Withdrawals, ReadTurnWithdrawalTest,
                         ::testing::Values(Withdrawal::Stop, Withdrawal::ModeChosenAgain, Withdrawal::StopAll), withdrawalName);

TEST_F(ReadTurnTest, StartLEsStartRequestGoesOutOnlyWithItsOwnReadRequest)
{
    FakeLE& le1 = linkedFake(0);
    ASSERT_NO_FATAL_FAILURE(windowsWaiting());
    choose(0, "MListeNormal");
    start().show();
    QTest::mouseClick(start().StartSortie.widget(), Qt::LeftButton);   // returns once LE-1's read has ended

    const std::vector<le::Fields>& sent = le1.commands();
    size_t read = 0;
    while (read < sent.size() && sent[read][le::pos::Bank] != le::BankReadParam) {
        EXPECT_NE(sent[read][le::pos::StartStop], 1) << read;
        ++read;
    }
    ASSERT_LT(read, sent.size());
    EXPECT_EQ(sent[read][le::pos::StartStop], 1);   // beside the read request
    EXPECT_EQ(readRequests(*le3), 1);               // LE-3's turn came first
    const QStringList h = histoMessages();
    EXPECT_GT(h.indexOf("LE1  Starting LE "), h.indexOf("LE3  Starting LE "));
}

// LE-1 answers 7 s late, after its read has failed, while LE-2's read (never
// answered) is on the line: that read-back completes nothing of LE-2's.
TEST_F(ReadTurnTest, OnlyTheLEsOwnReadBackCompletesItsRead)
{
    FakeLE& le1 = linkedFake(0);
    FakeLE& le2b = linkedFake(1);
    le1.model.setReadBackDelayMs(7000);
    le2b.model.setReadBackDelayMs(-1);
    for (int le : {0, 1}) choose(le, "MListeNormal");
    start().StartSortie.click();

    const QStringList h = histoMessages();
    EXPECT_TRUE(h.contains("LE1  Parameters could not be read "));
    EXPECT_TRUE(h.contains("LE2  Parameters could not be read "));
    EXPECT_FALSE(h.contains("LE2  Starting LE "));
    EXPECT_EQ(s->request->StartStopPC[1], 0);
    EXPECT_EQ(s->runShared->ParamZ1[1], 0);   // nothing listed from a table never read
}

// The window opens while LE-2's port is closed: nothing is requested and the
// window is not marked started; once the LE talks again it is read and started.
TEST_F(ReadTurnTest, AWindowWhoseLECannotBeReadNowTriesAgainAtItsNextTick)
{
    FakeLE& le = linkedFake(1);
    ASSERT_TRUE(logPorts(*log).MSComm(1).setPortOpen(false));
    choose(1, "MListeAsymetrique");
    sc->HeuresTransition[1][0] = "00";
    sc->MinutesTransition[1][0] = "00";
    sc->HeuresTransition[1][1] = "24";
    sc->MinutesTransition[1][1] = "00";
    start().StartSortie.click();
    t.time.advance(3000);
    EXPECT_EQ(s->schedule->FlagSymEtat[1], 0);
    EXPECT_EQ(s->request->StartStopPC[1], 0);

    ASSERT_TRUE(logPorts(*log).MSComm(1).setPortOpen(true));
    ASSERT_TRUE(t.time.runUntil([&] { return s->schedule->FlagSymEtat[1] == 1; }, 10000));
    EXPECT_EQ(s->request->StartStopPC[1], 1);
    EXPECT_EQ(readRequests(le), 1);
    EXPECT_TRUE(histoMessages().contains("LE2  Starting LE "));
}

} // namespace
