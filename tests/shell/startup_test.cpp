// Start-up: the base folder, the files every subsystem gets on a first start
// (byte for byte) and reads back on the next, corrupt files, the menu lock,
// and the state start-up leaves behind.
#include "alarms/AlarmsState.h"
#include "alarms/ControlLfcAlarm.h"
#include "alarms/Halogen.h"
#include "alarms/SHTPC.h"
#include "parameters/FadecParameters.h"
#include "parameters/ParametersState.h"
#include "platform/Canvas.h"
#include "platform/VbText.h"
#include "scheduler/RefLevelTrigLFC3.h"
#include "scheduler/SchedulerState.h"
#include "scheduler/SelectionStart.h"
#include "shell/Log.h"
#include "shell/ParamLogicielVB.h"
#include "shell/ParametersShared.h"
#include "shell/RunShared.h"
#include "shell/ScheduleFlags.h"
#include "shell/StartupFiles.h"
#include "shell/State.h"
#include "support/ProgramFixture.h"

#include <QDir>
#include <functional>

using namespace orv;

namespace {

QByteArray lines(std::initializer_list<const char*> ls)
{
    QByteArray b;
    for (const char* l : ls) b += QByteArray(l) + "\r\n";
    return b;
}
QByteArray times(const char* line, int n)
{
    QByteArray b;
    for (int i = 0; i < n; ++i) b += QByteArray(line) + "\r\n";
    return b;
}

// Every file a first start creates in the base folder, with its exact bytes.
const std::map<QString, QByteArray>& firstStartFiles()
{
    static const std::map<QString, QByteArray> files = {
        {"Param4LogStart.ini", times("0", 33) + times("Marquelin", 1) + times("255", 3) + times("0", 15)},
        {"ConsignePW2.ini", times(" 50 ", 8)},
        {"AdressesFenetresStart.ini", times(" 0 ", 2) + times("", 4)},
        {"Level.LFC2b.ini", times("0", 17)},
        {"Level.LFC3b.ini", times("0", 18) + lines({"08", "00", "21", "30", "1"})},
        {"StatusHalogen.ini", times("0", 18)},
        {"ParamComx2.ini", times("\"0\"", 16)},
        {"Consigne.ini", times(" 220 ", 1)},
        {"ConsSliderLCF.ini", lines({" 130 ", " 30 "}) + times("0", 7)},
        {"NS.ini", lines({"1.01", "0", "0", "1"})},
        {"TypeFile.ini", times("0", 17) + times(" ", 1) + times("0", 11)},
        {"CocheSelect.ini", times("1", 1)},
        {"Coefficients2.ini", times("1", 5) + times("0", 5) + lines({"4", "2"}) + times("0", 3)},   // x 8 below
        {"StartHalogen.ini", times("0", 1)},
        {"Histo.txt", ""},
        {"ParamSt.ini", times("0", 8) + times("16", 1) + times("0", 9)
                            + lines({"50", "20", "15", "3", "0", "50", "35", "70", "115", "25", "60", "0", "50", "15"})},
        {"SHTConsigne.ini", times("40", 1)},
        {"SHTPCStatusHal.ini", times("1", 1) + times("0", 10) + times("1", 1) + times("0", 8)},
    };
    return files;
}

} // namespace

class StartupTest : public ProgramTest {
protected:
    const QString base = "C:\\LightCtl\\";
    State& s() { return prog->s; }
    Log& log() { return *prog->Log; }
    ParamLogicielVB& settings() { return *prog->form<ParamLogicielVB>(); }

    void restart()
    {
        prog.reset();
        makeProgram();
    }
    // Start-up ran to its end.
    void expectFinished()
    {
        EXPECT_FALSE(log().Timer1.enabled());
        EXPECT_TRUE(log().Timer62.enabled());
        EXPECT_TRUE(log().Timer65.enabled());
        EXPECT_EQ(s().common->SelectedLE, 1);
    }
};

