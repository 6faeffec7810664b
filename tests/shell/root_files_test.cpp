// Started from the drive's root, BaseFolder is empty and every file and
// folder of the program is used at the root of the drive: each writer puts
// its file there and each reader takes it from there.
#include "run/LogRun.h"
#include "parameters/FadecParameters.h"
#include "run/RunState.h"
#include "scheduler/RefCapteurLFC2.h"
#include "scheduler/RefLevelTrigLFC3.h"
#include "scheduler/SchedulerState.h"
#include "shell/LinkStatus.h"
#include "shell/Log.h"
#include "shell/ScheduleFlags.h"
#include "shell/State.h"
#include "shell/TracesShared.h"
#include "support/ProgramFixture.h"
#include "traces/LogTraces.h"

#include <QDir>
#include <QFile>
#include <functional>

using namespace orv;

namespace {

QByteArray lines(const QStringList& l) { return (l.join("\r\n") + "\r\n").toLatin1(); }

class RootFilesTest : public ProgramTest {
protected:
    State& s() { return prog->s; }
    Log& log() { return *prog->Log; }

    // Start-up with the current directory at the drive's root.
    void startAtRoot()
    {
        t.drive.setCurDirForTest("C:\\");
        startUp();
        ASSERT_EQ(s().common->BaseFolder, "");
    }
    bool atRoot(const QString& name) const { return QFile::exists(t.host("C:\\" + name)); }
};

// Every file a first start creates lies at the root, none in the folder the
// program would otherwise use.
TEST_F(RootFilesTest, AFirstStartCreatesEveryFileAtTheRoot)
{
    startAtRoot();
    for (const char* name : {"Param4LogStart.ini", "ConsignePW2.ini", "AdressesFenetresStart.ini", "Level.LFC2b.ini",
                             "Level.LFC3b.ini", "StatusHalogen.ini", "ParamComx2.ini", "Consigne.ini",
                             "ConsSliderLCF.ini", "NS.ini", "TypeFile.ini", "CocheSelect.ini", "Coefficients2.ini",
                             "StartHalogen.ini", "Histo.txt", "ParamSt.ini", "SHTConsigne.ini", "SHTPCStatusHal.ini"})
        EXPECT_TRUE(atRoot(name)) << name;
    for (const char* folder : {"Img", "Images_Traces", "Datalogger"})
        EXPECT_TRUE(QDir(t.host(QStringLiteral("C:\\") + folder)).exists()) << folder;
    EXPECT_TRUE(QDir(t.host("C:\\LightCtl")).entryList(QDir::Files).isEmpty());
}

// Each writer and reader, one row per file: the file is removed (or put in
// place) at the root, the program acts, and the file at the root shows it.
TEST_F(RootFilesTest, EachWriterAndReaderUsesTheRoot)
{
    struct Row {
        const char* file;
        std::function<void()> before;   // after start-up, before the action
        std::function<void()> act;
        std::function<void()> check;
    };
    const QString lfc2 = "C:\\Level.LFC2b.ini";
    const QString lfc3 = "C:\\Level.LFC3b.ini";
    const QString qth = "C:\\StartHalogen.ini";
    const Row rows[] = {
        {"Level.LFC2b.ini read", [] {},
         [&] {
             writeFile(lfc2, lines({"0", "0", "0", "0", "0", "0", "0", "0", " 42 ", " 0 ", " 0 ", " 0 ", " 0 ", " 0 ",
                                    " 0 ", " 0 "}));
             readLfc2File(*prog);
         },
         [&] { EXPECT_EQ(s().schedule->CalLFC2[0], 42); }},
        {"Level.LFC2b.ini written", [&] { QFile::remove(t.host(lfc2)); },
         [&] {
             s().schedule->CalLFC2[1] = 42;
             EXPECT_TRUE(writeLfc2File(*prog));
         },
         [&] { EXPECT_EQ(readFile(lfc2).split('\n').value(9), " 42 \r"); }},
        {"Level.LFC3b.ini read", [] {},
         [&] {
             QStringList l;
             for (int i = 0; i < 16; ++i) l << (i == 0 ? "77" : "0");
             l << "5" << "6" << "08" << "00" << "21" << "30" << "1";
             writeFile(lfc3, lines(l));
             prog->form<RefLevelTrigLFC3>().unload();
             prog->form<RefLevelTrigLFC3>().get();
             t.time.advance(1000);   // the window reads its file after load
         },
         [&] {
             EXPECT_EQ(s().scheduler->LevelH1LFC3[0], "77");
             EXPECT_EQ(prog->form<RefLevelTrigLFC3>()->Text1.text(), "5");
         }},
        {"Level.LFC3b.ini written", [&] { QFile::remove(t.host(lfc3)); },
         [&] {
             RefLevelTrigLFC3& w = *prog->form<RefLevelTrigLFC3>();
             w.Text1.setText("9");
             w.Valide.click();
         },
         [&] { EXPECT_EQ(readFile(lfc3).split('\n').value(16), "9\r"); }},
        {"StartHalogen.ini written by the QTH button", [&] { QFile::remove(t.host(qth)); },
         [&] {
             log().CommHalOperator.click();   // on
             log().CommHalOperator.click();   // off: the file says so
         },
         [&] { EXPECT_EQ(readFile(qth), "0\r\n"); }},
        {"StartHalogen.ini written by a stop", [&] { QFile::remove(t.host(qth)); }, [&] { log().run->StopLERoutine(-1); },
         [&] { EXPECT_EQ(readFile(qth), "0\r\n"); }},
        {"Img\\LE4-0000.bmp written when LE-4 stops", [&] { QFile::remove(t.host("C:\\Img\\LE4-0000.bmp")); },
         [&] {
             s().tracesShared->TraceX[3] = 100;
             s().status->PhaseLP[3] = 5;
             log().traces->PlotTimer_Timer(3);
             s().status->PhaseLP[3] = 6;
             log().traces->PlotTimer_Timer(3);
         },
         [&] { EXPECT_TRUE(atRoot("Img\\LE4-0000.bmp")); }},
        {"ParamSt.ini written", [&] { QFile::remove(t.host("C:\\ParamSt.ini")); },
         [&] { prog->form<FadecParameters>()->WriteConfHdd_Click(); }, [&] { EXPECT_TRUE(atRoot("ParamSt.ini")); }},
        {"Histo.txt written", [] {},
         [&] { log().WriteHisto("root line"); },
         [&] { EXPECT_TRUE(readFile("C:\\Histo.txt").contains("root line")); }},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.file);
        prog.reset();
        makeProgram();
        startAtRoot();
        row.before();
        row.act();
        row.check();
        EXPECT_TRUE(QDir(t.host("C:\\LightCtl")).entryList(QDir::Files).isEmpty());
    }
}

} // namespace
