// Reception on the eight ports: what a frame changes (its own LE's row,
// state and labels only), what a bad frame or a line event leaves alone, the
// phase and fault handling, set-points, read-back and wear counters.
#include "link/LinkState.h"
#include "link/LogLink.h"
#include "link/ReceiveFixture.h"
#include "parameters/FadecParameters.h"
#include "parameters/Usures.h"
#include "shell/LinkRequest.h"
#include "shell/LinkStatus.h"
#include "shell/Log.h"
#include "shell/ParametersShared.h"
#include "shell/RunShared.h"
#include "shell/State.h"

#include <QFile>
#include <functional>

using namespace orv;

namespace {

QString num(int v) { return QString::number(v); }

QByteArray withField(QByteArray frame, int i, const char* five)
{
    frame.replace(i * 5, 5, QByteArray(five, 5));
    return frame;
}

} // namespace

class ReceiveStripTest : public ReceiveTest {
protected:
    // The LE's value labels in the main window's strip.
    QStringList strip(int le)
    {
        using L = LogControls;
        QStringList out;
        for (auto labels : {&L::Label24, &L::Label11, &L::Label40, &L::Label41, &L::Label31, &L::Label32, &L::Label37,
                            &L::Label42, &L::Label33, &L::Label34, &L::Label35, &L::Label39, &L::Label15})
            out << ((*log).*labels)[le].caption();
        return out;
    }
};

TEST_F(ReceiveStripTest, StatusFrameUpdatesOnlyItsOwnLE)
{
    for (int le = 0; le < 8; ++le) {
        SCOPED_TRACE(le);
        std::array<std::array<int32_t, 32>, 8> rows;
        std::array<QStringList, 8> strips;
        std::array<QByteArray, 8> bytes;
        std::array<bool, 8> armed;
        for (int k = 0; k < 8; ++k) {
            rows[k] = row(k);
            strips[k] = strip(k);
            bytes[k] = s->link->IOStampToPC[k];
            armed[k] = txTimer(k).enabled();
        }

        le::Fields f = status(3);
        f[5] = 2;
        for (int i = 10; i <= 19; ++i) f[i] = 10 * i + le;
        f[26] = 150 + le;
        f[27] = 100;
        receive(le, f);

        EXPECT_EQ(row(le), asRow(f));
        for (int i = 0; i < 32; ++i) EXPECT_EQ(uint8_t(s->link->IOStampToPC[le][i]), f[i]) << i;
        EXPECT_EQ(s->status->SynchroRS232[le], 123);
        EXPECT_EQ(s->status->PhaseLP[le], 3);
        EXPECT_EQ(s->status->TachyM[le], 100);
        QStringList expected{"3", "2"};
        for (int i : {10, 11, 12, 13, 14, 15, 16, 17, 18}) expected << num(f[i]);
        expected << num(150 + le) << strips[le].last();
        EXPECT_EQ(strip(le), expected);
        EXPECT_TRUE(txTimer(le).enabled());
        for (int k = 0; k < 8; ++k) {
            if (k == le) continue;
            EXPECT_EQ(row(k), rows[k]) << k;
            EXPECT_EQ(strip(k), strips[k]) << k;
            EXPECT_EQ(s->link->IOStampToPC[k], bytes[k]) << k;
            EXPECT_EQ(txTimer(k).enabled(), armed[k]) << k;
        }
    }
}

