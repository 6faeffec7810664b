// FADEC error reports in the event list and the history, the warning box
// (AffAlarm, blinking frame, OK), Dec_Bin, the error-code list and the stop
// alarm of the main window.
#include "parameters/FadecParameters.h"
#include "parameters/Saisie.h"
#include "shell/BoiteDialogue.h"
#include "shell/LinkRequest.h"
#include "shell/LinkStatus.h"
#include "shell/Log.h"
#include "shell/MessagesError.h"
#include "shell/State.h"
#include "shell/TextTables.h"
#include "support/ProgramFixture.h"

#include <QWidget>

using namespace orv;

namespace {
constexpr plat::Color Red = plat::rgb(255, 0, 0);
constexpr plat::Color Orange = plat::rgb(255, 128, 0);
} // namespace

class ErrorsTest : public ProgramTest {
protected:
    const QString histo = "C:\\LightCtl\\Histo.txt";
    plat::ListBox& list4() { return prog->Log->List4; }

    void SetUp() override
    {
        ProgramTest::SetUp();
        // The main window without its start-up run: these tests set the
        // state start-up would leave.
        prog->Log->Timer1.setEnabled(false);
        prog->s.common->BaseFolder = "C:\\LightCtl";
        fillFadecErrorCodes(prog->s);
        t.time.setWallClock(QDateTime(QDate(2026, 12, 8), QTime(14, 5, 9)));
    }

    QList<QByteArray> histoLines() const
    {
        QList<QByteArray> lines = readFile(histo).split('\n');
        lines.removeAll("");
        return lines;
    }
};

TEST_F(ErrorsTest, CodeIsReportedOncePerLEAndCodeWhileNotIdle)
{
    State& s = prog->s;
    s.status->PhaseLP[0] = 0;
    prog->Log->EcrireCodeErreur(1, 0);   // idle: neither shown nor marked
    EXPECT_EQ(list4().listCount(), 0);
    EXPECT_EQ(s.common->ErrCodeReported[1], 0);

    s.status->PhaseLP[0] = 5;
    s.status->PhaseLP[2] = 3;
    prog->Log->EcrireCodeErreur(1, 0);
    prog->Log->EcrireCodeErreur(1, 0);
    prog->Log->EcrireCodeErreur(1, 2);   // same code, other LE
    prog->Log->EcrireCodeErreur(5, 0);   // other code, same LE

    EXPECT_EQ(list4().items(), QStringList({" Error LE1  Motor M - speed too slow", " Error LE3  Motor M - speed too slow",
                                            " Error LE1  " + s.common->FadecErrorCodes[5]}));
    const QList<QByteArray> lines = histoLines();
    ASSERT_EQ(lines.size(), 3);
    EXPECT_EQ(lines[0], "  14:05:09    08/12/2026    001    LE1  Motor M - speed too slow\r");
    EXPECT_EQ(lines[1], "  14:05:09    08/12/2026    001    LE3  Motor M - speed too slow\r");
    EXPECT_TRUE(lines[2].startsWith("  14:05:09    08/12/2026    005    LE1  "));
    EXPECT_EQ(s.common->ErrCodeReported[1 + 21 * 2], 1);
}

TEST_F(ErrorsTest, Code18IsOrangeWithHoursAndMinutesAndTheListTakesTheLastColour)
{
    State& s = prog->s;
    s.status->PhaseLP[0] = 5;
    s.status->PhaseLP[1] = 5;
    prog->Log->EcrireCodeErreur(3, 0);
    EXPECT_EQ(list4().foreColor(), Red);
    prog->Log->EcrireCodeErreur(18, 0);
    EXPECT_EQ(list4().foreColor(), Orange);
    EXPECT_EQ(list4().list(1), " ------> LE1  Stop activated  (14h05)");
    EXPECT_EQ(s.common->HeureCourante, "14:05:09");
    prog->Log->EcrireCodeErreur(3, 1);
    EXPECT_EQ(list4().foreColor(), Red);
    prog->Log->EcrireCodeErreur(18, 1);
    EXPECT_EQ(list4().foreColor(), Orange);

    // The code field reads 018 for the error, 000 for the next line written.
    prog->Log->WriteHisto("LE1  Starting LE ");
    const QList<QByteArray> lines = histoLines();
    ASSERT_EQ(lines.size(), 5);
    EXPECT_EQ(lines[1], "  14:05:09    08/12/2026    018    LE1  Stop activated\r");
    EXPECT_EQ(lines[4], "  14:05:09    08/12/2026    000    LE1  Starting LE \r");
}

