// The parameter read before a start (LectParamStampLE): its gate, the
// read request and the yielding wait, the list and the values kept, the start
// request and history line, the nested start, and the end of the program
// cutting a wait short.
#include "run/LogRun.h"
#include "scheduler/LogScheduler.h"
#include "parameters/ValeurDesParam.h"
#include "run/RunFixture.h"
#include "run/RunState.h"
#include "scheduler/SelectionStart.h"
#include "shell/LinkRequest.h"
#include "shell/LinkStatus.h"
#include "shell/Log.h"
#include "shell/ParametersShared.h"
#include "shell/RunShared.h"
#include "shell/State.h"


using namespace orv;

namespace {

// A parameter table with recognisable values in the entries a start keeps.
le::Fields tableForTest()
{
    le::Fields f = le::defaultParameters();
    f[18] = 115;   // z1
    f[19] = 22;
    f[20] = 5;     // z3, one digit
    f[24] = 41;
    f[25] = 77;
    f[27] = 255;
    f[28] = 66;
    f[31] = 15;
    return f;
}

} // namespace

class ParamReadTest : public RunTest {
protected:
    // Stands for LE index le's read-back and the transfer notice that closes
    // after it, `ms` from now.
    std::unique_ptr<plat::Timer> release;
    void releaseAfter(int ms, int le)
    {
        release = std::make_unique<plat::Timer>(t.time, "release", ms, true);
        release->onTimer = [this, le] {
            release->setEnabled(false);
            ++s->status->ReadBacks[le];
            s->paramShared->TransfertDone = 1;
            log->ParamNoticeClosedEntry();
        };
    }
    plat::ListBox& list(int le) { return prog->form<ValeurDesParam>()->list(le); }
    // LE-1 never answers its read request; `end` runs 3 s into the wait,
    // before its time limit.
    void endDuringWait(std::function<void()> end)
    {
        openPort(0);
        markIdle(0);
        const QString before = histo();
        t.time.post([this] { log->run->LectParamStampLE(0); });
        at(3000, std::move(end));
        EXPECT_FALSE(t.time.advance(20000));
        EXPECT_EQ(s->request->SelectionBank, 2);
        EXPECT_EQ(s->request->StartStopPC[0], 0);
        // Quit destroys the main window; while it still stands, LE-1 is not shown started.
        if (Log* w = prog->Log.ifLoaded()) {
            EXPECT_NE(w->Label26[0].backColor(), plat::colors::Green);
        }
        EXPECT_EQ(histo(), before);
    }
    // Gives the fake LE a parameter table, as a write from the PC would.
    static void giveTable(FakeLE& fake, const le::Fields& table)
    {
        le::Fields write = table;
        write[0] = le::BankWriteParam;
        fake.model.receive(le::composeCommand(write));
    }
};

TEST_F(ParamReadTest, GateRefusesWithoutAnyChange)
{
    struct Case { const char* name; bool open; int marker; int phase; };
    const Case cases[] = {
        {"port closed", false, 123, 0},
        {"no marker", true, 0, 0},
        {"running", true, 123, 5},
        {"resting", true, 123, 6},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        if (c.open) openPort(2); else log->MSComm(2).setPortOpen(false);
        s->status->SynchroRS232[2] = uint8_t(c.marker);
        s->status->PhaseLP[2] = uint8_t(c.phase);
        s->request->StartStopPC[2] = 1;   // written by START LE before the call
        s->runShared->RestSeconds[2] = 37;
        s->request->SelectionBank = 0;
        s->common->SelectedLE = 1;
        s->paramShared->TransfertDone = 1;
        const QString before = histo();

        log->run->LectParamStampLE(2);

        EXPECT_EQ(s->request->SelectionBank, 0);
        EXPECT_EQ(s->common->SelectedLE, 1);
        EXPECT_EQ(s->paramShared->TransfertDone, 1);
        EXPECT_EQ(s->runShared->RestSeconds[2], 37);
        EXPECT_EQ(s->request->StartStopPC[2], 1);   // the caller's request stays
        EXPECT_FALSE(log->Timer38.enabled());
        EXPECT_EQ(histo(), before);
        EXPECT_FALSE(prog->form<ValeurDesParam>().isLoaded());
    }
}

