// START LE on fake LEs: normal-mode LEs read and started one after another,
// an LE in "Stop" left alone, a symmetric LE without a cycle refused once,
// windows and plannings armed; and an LE whose link goes during its read.
#include "scheduler/SchedulerFixture.h"
#include "shell/LeStrips.h"
#include "shell/LinkRequest.h"
#include "shell/LogPorts.h"
#include "shell/LogTimers.h"
#include "shell/MainMenus.h"
#include "shell/MainPanels.h"
#include "shell/ScheduleFlags.h"
#include "shell/State.h"

using namespace orv;

namespace {

class StartLETest : public SchedulerTest {};

bool readRequested(const FakeLE& fake)
{
    for (const le::Fields& f : fake.commands())
        if (f[le::pos::Bank] == le::BankReadParam) return true;
    return false;
}

TEST_F(StartLETest, NormalLEsStartOneAfterAnotherAndTheOtherModesGoOn)
{
    FakeLE& le1 = linkedFake(0);
    FakeLE& le3 = linkedFake(2);
    FakeLE& le2 = linkedFake(1);
    choose(0, "MListeNormal");
    choose(2, "MListeNormal");
    choose(1, "MListeStop");
    choose(4, "MListeSymetrique");   // no cycle drawn
    choose(6, "MListeAsymetrique");
    choose(0, "MListeNormal");       // LE-1 selected again
    sc->HeuresTransition[6][0] = "16";
    sc->MinutesTransition[6][0] = "00";
    sc->HeuresTransition[6][1] = "19";
    sc->MinutesTransition[6][1] = "00";
    le2.model.clearReceived();

    // When LE-1's transfer notice opens, LE-3 has not been asked anything yet.
    int notices = 0;
    bool le3AskedDuringLE1 = true;
    t.dialogs.onModal = [&](plat::Form&) {
        if (notices++ == 0) le3AskedDuringLE1 = readRequested(le3);
    };
    start().Text1.setText("");
    start().StartSortie.click();

    EXPECT_EQ(notices, 2);
    EXPECT_FALSE(le3AskedDuringLE1);
    EXPECT_TRUE(readRequested(le1));
    EXPECT_TRUE(readRequested(le3));
    EXPECT_EQ(histoMessages().mid(1), (QStringList{"LE1  Starting LE ", "LE3  Starting LE "}));
    EXPECT_EQ(s->request->StartStopPC[0], 1);
    EXPECT_EQ(s->request->StartStopPC[2], 1);
    EXPECT_EQ(s->request->StartStopPC[1], 2);   // "Stop" stopped it; START LE leaves it so
    t.time.advance(1000);
    EXPECT_FALSE(readRequested(le2));
    EXPECT_EQ(lastRequest(le2), 2);

    ASSERT_EQ(t.dialogs.shown.size(), 1u);   // the symmetric LE without a cycle, once
    EXPECT_EQ(t.dialogs.shown[0].text, QString::fromUtf8("Erreur, sélectionner un cycle complet en heure(s)   s.v.p ! "));
    EXPECT_EQ(t.dialogs.shown[0].icon(), plat::mb::Exclamation);
    EXPECT_FALSE(start().Timer8.enabled());

    // The asymmetric LE after it is armed with copies of the strip's texts.
    EXPECT_EQ(s->schedule->FlagSymBlocage[6], 1);
    EXPECT_EQ(sc->HeureDebutAsym[6], "16");
    EXPECT_EQ(sc->HeureFinAsym[6], "19");
    EXPECT_EQ(leStrips(*log).Label26[6].backColor(), plat::rgb(0xFF, 0xC0, 0x80));
    sc->HeuresTransition[6][0] = "17";
    EXPECT_EQ(sc->HeureDebutAsym[6], "16");

    EXPECT_EQ(start().Text1.text(), "1");
    EXPECT_FALSE(start().Text1.enabled());
    EXPECT_EQ(sc->NBCycles[0], "1");
    EXPECT_EQ(start().Label99.caption(), "1");
}

TEST_F(StartLETest, AnLEWhoseLinkGoesDuringItsReadIsNotStartedAndTheOthersGoOn)
{
    FakeLE& le1 = linkedFake(0);
    linkedFake(2);
    choose(0, "MListeNormal");
    choose(2, "MListeNormal");
    le1.model.silence(true);   // LE-1 stops answering: its read never completes
    at(5000, [&] { ASSERT_TRUE(logPorts(*log).MSComm(0).setPortOpen(false)); });

    start().StartSortie.click();
    EXPECT_EQ(histoMessages(), (QStringList{"LE1  Parameters could not be read ", "LE3  Starting LE "}));
    EXPECT_TRUE(eventLines().contains("LE1  Parameters could not be read "));
    EXPECT_EQ(mainPanels(*log).List4.foreColor(), plat::colors::Red);

    // The tick went on during the wait and goes on after it.
    const QString before = s->common->HeureCourante;
    t.time.advance(2000);
    EXPECT_NE(s->common->HeureCourante, before);
}

TEST_F(StartLETest, AsymmetricLE1InSingleScreenDarkensTheTraceAreaForItsRedraw)
{
    choose(0, "MListeAsymetrique");
    start().StartSortie.click();
    EXPECT_FALSE(logTimers(*log).Timer71.enabled());   // single screen unticked: nothing drawn
    mainMenus(*log).mnuMonoEcran.setChecked(true);
    mainPanels(*log).Picture13.canvas().line(0, 0, 9340, 4214, plat::colors::White, plat::Canvas::BoxFilled);
    start().StartSortie.click();
    EXPECT_EQ(mainPanels(*log).Picture13.canvas().point(4000, 2000), plat::rgb(0, 0, 0x80));
    EXPECT_TRUE(logTimers(*log).Timer71.enabled());
}

} // namespace
