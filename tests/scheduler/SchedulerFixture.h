#pragma once
// The program after start-up, for the scheduler: run control's fixture with
// the clock set to a chosen date and time, run modes chosen through the
// LE labels' pop-up as a user chooses them, and the scheduler's windows.

#include "run/RunFixture.h"
#include "scheduler/SchedulerState.h"
#include "scheduler/SelectionStart.h"
#include "shell/LeStrips.h"
#include "shell/LinkStatus.h"
#include "shell/MainPanels.h"
#include "shell/ParamLogicielVB.h"

#include <QDateTime>

class SchedulerTest : public RunTest {
protected:
    orv::SchedulerState* sc = nullptr;

    void SetUp() override
    {
        RunTest::SetUp();
        sc = &*s->scheduler;
    }

    orv::SelectionStart& start() { return *prog->form<orv::SelectionStart>(); }

    // The clock the program reads, from now on.
    void setClock(int y, int mo, int d, int h, int mi, int sec = 0)
    {
        t.time.setWallClock(QDateTime(QDate(y, mo, d), QTime(h, mi, sec)));
    }
    // Runs until the clock reads hh:mm:ss (the next time it does).
    void runToClock(int h, int mi, int sec = 0)
    {
        const QTime target(h, mi, sec);
        int64_t ms = t.time.wallClock().time().msecsTo(target);
        if (ms <= 0) ms += 24LL * 3600 * 1000;
        t.time.advance(ms);
    }

    // A left press on LE index le's label and `item` chosen in the pop-up
    // ("MListeNormal", "MListeSymetrique", ...); the mode label follows.
    void choose(int le, const QString& item)
    {
        t.dialogs.popupChoices.push_back(item);
        plat::Label& label = leStrips(*log).Label26[le];
        label.raiseMouse(label.onMouseDown, {plat::LeftButton, 0, 300, 120});
        t.time.advance(100);   // the window's layout timer writes the mode labels
    }

    // A fake LE on LE index le's line, linked and idle.
    FakeLE& linkedFake(int le)
    {
        FakeLE& fake = addFake(le);
        EXPECT_TRUE(t.time.runUntil([&] { return s->status->SynchroRS232[le] == 123; }, 5000));
        return fake;
    }
    // The start/stop request of the last command frame the LE received.
    static int lastRequest(const FakeLE& fake)
    {
        return fake.commands().empty() ? -1 : fake.commands().back()[le::pos::StartStop];
    }

    QStringList eventLines() const
    {
        QStringList out;
        for (int i = 0; i < mainPanels(*log).List4.listCount(); ++i) out << mainPanels(*log).List4.list(i);
        return out;
    }
};
