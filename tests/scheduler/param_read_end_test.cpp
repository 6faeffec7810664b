// The parameter read before a start always ends, for each way an LE fails it
// (silent with the link alarm off, link lost before the read, talking without
// a read-back, port closed during the read): under START LE, which then goes
// on to the next LE, and under a restart of the scheduler tick, which keeps
// ticking while the read is pending.
#include "run/LogRun.h"
#include "run/RunState.h"
#include "scheduler/SchedulerFixture.h"
#include "shell/LeStrips.h"
#include "shell/LinkRequest.h"
#include "shell/LinkStatus.h"
#include "shell/Log.h"
#include "shell/LogPorts.h"
#include "shell/MainPanels.h"
#include "shell/ScheduleFlags.h"
#include "shell/State.h"

#include <QDir>
#include <QImage>
#include <memory>

using namespace orv;

namespace {

enum class Fault { Silent, LostBefore, NoReadBack, PortClosed };

struct Kind {
    const char* name;
    Fault fault;
};

void PrintTo(const Kind& k, std::ostream* os) { *os << k.name; }

const QString CouldNotRead = "LE1  Parameters could not be read ";

class ParamReadEndTest : public SchedulerTest, public ::testing::WithParamInterface<Kind> {
protected:
    // LE-1 played frame by frame: marked status frames in `phase` every
    // 250 ms while `talk` runs. Its read requests are never answered.
    FakeLE* le1 = nullptr;
    std::unique_ptr<plat::Timer> talk;
    int phase = 0;

    void scriptLE1()
    {
        le1 = &addFake(0);
        le1->setRunning(false);
        talk = std::make_unique<plat::Timer>(t.time, "LE-1 frames", 250, true);
        talk->onTimer = [this] { le1->send(FakeLE::statusFields(phase)); };
        ASSERT_TRUE(t.time.runUntil([&] { return s->status->SynchroRS232[0] == 123; }, 5000));
    }

    // The fault, put on LE-1 before its read (a closed port: 2 s into it).
    void faultBeforeRead()
    {
        switch (GetParam().fault) {
        case Fault::Silent:
            ASSERT_FALSE(settings().LinkWatchdogAlarm());
            talk->setEnabled(false);
            break;
        case Fault::LostBefore:
            settings().Check1[0].setValue(1);
            settings().Check3.setValue(1);
            talk->setEnabled(false);
            ASSERT_TRUE(t.time.runUntil([&] { return s->status->FlagCommPerdue[0] == 1; }, 20000));
            break;
        case Fault::NoReadBack:
            break;
        case Fault::PortClosed:
            at(2000, [this] { ASSERT_TRUE(logPorts(*log).MSComm(0).setPortOpen(false)); });
            break;
        }
    }
    // How long LE-1's read may last: at once when the link was lost before.
    int64_t bound() const { return GetParam().fault == Fault::LostBefore ? ParamReadPollMs : ParamReadTimeoutMs + ParamReadPollMs; }