TEST_F(StartupTest, FirstStartCreatesEveryFileByteForByteAndTheNextStartReadsThemBack)
{
    t.drive.setCurDirForTest("C:\\LightCtl\\bin");
    prog = std::make_unique<Program>(t.rt);
    startUp();
    expectFinished();
    EXPECT_EQ(s().common->BaseFolder, "C:\\LightCtl");

    QStringList expectedNames;
    for (const auto& [name, bytes] : firstStartFiles()) {
        expectedNames << name;
        const QByteArray want = name == "Coefficients2.ini" ? bytes.repeated(8) : bytes;
        EXPECT_EQ(readFile(base + name), want) << name.toStdString();
    }
    std::sort(expectedNames.begin(), expectedNames.end(), [](auto& a, auto& b) { return a.compare(b, Qt::CaseInsensitive) < 0; });
    EXPECT_EQ(t.drive.list(base, plat::Drive::Kind::Files), expectedNames);
    EXPECT_EQ(t.drive.list(base, plat::Drive::Kind::Folders), QStringList({"Datalogger", "Images_Traces", "Img"}));
    EXPECT_EQ(readFile("C:\\WINDOWS\\system32\\Name.inc"), lines({"\"mintleaf\"", "\"tangelo\""}));

    // What a first start leaves: the settings window holds the defaults just
    // written, the power labels show 500, the alarm windows stay unloaded.
    EXPECT_EQ(s().common->SHTStopLE, 6);
    EXPECT_TRUE(settings().Option1[6].value());
    EXPECT_EQ(settings().Text2.text(), "Marquelin");
    EXPECT_EQ(settings().VScroll1.value(), 255);
    for (int i = 0; i < 8; ++i) {
        EXPECT_EQ(log().Label15[i].caption(), "500");
        EXPECT_EQ(s().runShared->ConsignePWIni[i], 50);
        EXPECT_FALSE(log().Picture5[i].visible());
    }
    EXPECT_NE(prog->ifLoaded<FadecParameters>(), nullptr);
    EXPECT_NE(prog->ifLoaded<SelectionStart>(), nullptr);
    EXPECT_EQ(prog->ifLoaded<Halogen>(), nullptr);
    EXPECT_EQ(prog->ifLoaded<ControlLfcAlarm>(), nullptr);
    EXPECT_EQ(prog->ifLoaded<SHTPC>(), nullptr);
    EXPECT_EQ(prog->ifLoaded<RefLevelTrigLFC3>(), nullptr);
    EXPECT_FALSE(log().Timer15.enabled());
    EXPECT_EQ(prog->form<FadecParameters>()->ParamPC(28), "60");

    // The next start reads every file back and loads the windows that own them.
    restart();
    t.drive.setCurDirForTest("C:\\LightCtl\\bin");
    startUp();
    expectFinished();
    for (const auto& [name, bytes] : firstStartFiles()) {
        const QByteArray want = name == "Coefficients2.ini" ? bytes.repeated(8) : bytes;
        EXPECT_EQ(readFile(base + name), want) << name.toStdString() << " changed by the second start";
    }

    Halogen* qth = prog->ifLoaded<Halogen>();
    ControlLfcAlarm* lfc = prog->ifLoaded<ControlLfcAlarm>();
    SHTPC* sht = prog->ifLoaded<SHTPC>();
    RefLevelTrigLFC3* lfc3 = prog->ifLoaded<RefLevelTrigLFC3>();
    ASSERT_TRUE(qth && lfc && sht && lfc3);
    EXPECT_EQ(qth->VScroll1.value(), 220);
    EXPECT_EQ(qth->Label78[4].caption(), "220");   // its change handler ran
    EXPECT_EQ(lfc->VScroll1[0].value(), 130);
    EXPECT_EQ(lfc->VScroll1[1].value(), 30);
    EXPECT_EQ(lfc->Label3[1].caption(), "30");
    EXPECT_EQ(sht->VScroll1[0].value(), 40);
    EXPECT_EQ(sht->Label6.caption(), "40");
    EXPECT_TRUE(sht->mnuSHTLE1.checked());
    EXPECT_TRUE(sht->mnuHolderThermo.checked());
    EXPECT_FALSE(sht->mnuSHTUnselect.checked());
    EXPECT_EQ(lfc3->Text3.text(), "08");   // start-up read "8"; the window's set-up then reread it as text
    EXPECT_EQ(lfc3->Text5.text(), "21");
    EXPECT_EQ(s().scheduler->ReserveLFC3, "1");
    EXPECT_EQ(s().scheduler->CalLFC2Text[7], "0");
    EXPECT_EQ(s().paramShared->CoeffLE[10 + 16 * 7], "4");
    EXPECT_EQ(s().paramShared->CoeffLE[11], "2");
    EXPECT_EQ(settings().Check2.value(), 1);   // the view file's "1" beats line 15
    EXPECT_TRUE(log().Timer15.enabled());      // the QTH start file exists now
}

