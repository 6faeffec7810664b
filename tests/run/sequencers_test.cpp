// The stop-all (Timer16) and start-all (Timer14) sequencers: one LE per
// second, each stop or start recorded once per activated LE, the start
// through the LE's parameter read, a busy LE waited for, and no tick while
// the previous one still waits for its transfer.
#include "run/LogRun.h"
#include "parameters/ValeurDesParam.h"
#include "run/RunFixture.h"
#include "run/RunState.h"
#include "shell/LinkRequest.h"
#include "shell/LinkStatus.h"
#include "shell/Log.h"
#include "shell/ParametersShared.h"
#include "shell/RunShared.h"
#include "shell/ScheduleFlags.h"
#include "shell/State.h"

using namespace orv;

class SequencersTest : public RunTest {
protected:
    void activate(std::initializer_list<int> les)
    {
        for (int le = 0; le < 8; ++le) settings().Check1[le].setValue(0);
        for (int le : les) settings().Check1[le].setValue(1);
    }
    void activateAll() { activate({0, 1, 2, 3, 4, 5, 6, 7}); }
    QStringList messagesWith(const QString& text) const { return histoMessages().filter(text); }
};

// ---------------------------------------------------------------- stop-all

TEST_F(SequencersTest, StopAllStopsAndRecordsOneLEPerSecond)
{
    activateAll();
    log->List4.clear();
    for (int le = 0; le < 8; ++le) log->Label26[le].setBackColor(plat::colors::Green);
    log->Timer16.setEnabled(true);

    t.time.advance(999);
    EXPECT_EQ(s->request->StartStopPC[0], 0);
    for (int n = 1; n <= 8; ++n) {
        SCOPED_TRACE(n);
        t.time.advance(n == 1 ? 1 : 1000);
        EXPECT_EQ(s->request->StartStopPC[n - 1], 2);
        if (n < 8) {
            EXPECT_EQ(s->request->StartStopPC[n], 0);
        }
        EXPECT_EQ(log->Label26[n - 1].backColor(), plat::ButtonFace);
        EXPECT_EQ(log->List4.list(n - 1), QStringLiteral("LE%1  Off LE ").arg(n));
        EXPECT_EQ(histoMessages().last(), QStringLiteral("LE%1  Off LE ").arg(n));
        for (int le = 0; le < 8; ++le) EXPECT_EQ(s->schedule->CompteursNorm[le], 4);
    }
    EXPECT_EQ(log->List4.foreColor(), plat::colors::Orange);
    EXPECT_EQ(log->List4.listCount(), 8);
    EXPECT_FALSE(log->Timer16.enabled());
    EXPECT_EQ(s->run->StopAllIndex, 0);
    for (int n = 1; n <= 8; ++n) EXPECT_TRUE(histo().contains(QStringLiteral("    000    LE%1  Off LE \r\n").arg(n))) << n;
}

TEST_F(SequencersTest, ASecondAlarmDuringTheSequenceDoesNotStartItAgain)
{
    activateAll();
    log->Timer16.setEnabled(true);
    t.time.advance(2500);
    log->Timer16.setEnabled(true);   // LE-1 and LE-2 done
    t.time.advance(500);
    EXPECT_EQ(s->request->StartStopPC[2], 2);   // LE-3 next, on time
    t.time.advance(10000);
    EXPECT_EQ(messagesWith("Off LE").size(), 8);
    for (int n = 1; n <= 8; ++n) EXPECT_EQ(messagesWith(QStringLiteral("LE%1  Off LE").arg(n)).size(), 1) << n;
}