TEST_F(ParamReadTest, ReadsListsKeepsAndStartsOnTheFakeLE)
{
    FakeLE& fake = addFake(0);
    giveTable(fake, tableForTest());
    ASSERT_TRUE(t.time.runUntil([&] { return s->status->SynchroRS232[0] == 123; }));
    const size_t sentBefore = fake.commands().size();
    s->request->StartStopPC[0] = 1;
    s->runShared->FlagConsignePWLE1[0] = 1;
    s->runShared->LoggerHeaderDone[0] = 1;
    log->Label26[0].setBackColor(plat::colors::Orange);

    log->run->LectParamStampLE(0);   // returns once the transfer notice has closed

    EXPECT_EQ(s->paramShared->TransfertDone, 1);
    EXPECT_EQ(s->common->SelectedLE, 1);
    // The read request went out once, with the start request beside it.
    const auto& sent = fake.commands();
    ASSERT_GT(sent.size(), sentBefore);
    EXPECT_EQ(sent[sentBefore][le::pos::Bank], le::BankReadParam);
    EXPECT_EQ(sent[sentBefore][le::pos::StartStop], 1);
    for (size_t i = sentBefore + 1; i < sent.size(); ++i) EXPECT_EQ(sent[i][le::pos::Bank], 0) << i;

    // 32 items, entry 31 first, entry 0 (the bank index of the read-back) last.
    const plat::ListBox& l = list(0);
    ASSERT_EQ(l.listCount(), 32);
    EXPECT_EQ(l.list(0), "31   15");
    EXPECT_EQ(l.list(13), "18   115");
    EXPECT_EQ(l.list(11), "20   5");
    EXPECT_EQ(l.list(26), "05   0");
    EXPECT_EQ(l.list(31), "00   2");
    EXPECT_FALSE(prog->form<ValeurDesParam>()->visible());

    EXPECT_EQ(s->runShared->ParamZ1[0], 115);
    EXPECT_EQ(s->runShared->ParamZ2[0], 22);
    EXPECT_EQ(s->runShared->ParamZ3[0], 5);
    EXPECT_EQ(s->runShared->TempMagnOff[0], 41);
    EXPECT_EQ(s->runShared->LevelStartLP[0], 77);
    EXPECT_EQ(s->runShared->LevelParam27[0], 255);
    EXPECT_EQ(s->runShared->MaxTempSHT[0], 66);

    EXPECT_EQ(s->request->StartStopPC[0], 1);
    EXPECT_EQ(s->runShared->FlagConsignePWLE1[0], 0);
    EXPECT_EQ(s->runShared->LoggerHeaderDone[0], 0);
    EXPECT_EQ(log->Label26[0].backColor(), plat::colors::Green);
    EXPECT_TRUE(log->Timer5.enabled());   // the trace starts again on the left
    EXPECT_EQ(histoMessages().last(), "LE1  Starting LE ");
    EXPECT_TRUE(histo().contains("    000    LE1  Starting LE \r\n"));
}

// One read request and one transfer flag serve every LE: a second start asked
// for during the first read waits for it, and each LE is read once, in turn.
TEST_F(ParamReadTest, ASecondStartWaitsForTheFirstReadToEnd)
{
    FakeLE& one = addFake(0);
    FakeLE& two = addFake(1);
    le::Fields first = tableForTest();
    first[18] = 7;
    giveTable(one, first);
    giveTable(two, tableForTest());
    ASSERT_TRUE(t.time.runUntil([&] { return s->status->SynchroRS232[0] == 123 && s->status->SynchroRS232[1] == 123; }));
    const size_t oneBefore = one.commands().size(), twoBefore = two.commands().size();
    // LE-2's start comes 5 ms into LE-1's wait, before LE-1's reply timer (30 ms).
    int64_t le2AskedAt = -1;
    at(5, [&] { log->run->LectParamStampLE(1); });
    plat::Timer watch(t.time, "watch", 1, true);
    watch.onTimer = [&] {
        if (le2AskedAt < 0 && s->common->SelectedLE == 2) le2AskedAt = t.time.nowMs();
    };
    int64_t le1StartedAt = -1;
    const auto le1Started = [&] { return histoMessages().contains("LE1  Starting LE "); };
    plat::Timer watchStart(t.time, "watch start", 1, true);
    watchStart.onTimer = [&] {
        if (le1StartedAt < 0 && le1Started()) le1StartedAt = t.time.nowMs();
    };

    EXPECT_EQ(log->run->LectParamStampLE(0), ReadEnd::Completed);
    watch.setEnabled(false);
    watchStart.setEnabled(false);

    auto readRequests = [](const FakeLE& f, size_t from) {
        int n = 0;
        for (size_t i = from; i < f.commands().size(); ++i) n += f.commands()[i][le::pos::Bank] == le::BankReadParam;
        return n;
    };
    EXPECT_EQ(readRequests(one, oneBefore), 1);
    EXPECT_EQ(readRequests(two, twoBefore), 1);
    ASSERT_GE(le1StartedAt, 0);
    EXPECT_GE(le2AskedAt, le1StartedAt);
    EXPECT_EQ(histoMessages().mid(histoMessages().size() - 2), QStringList({"LE1  Starting LE ", "LE2  Starting LE "}));
    EXPECT_EQ(s->runShared->ParamZ1[0], 7);
    EXPECT_EQ(s->runShared->ParamZ1[1], 115);
    EXPECT_EQ(list(0).list(13), "18   7");
    EXPECT_EQ(s->common->SelectedLE, 2);
    EXPECT_FALSE(log->run->ParamReadQueued(0));
    EXPECT_FALSE(log->run->ParamReadQueued(1));
}