TEST_F(ReceiveTest, EdgeCasesOnEveryInstance)
{
    FadecParameters& params = *prog->form<FadecParameters>();
    for (int le = 0; le < 8; ++le) {
        SCOPED_TRACE(le);
        auto disarm = [&] { txTimer(le).setEnabled(false); };
        le::Fields good = status(2);
        good[10] = 31;
        receive(le, good);

        // No marker: not to be answered, armed, and handled in full once the
        // next block has shown that the line did not slip.
        le::Fields unmarked = status(3);
        unmarked[30] = 122;
        disarm();
        receive(le, unmarked);
        EXPECT_EQ(s->status->SynchroRS232[le], 0);
        EXPECT_EQ(s->status->PhaseLP[le], 2);
        EXPECT_TRUE(txTimer(le).enabled());
        le::Fields unmarked4 = unmarked;
        unmarked4[1] = 4;
        receive(le, unmarked4);
        EXPECT_EQ(s->status->PhaseLP[le], 3);
        EXPECT_EQ(s->status->SynchroRS232[le], 0);
        receive(le, good);
        EXPECT_EQ(s->status->SynchroRS232[le], 123);
        EXPECT_EQ(s->status->PhaseLP[le], 2);

        // A read-back whose parameter 30 is 50 fills the table and clears the marker.
        le::Fields table;
        for (int p = 0; p < 32; ++p) table[p] = 10 + p + le;
        table[0] = 2;
        table[30] = 50;
        disarm();
        log->Timer44.setEnabled(false);
        receive(le, table);
        for (int p = 0; p < 32; ++p) {
            EXPECT_EQ(params.ParamPC(p), num(table[p])) << p;
            EXPECT_EQ(s->status->ParamStamp[le][p], table[p]) << p;
        }
        EXPECT_EQ(s->status->MessageTransfert, QString("Reading the settings on LE%1 went well ! ").arg(le + 1));
        EXPECT_TRUE(log->Timer44.enabled());
        EXPECT_EQ(s->status->SynchroRS232[le], 0);
        EXPECT_EQ(s->link->RxBank[le], 0);
        EXPECT_EQ(s->status->PhaseLP[le], 2);
        EXPECT_TRUE(txTimer(le).enabled());
        receive(le, good);
        EXPECT_EQ(s->status->SynchroRS232[le], 123);

        // A letter field or a field above 255 changes nothing and takes the
        // line out of step: the reply is armed, but nothing is answered from
        // the old row until two marked frames running show the boundary.
        le::Fields other = status(4);
        other[10] = 77;
        other[30] = 122;
        const QByteArray otherText = le::composeFrame(other);
        for (const QByteArray& bad : {withField(otherText, 7, "abcde"), withField(otherText, 4, "00256"),
                                      withField(otherText, 31, "  -12")}) {
            const QByteArray bytesBefore = s->link->IOStampToPC[le];
            disarm();
            receive(le, bad);
            EXPECT_EQ(row(le), asRow(good));
            EXPECT_EQ(s->link->IOStampToPC[le], bytesBefore);
            EXPECT_EQ(s->status->PhaseLP[le], 2);
            EXPECT_EQ(s->status->TempMAT[le], 31);
            EXPECT_EQ(log->Label24[le].caption(), "2");
            EXPECT_EQ(s->status->SynchroRS232[le], 0);
            EXPECT_TRUE(txTimer(le).enabled());
            EXPECT_TRUE(s->link->RxText[le].isEmpty());
            receive(le, good);
            EXPECT_EQ(s->status->SynchroRS232[le], 0);
            receive(le, good);
            EXPECT_EQ(s->status->SynchroRS232[le], 123);
        }

        // A port that is closed when the event comes is not read.
        log->MSComm(le).setPortOpen(false);
        disarm();
        log->link->MSComm_OnComm(le);
        EXPECT_FALSE(txTimer(le).enabled());
        openPort(le);

        // Line events read nothing and arm nothing, the overflow included.
        ASSERT_TRUE(t.ports.inject(le + 1, le::composeFrame(other).left(100)));
        for (int code : {1008, 1001, 1004, 1006, 1009, 1010}) {
            disarm();
            t.ports.raiseError(le + 1, code);
            t.time.runPending();
            EXPECT_EQ(log->MSComm(le).commEvent(), code);
            EXPECT_FALSE(txTimer(le).enabled()) << code;
            EXPECT_TRUE(s->link->RxText[le].isEmpty());
        }
        EXPECT_EQ(log->MSComm(le).inBufferCount(), 100);
        EXPECT_EQ(row(le), asRow(good));
        log->MSComm(le).setPortOpen(false);
        openPort(le);
    }
}