TEST_F(StartupTest, TheStartUpStateAndTheTimersItArms)
{
    startUp();
    EXPECT_EQ(log().caption(), "  Orvane - Light Engine Control (RS232)     (PC version 1.57)");
    EXPECT_EQ(log().width(), 13150);
    EXPECT_EQ(log().height(), 10920);
    EXPECT_EQ(s().common->StartMode, 1);
    EXPECT_EQ(s().common->TempoStopAlarm, 20);
    EXPECT_EQ(log().Label66.caption(), QString(15, ' '));
    EXPECT_TRUE(log().mnuScroll.checked());
    EXPECT_TRUE(log().mnuFunctions.visible());
    EXPECT_EQ(prog->form<FadecParameters>()->Label64.caption(), "");
    EXPECT_EQ(prog->form<SelectionStart>()->height(), 9105);
    for (int i = 0; i < 10; ++i) EXPECT_EQ(log().Label79[i].backColor(), plat::rgb(192, 192, 255));
    EXPECT_EQ(s().common->FadecErrorCodes[0], "Arret LE");
    EXPECT_EQ(s().common->FadecErrorCodes[12], "Phase 7 activated ... CAN-BUS only ");
    EXPECT_EQ(s().common->FadecErrorCodes[7], QString::fromUtf8("Temp. Magnetron > 50 °C FADEC internal"));
    EXPECT_EQ(s().common->FadecErrorCodes[20], " ");
    EXPECT_EQ(s().common->FadecErrorCodes[21], "");
    EXPECT_EQ(s().common->ErrComXTexts[1], "Carrier timerout");
    EXPECT_EQ(s().common->ErrComXTexts[12], "Change in pin DSR (reception)");
    EXPECT_EQ(s().common->ErrComXTexts[13], "");
    EXPECT_EQ(s().parameters->ParamMin[1], "BCD 0-9  [0-59]");
    EXPECT_EQ(s().parameters->ParamMax[28], "90");
    EXPECT_EQ(s().parameters->ParamMax[4], "");
    EXPECT_EQ(s().parameters->ParamMin[0], "");

    // The one-shot timers it arms run 3 s and 7 s after it.
    EXPECT_TRUE(log().Timer62.enabled());
    EXPECT_EQ(log().Timer62.interval(), 3000);
    EXPECT_EQ(log().Timer65.interval(), 7000);
}

TEST_F(StartupTest, TitleFollowsTheSystemDecimalSeparator)
{
    plat::setDecimalSeparator(",");
    startUp();
    plat::setDecimalSeparator(".");
    EXPECT_EQ(log().caption(), "  Orvane - Light Engine Control (RS232)     (PC version 1,57)");
}

// The base folder is the last root entry whose name begins the current
// directory text, compared as plain text.
TEST_F(StartupTest, BaseFolderEdgeCases)
{
    struct Case {
        const char* name;
        QStringList folders;
        QStringList files;
        QString curDir;
        QString expected;
    };
    const Case cases[] = {
        {"only the exact folder matches", {"LightCtl", "LightCtl2"}, {}, "C:\\LightCtl\\bin", "C:\\LightCtl"},
        {"prefix without separator, last match wins", {"LightCtl", "LightCtl2"}, {}, "C:\\LightCtl2\\bin", "C:\\LightCtl2"},
        {"a file matches like a folder", {"Tools"}, {"LightC"}, "C:\\LightCtl\\bin", "C:\\LightC"},
        {"lower-case drive letter", {"LightCtl"}, {}, "c:\\LightCtl\\bin", ""},
        {"current directory at the root", {"LightCtl"}, {}, "C:\\", ""},
        {"case-sensitive name", {"lightctl"}, {}, "C:\\LightCtl", ""},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        QTemporaryDir dir;
        plat::Drive drive(dir.path());
        for (const QString& f : c.folders) drive.mkDir("C:\\" + f);
        for (const QString& f : c.files) {
            QFile file(drive.hostPath("C:\\" + f));
            ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        }
        drive.setCurDirForTest(c.curDir);
        EXPECT_EQ(findBaseFolder(drive.curDir(), drive.list("C:\\", plat::Drive::Kind::Both)), c.expected);
    }
    EXPECT_EQ(findBaseFolder("C:\\LightCtl2", {"LightCtl2", "LightCtl"}), "C:\\LightCtl");   // listing order decides
}