// A read that fails takes back the start request its caller wrote, and says
// so; where the LE took that request beside the read request, the history
// and the event list say that it runs without its parameters.
TEST_F(ParamReadTest, AFailedReadTakesTheStartRequestBack)
{
    struct Case { const char* name; bool tookTheStart; };
    for (const Case c : {Case{"stays idle", false}, Case{"started", true}}) {
        SCOPED_TRACE(c.name);
        openPort(2);
        markIdle(2);
        s->request->StartStopPC[2] = 1;
        if (c.tookTheStart) at(100, [&] { s->status->PhaseLP[2] = 1; });

        EXPECT_EQ(log->run->LectParamStampLE(2), ReadEnd::Failed);

        EXPECT_EQ(s->request->StartStopPC[2], 0);
        EXPECT_EQ(histoMessages().last(), c.tookTheStart ? "LE3  Started without its parameters " : "LE3  Parameters could not be read ");
        EXPECT_EQ(log->List4.list(log->List4.listCount() - 1), histoMessages().last());
        EXPECT_FALSE(histoMessages().contains("LE3  Starting LE "));
        if (!c.tookTheStart) EXPECT_NE(log->Label26[2].backColor(), plat::colors::Green);
        s->status->PhaseLP[2] = 0;
    }
}

TEST_F(ParamReadTest, OnlyLE4TurnsTheEventListRed)
{
    for (int le : {3, 4}) {
        SCOPED_TRACE(le);
        openPort(le);
        markIdle(le);
        log->List4.setForeColor(plat::colors::Green);
        releaseAfter(10, le);
        log->run->LectParamStampLE(le);
        EXPECT_EQ(log->List4.foreColor(), le == 3 ? plat::colors::Red : plat::colors::Green);
    }
}

TEST_F(ParamReadTest, AStartEndsARestCountdownAtOnce)
{
    openPort(5);
    markIdle(5);
    s->runShared->RestSeconds[5] = 90;
    log->Timer41.setEnabled(true);
    t.time.advance(5000);
    ASSERT_EQ(log->Picture4[5].canvas().printedTexts(), QStringList({" Rest  85 sec."}));

    releaseAfter(10, 5);
    log->run->LectParamStampLE(5);
    const plat::Canvas& c = log->Picture4[5].canvas();
    EXPECT_TRUE(c.printedTexts().isEmpty());
    EXPECT_EQ(c.backColor(), plat::colors::Grey);
    EXPECT_EQ(c.point(300, 150), plat::colors::Grey);
    EXPECT_EQ(s->runShared->RestSeconds[5], 0);
    EXPECT_EQ(s->runShared->ComptageCOM[5], 0);

    t.time.advance(1000);
    EXPECT_EQ(s->runShared->RestSeconds[5], 90);
    EXPECT_FALSE(log->Timer41.enabled());
    EXPECT_TRUE(c.printedTexts().isEmpty());
}

// A wait cut short by the end of the program requests nothing: no start
// request, no green label, no history line.
TEST_F(ParamReadTest, EndDuringTheWaitRequestsNothing)
{
    endDuringWait([this] { prog->End(); });
}

TEST_F(ParamReadTest, QuitDuringTheWaitRequestsNothing)
{
    endDuringWait([this] {
        t.dialogs.answers.push_back(plat::mb::Yes);
        log->mnuQuit.click();
    });
}

TEST_F(ParamReadTest, EffacerSelClearsTheSixteenLabels)
{
    log->scheduler->EffacerSel();
    SelectionStart* w = prog->ifLoaded<SelectionStart>();
    ASSERT_TRUE(w);
    EXPECT_FALSE(w->visible());
    for (int le = 0; le < 8; ++le) {
        w->nameLabel(le).setBackColor(plat::colors::Green);
        w->modeLabel(le).setBackColor(plat::colors::Green);
    }
    log->scheduler->EffacerSel();
    for (int le = 0; le < 8; ++le) {
        EXPECT_EQ(w->nameLabel(le).backColor(), plat::ButtonFace);
        EXPECT_EQ(w->modeLabel(le).backColor(), plat::ButtonFace);
    }
    EXPECT_EQ(w->Label89.caption(), "LE-7");
}
