// The parameter transfer notice: shown 200 ms after a completed transfer as a
// modal window, closed 2 s later, which alone sets TransfertDone.
#include "parameters/OKTransfert.h"
#include "shell/LinkStatus.h"
#include "shell/LogTimers.h"
#include "shell/ParametersShared.h"
#include "support/ProgramFixture.h"

using namespace orv;

class TransferTest : public ProgramTest {
protected:
    Log* log = nullptr;
    void SetUp() override
    {
        ProgramTest::SetUp();
        log = &mainWindow();
        t.time.runPending();
    }
    // What a completed transfer does: the text, then Timer44.
    void complete(const QString& text)
    {
        prog->s.status->MessageTransfert = text;
        logTimers(*log).Timer44.setEnabled(true);
    }
    // The notice's state, watched from inside its modal wait.
    struct Seen {
        int64_t openedAt = -1;
        int64_t closedAt = -1;
        QString text, caption;
        bool modal = false;
    };
    void watch(Seen& seen)
    {
        t.dialogs.onModal = [&seen, this](plat::Form& f) {
            auto* n = dynamic_cast<OKTransfert*>(&f);
            if (!n) return;
            seen.openedAt = t.time.nowMs();
            seen.text = n->Label1.caption();
            seen.caption = n->caption();
            seen.modal = n->isModal();
            EXPECT_EQ(prog->s.paramShared->TransfertDone, 0);
        };
    }
};

TEST_F(TransferTest, NoticeOpensAfter200msAndItsClosingReleasesTheWait)
{
    Seen seen;
    watch(seen);
    prog->s.paramShared->TransfertDone = 0;
    const int64_t start = t.time.nowMs();
    complete("Reading the settings on LE3 went well ! ");

    ASSERT_TRUE(t.time.runUntil([&] { return prog->s.paramShared->TransfertDone == 1; }));
    EXPECT_EQ(seen.openedAt - start, 200);
    EXPECT_EQ(t.time.nowMs() - start, 2200);
    EXPECT_EQ(seen.text, "Reading the settings on LE3 went well ! ");
    EXPECT_EQ(seen.caption, " Warning !");
    EXPECT_TRUE(seen.modal);
    EXPECT_FALSE(prog->form<OKTransfert>().isLoaded());
    EXPECT_FALSE(logTimers(*log).Timer44.enabled());
    EXPECT_FALSE(logTimers(*log).Timer45.enabled());
}

TEST_F(TransferTest, ASecondCompletionWhileShownGetsNoNoticeOfItsOwn)
{
    int notices = 0;
    QString shownText;
    t.dialogs.onModal = [&](plat::Form& f) {
        if (auto* n = dynamic_cast<OKTransfert*>(&f)) {
            ++notices;
            shownText = n->Label1.caption();
        }
    };
    // Two completions within 200 ms: one notice with the later text.
    complete("Reading the settings on LE1 went well ! ");
    t.time.advance(100);
    complete("Backup completed successfully ! ");
    // A third while the notice is up.
    plat::Timer third(t.time, "third", 1000, true);
    third.onTimer = [&] {
        complete("Reading the settings on LE2 went well ! ");
        third.setEnabled(false);
    };
    t.time.advance(10000);
    EXPECT_EQ(notices, 1);
    EXPECT_EQ(shownText, "Backup completed successfully ! ");
    EXPECT_EQ(prog->s.paramShared->TransfertDone, 1);
    EXPECT_FALSE(logTimers(*log).Timer44.enabled());
}