TEST_F(StartupTest, WithTheCurrentDirectoryAtTheRootEverythingGoesToTheRoot)
{
    t.drive.setCurDirForTest("C:\\");
    startUp();
    expectFinished();
    EXPECT_EQ(s().common->BaseFolder, "");
    EXPECT_EQ(readFile("C:\\ConsignePW2.ini"), times(" 50 ", 8));
    EXPECT_TRUE(QDir(t.host("C:\\Images_Traces")).exists());
    EXPECT_EQ(s().common->SHTStopLE, 6);
}

// A settings file lying at the drive's root is not this program's: the
// settings window, when something loads it before start-up, reads nothing.
TEST_F(StartupTest, NothingIsReadFromTheRootBeforeTheBaseFolderIsKnown)
{
    writeFile("C:\\Param4LogStart.ini", times("1", 8) + times("0", 44));
    prog->Log.get();
    EXPECT_EQ(settings().Check1[0].value(), 0);
    t.time.advance(150);
    expectFinished();
    EXPECT_EQ(settings().Check1[0].value(), 0);
    EXPECT_EQ(settings().Text2.text(), "Marquelin");
}

TEST_F(StartupTest, StartPasswordSettingLocksTheMainWindow)
{
    QByteArray file = times("0", 22) + times("1", 1) + times("0", 10) + times("Acme", 1) + times("0", 18);
    writeFile(base + "Param4LogStart.ini", file);
    startUp();
    Log& l = log();
    for (plat::Menu* m : {&l.mnuParameterVB, &l.mnuParameters, &l.mnuCodeError, &l.mnuHalogen, &l.mnuTestMateriel,
                          &l.mnuVdesParam, &l.mnuCoeff, &l.mnuCreateDataLogger, &l.mnuhisto})
        EXPECT_FALSE(m->enabled()) << m->name().toStdString();
    EXPECT_FALSE(l.Picture6[0].visible());
    EXPECT_FALSE(l.Picture6[1].visible());
    EXPECT_FALSE(l.CopiePWSlider.visible());
    EXPECT_EQ(settings().EndOnClose, 0);   // loaded, not ticked by the user
}

