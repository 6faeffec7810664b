// The start-up debugger: the lines of a scripted start of LE-1 in English
// and French, when it follows and what it passes over, emptying, and
// "Print List" in documents of 76 lines with their headers.
#include "parameters/EspionStart.h"
#include "parameters/FadecParameters.h"
#include "run/RunFixture.h"
#include "run/RunState.h"
#include "shell/LeStrips.h"
#include "shell/LinkStatus.h"
#include "shell/RunShared.h"
#include "shell/State.h"

using namespace orv;

class EspionTest : public RunTest {
protected:
    void SetUp() override
    {
        RunTest::SetUp();
        t.time.advance(2000);   // the status refresh has painted the idle labels
        s->common->SelectedLE = 1;
        // The LE's delays as its start kept them, and a different PC copy.
        s->runShared->ParamZ1[0] = 50;
        s->runShared->ParamZ2[0] = 20;
        s->runShared->ParamZ3[0] = 15;
        FadecParameters& params = *prog->form<FadecParameters>();
        params.setParamPC(18, "55");
        params.setParamPC(19, "25");
        params.setParamPC(20, "18");
        s->status->TachyM[0] = 84;
        s->status->TachyV1[0] = 80;
        s->status->TachyV2[0] = 81;
        s->status->EspionLPC[0] = 45;
        s->status->EspionLFC[0] = 12;
        s->status->FadecIO[0][10] = 25;
        w().show();
    }
    EspionStart& w() { return *prog->form<EspionStart>(); }
    void startRequested()
    {
        leStrips(*log).Label26[0].setBackColor(plat::colors::Green);
        s->status->FadecIO[0][2] = 1;
    }
    void step(int n)
    {
        s->status->FadecIO[0][5] = n;
        s->status->StartStep[0] = uint8_t(n);
        t.time.advance(330);
    }
    static QString head(int n) { return QString(" LE-1   Step= %1    ").arg(n, 3, 10, QLatin1Char('0')); }
    const QList<int> script{1, 2, 5, 6, 13, 14, 15, 16, 64, 65, 70, 85, 86, 89, 101, 1, 2, 1, 2};
};

TEST_F(EspionTest, ScriptedStartInEnglish)
{
    startRequested();
    for (int n : script) step(n);
    EXPECT_EQ(w().caption(), "  Debugger startup (Start LE)-1)");
    const QString sensors = " > AD0-   LPC= 045    LFC= 012    MAT= 025";
    const QStringList expected{
        head(1) + " Start LE-1",
        head(2) + " Phase 1 activated",
        head(2) + " Loading the value z1=55",
        head(2) + " Loading the value z2=25",
        head(2) + " Loading the value z3=18",
        head(2) + " Pointer speed measurement M to '0'",
        head(2) + " Initialization speed M 84/255",
        head(5),
        head(6) + " Speed Test M =  2520 rpm",
        head(13) + " Result V1 speed tests for V1= 2400 rpm  V2= 2430 rpm",
        head(14) + " Phase 2 enabled    z1=50    jumping 64",
        head(15) + " Activation magnetron (generator) = ON",
        head(16) + sensors,
        head(64) + " Phase 3 enabled    z2=20    jumping 85",
        head(65) + " Maintains activation Magnetron",
        head(70) + sensors,
        head(85) + " Phase 4 enabled    z3=15    jumping 101",
        head(86) + " Identification if there is light at the bulb (LPC)",
        head(89) + " Measurement temp. Magnetron if <55 ° C (if> back to item 7)",
        head(101) + " Phase 5 enabled",
        head(101) + " Infinite loop (until asked to stop)",
        head(101) + " Reading sensors AD0-LPC, LFC, Batt, VCC",
        head(101) + " Reading sensors AD1-VIS, IR, HR, Reserve",
        head(101) + " Monitoring Temp. Magnetron",
        head(101) + " Monitoring Temp. Holder",
        " ",
        head(1) + " Initialize counters wear in b2",
        head(2) + " Initialization time measurement. Holder in b2",
        head(1),
        head(2),
    };
    EXPECT_EQ(w().List1.items(), expected);
    EXPECT_TRUE(w().PrintList1.enabled());
}