TEST_F(SequencersTest, LaterSequencesRecordOnlyTheLEsClearedByAStart)
{
    activateAll();
    log->Timer16.setEnabled(true);
    t.time.advance(8000);
    ASSERT_EQ(messagesWith("Off LE").size(), 8);

    // A second sequence sends every request again but records nothing.
    s->request->StartStopPC.fill(0);
    log->Timer16.setEnabled(true);
    t.time.advance(8000);
    for (int le = 0; le < 8; ++le) EXPECT_EQ(s->request->StartStopPC[le], 2) << le;
    EXPECT_EQ(messagesWith("Off LE").size(), 8);

    // A start clears the records of LE-1 to LE-6 (LE-3's port is closed: no read).
    log->run->StartLERoutine(3);
    log->Timer16.setEnabled(true);
    t.time.advance(8000);
    EXPECT_EQ(messagesWith("Off LE").size(), 14);
    EXPECT_EQ(messagesWith("LE7  Off LE").size(), 1);
    EXPECT_EQ(messagesWith("LE8  Off LE").size(), 1);
}

TEST_F(SequencersTest, AnLENotActivatedIsStoppedButNotRecorded)
{
    activate({});
    log->Label26[4].setBackColor(plat::colors::Cyan);
    const QString before = histo();
    log->Timer16.setEnabled(true);
    t.time.advance(8000);
    for (int le = 0; le < 8; ++le) {
        EXPECT_EQ(s->request->StartStopPC[le], 2) << le;
        EXPECT_EQ(s->schedule->CompteursNorm[le], 0) << le;
    }
    EXPECT_EQ(log->Label26[4].backColor(), plat::ButtonFace);
    EXPECT_EQ(histo(), before);
    EXPECT_EQ(s->run->OffLELogged, PerLE<uint8_t>{});
}

// --------------------------------------------------------------- start-all

TEST_F(SequencersTest, StartAllStartsEachLEThroughItsParameterRead)
{
    activateAll();
    FakeLE& one = addFake(0);
    FakeLE& two = addFake(1);
    ASSERT_TRUE(t.time.runUntil([&] { return s->status->SynchroRS232[0] == 123 && s->status->SynchroRS232[1] == 123; }));
    const size_t oneBefore = one.commands().size(), twoBefore = two.commands().size();
    prog->form<ValeurDesParam>()->List8.addItem("old");

    log->Timer14.setEnabled(true);
    ASSERT_TRUE(t.time.runUntil([&] { return s->run->StartAllIndex == 1; }));
    // LE-1's parameters are listed and its trace levels kept; the next tick
    // closes the reader again.
    plat::ListBox& list = prog->form<ValeurDesParam>()->List1;
    ASSERT_EQ(list.listCount(), 32);
    EXPECT_EQ(list.list(31), "00   2");
    EXPECT_EQ(prog->form<ValeurDesParam>()->List8.listCount(), 0);
    EXPECT_EQ(s->runShared->MaxTempSHT[0], s->status->ParamStamp[0][28]);
    ASSERT_TRUE(t.time.runUntil([&] { return !log->Timer14.enabled(); }));
    EXPECT_EQ(s->runShared->TempMagnOff[1], s->status->ParamStamp[1][24]);

    for (FakeLE* fake : {&one, &two}) {
        const auto& sent = fake->commands();
        const size_t from = fake == &one ? oneBefore : twoBefore;
        // The read request goes out once; the start request follows the read.
        int reads = 0;
        size_t firstStart = sent.size();
        for (size_t i = from; i < sent.size(); ++i) {
            reads += sent[i][le::pos::Bank] == le::BankReadParam;
            if (sent[i][le::pos::StartStop] == 1 && firstStart == sent.size()) firstStart = i;
        }
        EXPECT_EQ(reads, 1);
        ASSERT_LT(firstStart, sent.size());
        EXPECT_NE(sent[firstStart][le::pos::Bank], le::BankReadParam);
    }
    // Every LE got its start request, each start recorded once.
    for (int le = 0; le < 8; ++le) EXPECT_EQ(s->request->StartStopPC[le], 1) << le;
    EXPECT_EQ(messagesWith("Start LE").size(), 8);
    EXPECT_EQ(messagesWith("Start LE").first(), "LE1  Start LE ");
    EXPECT_EQ(s->run->StartAllIndex, 0);
    EXPECT_EQ(s->common->SelectedLE, 8);
}

