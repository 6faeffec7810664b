// The three alarm windows with an alarm on, rendered offscreen and saved as
// PNGs under the build folder for a person to look at
// (test-output/alarm_qth.png, alarm_lfc.png, alarm_sht.png).
#include "alarms/AlarmFixture.h"
#include "alarms/ControlLfcAlarm.h"
#include "alarms/Halogen.h"
#include "alarms/SHTPC.h"
#include "shell/LinkRequest.h"
#include "shell/MainMenus.h"
#include "shell/RunShared.h"

#include <QDir>
#include <QImage>
#include <QPixmap>

using namespace orv;

namespace {

class AlarmScreenshotTest : public AlarmTest {
protected:
    void save(plat::Form& w, const char* name)
    {
        w.show();
        const QImage image = w.window()->grab().toImage();
        ASSERT_FALSE(image.isNull());
        QDir().mkpath(TEST_OUTPUT_DIR);
        const QString path = QStringLiteral(TEST_OUTPUT_DIR "/%1.png").arg(name);
        ASSERT_TRUE(image.save(path)) << path.toStdString();
        EXPECT_EQ(QImage(path).size(), image.size());
    }
};

TEST_F(AlarmScreenshotTest, QthWindowInAlarm)
{
    Halogen& w = *prog->form<Halogen>();
    w.mnuLP1Active.click();
    for (int k = 0; k < 3; ++k) w.Check1[k].setValue(1);
    w.VScroll1.setValue(120);
    s->request->RelayQTH[0] = 1;
    mainMenus(*log).mnuAlarmHalogen.click();
    report(0, 5, {{le::pos::VIS, 150}, {le::pos::IR, 90}, {le::pos::RH, 200}});
    t.time.advance(1100);
    ASSERT_TRUE(w.Picture5.visible());
    save(w, "alarm_qth");
}

TEST_F(AlarmScreenshotTest, LfcWindowInAlarm)
{
    ControlLfcAlarm& w = *prog->form<ControlLfcAlarm>();
    t.time.advance(60);
    w.VScroll1[0].setValue(60);
    w.VScroll1[1].setValue(180);
    for (int i = 0; i < 3; ++i) w.Check1[i].setValue(1);
    report(0, 5, {{le::pos::LFC, 120}});
    report(1, 5, {{le::pos::LFC, 200}});
    report(2, 0, {{le::pos::LFC, 40}});
    mainMenus(*log).mnuAlarmLFC.click();
    t.time.advance(1600);   // the blinking line shown
    ASSERT_TRUE(w.Picture5.visible());
    save(w, "alarm_lfc");
}

TEST_F(AlarmScreenshotTest, ShtWindowInAlarmOnTheHolderThermometer)
{
    SHTPC& w = *prog->form<SHTPC>();
    w.mnuSHTLE1.click();
    w.mnuHolderThermo.click();
    w.VScroll1[0].setValue(50);
    s->runShared->MaxTempSHT[0] = 80;
    mainMenus(*log).mnuAlarmPlateau.click();
    report(0, 5, {{le::pos::TempSHT, 65}});
    t.time.advance(1600);   // the blinking line shown
    ASSERT_TRUE(w.Picture5.visible());
    save(w, "alarm_sht");
}

} // namespace