    // The time the scheduler tick last printed on the hour scale.
    QString tickTime()
    {
        const QStringList texts = start().Picture1.canvas().printedTexts();
        return texts.isEmpty() ? QString() : texts.back();
    }
    int failLines() const { return int(eventLines().count(CouldNotRead)); }
    QStringList restartLines() const { return eventLines().filter("restart"); }
};

TEST_P(ParamReadEndTest, StartLEGoesOnToTheNextLE)
{
    scriptLE1();
    FakeLE& le3 = linkedFake(2);
    choose(2, "MListeNormal");
    choose(0, "MListeNormal");
    faultBeforeRead();

    // LE-1's read ends within its bound; LE-3's read is requested only then.
    int64_t le3AskedAt = -1;
    plat::Timer watch(t.time, "watch", 10, true);
    watch.onTimer = [&] {
        if (le3AskedAt < 0 && s->common->SelectedLE == 3) le3AskedAt = t.time.nowMs();
    };
    const int64_t pressed = t.time.nowMs();
    start().StartSortie.click();
    watch.setEnabled(false);

    ASSERT_GE(le3AskedAt, 0);
    EXPECT_LE(le3AskedAt - pressed, bound() + 10);
    EXPECT_EQ(failLines(), 1);
    EXPECT_EQ(s->request->StartStopPC[0], 0);   // START LE's start request taken back
    EXPECT_EQ(mainPanels(*log).List4.foreColor(), plat::colors::Red);
    EXPECT_TRUE(histoMessages().contains(CouldNotRead));
    EXPECT_FALSE(histoMessages().contains("LE1  Starting LE "));
    EXPECT_TRUE(histoMessages().contains("LE3  Starting LE "));
    EXPECT_NE(leStrips(*log).Label26[0].backColor(), plat::colors::Green);
    EXPECT_EQ(leStrips(*log).Label26[2].backColor(), plat::colors::Green);
    EXPECT_FALSE(log->run->ParamReadQueued(0));
    EXPECT_FALSE(le3.commands().empty());

    // What the user sees: the red line in the main window's event list.
    mainForm().show();
    const QImage shot = mainPanels(*log).List4.widget()->grab().toImage();
    ASSERT_FALSE(shot.isNull());
    QDir().mkpath(TEST_OUTPUT_DIR);
    shot.save(QStringLiteral(TEST_OUTPUT_DIR "/param_read_failed_%1.png").arg(GetParam().name));
}

TEST_P(ParamReadEndTest, ARestartOfTheTickNeverHoldsTheTick)
{
    scriptLE1();
    choose(0, "MListeNormal");
    // LE-1 as a start that went well leaves it: its start request stands.
    s->request->StartStopPC[0] = 1;

    // LE-1 stops by itself: a second in phase 6, then idle; 61 s later the
    // tick restarts it.
    phase = 6;
    t.time.advance(1000);
    phase = 0;
    t.time.advance(1000);
    if (GetParam().fault != Fault::PortClosed) faultBeforeRead();
    ASSERT_TRUE(t.time.runUntil([&] { return restartLines().size() == 1; }, 70000));
    const int64_t restartAt = t.time.nowMs();
    if (GetParam().fault == Fault::PortClosed) {
        ASSERT_TRUE(log->run->ParamReadQueued(0));
        at(2000, [this] { ASSERT_TRUE(logPorts(*log).MSComm(0).setPortOpen(false)); });
    }

    // The tick goes on every second while the read is pending: the time it
    // prints on the hour scale moves on.
    QStringList clock;
    ASSERT_TRUE(t.time.runUntil(
        [&] {
            const QString shown = tickTime();
            if (clock.isEmpty() || clock.back() != shown) clock << shown;
            return !log->run->ParamReadQueued(0);
        },
        bound() + 10));
    const int64_t waited = t.time.nowMs() - restartAt;
    EXPECT_GE(clock.size(), int(waited / 1000));
    EXPECT_EQ(failLines(), 1);
    EXPECT_FALSE(histoMessages().contains("LE1  Starting LE "));
    EXPECT_EQ(s->schedule->CompteursNorm[0], 1);
    EXPECT_EQ(s->request->StartStopPC[0], 0);   // taken back: nothing to restart

    // And after it, as before.
    const QString before = tickTime();
    t.time.advance(1000);
    EXPECT_NE(tickTime(), before);
}

INSTANTIATE_TEST_SUITE_P(Faults, ParamReadEndTest,
                         ::testing::Values(Kind{"SilentWithTheAlarmOff", Fault::Silent},
                                           Kind{"LostBefore", Fault::LostBefore},
                                           Kind{"TalkingWithoutReadBack", Fault::NoReadBack},
                                           Kind{"PortClosed", Fault::PortClosed}),
                         [](const ::testing::TestParamInfo<Kind>& i) { return std::string(i.param.name); });

} // namespace
