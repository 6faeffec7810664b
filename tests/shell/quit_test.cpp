// Quit from the File menu: the question, the day's strip images, the open
// windows closed in order (none created), the files their closing handlers
// write, and the end of the program.
#include "parameters/Usures.h"
#include "platform/Canvas.h"
#include "platform/Dialogs.h"
#include "scheduler/SelectionStart.h"
#include "shell/BoiteDialogue.h"
#include "shell/Histo.h"
#include "shell/Log.h"
#include "shell/MessagesError.h"
#include "shell/ParamLogicielVB.h"
#include "shell/State.h"
#include "support/ProgramFixture.h"

#include <QDirIterator>
#include <QMap>
#include <algorithm>

using namespace orv;

class QuitTest : public ProgramTest {
protected:
    void SetUp() override
    {
        ProgramTest::SetUp();
        startUp();
        t.time.setWallClock(QDateTime(QDate(2026, 12, 8), QTime(14, 5, 9)));
        t.drive.mkPath("C:\\LightCtl\\Images_Traces");
    }

    // Paints the strips of the LE indexes given, each in a colour of its own.
    void makeStrips(std::initializer_list<int> les)
    {
        SelectionStart& start = *prog->form<SelectionStart>();
        for (int le : les) start.strip(le).setBackColor(plat::rgb(10 * le, 200, 255 - le));
    }

    // Every file of the drive with its bytes.
    QMap<QString, QByteArray> snapshot() const
    {
        QMap<QString, QByteArray> files;
        QDirIterator it(t.driveDir.path(), QDir::Files | QDir::Hidden, QDirIterator::Subdirectories);
        while (it.hasNext()) {
            const QString path = it.next();
            QFile f(path);
            f.open(QIODevice::ReadOnly);
            files[path.mid(t.driveDir.path().size() + 1)] = f.readAll();
        }
        return files;
    }
    static QStringList changed(const QMap<QString, QByteArray>& before, const QMap<QString, QByteArray>& after)
    {
        QStringList out;
        for (auto it = after.begin(); it != after.end(); ++it)
            if (!before.contains(it.key()) || before[it.key()] != it.value()) out << it.key();
        for (auto it = before.begin(); it != before.end(); ++it)
            if (!after.contains(it.key())) out << it.key();
        return out;
    }
    static QString image(int n) { return QString("LightCtl/Images_Traces/08.12.2026_0%1.bmp").arg(n); }

    // Removes the settings files start-up read, so that writing them again
    // at quit shows as a change even with the same contents.
    void removeSettingsFiles()
    {
        t.drive.removeFile("C:\\LightCtl\\Param4LogStart.ini");
        t.drive.removeFile("C:\\LightCtl\\CocheSelect.ini");
    }

    // Answers the question and runs quit; true when the program ended.
    bool quit(int answer)
    {
        t.dialogs.answers.push_back(answer);
        try {
            prog->Log->mnuQuit.click();
        } catch (const plat::ProgramEnded&) {
            return true;
        }
        return false;
    }
};

TEST_F(QuitTest, NoChangesNothing)
{
    makeStrips({0, 1, 2, 3, 4, 5, 6, 7});
    prog->Log->AffAlarm();
    const auto before = snapshot();

    EXPECT_FALSE(quit(plat::mb::No));
    ASSERT_EQ(t.dialogs.shown.size(), 1u);
    EXPECT_EQ(t.dialogs.shown[0].text, "Are you sure you want to exit the program!");
    EXPECT_EQ(t.dialogs.shown[0].title, " Warning!");
    EXPECT_EQ(t.dialogs.shown[0].buttons(), plat::mb::YesNo);
    EXPECT_EQ(t.dialogs.shown[0].icon(), plat::mb::NoIcon);

    EXPECT_EQ(changed(before, snapshot()), QStringList());
    EXPECT_FALSE(t.time.ended());
    EXPECT_TRUE(prog->ifLoaded<BoiteDialogue>());
    EXPECT_TRUE(prog->Log.isLoaded());
}

