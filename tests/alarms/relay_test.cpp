// The alarm relay request kept per writer: the frame to an LE carries the OR
// of every writer's request, so a window without an alarm never drops the
// relay another window's alarm holds.
#include "alarms/AlarmFixture.h"
#include "alarms/ControlLfcAlarm.h"
#include "alarms/Halogen.h"
#include "alarms/SHTPC.h"
#include "shell/AlarmsShared.h"
#include "shell/LinkRequest.h"

using namespace orv;

namespace {

constexpr int VIS = le::pos::VIS, IR = le::pos::IR, LFC = le::pos::LFC;

class AlarmRelayTest : public AlarmTest {};

TEST_F(AlarmRelayTest, QthAlarmHoldsTheRelayWhileTheOtherWindowsSeeNoAlarm)
{
    // QTH window: LE-1, channel 0 below 100 with the lamps on.
    Halogen& qth = *prog->form<Halogen>();
    qth.mnuLP1Active.click();
    qth.Check1[0].setValue(1);
    qth.VScroll1.setValue(100);
    s->request->RelayQTH[0] = 1;
    // SHT window on the same LE, channel 1 below its threshold: no alarm.
    SHTPC& sht = *prog->form<SHTPC>();
    sht.mnuSHTLE1.click();
    sht.mnuSHTChannel1.click();
    sht.VScroll1[0].setValue(200);
    // LFC window watching LE-1 inside its band: no alarm, and it writes the
    // relay request of the LE the QTH window watches every 200 ms.
    ControlLfcAlarm& lfc = *prog->form<ControlLfcAlarm>();
    t.time.advance(60);
    lfc.VScroll1[0].setValue(0);
    lfc.VScroll1[1].setValue(255);
    lfc.Check1[0].setValue(1);

    report(0, 5, {{VIS, 10}, {IR, 20}, {LFC, 100}});
    t.time.advance(3200);
    for (int i = 0; i < 40; ++i) {
        SCOPED_TRACE(i);
        t.time.advance(20);
        EXPECT_EQ(exchange(0, 5, {{VIS, 10}, {IR, 20}, {LFC, 100}})[le::pos::RelayAlarm], 1);
    }
    EXPECT_EQ(s->alarmsShared->AlarmLFCActive, 0);
    EXPECT_FALSE(sht.Picture5.visible());

    // The QTH condition ends and its reset releases its request: the relay drops.
    report(0, 5, {{VIS, 150}, {IR, 20}, {LFC, 100}});
    t.time.advance(100);
    qth.mnuResetAlarm.click();
    t.time.advance(300);
    EXPECT_EQ(exchange(0, 5, {{VIS, 150}, {IR, 20}, {LFC, 100}})[le::pos::RelayAlarm], 0);
}

TEST_F(AlarmRelayTest, EveryWritersRequestIsClearedOnceAllLEsAreIdle)
{
    Halogen& qth = *prog->form<Halogen>();
    qth.mnuLP1Active.click();
    qth.Check1[0].setValue(1);
    qth.VScroll1.setValue(100);
    s->request->RelayQTH[0] = 1;
    report(0, 5, {{VIS, 10}});
    t.time.advance(3200);
    ASSERT_EQ(exchange(0, 5, {{VIS, 10}})[le::pos::RelayAlarm], 1);

    // Watching another LE leaves the request of LE-1 set until every LE rests.
    qth.mnuLP2Active.click();
    EXPECT_EQ(exchange(0, 5, {{VIS, 10}})[le::pos::RelayAlarm], 1);
    report(0, 0, {{VIS, 10}});
    t.time.advance(300);
    EXPECT_EQ(exchange(0, 0, {{VIS, 10}})[le::pos::RelayAlarm], 0);
}

} // namespace