TEST_F(ReceiveTest, BlanksAroundDigitsAreAccepted)
{
    QByteArray text = le::composeFrame(status(1));
    text = withField(text, 10, "025  ");
    text = withField(text, 11, "255  ");
    text = withField(text, 26, " 157 ");
    receive(2, text);
    EXPECT_EQ(s->status->TempMAT[2], 25);
    EXPECT_EQ(s->status->TempSHT[2], 255);
    EXPECT_EQ(log->Label41[2].caption(), "---");
    EXPECT_EQ(s->status->LogTextSHT[2], "2550");
    EXPECT_EQ(s->status->LogTextMAT[2], "250");
    EXPECT_EQ(log->Label39[2].caption(), "157");
}

TEST_F(ReceiveTest, RestCountdownStartsOncePerRestPeriod)
{
    for (int le = 0; le < 8; ++le) {
        SCOPED_TRACE(le);
        receive(le, status(6));
        EXPECT_TRUE(restTimer(le).enabled());
        EXPECT_EQ(s->runShared->RestSeconds[le], 90);

        // The countdown runs on; more phase-6 frames leave it alone.
        s->runShared->RestSeconds[le] = 42;
        restTimer(le).setEnabled(false);
        receive(le, status(6));
        receive(le, status(3));   // back into a start without idling: still the same period
        receive(le, status(6));
        EXPECT_EQ(s->runShared->RestSeconds[le], 42);
        EXPECT_FALSE(restTimer(le).enabled());

        receive(le, status(0));
        EXPECT_EQ(s->link->RestStarted[le], 0);
        receive(le, status(6));
        EXPECT_EQ(s->runShared->RestSeconds[le], 90);
        EXPECT_TRUE(restTimer(le).enabled());
    }
}

TEST_F(ReceiveTest, IdleMarkComesFromLE1Only)
{
    plat::Canvas& c = log->Picture13.canvas();
    ASSERT_GT(c.widthTwips(), 445);
    ASSERT_GT(c.heightTwips(), 275);
    c.line(345, 259, 445, 275, plat::colors::White, plat::Canvas::BoxFilled);
    for (int le = 1; le < 8; ++le) receive(le, status(0));
    EXPECT_EQ(c.point(395, 267), plat::colors::White);
    receive(0, status(0));
    EXPECT_EQ(c.point(345, 259), plat::colors::Black);
    EXPECT_EQ(c.point(445, 275), plat::colors::Black);
}

TEST_F(ReceiveTest, StopRequests)
{
    struct Case { int phase, field2, code, startStopPC; };
    const Case cases[] = {
        {5, 2, 0, 2}, {3, 2, 0, 2}, {0, 2, 0, 1}, {5, 1, 0, 1},              // the stop the LE reports
        {2, 0, 4, 2}, {0, 0, 4, 2}, {0, 0, 3, 2}, {5, 0, 5, 2}, {6, 0, 6, 2}, // fan faults, in every phase
        {5, 0, 7, 1}, {0, 0, 7, 1}, {5, 0, 2, 1},
    };
    int le = 0;
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << c.phase << "," << c.field2 << "," << c.code);
        le = (le + 1) % 8;
        s->request->StartStopPC[le] = 1;
        le::Fields f = status(c.phase);
        f[2] = c.field2;
        f[9] = c.code;
        receive(le, f);
        EXPECT_EQ(s->request->StartStopPC[le], c.startStopPC);
    }
}