// Existing files of the other subsystems land where their windows read them.
TEST_F(StartupTest, ExistingFilesAreReadIntoTheirOwners)
{
    struct Case {
        const char* name;
        std::map<QString, QByteArray> files;
        std::function<void()> check;
    };
    const QString day = "02.03.2026";   // the test clock's date
    auto bmp = [&](int n) {
        plat::Canvas c(300, 150, plat::colors::Red);
        QDir().mkpath(t.host(base + "Images_Traces"));
        c.save(t.host(base + "Images_Traces\\" + day + "_0" + QString::number(n) + ".bmp"));
    };
    const Case cases[] = {
        {"set-point 90 for LE-1", {{"ConsignePW2.ini", lines({" 90 "}) + times(" 50 ", 7)}},
         [this] {
             EXPECT_EQ(log().VScroll1.value(), 90);
             EXPECT_EQ(s().runShared->ConsignePWIni[0], 90);
             EXPECT_EQ(log().Label15[0].caption(), "900");
             EXPECT_EQ(log().Label15[1].caption(), "500");
         }},
        {"QTH state with LE2 and LE5", {{"StatusHalogen.ini", lines({"0", "1", "0", "0", "1", "0", "1", "0", "2", "0"}) + times("0", 8)}},
         [this] {
             Halogen& w = *prog->form<Halogen>();
             EXPECT_TRUE(w.mnuLP2Active.checked());
             EXPECT_TRUE(w.mnuLP5Active.checked());
             EXPECT_FALSE(w.mnuLP1Active.checked());
             EXPECT_EQ(s().alarms->LEActiveAlarm, 4);
             EXPECT_EQ(w.Check1[0].value(), 1);
             EXPECT_EQ(w.Check1[2].value(), 2);
         }},
        {"SHT state without an LE", {{"SHTPCStatusHal.ini", times("0", 20)}},
         [this] {
             SHTPC& w = *prog->form<SHTPC>();
             for (int k = 0; k < 6; ++k) EXPECT_FALSE(w.mnuSHTLE(k).checked());
             EXPECT_EQ(s().alarms->LEActiveSHT, 0);
         }},
        {"LFC alarm box holding 2", {{"ConsSliderLCF.ini", lines({"20", "200", "1", "0", "2", "0", "0", "1", "1"})}},
         [this] {
             ControlLfcAlarm& w = *prog->form<ControlLfcAlarm>();
             EXPECT_EQ(w.VScroll1[0].value(), 20);
             EXPECT_EQ(w.Label3[0].caption(), "20");
             EXPECT_EQ(w.Check1[0].value(), 1);
             EXPECT_EQ(w.Check1[2].value(), 0);
             EXPECT_EQ(w.Check1[5].value(), 1);
             EXPECT_EQ(w.Check2.value(), 1);
         }},
        {"LFC-2 reference with --- for LE-3", {{"Level.LFC2b.ini", lines({"12", "7", "---", "0", "0", "0", "0", "0", "40", "41", "---", "0", "0", "0", "0", "0"})}},
         [this] {
             EXPECT_EQ(s().scheduler->CalLFC2Text[0], "12");
             EXPECT_EQ(s().scheduler->CalLFC2Text[2], "0");
             EXPECT_EQ(s().schedule->CalLFC2[1], 41);
             EXPECT_EQ(s().schedule->CalLFC2[2], 0);
         }},
        {"parameter copy of 64 lines", {{"ParamSt.ini", times("1", 32) + times("2", 31) + times("9", 1)}},
         [this] {
             FadecParameters& w = *prog->form<FadecParameters>();
             EXPECT_EQ(w.ParamPC(0), "2");
             EXPECT_EQ(w.ParamPC(31), "9");
         }},
        {"window position", {{"AdressesFenetresStart.ini", lines({" 1200 ", " 450 ", "", "", "", ""})}},
         [this] {
             EXPECT_EQ(s().scheduler->StartFenetreLeft, 1200);
             EXPECT_EQ(s().scheduler->StartFenetreTop, 450);
         }},
        {"coefficients", {{"Coefficients2.ini", times("3", 15) + times("0.5", 15)}},
         [this] {
             EXPECT_EQ(s().paramShared->CoeffLE[0], "3");
             EXPECT_EQ(s().paramShared->CoeffLE[16 + 14], "0.5");
             EXPECT_EQ(s().paramShared->CoeffLE[32], "");   // the file ended: LE-3 keeps its values
         }},
        {"view file holding \" 1 \"", {{"CocheSelect.ini", lines({" 1 "})}},
         [this] {
             EXPECT_EQ(settings().Check2.value(), 1);
             EXPECT_EQ(settings().Check2.caption(), "Display with coefficients");
         }},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        restart();
        for (const auto& [name, bytes] : c.files) writeFile(base + name, bytes);
        startUp();
        expectFinished();
        c.check();
    }

    // Today's images for LE-1 and LE-3 only.
    restart();
    bmp(2);
    bmp(4);
    startUp();
    SelectionStart& w = *prog->form<SelectionStart>();
    EXPECT_TRUE(w.Picture2.canvas().hasPicture());
    EXPECT_FALSE(w.Picture3.canvas().hasPicture());
    EXPECT_TRUE(w.Picture4.canvas().hasPicture());
    EXPECT_EQ(w.Picture4.canvas().point(30, 30), plat::colors::Red);
    EXPECT_EQ(s().common->DateCourante, day);
}

