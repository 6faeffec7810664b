// The main window with four LEs tracing: fake LEs send status frames through
// a start, a run and a stop over virtual time, and the window is saved as a
// PNG under the build folder for a person to look at
// (test-output/trace_area_four_les.png); and the I/O list panel shown
// (test-output/io_list_panel.png).
#include "shell/MainMenus.h"
#include "shell/MainPanels.h"
#include "support/FakeLE.h"
#include "support/TracesFixture.h"

#include "shell/LinkStatus.h"
#include "shell/RunShared.h"
#include "shell/SettingsStore.h"
#include "shell/TracesShared.h"

#include <QDir>
#include <QPixmap>
#include <cmath>

namespace {

class TraceScreenshotTest : public TracesTest {
protected:
    std::vector<std::unique_ptr<FakeLE>> fakes;
    int elapsedMs = 0;

    // The phase of a run that starts `offset` ms into the script: start,
    // generator, ramp-up, lamp, running, then stop and rest.
    static int phaseAt(int ms)
    {
        if (ms < 0) return 0;
        const int s = ms / 1000;
        if (s < 2) return 1;
        if (s < 6) return 2;
        if (s < 10) return 3;
        if (s < 14) return 4;
        if (s < 100) return 5;
        return 6;
    }

    void sendFrames()
    {
        elapsedMs += 250;
        for (int i = 0; i < int(fakes.size()); ++i) {
            const int ms = elapsedMs - 4000 * i;
            const double x = ms / 1000.0;
            le::Fields f = FakeLE::statusFields(phaseAt(ms));
            const bool lit = phaseAt(ms) >= 4 && phaseAt(ms) <= 5;
            f[le::pos::LPC] = lit ? int(150 + 30 * std::sin(x / 4 + i)) : 10;
            f[le::pos::LFC] = lit ? int(90 + 15 * std::sin(x / 7 + i)) : 5;
            f[le::pos::VIS] = lit ? int(120 + 10 * std::cos(x / 5)) : 0;
            f[le::pos::IR] = lit ? 60 + (i * 10) : 0;
            f[le::pos::RH] = 40 + int(5 * std::sin(x / 3));
            f[le::pos::LFC2] = lit ? 70 : 0;
            f[le::pos::LFC3] = lit ? 50 : 0;
            f[le::pos::TempMAT] = std::min(95, 25 + int(x * (phaseAt(ms) >= 2 ? 1 : 0)));
            fakes[size_t(i)]->send(f);
        }
    }
};

TEST_F(TraceScreenshotTest, FourLEsTracingAfterAScriptedRun)
{
    for (int le = 0; le < 4; ++le) {
        openPort(le);
        fakes.push_back(std::make_unique<FakeLE>(t, le + 1, le + 1));
        fakes.back()->setRunning(false);
    }
    setLFC2Sensor(1, true);
    s->runShared->TempMagnOff[0] = 45;
    s->runShared->LevelStartLP[0] = 140;
    plat::Timer frames(t.time, "frames", 250, true);
    frames.onTimer = [this] { sendFrames(); };
    ts->FlagNiveauLPC = 1;
    t.time.advance(110000);

    // LE-1 stopped and rested: its image holds the whole area.
    EXPECT_EQ(s->status->PhaseLP[0], 6);
    EXPECT_EQ(s->status->PhaseLP[3], 5);
    EXPECT_TRUE(QFile::exists(t.host("C:\\LightCtl\\Img\\LE1-0000.bmp")));
    EXPECT_FALSE(QFile::exists(t.host("C:\\LightCtl\\Img\\LE4-0000.bmp")));
    for (int le = 0; le < 4; ++le) EXPECT_GT(s->tracesShared->TraceX[le], 100) << le;
    EXPECT_EQ(s->tracesShared->TraceX[4], 0);

    mainForm().show();
    const QImage image = mainForm().window()->grab().toImage();
    ASSERT_FALSE(image.isNull());
    QDir().mkpath(TEST_OUTPUT_DIR);
    const QString path = QStringLiteral(TEST_OUTPUT_DIR "/trace_area_four_les.png");
    ASSERT_TRUE(image.save(path)) << path.toStdString();
    area().save(QStringLiteral(TEST_OUTPUT_DIR "/trace_area_four_les_area.bmp"));
}

// The I/O list panel shown at the window's right edge, listing LE-1's last
// frame (test-output/io_list_panel.png).
TEST_F(TraceScreenshotTest, TheIOListPanelBesideTheTraceArea)
{
    openPort(0);
    fakes.push_back(std::make_unique<FakeLE>(t, 1, 1));
    t.time.advance(2000);
    mainMenus(*log).mnuIOListData.click();
    t.time.advance(600);   // the monitor prints on it every 500 ms
    ASSERT_TRUE(mainPanels(*log).Picture22.visible());
    EXPECT_FALSE(mainPanels(*log).Picture22.canvas().printedTexts().isEmpty());

    mainForm().show();
    const QImage image = mainForm().window()->grab().toImage();
    ASSERT_FALSE(image.isNull());
    QDir().mkpath(TEST_OUTPUT_DIR);
    ASSERT_TRUE(image.save(QStringLiteral(TEST_OUTPUT_DIR "/io_list_panel.png")));
}

} // namespace