TEST_F(ErrorsTest, CodesAndIndexesWithoutAPlaceAreIgnored)
{
    State& s = prog->s;
    s.status->PhaseLP.fill(5);
    for (int code : {21, 65, 66, 200, 255, -1})
        for (int le : {0, 7, 8})
            prog->Log->EcrireCodeErreur(code, le);
    for (int le : {9, -1, 1000})
        prog->Log->EcrireCodeErreur(1, le);
    EXPECT_EQ(list4().listCount(), 0);
    EXPECT_FALSE(QFile::exists(t.host(histo)));
    EXPECT_TRUE(std::all_of(s.common->ErrCodeReported.begin(), s.common->ErrCodeReported.end(), [](uint8_t v) { return v == 0; }));

    prog->Log->EcrireCodeErreur(20, 8);   // the highest code and index that have a place
    EXPECT_EQ(list4().listCount(), 1);
}

TEST_F(ErrorsTest, DecBinGivesEightBitsAndClearsTheByte)
{
    const std::pair<uint8_t, const char*> cases[] = {
        {0, "00000000"}, {255, "11111111"}, {128, "10000000"}, {5, "00000101"}, {170, "10101010"}};
    for (auto [value, bits] : cases) {
        uint8_t b = value;
        QString out = "old";
        prog->Log->Dec_Bin(b, out);
        EXPECT_EQ(out, bits) << int(value);
        EXPECT_EQ(b, 0);
    }
}

TEST_F(ErrorsTest, AffAlarmShowsTheBoxNotModalTopmostAndRewritesItWhileOpen)
{
    FadecParameters& params = *prog->form<FadecParameters>();
    params.show();
    prog->form<Saisie>().get();

    prog->form<BoiteDialogue>()->Label2.setCaption("LE1 SHT (FADEC and PC)");
    prog->Log->AffAlarm();
    BoiteDialogue* box = prog->ifLoaded<BoiteDialogue>();
    ASSERT_TRUE(box);
    EXPECT_EQ(box->caption(), " Warning !");
    EXPECT_EQ(box->Label1.caption(), "Alarm");
    EXPECT_EQ(box->Label2.caption(), "LE1 SHT (FADEC and PC)");
    EXPECT_EQ(box->Label3.caption(), "14:05:09 / 08/12/2026");
    EXPECT_TRUE(box->visible());
    EXPECT_FALSE(box->isModal());
    EXPECT_TRUE(box->topmost());
    EXPECT_FALSE(params.visible());
    EXPECT_FALSE(prog->ifLoaded<Saisie>());
    EXPECT_TRUE(box->window()->isVisible());

    t.time.advance(60000);
    box->Label2.setCaption("LE2 LFC");
    prog->Log->AffAlarm();
    EXPECT_EQ(prog->ifLoaded<BoiteDialogue>(), box);
    EXPECT_EQ(box->Label3.caption(), "14:06:09 / 08/12/2026");
}

TEST_F(ErrorsTest, FrameBlinksEveryHalfSecond)
{
    prog->Log->AffAlarm();
    BoiteDialogue& box = *prog->ifLoaded<BoiteDialogue>();
    auto frame = [&] {
        const plat::Color c = box.Line1.borderColor();
        for (plat::Line* l : {&box.Line2, &box.Line3, &box.Line4}) EXPECT_EQ(l->borderColor(), c);
        return c;
    };
    const plat::Color grey = plat::rgb(192, 192, 192);
    t.time.advance(499);
    EXPECT_EQ(frame(), grey);
    t.time.advance(1);
    EXPECT_EQ(frame(), Red);
    t.time.advance(500);
    EXPECT_EQ(frame(), grey);
    t.time.advance(500);
    EXPECT_EQ(frame(), Red);
}