TEST_F(EspionTest, ScriptedStartInFrench)
{
    w().Option1[1].userClick();
    startRequested();
    for (int n : {1, 2, 6, 12, 13, 14, 65, 70, 87, 88, 101, 1, 2}) step(n);
    EXPECT_EQ(w().caption(), QString::fromUtf8("  Debugger de démarrage (Start LE-1)"));
    const QStringList expected{
        head(1) + " Start LE-1",
        head(2) + QString::fromUtf8(" Phase 1 activée"),
        head(2) + " Chargement de la valeur z1=55",
        head(2) + " Chargement de la valeur z2=25",
        head(2) + " Chargement de la valeur z3=18",
        head(2) + QString::fromUtf8(" Pointeur de mesure de vitesse M à '0'"),
        head(2) + QString::fromUtf8(" Initialisation vitesse M à 84/255"),
        head(6) + " Test de vitesse de M =  2520 tr/min",
        head(12) + QString::fromUtf8(" Mesure temp. Magnétron si < 55°C (si refroidissement activé --> goto 7)"),
        head(13) + QString::fromUtf8(" Résultat tests de vitesse de V1= 2400 tr/min  V2= 2430 tr/min"),
        head(14) + QString::fromUtf8(" Phase 2 activée    z1=50    saut à 64"),
        head(65) + QString::fromUtf8(" Maintient activation Magnétron"),
        head(70) + " > AD0-   LPC= 045    LFC= 012    MAT= 025",
        head(87) + QString::fromUtf8(" Test si pas de lumière = Arrêt Magnétron"),
        head(88) + QString::fromUtf8(" Si nombre de démarrage > Max Start Number = Arrêt système LE"),
        head(101) + QString::fromUtf8(" Phase 5 activée"),
        head(101) + QString::fromUtf8(" Boucle infinie (jusqu'à demande d'arrêt LE)"),
        head(101) + " Lecture des capteurs AD0-LPC, LFC, Batt, VCC",
        head(101) + QString::fromUtf8(" Lecture des capteurs AD1-VIS, IR, RH, Réserve"),
        head(101) + QString::fromUtf8(" Surveillance Temp. Magnétron"),
        head(101) + " Surveillance Temp. Plateau",
        " ",
        head(1) + " Initialisation compteurs usures en b2",
        head(2) + " Initialisation mesure Temp. Holder en b2",
    };
    EXPECT_EQ(w().List1.items(), expected);
}

TEST_F(EspionTest, FollowsOnlyOnceALabelShowedGreenAndOnlyRequestedStarts)
{
    s->status->FadecIO[0][2] = 1;
    step(1);
    step(2);
    EXPECT_EQ(w().List1.listCount(), 0);   // no LE label green yet
    EXPECT_EQ(w().caption(), "  Debugger startup (Start LE)");

    // LE-3's label green: the caption names the selected LE all the same.
    leStrips(*log).Label26[2].setBackColor(plat::colors::Green);
    s->status->FadecIO[0][2] = 0;
    step(3);
    EXPECT_EQ(w().caption(), "  Debugger startup (Start LE)-1)");
    EXPECT_EQ(w().List1.listCount(), 0);   // no start requested: passed over
    EXPECT_FALSE(w().PrintList1.enabled());
    s->status->FadecIO[0][2] = 1;
    step(3);                              // already processed
    EXPECT_EQ(w().List1.listCount(), 0);
    step(7);
    EXPECT_EQ(w().List1.items(), QStringList{head(7) + " Starting V1 & V2 "});
    EXPECT_FALSE(w().PrintList1.enabled());   // one line

    // Green labels may change again: following goes on.
    leStrips(*log).Label26[2].setBackColor(plat::ButtonFace);
    step(11);
    EXPECT_EQ(w().List1.listCount(), 2);
    EXPECT_TRUE(w().PrintList1.enabled());

    // Emptying starts again from the first pass, once a label is green.
    w().ViderLaListe.click();
    EXPECT_EQ(w().List1.listCount(), 0);
    step(2);
    EXPECT_EQ(w().List1.listCount(), 0);
    startRequested();
    step(1);
    step(2);
    EXPECT_EQ(w().List1.list(0), head(1) + " Start LE-1");
    EXPECT_EQ(w().List1.list(1), head(2) + " Phase 1 activated");
    EXPECT_EQ(w().List1.listCount(), 7);
}

// Delays whose targets pass the last step, a step value no controller
// sends, a parameter caption that is not a number and a full list.
TEST_F(EspionTest, OddValuesNeitherStopNorCorruptTheList)
{
    s->runShared->ParamZ1[0] = 180;
    s->runShared->ParamZ2[0] = 40;
    s->runShared->ParamZ3[0] = 30;
    prog->form<FadecParameters>()->setParamPC(18, "abc");
    startRequested();
    step(2);
    EXPECT_EQ(w().List1.list(1), head(2) + " Loading the value z1=0");
    step(14);
    EXPECT_EQ(w().List1.items().last(), head(14) + " Phase 2 enabled    z1=180    jumping 194");
    step(235);
    EXPECT_EQ(w().List1.items().last(), head(235) + " Phase 4 enabled    z3=30    jumping 266");
    const int before = w().List1.listCount();
    step(300);
    step(-4);
    EXPECT_EQ(w().List1.listCount(), before);
    step(255);
    EXPECT_EQ(w().List1.items().last(), head(255) + " > AD0-   LPC= 045    LFC= 012    MAT= 025");

    while (w().List1.listCount() < EspionStart::ListCapacity) w().List1.addItem("old");
    const QString second = w().List1.list(1);
    step(3);
    EXPECT_EQ(w().List1.listCount(), EspionStart::ListCapacity);
    EXPECT_EQ(w().List1.list(0), second);
    EXPECT_EQ(w().List1.items().last(), head(3) + " Starting M ");
}

