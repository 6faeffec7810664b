// The data logger's set-up window and file-name dialog: the settings files
// written and restored, the file step (names, existing-file panel, refusals),
// START's checks and the menu items.
#include "shell/LogTimers.h"
#include "shell/MainMenus.h"
#include "shell/MainPanels.h"
#include "traces/LoggerFixture.h"

#include "traces/VisualiserImagesHMS.h"

#include <QDir>
#include <QTest>

namespace {

QByteArray crlf(const QStringList& lines)
{
    QByteArray out;
    for (const QString& l : lines) out += l.toLatin1() + "\r\n";
    return out;
}

TEST_F(LoggerTest, StartSavesTheChoicesAndReopeningRestoresThem)
{
    activate({0});
    startLogger(2, 0, {0, 1, 7, 12}, 6, "run");
    EXPECT_TRUE(logTimers(log()).Timer42.enabled());
    EXPECT_EQ(logTimers(log()).Timer42.interval(), 60000);
    EXPECT_TRUE(mainMenus(log()).mnuCreateDataLogger.checked());
    EXPECT_FALSE(mainMenus(log()).mnuOffDataLogger.checked());

    QStringList expected{" 2 ", "1", "1", "0", "0", "0", "0", "0", "1", "0", "0", "0", "0", "1", "0", "0", "0",
                         "C:\\LightCtl\\Datalogger\\run.txt"};
    for (int k = 0; k < 11; ++k) expected << (k == 6 ? "1" : "0");
    EXPECT_EQ(readFile("C:\\LightCtl\\TypeFile.ini"), crlf(expected));
    EXPECT_EQ(readFile("C:\\LightCtl\\NS.ini"), crlf({"", "", " 0 ", " 0 "}));

    // A fresh program run restores every control from the files.
    prog.reset();
    makeProgram();
    startUp();
    orv::Datalogger& w = openWindow();
    EXPECT_TRUE(w.Option1[2].value());
    EXPECT_TRUE(w.Option2[0].value());
    for (int c = 0; c < 16; ++c) EXPECT_EQ(w.Check1[c].value(), c == 0 || c == 1 || c == 7 || c == 12 ? 1 : 0) << c;
    EXPECT_FALSE(w.Check1[12].visible());
    EXPECT_EQ(w.Label7.caption(), "C:\\LightCtl\\Datalogger\\run.txt");
    EXPECT_EQ(w.Label9.caption(), "1 ");
    EXPECT_EQ(w.Sel[6].backColor(), plat::rgb(128, 255, 128));
    EXPECT_EQ(w.Sel[0].backColor(), plat::ButtonFace);
    EXPECT_EQ(ts().LoggerFileNames[5], "C:\\LightCtl\\Datalogger\\run_LE6.txt");
    EXPECT_EQ(ts().LoggerCountdown, 59);
    EXPECT_FALSE(w.Picture1.visible());
}

TEST_F(LoggerTest, BadOrMissingSettingsFilesGiveTheDefaults)
{
    t.drive.removeFile("C:\\LightCtl\\NS.ini");
    writeFile("C:\\LightCtl\\TypeFile.ini", " x \r\n1\r\nzz\r\nC:\\LightCtl\\Datalogger\\a,b.csv\r\n");
    orv::Datalogger& w = openWindow();
    EXPECT_TRUE(w.Option2[1].value());   // ";"
    EXPECT_EQ(readFile("C:\\LightCtl\\NS.ini"), crlf({"", "", " 0 ", " 1 "}));
    EXPECT_TRUE(w.Option1[0].value());
    EXPECT_EQ(w.Check1[0].value(), 1);
    EXPECT_EQ(w.Check1[1].value(), 0);
    // Line 18 is missing here: no name.
    EXPECT_TRUE(w.Label7.caption().isEmpty());
    EXPECT_EQ(w.Label9.caption(), "---");
}

TEST_F(LoggerTest, SettingsFilesThatCannotBeWrittenAreSkipped)
{
    for (const char* name : {"C:\\LightCtl\\NS.ini", "C:\\LightCtl\\TypeFile.ini"}) {
        t.drive.removeFile(name);
        t.drive.mkDir(name);   // a folder in the file's place
    }
    activate({0});
    startLogger(0, 1, {0}, 0, "run");
    EXPECT_TRUE(logTimers(log()).Timer42.enabled());
    t.time.advance(60000);
    EXPECT_TRUE(exists(dataFile("run_LE1.txt")));
}

TEST_F(LoggerTest, FileStepNamesTheFilesAndFlagsAnExistingOne)
{
    writeFile(dataFile("run_LE1.txt"), "old rows\r\n");
    writeFile(dataFile("other.csv"), "");
    orv::Datalogger& w = openWindow();
    w.Option1[1].userClick();
    fileStep(w, "run");
    EXPECT_EQ(w.Label7.caption(), dataFile("run.csv"));
    EXPECT_EQ(ts().LoggerFileNames[0], dataFile("run_LE1.csv"));
    EXPECT_EQ(w.List1.items(), QStringList({"other.csv", ""}));
    EXPECT_FALSE(w.Picture1.visible());

    w.Option1[0].userClick();
    fileStep(w, "run_LE1.txt");   // picked from the list
    EXPECT_EQ(w.List1.items(), QStringList({"run_LE1.txt", ""}));
    EXPECT_TRUE(w.Picture1.visible());
    EXPECT_EQ(w.List1.listIndex(), 0);
    w.EErase.click();
    EXPECT_TRUE(exists(dataFile("run_LE1.txt")));
    EXPECT_TRUE(readFile(dataFile("run_LE1.txt")).isEmpty());
    EXPECT_FALSE(w.Picture1.visible());
    EXPECT_EQ(w.List1.listCount(), 0);

    fileStep(w, "DATA.TXT");
    EXPECT_EQ(w.Label7.caption(), dataFile("DATA.TXT.txt"));
    EXPECT_EQ(ts().LoggerFileNames[5], dataFile("DATA.TXT_LE6.txt"));
}

TEST_F(LoggerTest, ExistingFileWarningWorksWithManyFilesAndLongNames)
{
    for (int i = 0; i < 300; ++i) writeFile(dataFile(QStringLiteral("f%1.txt").arg(i, 3, 10, QChar('0'))), "");
    const QString longName = QString(240, 'n');
    orv::Datalogger& w = openWindow();
    fileStep(w, "f299");
    EXPECT_EQ(w.List1.listCount(), 301);
    EXPECT_TRUE(w.Picture1.visible());
    EXPECT_EQ(w.List1.listIndex(), 299);
    w.EAppend.click();
    EXPECT_FALSE(w.Picture1.visible());

    fileStep(w, longName);
    EXPECT_EQ(ts().LoggerFileName, dataFile(longName + ".txt"));
    EXPECT_EQ(ts().LoggerFileNames[0], dataFile(longName + "_LE1.txt"));
}

TEST_F(LoggerTest, DialogRefusesNothingAndNamesThatLeaveTheFolder)
{
    orv::Datalogger& w = openWindow();
    const struct {
        QString typed;
        const char* text;
    } refused[] = {{" ", "There is nothing to save! "},
                   {"..\\run", "Invalid file name! "},
                   {"sub/run", "Invalid file name! "},
                   {"a:b", "Invalid file name! "},
                   {QString(250, 'n'), "Invalid file name! "}};   // its per-LE files outgrow a host file name
    for (const auto& r : refused) {
        bool stayedOpen = false;
        t.dialogs.onModal = [&](plat::Form& f) {
            auto& d = static_cast<orv::InterCMD1&>(f);
            EXPECT_EQ(d.Text1.text(), " ");
            EXPECT_EQ(d.Label6.caption(), "*.txt");
            EXPECT_EQ(d.Label2.caption(), "C:\\LightCtl\\Datalogger\\");
            d.Text1.setText(r.typed);
            d.Enregistrer.click();
            stayedOpen = prog->ifLoaded<orv::InterCMD1>() != nullptr;
            d.Annuler.click();
        };
        const size_t before = t.dialogs.shown.size();
        w.Command1.click();
        t.dialogs.onModal = nullptr;
        ASSERT_EQ(t.dialogs.shown.size(), before + 1) << r.typed.toStdString();
        EXPECT_EQ(t.dialogs.shown.back().text, r.text);
        EXPECT_EQ(t.dialogs.shown.back().title, " Warning!");
        EXPECT_EQ(t.dialogs.shown.back().icon(), plat::mb::Critical);
        EXPECT_TRUE(stayedOpen) << r.typed.toStdString();
    }
    EXPECT_TRUE(QDir(t.host("C:\\LightCtl")).entryList({"*_LE*"}, QDir::Files).isEmpty());

    // An empty name is taken: the bare extension.
    fileStep(w, "");
    EXPECT_EQ(w.Label7.caption(), dataFile(".txt"));
    EXPECT_EQ(ts().LoggerFileNames[0], dataFile("_LE1.txt"));
}

TEST_F(LoggerTest, StartRefusesUntilSteps1To3AreDone)
{
    orv::Datalogger& w = openWindow();
    w.Check1[0].userClick();
    w.Sel[2].click();
    fileStep(w, "", true);   // Cancel: no file
    EXPECT_TRUE(w.Label7.caption().isEmpty());

    w.Activation.click();
    ASSERT_FALSE(t.dialogs.shown.empty());
    EXPECT_EQ(t.dialogs.shown.back().text, "Please Complete Step 1 to 3  ");
    EXPECT_EQ(t.dialogs.shown.back().icon(), plat::mb::Critical);
    EXPECT_EQ(w.Activation.caption(), "Press to START");
    EXPECT_EQ(w.Activation.backColor(), plat::ButtonFace);
    EXPECT_FALSE(logTimers(log()).Timer42.enabled());
    t.time.advance(2000);
    EXPECT_NE(prog->ifLoaded<orv::Datalogger>(), nullptr);
}

// START hands the keyboard to "Create data logging file", refused or not:
// Enter then runs the file step.
TEST_F(LoggerTest, StartMovesTheFocusToTheFileStep)
{
    orv::Datalogger& w = openWindow();
    ASSERT_TRUE(w.visible());
    QTest::mouseClick(w.Activation.widget(), Qt::LeftButton);   // steps missing: refused
    ASSERT_EQ(t.dialogs.shown.back().text, "Please Complete Step 1 to 3  ");
    EXPECT_EQ(w.window()->focusWidget(), w.Command1.widget());

    bool dialogShown = false;
    t.dialogs.onModal = [&](plat::Form& f) {
        dialogShown = true;
        auto& d = static_cast<orv::InterCMD1&>(f);
        d.Text1.setText("run");
        d.Enregistrer.click();
    };
    QTest::keyClick(w.window()->focusWidget(), Qt::Key_Return);
    t.dialogs.onModal = nullptr;
    EXPECT_TRUE(dialogShown);
    EXPECT_EQ(w.Label7.caption(), dataFile("run.txt"));

    w.Check1[0].userClick();
    w.Sel[0].click();
    w.Activation.widget()->setFocus();
    QTest::mouseClick(w.Activation.widget(), Qt::LeftButton);
    EXPECT_TRUE(logTimers(log()).Timer42.enabled());
    EXPECT_EQ(w.window()->focusWidget(), w.Command1.widget());
}

TEST_F(LoggerTest, APeriodClickRestartsTheCountdownAndOffStopsTheWriter)
{
    activate({0});
    startLogger(0, 1, {0}, 5, "run");   // 30 minutes
    t.time.advance(10 * 60000);
    EXPECT_EQ(ts().LoggerCountdown, 19);
    orv::Datalogger& w = openWindow();   // restores the saved period: countdown restarts
    EXPECT_EQ(ts().LoggerCountdown, 29);
    w.Sel[1].click();
    EXPECT_EQ(ts().LoggerCountdown, 1);
    EXPECT_EQ(w.Label9.caption(), "2 ");
    w.Sel[10].click();   // 5 hours: a pass every 300 ticks
    EXPECT_EQ(ts().LoggerCountdown, 299);
    EXPECT_EQ(ts().LoggerPeriodReload, 299);
    EXPECT_EQ(w.Label9.caption(), "5 ");

    mainMenus(log()).mnuOffDataLogger.click();
    EXPECT_FALSE(logTimers(log()).Timer42.enabled());
    EXPECT_TRUE(mainMenus(log()).mnuOffDataLogger.checked());
    EXPECT_FALSE(mainMenus(log()).mnuCreateDataLogger.checked());
    EXPECT_FALSE(mainPanels(log()).Picture3.visible());
}

TEST_F(LoggerTest, ScreenshotsOfTheSetUpWindowAndTheDialog)
{
    writeFile(dataFile("run_LE1.txt"), "");
    orv::Datalogger& w = openWindow();
    w.show();
    w.Option1[0].userClick();
    for (int c : {0, 1, 7}) w.Check1[c].userClick();
    w.Sel[3].click();
    QDir().mkpath(TEST_OUTPUT_DIR);
    t.dialogs.onModal = [&](plat::Form& f) {
        auto& d = static_cast<orv::InterCMD1&>(f);
        d.Text1.setText("run_LE1.txt");
        const QImage dialog = d.window()->grab().toImage();
        EXPECT_TRUE(dialog.save(TEST_OUTPUT_DIR "/intercmd1.png"));
        d.Enregistrer.click();
    };
    w.Command1.click();
    t.dialogs.onModal = nullptr;
    ASSERT_TRUE(w.Picture1.visible());
    const QImage image = w.window()->grab().toImage();
    ASSERT_FALSE(image.isNull());
    ASSERT_TRUE(image.save(TEST_OUTPUT_DIR "/datalogger.png"));
}

} // namespace

namespace {

TEST_F(LoggerTest, QuitClosesTheLoggerWindowsAndStopsTheWriter)
{
    activate({0});
    startLogger(0, 1, {0}, 0, "run");
    t.time.advance(60000);
    openWindow();
    prog->form<orv::VisualiserImagesHMS>()->show();
    const QByteArray before = readFile(dataFile("run_LE1.txt"));
    t.dialogs.answers.push_back(plat::mb::Yes);
    EXPECT_THROW(mainMenus(log()).mnuQuit.click(), plat::ProgramEnded);
    EXPECT_EQ(prog->ifLoaded<orv::Datalogger>(), nullptr);
    EXPECT_EQ(prog->ifLoaded<orv::VisualiserImagesHMS>(), nullptr);
    EXPECT_EQ(readFile(dataFile("run_LE1.txt")), before);
}

} // namespace