TEST_F(ErrorsTest, OkAcknowledgesALostLinkOfEveryLE)
{
    struct Case {
        QString headline;
        bool clears;
    };
    for (const Case& c : {Case{"No communication with machine", true}, Case{"Alarm", false},
                          Case{"No communication with machine ", false}, Case{"no communication with machine", false}}) {
        State& s = prog->s;
        s.common->ComptageComm.fill(25);
        s.common->FlagCommSignalee.fill(1);
        s.status->FlagCommPerdue.fill(1);
        BoiteDialogue& box = *prog->form<BoiteDialogue>();
        box.Label1.setCaption(c.headline);
        box.show();
        box.OkValide.click();

        EXPECT_FALSE(prog->ifLoaded<BoiteDialogue>()) << c.headline.toStdString();
        for (int le = 0; le < 8; ++le) {
            const bool cleared = c.clears;
            EXPECT_EQ(s.common->ComptageComm[le], cleared ? 0 : 25) << c.headline.toStdString() << " LE index " << le;
            EXPECT_EQ(s.common->FlagCommSignalee[le], cleared ? 0 : 1) << c.headline.toStdString() << " LE index " << le;
            EXPECT_EQ(s.status->FlagCommPerdue[le], 1);
        }
        t.time.advance(10);   // let the closed box go
    }
}

TEST_F(ErrorsTest, ErrorCodeListShowsCodes00To19WithTabStops)
{
    MessagesError& w = *prog->form<MessagesError>();
    EXPECT_EQ(w.caption(), " FADEC Error Codes");
    ASSERT_EQ(w.List1.listCount(), 20);
    EXPECT_EQ(w.List1.list(0), "\t00\tArret LE");
    EXPECT_EQ(w.List1.list(1), "\t01\tMotor M - speed too slow");
    EXPECT_EQ(w.List1.list(19), "\t19\tLFC level too low");
    EXPECT_EQ(w.List1.tabStops(), QList<int>({10, 35, 110}));
    EXPECT_EQ(w.List1.listIndex(), 0);

    w.unload();
    EXPECT_EQ(prog->form<MessagesError>()->List1.listCount(), 20);   // rebuilt, not doubled
}

TEST_F(ErrorsTest, StopAlarmReportsRunningLEsWithAPendingStopOnceAndStartsStopAll)
{
    State& s = prog->s;
    Log& log = *prog->Log;
    // LE index: stop requested, phase.
    s.request->StartStopPC = {2, 2, 1, 2, 2, 0, 2, 2, 0};
    s.status->PhaseLP = {5, 5, 5, 4, 5, 5, 5, 5, 0};
    s.common->StopAlarmLogged[1] = 1;   // reported before
    log.Timer54.setEnabled(true);
    t.time.advance(1000);

    // LE1 and LE5 in the same tick; LE7 and LE8 are never watched.
    EXPECT_EQ(list4().items(), QStringList({"LE1  Stop Alarm (Actived)", "LE5  Stop Alarm (Actived)"}));
    EXPECT_EQ(list4().foreColor(), Red);
    const QList<QByteArray> lines = histoLines();
    ASSERT_EQ(lines.size(), 2);
    EXPECT_EQ(lines[1], "  14:05:10    08/12/2026    000    LE5  Stop Alarm (Actived)\r");
    EXPECT_TRUE(log.Timer16.enabled());
    EXPECT_EQ(log.mnuStopAlarm.caption(), "Stop Alarm *");
    EXPECT_FALSE(log.Timer54.enabled());
    EXPECT_EQ(s.common->StopAlarmLogged[0], 1);
    EXPECT_EQ(s.common->StopAlarmLogged[4], 1);
    EXPECT_EQ(s.common->StopAlarmLogged[6], 0);

    log.Timer16.setEnabled(false);
    log.Timer54.setEnabled(true);   // armed again: nothing new to report
    t.time.advance(1000);
    EXPECT_EQ(list4().listCount(), 2);
    EXPECT_TRUE(log.Timer54.enabled());
}
