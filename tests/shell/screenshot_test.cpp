// The main window after start-up in start mode 1 with LE-1 and LE-2 active,
// rendered offscreen and saved as a PNG under the build folder for a person
// to look at (test-output/main_window_mode1.png).

#include "shell/LeStrips.h"
#include "shell/SettingsStore.h"
#include "shell/State.h"
#include "support/ProgramFixture.h"

#include <QDir>
#include <QImage>
#include <QPixmap>

namespace {

class ScreenshotTest : public ProgramTest {};

TEST_F(ScreenshotTest, MainWindowAfterStartUpWithTwoActiveLEs)
{
    QStringList settings = orv::defaultSettingsLines();
    settings[0] = "1";   // LE-1 activated
    settings[1] = "1";   // LE-2 activated
    writeFile("C:\\LightCtl\\Param4LogStart.ini", settings.join("\r\n").toLatin1() + "\r\n");
    startUp();
    t.time.advance(4000);   // refreshes and the connect button's 3 s enabling

    plat::Form& w = mainForm();
    ASSERT_EQ(prog->s.common->StartMode, 1);
    EXPECT_TRUE(leStrips(*prog).Picture5[0].visible());
    EXPECT_TRUE(leStrips(*prog).Picture5[1].visible());
    EXPECT_FALSE(leStrips(*prog).Picture5[2].visible());

    w.show();
    const QImage image = w.window()->grab().toImage();
    ASSERT_FALSE(image.isNull());
    QDir().mkpath(TEST_OUTPUT_DIR);
    const QString path = QStringLiteral(TEST_OUTPUT_DIR "/main_window_mode1.png");
    ASSERT_TRUE(image.save(path)) << path.toStdString();
    EXPECT_EQ(QImage(path).size(), image.size());
}

} // namespace