TEST_F(ReceiveTest, ErrorCodesAreReportedOnceWhileNotIdle)
{
    const int before = log->List4.listCount();
    le::Fields f = status(5);
    f[9] = 5;
    receive(1, f);
    ASSERT_EQ(log->List4.listCount(), before + 1);
    EXPECT_TRUE(log->List4.list(before).contains(s->common->FadecErrorCodes[5])) << log->List4.list(before).toStdString();
    EXPECT_EQ(s->link->FadecError[1], 5);
    receive(1, f);
    EXPECT_EQ(log->List4.listCount(), before + 1);

    le::Fields idle = status(0);
    idle[9] = 7;
    receive(3, idle);
    EXPECT_EQ(log->List4.listCount(), before + 1);
}

TEST_F(ReceiveTest, ErrorCodeWithoutTextSpoilsNoLaterStep)
{
    log->mnuAlarmPlateau.setChecked(true);
    settings().Check1[0].setValue(1);
    s->common->SHTStopLE = 0;
    s->runShared->MaxTempSHT[0] = 40;
    for (int code : {21, 99, 255}) {
        SCOPED_TRACE(code);
        s->link->AlarmSHTLatchLE1 = 0;
        le::Fields f = status(5);
        f[9] = code;
        f[10] = code % 50;
        f[11] = 45;
        f[12] = code % 60;
        f[26] = code % 70;
        receive(0, f);
        EXPECT_EQ(s->link->FadecError[0], code);
        EXPECT_EQ(log->Label40[0].caption(), num(code % 50));
        EXPECT_EQ(log->Label41[0].caption(), "45");
        EXPECT_EQ(s->link->AlarmSHTLatchLE1, 1);
        EXPECT_EQ(log->Label31[0].caption(), num(code % 60));
        EXPECT_EQ(log->Label39[0].caption(), num(code % 70));
    }
}

class ReceiveSetPointTest : public ReceiveTest {
protected:
    QString path() const { return s->common->BaseFolder + "\\ConsignePW2.ini"; }
    void writeValues(std::initializer_list<const char*> lines)
    {
        QByteArray text;
        for (const char* l : lines) text += QByteArray(l) + "\r\n";
        writeFile(path(), text);
    }
};

TEST_F(ReceiveSetPointTest, LoadedOncePerRunAtPhase5)
{
    writeValues({" 80 ", " 90 ", " 100 ", " 110 ", " 120 ", " 130 ", " 40 ", " 30 "});
    QStringList labels;
    for (int k = 0; k < 8; ++k) labels << log->Label15[k].caption();
    s->runShared->FlagConsignePWLE3[0] = 0;
    s->runShared->FlagConsignePWLE3[2] = 0;

    receive(2, status(5));
    EXPECT_EQ(s->runShared->ConsignePWIni, (PerLE<int16_t>{80, 90, 100, 110, 120, 130, 40, 30, 0}));
    EXPECT_EQ(s->request->ConsignePW[2], 100);
    labels[2] = "1000";
    for (int k = 0; k < 8; ++k) EXPECT_EQ(log->Label15[k].caption(), labels[k]) << k;
    EXPECT_EQ(s->runShared->FlagConsignePWLE3[2], 1);   // LE-3's own element
    EXPECT_EQ(s->runShared->FlagConsignePWLE3[0], 0);

    // Later phase-5 frames of the same run do not read the file again.
    writeValues({"50", "50", "50", "50", "50", "50", "50", "50"});
    receive(2, status(5));
    receive(2, status(4));
    receive(2, status(5));
    EXPECT_EQ(s->request->ConsignePW[2], 100);
    EXPECT_EQ(s->runShared->ConsignePWIni[0], 80);

    // A new run (the flag cleared) reads it again; so does every LE on its own flag.
    for (int le = 0; le < 8; ++le) {
        s->runShared->FlagConsignePW(le) = 0;
        receive(le, status(5));
        EXPECT_EQ(s->runShared->FlagConsignePW(le), 1) << le;
        EXPECT_EQ(s->request->ConsignePW[le], 50) << le;
        EXPECT_EQ(log->Label15[le].caption(), "500") << le;
    }
}