TEST_F(QuitTest, YesSavesTheEightStripsAndOnlyTheNamedFilesThenEnds)
{
    makeStrips({0, 1, 2, 3, 4, 5, 6, 7});
    writeFile("C:\\LightCtl\\Images_Traces\\08.12.2026_02.bmp", "an earlier quit of the day");
    prog->Log->AffAlarm();
    prog->form<Histo>()->show();
    prog->form<MessagesError>()->show();
    ASSERT_TRUE(prog->ifLoaded<ParamLogicielVB>());   // start-up loads it
    ASSERT_FALSE(prog->ifLoaded<Usures>());
    removeSettingsFiles();
    const auto before = snapshot();

    EXPECT_TRUE(quit(plat::mb::Yes));
    EXPECT_TRUE(t.time.ended());
    EXPECT_EQ(prog->s.common->DateCourante, "08.12.2026");

    const QStringList files = changed(before, snapshot());
    for (int n = 2; n <= 9; ++n) {
        EXPECT_TRUE(files.contains(image(n))) << n;
        const auto img = plat::Canvas::load(t.driveDir.filePath(image(n)));
        ASSERT_TRUE(img) << n;
        const int le = n - 2;
        EXPECT_EQ(img->pixelColor(5, 5), QColor(10 * le, 200, 255 - le)) << n;
    }
    for (const char* settings : {"LightCtl/Param4LogStart.ini", "LightCtl/CocheSelect.ini"})
        EXPECT_TRUE(files.contains(settings)) << settings;
    // Nothing else: the window position file is the only other one a quit
    // may write (the coefficient window was not open).
    QStringList allowed{"LightCtl/Param4LogStart.ini", "LightCtl/CocheSelect.ini", "LightCtl/AdressesFenetresStart.ini"};
    for (int n = 2; n <= 9; ++n) allowed << image(n);
    for (const QString& f : files) EXPECT_TRUE(allowed.contains(f)) << f.toStdString();

    // The open windows were closed; a window that was not open was not created.
    EXPECT_FALSE(prog->ifLoaded<BoiteDialogue>());
    EXPECT_FALSE(prog->ifLoaded<Histo>());
    EXPECT_FALSE(prog->ifLoaded<MessagesError>());
    EXPECT_FALSE(prog->ifLoaded<ParamLogicielVB>());
    EXPECT_FALSE(prog->ifLoaded<Usures>());
    EXPECT_FALSE(prog->Log.isLoaded());
}

TEST_F(QuitTest, StripsThatCannotBeSavedAreSkippedAndQuitGoesOn)
{
    makeStrips({0, 3});
    QDir(t.host("C:\\LightCtl\\Images_Traces")).removeRecursively();
    writeFile("C:\\LightCtl\\Images_Traces", "a file where the folder should be");
    prog->form<Histo>()->show();
    removeSettingsFiles();
    const auto before = snapshot();

    EXPECT_TRUE(quit(plat::mb::Yes));
    const QStringList files = changed(before, snapshot());
    EXPECT_TRUE(files.contains("LightCtl/Param4LogStart.ini"));
    for (const QString& f : files) EXPECT_FALSE(f.contains("Images_Traces/")) << f.toStdString();
    EXPECT_FALSE(prog->ifLoaded<Histo>());
    EXPECT_FALSE(prog->Log.isLoaded());
}

TEST_F(QuitTest, ASettingsWindowThatEndsTheProgramEndsTheQuitThere)
{
    prog->form<MessagesError>()->show();   // before the settings window in the order
    prog->form<Usures>().get();            // after it
    ParamLogicielVB& settings = *prog->form<ParamLogicielVB>();
    settings.Check18.userClick();   // the start-mode password turned on during the run
    ASSERT_EQ(settings.EndOnClose, 1);
    const auto& running = prog->Log->timers();
    ASSERT_TRUE(std::any_of(running.begin(), running.end(), [](const plat::Timer* t) { return t->enabled(); }));

    EXPECT_TRUE(quit(plat::mb::Yes));
    EXPECT_EQ(t.dialogs.shown.back().text, "The 'Password' must reactivate the program! ");
    EXPECT_FALSE(prog->ifLoaded<MessagesError>());
    EXPECT_TRUE(prog->ifLoaded<Usures>());   // never reached

    // The main window (earlier in the order) and the settings window had
    // their timers stopped before the settings window's closing handler ran.
    ASSERT_TRUE(prog->Log.isLoaded());
    int timers = 0;
    for (const plat::Form* w : {static_cast<plat::Form*>(&*prog->Log), static_cast<plat::Form*>(&settings)})
        for (const plat::Timer* timer : w->timers()) {
            EXPECT_FALSE(timer->enabled()) << w->name().toStdString() << "." << timer->name().toStdString();
            ++timers;
        }
    EXPECT_GT(timers, 70);
}
