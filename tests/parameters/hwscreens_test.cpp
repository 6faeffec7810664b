// The hardware-test window with its scope after a scripted run, and the
// start-up debugger after a scripted start, rendered offscreen and saved
// under build/test-output/ for a person to look at.
#include "parameters/EspionStart.h"
#include "parameters/HardwareTestsFixture.h"
#include "run/RunState.h"
#include "shell/LeStrips.h"
#include "shell/LinkStatus.h"
#include "shell/RunShared.h"
#include "shell/State.h"

#include <QDir>
#include <QImage>
#include <QPixmap>

using namespace orv;

namespace {

void save(plat::Form& f, const char* name)
{
    const QImage image = f.window()->grab().toImage();
    ASSERT_FALSE(image.isNull());
    QDir().mkpath(TEST_OUTPUT_DIR);
    const QString path = QStringLiteral(TEST_OUTPUT_DIR "/") + QString::fromLatin1(name);
    ASSERT_TRUE(image.save(path)) << path.toStdString();
    EXPECT_EQ(QImage(path).size(), image.size());
}

} // namespace

TEST_F(HardwareTestsTest, ScreenshotOfTheHardwareTestsWithAScopeRun)
{
    FakeLE& one = fakeOn(0);
    FakeLE& two = fakeOn(1);
    t.time.advance(1000);
    choose(1);
    // The samples below are the script's: the LEs stop reporting.
    one.setRunning(false);
    two.setRunning(false);
    w().Check1.userClick();
    w().Option1[2].userClick();
    w().Check11.userClick();
    w().Check6.userClick();
    w().Check3.userClick();
    s->status->TachyM[1] = 84;
    s->status->FadecIO[1][27] = 84;
    // A scripted run: the light rises, then settles; temperatures climb.
    for (int i = 0; i < 120; ++i) {
        s->status->RawLPC[1] = uint8_t(std::min(200, i * 4));
        s->status->RawLFC[1] = uint8_t(std::min(120, i * 2));
        s->status->TempMAT[1] = uint8_t(20 + i / 4);
        s->status->TempSHT[1] = uint8_t(18 + i / 8);
        t.time.advance(500);
    }
    w().Picture1_MouseMove(0, 0, 1500, 1200);
    w().show();
    t.time.advance(500);
    save(w(), "tests_materiel.png");
}

TEST_F(HardwareTestsTest, ScreenshotOfTheStartUpDebugger)
{
    t.time.advance(2000);
    s->common->SelectedLE = 1;
    s->runShared->ParamZ1[0] = 50;
    s->runShared->ParamZ2[0] = 20;
    s->runShared->ParamZ3[0] = 15;
    s->status->TachyM[0] = 84;
    s->status->EspionLPC[0] = 45;
    s->status->EspionLFC[0] = 12;
    s->status->FadecIO[0][10] = 25;
    EspionStart& d = *prog->form<EspionStart>();
    d.show();
    leStrips(*log).Label26[0].setBackColor(plat::colors::Green);
    s->status->FadecIO[0][2] = 1;
    for (int n : {1, 2, 3, 6, 7, 11, 12, 13, 14, 15, 16, 17, 64, 65, 85, 86, 87, 88, 89, 101}) {
        s->status->FadecIO[0][5] = n;
        s->status->StartStep[0] = uint8_t(n);
        t.time.advance(330);
    }
    ASSERT_GT(d.List1.listCount(), 20);
    save(d, "espion_start.png");
}