TEST_F(ReceiveSetPointTest, MissingFileChangesNothingAndIsRetried)
{
    s->runShared->ConsignePWIni = {1, 2, 3, 4, 5, 6, 7, 8, 0};
    s->request->ConsignePW[4] = 7;
    log->Label15[4].setCaption("70");
    s->runShared->FlagConsignePW(4) = 0;
    QFile::remove(t.host(path()));
    le::Fields f = status(5);
    f[5] = 3;
    f[10] = 44;
    receive(4, f);
    EXPECT_EQ(s->runShared->ConsignePWIni, (PerLE<int16_t>{1, 2, 3, 4, 5, 6, 7, 8, 0}));
    EXPECT_EQ(s->request->ConsignePW[4], 7);
    EXPECT_EQ(log->Label15[4].caption(), "70");
    EXPECT_EQ(s->runShared->FlagConsignePW(4), 0);
    EXPECT_EQ(log->Label11[4].caption(), "3");   // the later steps ran
    EXPECT_EQ(log->Label40[4].caption(), "44");

    writeValues({"60", "60", "60", "60", "61", "60", "60", "60"});
    receive(4, status(5));
    EXPECT_EQ(s->request->ConsignePW[4], 61);
    EXPECT_EQ(s->runShared->FlagConsignePW(4), 1);
}

