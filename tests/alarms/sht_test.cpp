// The SHT temperature alarm window on virtual time with fake LEs: a channel
// or the holder thermometer against the threshold, the report once until
// reset (list, history, menu mark, warning box, stop-all), the relays while
// the LE runs, "Unselect", the FADEC limit line, and its files.
#include "alarms/AlarmFixture.h"
#include "alarms/AlarmsState.h"
#include "alarms/SHTPC.h"
#include "shell/LogTimers.h"
#include "shell/MainMenus.h"
#include "shell/MainPanels.h"
#include "shell/RunShared.h"

using namespace orv;

namespace {

constexpr int VIS = le::pos::VIS, TempSHT = le::pos::TempSHT;

class ShtAlarmTest : public AlarmTest {
protected:
    SHTPC& w() { return *prog->form<SHTPC>(); }

    // LE-1's AD1 channel 0 watched against 100, "SHT (FADEC and PC)" on.
    void arm()
    {
        w().mnuSHTLE1.click();
        w().mnuSHTChannel0.click();
        w().VScroll1[0].setValue(100);
        if (!mainMenus(*log).mnuAlarmPlateau.checked()) mainMenus(*log).mnuAlarmPlateau.click();
    }
    int lines(const QString& text) const { return int(listLines().count(text)); }
};

TEST_F(ShtAlarmTest, ThresholdItselfIsNoAlarmOneAboveIsReportedOnceUntilReset)
{
    arm();
    report(0, 5, {{VIS, 100}});
    t.time.advance(300);
    EXPECT_FALSE(w().Picture5.visible());
    EXPECT_EQ(w().Label5.caption(), "100");
    EXPECT_EQ(w().Label2.caption(), "Channel 0");
    EXPECT_EQ(w().caption(), " Alarm Control");
    EXPECT_EQ(exchange(0, 5, {{VIS, 100}})[le::pos::RelayAlarm], 0);

    report(0, 5, {{VIS, 101}});
    t.time.advance(100);
    const QString text = "LE1  Alarm SHT (PC) to 101/255";
    EXPECT_TRUE(w().Picture5.visible());
    EXPECT_EQ(listLines().last(), text);
    EXPECT_EQ(mainPanels(*log).List4.foreColor(), plat::colors::Red);
    EXPECT_EQ(int(histoMessages().count(text)), 1);
    EXPECT_EQ(mainMenus(*log).mnuAlarmPlateau.caption(), "SHT (FADEC and PC) *");
    EXPECT_EQ(box().Label2.caption(), "LE1 SHT (FADEC and PC)");
    EXPECT_TRUE(box().visible());
    EXPECT_TRUE(logTimers(*log).Timer16.enabled());
    for (int le : {0, 5}) EXPECT_EQ(exchange(le, 5, {{VIS, 101}})[le::pos::RelayAlarm], 1) << le;

    t.time.advance(1000);
    EXPECT_EQ(lines(text), 1);

    // Reset re-arms the report; the condition still holds.
    w().mnuSHTRAlarm.click();
    EXPECT_EQ(prog->ifLoaded<BoiteDialogue>(), nullptr);
    EXPECT_EQ(s->alarms->AlarmSHTPCReported, 0);
    EXPECT_EQ(mainMenus(*log).mnuAlarmPlateau.caption(), "SHT (FADEC and PC) *");
    t.time.advance(100);
    EXPECT_EQ(lines(text), 2);

    // Back at the threshold: icon and relays go.
    report(0, 5, {{VIS, 100}});
    t.time.advance(100);
    EXPECT_FALSE(w().Picture5.visible());
    EXPECT_EQ(exchange(3, 5)[le::pos::RelayAlarm], 0);
}

TEST_F(ShtAlarmTest, OutsidePhaseFiveOrWithTheSwitchOffOnlyPartOfTheAlarm)
{
    arm();
    report(0, 4, {{VIS, 150}});
    t.time.advance(200);
    EXPECT_TRUE(w().Picture5.visible());
    EXPECT_EQ(exchange(0, 4, {{VIS, 150}})[le::pos::RelayAlarm], 0);
    EXPECT_EQ(s->alarms->AlarmSHTPCReported, 0);

    mainMenus(*log).mnuAlarmPlateau.click();   // off
    report(0, 5, {{VIS, 150}});
    t.time.advance(200);
    EXPECT_EQ(exchange(0, 5, {{VIS, 150}})[le::pos::RelayAlarm], 1);
    EXPECT_EQ(s->alarms->AlarmSHTPCReported, 0);
    EXPECT_FALSE(logTimers(*log).Timer16.enabled());

    // Ticking the switch later reports at the next tick.
    mainMenus(*log).mnuAlarmPlateau.click();
    t.time.advance(100);
    EXPECT_EQ(lines("LE1  Alarm SHT (PC) to 150/255"), 1);
}

TEST_F(ShtAlarmTest, HolderThermometerInDegreesWithTheLEsOwnLimit)
{
    arm();
    w().VScroll1[0].setValue(200);
    w().mnuHolderThermo.click();
    report(0, 5, {{TempSHT, 255}});   // no sensor
    t.time.advance(100);
    EXPECT_EQ(w().VScroll1[0].min(), 128);
    EXPECT_EQ(w().VScroll1[0].value(), 128);
    EXPECT_EQ(w().Label5.caption(), QString::fromUtf8("0°C"));
    EXPECT_EQ(w().Label6.caption(), QString::fromUtf8("128°C"));
    EXPECT_EQ(w().Label2.caption(), "SHT");
    EXPECT_EQ(w().caption(), " SHT Alarm Control");
    EXPECT_FALSE(w().Picture1.visible());   // LE never started: no limit of its own

    s->runShared->MaxTempSHT[0] = 60;
    w().VScroll1[0].setValue(40);
    report(0, 5, {{TempSHT, 45}});
    t.time.advance(100);
    EXPECT_TRUE(w().Picture1.visible());
    EXPECT_EQ(w().Picture1.canvas().printedTexts(), QStringList{QString::fromUtf8("60 °C   [FADEC SHT Alarm]")});
    EXPECT_EQ(listLines().last(), QString::fromUtf8("LE1  Alarm SHT (PC) to 45°C"));

    // Back to a channel: full range, no limit label.
    w().mnuSHTChannel1.click();
    t.time.advance(100);
    EXPECT_EQ(w().VScroll1[0].min(), 255);
    EXPECT_FALSE(w().Picture1.visible());
}

TEST_F(ShtAlarmTest, UnselectHidesTheControlsAndTestsTheLastReading)
{
    arm();
    report(0, 5, {{VIS, 150}});
    t.time.advance(100);
    ASSERT_EQ(s->alarms->AlarmSHTPCReported, 1);
    w().mnuSHTRAlarm.click();
    w().mnuSHTUnselect.click();
    report(0, 5, {{VIS, 0}});
    t.time.advance(100);
    EXPECT_EQ(s->alarms->InputSHT, 5);
    EXPECT_FALSE(w().VScroll1[0].visible());
    EXPECT_FALSE(w().Picture3[0].visible());
    EXPECT_FALSE(w().Label6.visible());
    EXPECT_EQ(s->alarms->ValueSHT, 150);
    EXPECT_EQ(s->alarms->AlarmSHTPCReported, 1);
}

TEST_F(ShtAlarmTest, QuitWritesBothFilesAndTheNextStartReadsThemBack)
{
    w().mnuSHTLE4.click();
    w().mnuSHTChannel2.click();
    w().VScroll1[0].setValue(77);
    w().show();
    w().mnuSHTQuit.click();
    EXPECT_FALSE(w().visible());
    EXPECT_EQ(baseFile("SHTConsigne.ini"), QByteArray("77\r\n"));
    EXPECT_EQ(baseFile("SHTPCStatusHal.ini"), QByteArray("0\r\n0\r\n0\r\n1\r\n0\r\n0\r\n"   // LEs
                                                         "0\r\n0\r\n0\r\n1\r\n0\r\n0\r\n")   // inputs
                                                  + QByteArray("0\r\n").repeated(8));

    restart();
    ASSERT_NE(prog->ifLoaded<SHTPC>(), nullptr);
    EXPECT_EQ(w().VScroll1[0].value(), 77);
    EXPECT_TRUE(w().mnuSHTLE4.checked());
    EXPECT_FALSE(w().mnuSHTLE1.checked());
    EXPECT_TRUE(w().mnuSHTChannel2.checked());
    EXPECT_FALSE(w().mnuHolderThermo.checked());
    EXPECT_EQ(s->alarms->LEActiveSHT, 3);
}

} // namespace