// Short, non-numeric and out-of-range values: start-up reaches its end, the
// bad values are skipped (or, in the threshold, limit and set-point files,
// take the value of a new file) and nothing after them is shifted.
TEST_F(StartupTest, CorruptFilesNeverStopStartUp)
{
    struct Case {
        const char* name;
        QString file;
        QByteArray bytes;
        std::function<void()> check;
    };
    const Case cases[] = {
        {"short settings file", "Param4LogStart.ini", times("1", 10),
         [this] {
             for (int i = 0; i < 8; ++i) EXPECT_EQ(settings().Check1[i].value(), 1);
             EXPECT_EQ(settings().Check7[1].value(), 1);
             EXPECT_EQ(settings().Check7[2].value(), 0);
             EXPECT_EQ(s().common->SHTStopLE, 6);
             EXPECT_TRUE(log().Picture5[3].visible());
         }},
        {"non-number, out-of-range and refused settings", "Param4LogStart.ini",
         lines({"abc", "1"}) + times("0", 13) + lines({"5"}) + times("0", 17) + lines({"Acme"}) + lines({"300", "-1", "7"})
             + times("0", 15),
         [this] {
             EXPECT_EQ(settings().Check1[0].value(), 0);
             EXPECT_EQ(settings().Check1[1].value(), 1);
             EXPECT_EQ(settings().Check3.value(), 0);
             EXPECT_EQ(settings().VScroll1.value(), 0);
             EXPECT_EQ(settings().VScroll2.value(), 0);
             EXPECT_EQ(settings().VScroll3.value(), 7);
             EXPECT_EQ(settings().Text2.text(), "Acme");
         }},
        {"comma and quote in the customer name", "Param4LogStart.ini",
         times("0", 16) + lines({"0", "0", "1"}) + times("0", 14) + lines({"\"Smith, Jones\", Ltd", "12", "34", "56", "7", "8", "9", "1"})
             + times("0", 11),
         [this] {
             EXPECT_EQ(settings().Text2.text(), "\"Smith, Jones\", Ltd");
             EXPECT_EQ(settings().VScroll1.value(), 12);
             EXPECT_EQ(settings().VScroll6.value(), 9);
             EXPECT_EQ(settings().Check4[0].value(), 1);
             EXPECT_EQ(s().common->SHTStopLE, 2);
         }},
        {"empty settings file", "Param4LogStart.ini", "",
         [this] { EXPECT_EQ(s().common->SHTStopLE, 6); }},
        {"set-point file with a word and a short tail", "ConsignePW2.ini", lines({"abc", " 90 "}),
         [this] {
             EXPECT_EQ(log().VScroll1.value(), 50);
             EXPECT_EQ(s().runShared->ConsignePWIni[0], 50);
             EXPECT_EQ(log().Label15[1].caption(), "900");
             EXPECT_EQ(s().runShared->ConsignePWIni[1], 90);
             EXPECT_EQ(log().Label15[2].caption(), "500");
         }},
        {"set-point beyond the slider", "ConsignePW2.ini", times(" 200 ", 8),
         [this] {
             EXPECT_EQ(log().VScroll1.value(), 50);
             EXPECT_EQ(s().runShared->ConsignePWIni[0], 50);
             EXPECT_EQ(log().Label15[0].caption(), "500");
         }},
        {"QTH threshold out of range", "Consigne.ini", lines({"0"}),
         [this] { EXPECT_EQ(prog->form<Halogen>()->VScroll1.value(), 220); }},
        {"QTH state with words", "StatusHalogen.ini", lines({"yes", "1", "x", "", "", "", "9"}),
         [this] {
             Halogen& w = *prog->form<Halogen>();
             EXPECT_FALSE(w.mnuLP1Active.checked());
             EXPECT_TRUE(w.mnuLP2Active.checked());
             EXPECT_EQ(s().alarms->LEActiveAlarm, 1);
             EXPECT_EQ(w.Check1[0].value(), 0);   // 9 refused
         }},
        {"short LFC alarm file with a limit beyond 255", "ConsSliderLCF.ini", lines({"999", "40", "1"}),
         [this] {
             ControlLfcAlarm& w = *prog->form<ControlLfcAlarm>();
             EXPECT_EQ(w.VScroll1[0].value(), 130);   // the limit of a new file
             EXPECT_EQ(w.VScroll1[1].value(), 40);
             EXPECT_EQ(w.Check1[0].value(), 1);
         }},
        {"empty LFC-3 file", "Level.LFC3b.ini", "",
         [this] { EXPECT_EQ(prog->form<RefLevelTrigLFC3>()->Text3.text(), "07"); }},
        {"view file out of range", "CocheSelect.ini", lines({"7"}),
         [this] { EXPECT_EQ(settings().Check2.value(), 0); }},
        {"SHT threshold beyond its slider", "SHTConsigne.ini", lines({"300"}),
         [this] { EXPECT_EQ(prog->form<SHTPC>()->VScroll1[0].value(), 40); }},   // the threshold of a new file
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        restart();
        writeFile(base + c.file, c.bytes);
        startUp();
        expectFinished();
        c.check();
    }
}

// A file name taken by a folder cannot be read or created: start-up goes on.
TEST_F(StartupTest, UnreadableAndUncreatableFilesAreSkipped)
{
    for (const char* name : {"Param4LogStart.ini", "ConsignePW2.ini", "Consigne.ini", "Histo.txt", "ParamSt.ini"})
        t.drive.mkDir(base + name);
    t.drive.mkDir("C:\\WINDOWS");
    writeFile("C:\\WINDOWS\\system32", "a file where the folder should be");
    startUp();
    expectFinished();
    EXPECT_EQ(readFile(base + "SHTConsigne.ini"), times("40", 1));
}