TEST_F(SequencersTest, StartAllOnClosedPortsTakesOneTickPerLE)
{
    activate({0, 4});
    log->Timer14.setEnabled(true);
    for (int n = 1; n <= 8; ++n) {
        t.time.advance(1000);
        EXPECT_EQ(s->request->StartStopPC[n - 1], 1) << n;
        EXPECT_EQ(s->common->SelectedLE, n);
        EXPECT_EQ(s->request->SelectionBank, 2);
        EXPECT_EQ(s->paramShared->TransfertDone, 1);
    }
    EXPECT_FALSE(log->Timer14.enabled());
    EXPECT_EQ(messagesWith("Start LE"), QStringList({"LE1  Start LE ", "LE5  Start LE "}));
    EXPECT_FALSE(prog->form<ValeurDesParam>().isLoaded());   // no marker: nothing listed
}

TEST_F(SequencersTest, StartAllStaysOnABusyLE)
{
    s->status->PhaseLP[1] = 5;
    log->Timer14.setEnabled(true);
    t.time.advance(5000);
    EXPECT_EQ(s->request->StartStopPC[0], 1);
    EXPECT_EQ(s->request->StartStopPC[1], 0);
    EXPECT_EQ(s->run->StartAllIndex, 1);
    s->status->PhaseLP[1] = 0;
    t.time.advance(1000);
    EXPECT_EQ(s->request->StartStopPC[1], 1);
    EXPECT_EQ(s->run->StartAllIndex, 2);
}

TEST_F(SequencersTest, StartAllTickOfLE4ListsTheTableAndTurnsTheEventListRed)
{
    // A marked link on a closed port: the tick does not wait, then lists.
    s->run->StartAllIndex = 3;
    s->status->SynchroRS232[3] = 123;
    for (int e = 0; e < 32; ++e) s->status->ParamStamp[3][e] = e + 100;
    log->List4.setForeColor(plat::colors::Green);
    log->Timer14.setEnabled(true);
    t.time.advance(1000);
    EXPECT_EQ(log->List4.foreColor(), plat::colors::Red);
    plat::ListBox& list = prog->form<ValeurDesParam>()->List4;
    ASSERT_EQ(list.listCount(), 32);
    EXPECT_EQ(list.list(0), "31   131");
    EXPECT_EQ(list.list(31), "00   100");
    EXPECT_EQ(s->runShared->TempMagnOff[3], 124);
    EXPECT_EQ(s->runShared->LevelStartLP[3], 125);
    EXPECT_EQ(s->runShared->LevelParam27[3], 127);
    EXPECT_EQ(s->runShared->MaxTempSHT[3], 128);
    EXPECT_TRUE(log->Timer19.enabled());
    EXPECT_FALSE(prog->form<ValeurDesParam>()->visible());
}

// No tick runs while the previous one still waits for its transfer, so no
// LE is handled twice; the sequence goes on once the transfer completes.
TEST_F(SequencersTest, NoTickWhileThePreviousOneWaits)
{
    activateAll();
    openPort(0);   // LE-1 never answers
    s->status->SynchroRS232[0] = 123;
    bool checked = false;
    at(2000, [&] { s->common->SelectedLE = 5; });   // a press on LE-5's label during the wait
    at(9000, [&] {
        EXPECT_EQ(s->common->SelectedLE, 5);   // no second tick selected LE-1 again
        EXPECT_EQ(s->run->StartAllIndex, 0);
        EXPECT_EQ(s->request->StartStopPC[0], 0);
        EXPECT_TRUE(messagesWith("Start LE").isEmpty());
        checked = true;
        s->paramShared->TransfertDone = 1;   // the next completed transfer
    });
    log->Timer14.setEnabled(true);
    t.time.advance(1000);   // the first tick: returns once the wait is over
    EXPECT_TRUE(checked);
    EXPECT_EQ(s->request->StartStopPC[0], 1);
    EXPECT_EQ(s->run->StartAllIndex, 1);
    EXPECT_EQ(messagesWith("Start LE"), QStringList({"LE1  Start LE "}));
    EXPECT_TRUE(t.time.runUntil([&] { return s->request->StartStopPC[1] == 1; }, 1000));
}