// A bad line gives 50, the set-point of a new file; the good lines load.
TEST_F(ReceiveSetPointTest, BadLinesLoadAsFifty)
{
    struct Case {
        const char* what;
        std::vector<const char*> lines;
        PerLE<int16_t> held;
    };
    const Case cases[] = {
        {"seven values", {"60", "61", "62", "63", "64", "65", "66"}, {60, 61, 62, 63, 64, 65, 66, 50, 0}},
        {"a letter", {"60", "61", "62", "63", "abc", "65", "66", "67"}, {60, 61, 62, 63, 50, 65, 66, 67, 0}},
        {"above the sliders", {"60", "300", "62", "63", "131", "65", "66", "67"}, {60, 50, 62, 63, 50, 65, 66, 67, 0}},
        {"empty", {}, {50, 50, 50, 50, 50, 50, 50, 50, 0}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        QByteArray text;
        for (const char* l : c.lines) text += QByteArray(l) + "\r\n";
        writeFile(path(), text);
        s->runShared->FlagConsignePW(4) = 0;
        receive(4, status(5));
        EXPECT_EQ(s->runShared->ConsignePWIni, c.held);
        EXPECT_EQ(s->request->ConsignePW[4], c.held[4]);
        EXPECT_EQ(log->Label15[4].caption(), QString::number(c.held[4] * 10));
        EXPECT_EQ(s->runShared->FlagConsignePW(4), 1);
    }
}

TEST_F(ReceiveTest, ShtLabelOfLE1WaitsForTheMarker)
{
    for (int le = 0; le < 8; ++le) {
        SCOPED_TRACE(le);
        le::Fields f = status(1);
        f[11] = 40;
        receive(le, f);
        EXPECT_EQ(log->Label41[le].caption(), "40");
        // Frames without the marker, each handled as the next one comes.
        f[30] = 122;
        f[11] = 41;
        receive(le, f);
        f[11] = 255;
        receive(le, f);
        EXPECT_EQ(log->Label41[le].caption(), le == 0 ? "40" : "41");
        EXPECT_EQ(s->status->LogTextSHT[le], "410");
        receive(le, f);
        EXPECT_EQ(log->Label41[le].caption(), "---");
        EXPECT_EQ(s->status->LogTextSHT[le], "2550");
    }
}

TEST_F(ReceiveTest, ScaledValuesFollowTheDisplaySetting)
{
    const int le = 4;
    const char* coeffs[] = {"0.5", "2", "1.5", "3", "0.25"};   // LPC, LFC, VIS, RH, IR
    for (int r = 0; r < 5; ++r) s->paramShared->CoeffLE[r + 16 * le] = coeffs[r];
    le::Fields f = status(1);
    f[12] = 101;
    f[13] = 40;
    f[14] = 7;
    f[16] = 255;
    f[17] = 8;
    f[18] = 10;

    settings().Check2.setValue(1);
    receive(le, f);
    EXPECT_EQ(log->Label31[le].caption(), "50.5");
    EXPECT_EQ(log->Label32[le].caption(), "80");
    EXPECT_EQ(log->Label37[le].caption(), "7");
    EXPECT_EQ(log->Label33[le].caption(), "0");
    EXPECT_EQ(log->Label34[le].caption(), "2");
    EXPECT_EQ(log->Label35[le].caption(), "30");

    settings().Check2.setValue(0);
    receive(le, f);
    EXPECT_EQ(log->Label31[le].caption(), "101");
    EXPECT_EQ(log->Label32[le].caption(), "40");
    EXPECT_EQ(log->Label33[le].caption(), "0");
    EXPECT_EQ(log->Label34[le].caption(), "8");
    EXPECT_EQ(log->Label35[le].caption(), "10");
    EXPECT_EQ(s->status->LogTextLPC[le], "50.5");
    EXPECT_EQ(s->status->LogTextLFC[le], "80");
    EXPECT_EQ(s->status->LogTextVIS[le], "382.5");
    EXPECT_EQ(s->status->LogTextIR[le], "2");
    EXPECT_EQ(s->status->LogTextRH[le], "30");
    EXPECT_EQ(s->status->EspionLPC[le], 101);
}

TEST_F(ReceiveTest, BadCoefficientSpoilsOnlyItsOwnValue)
{
    const int le = 2;
    for (int r = 0; r < 5; ++r) s->paramShared->CoeffLE[r + 16 * le] = "2";
    s->paramShared->CoeffLE[0 + 16 * le] = "abc";
    s->paramShared->CoeffLE[2 + 16 * le] = "1E308";   // the product overflows
    s->status->LogTextLPC[le] = "prev";
    s->status->LogTextVIS[le] = "prev";
    log->Label31[le].setCaption("prev");
    log->Label33[le].setCaption("prev");
    settings().Check2.setValue(1);

    le::Fields f = status(1);
    f[12] = 101;
    f[13] = 40;
    f[16] = 200;
    f[18] = 10;
    f[26] = 99;
    f[27] = 50;
    receive(le, f);
    EXPECT_EQ(s->status->RawLPC[le], 101);
    EXPECT_EQ(log->Label31[le].caption(), "prev");   // never the unscaled 101 in the scaled view
    EXPECT_EQ(s->status->LogTextLPC[le], "prev");
    EXPECT_EQ(log->Label33[le].caption(), "prev");
    EXPECT_EQ(s->status->LogTextVIS[le], "prev");
    EXPECT_EQ(log->Label32[le].caption(), "80");
    EXPECT_EQ(log->Label35[le].caption(), "20");
    EXPECT_EQ(log->Label39[le].caption(), "99");
    EXPECT_EQ(s->status->TachyM[le], 50);

    // The normal view shows the received value whatever the coefficient.
    settings().Check2.setValue(0);
    receive(le, f);
    EXPECT_EQ(log->Label31[le].caption(), "101");
    EXPECT_EQ(log->Label33[le].caption(), "200");
}

TEST_F(ReceiveTest, WearCounterFrameFillsItsColumnAndClearsTheRequest)
{
    using Column = plat::ControlArray<plat::Label> Usures::*;
    const Column columns[] = {&Usures::Label25, &Usures::Label26, &Usures::Label30,
                              &Usures::Label31, &Usures::Label35, &Usures::Label36};
    for (int le = 0; le < 6; ++le) {
        SCOPED_TRACE(le);
        le::Fields st = status(5);
        st[12] = 33;
        st[13] = 34;
        receive(le, st);
        s->request->EnableCooling[le] = 4;
        s->request->SubCommand[le] = 5;

        le::Fields w = status(2);
        w[31] = 5;
        w[10] = 61;
        const int counters[9] = {125, 3, 1, 59, 0, 0, 60, 0, 0};
        for (int i = 0; i < 9; ++i) w[13 + i] = counters[i];
        receive(le, w);

        plat::ControlArray<plat::Label>& col = (*prog->form<Usures>()).*columns[le];
        const char* texts[12] = {"01111101", "00000011", "00000001", "1038", "00111011", "00000000",
                                 "00000000", "0",        "00111100", "00000000", "00000000", "1"};
        for (int i = 0; i < 12; ++i) EXPECT_EQ(col[i].caption(), texts[i]) << i;
        for (int i : {3, 7, 11}) EXPECT_EQ(col[i].foreColor(), plat::colors::Green);
        EXPECT_EQ(s->status->RawLPC[le], 33);
        EXPECT_EQ(s->status->RawLFC[le], 34);
        EXPECT_EQ(log->Label32[le].caption(), "34");
        EXPECT_EQ(s->status->PhaseLP[le], 2);
        EXPECT_EQ(s->status->TempMAT[le], 61);
        EXPECT_EQ(s->request->EnableCooling[le], 0);
        EXPECT_EQ(s->status->FadecIO[le][31], 0);
        EXPECT_EQ(s->request->SubCommand[le], 5);
    }

    struct Hours { int b0, b1, b2; const char* hours; };
    for (const Hours& h : {Hours{130, 2, 1, "1034"}, Hours{255, 255, 255, "262144"}, Hours{0, 0, 0, "0"}}) {
        le::Fields w = status(0);
        w[31] = 5;
        w[13] = h.b0;
        w[14] = h.b1;
        w[15] = h.b2;
        receive(0, w);
        EXPECT_EQ(prog->form<Usures>()->Label25[3].caption(), h.hours);
    }
}

TEST_F(ReceiveTest, WearCountersOfLE7AndLE8TouchNoColumn)
{
    le::Fields w = status(0);
    w[31] = 5;
    for (int i = 13; i <= 21; ++i) w[i] = 200;
    s->request->EnableCooling[6] = 4;
    receive(6, w);
    EXPECT_EQ(prog->ifLoaded<Usures>(), nullptr);
    EXPECT_EQ(s->request->EnableCooling[6], 0);
    EXPECT_EQ(s->status->FadecIO[6][31], 0);

    le::Fields own = w;
    for (int i = 13; i <= 21; ++i) own[i] = 1;
    receive(5, own);
    Usures& u = *prog->form<Usures>();
    s->request->EnableCooling[7] = 4;
    receive(7, w);
    receive(6, w);
    for (int i = 0; i < 12; ++i)
        EXPECT_EQ(u.Label36[i].caption(), QString(i % 4 == 3 ? "1028" : "00000001")) << i;
    EXPECT_EQ(s->request->EnableCooling[7], 0);
}

TEST_F(ReceiveTest, ReadBackWithField31Of5IsNoWearFrame)
{
    le::Fields table{};
    table[0] = 2;
    table[31] = 5;
    table[13] = 99;
    s->request->EnableCooling[3] = 4;
    receive(3, status());   // a port just opened takes nothing before a marked frame
    receive(3, table);
    EXPECT_EQ(prog->form<FadecParameters>()->ParamPC(31), "5");
    EXPECT_EQ(s->request->EnableCooling[3], 4);
    EXPECT_EQ(prog->ifLoaded<Usures>(), nullptr);
    EXPECT_EQ(s->status->FadecIO[3][31], 5);
}