class EspionPrintTest : public EspionTest {
protected:
    void fill(int lines)
    {
        for (int i = 0; i < lines; ++i) w().List1.addItem(QString("line %1").arg(i));
        t.time.advance(330);
        ASSERT_TRUE(w().PrintList1.enabled());
    }
    const QString margin = QString(10, ' ');
    QStringList header(const QString& title)
    {
        return {" ", " ", " ", margin + title, margin + QString(40, '-'), " ", " "};
    }
};

TEST_F(EspionPrintTest, TwoHundredLinesPrintAsThreeDocumentsEachWithItsHeader)
{
    fill(200);
    // Lines added while it prints wait for the next printout; a second
    // "Print List" cannot start meanwhile.
    int nestedTries = 0;
    t.time.post([&] {
        EXPECT_FALSE(w().PrintList1.enabled());
        w().List1.addItem("added while printing");
        w().PrintList1_Click();
        ++nestedTries;
    });
    w().PrintList1.click();
    EXPECT_EQ(nestedTries, 1);
    const auto& docs = t.printer.documents();
    ASSERT_EQ(docs.size(), 3);
    const int expectedLines[] = {76, 76, 48};
    int next = 0;
    for (int d = 0; d < 3; ++d) {
        EXPECT_EQ(docs[d].mid(0, 7), header("Print Debugger - Stamp")) << d;
        ASSERT_EQ(docs[d].size(), 7 + expectedLines[d]) << d;
        for (int i = 0; i < expectedLines[d]; ++i, ++next)
            EXPECT_EQ(docs[d][7 + i], margin + QString("line %1").arg(next));
    }
    EXPECT_FALSE(t.printer.docOpen());
    EXPECT_TRUE(w().PrintList1.enabled());
    EXPECT_TRUE(t.dialogs.shown.empty());

    // In French the header says so.
    w().Option1[1].userClick();
    w().PrintList1.click();
    ASSERT_EQ(docs.size(), 6);
    EXPECT_EQ(docs[3].mid(0, 7), header("Impression Debugger - Stamp"));
    EXPECT_EQ(docs[5].last(), margin + "added while printing");
}

TEST_F(EspionPrintTest, WithoutAPrinterItSaysSoAndPrintsNothing)
{
    fill(5);
    t.printer.available = false;
    w().PrintList1.click();
    EXPECT_TRUE(t.printer.documents().isEmpty());
    EXPECT_TRUE(t.printer.openLines().isEmpty());
    ASSERT_EQ(t.dialogs.shown.size(), 1u);
    EXPECT_EQ(t.dialogs.shown[0].text, "No printer is available: the list was not printed. ");
    EXPECT_EQ(t.dialogs.shown[0].icon(), int(plat::mb::Exclamation));
    EXPECT_TRUE(w().PrintList1.enabled());
    t.printer.available = true;
    w().PrintList1.click();
    EXPECT_EQ(t.printer.documents().size(), 1);
}

// Without a printer the pages are filed as documents named after the
// debugger's list, and the user is told where they went.
TEST_F(EspionPrintTest, FiledPagesAreNamedAfterTheListAndTheUserIsToldWhere)
{
    fill(100);
    t.printer.fileFolder = "/drive";
    t.printer.setDocName("history");   // what a history printout left
    w().PrintList1.click();
    ASSERT_EQ(t.printer.documents().size(), 2);
    EXPECT_EQ(t.printer.documentNames(), QStringList({"startup-debugger", "startup-debugger"}));
    ASSERT_EQ(t.dialogs.shown.size(), 1u);
    EXPECT_EQ(t.dialogs.shown[0].text, "No printer is available: the list was saved as\n"
                                       "/drive/startup-debugger-print.pdf\n/drive/startup-debugger-print-2.pdf");
    EXPECT_EQ(t.dialogs.shown[0].title, " Print List");
    EXPECT_EQ(t.dialogs.shown[0].icon(), int(plat::mb::Information));

    // A printer that prints says nothing.
    t.printer.fileFolder.clear();
    w().PrintList1.click();
    EXPECT_EQ(t.dialogs.shown.size(), 1u);
}
