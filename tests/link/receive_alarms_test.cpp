// The SHT and LFC alarms raised on reception: their conditions, the exact
// texts in the event list, the history and the warning box, once per latch,
// and the stop-all sequence they start. Then one frame over a real serial line.
#include "client/RealProgram.h"
#include "link/LinkState.h"
#include "link/ReceiveFixture.h"
#include "platform/PortDirectory.h"
#include "platform/Printer.h"
#include "platform/TimeSource.h"
#include "shell/AlarmsShared.h"
#include "shell/BoiteDialogue.h"
#include "shell/LinkStatus.h"
#include "shell/Log.h"
#include "shell/RunShared.h"
#include "shell/State.h"
#include "support/Pty.h"

#include <QTest>
#include <functional>

using namespace orv;

namespace {

// A line of Histo.txt ends with the code, four blanks and the message.
int histoCount(const QByteArray& file, const QString& message)
{
    return int(file.count(QByteArray("    000    ") + message.toLatin1() + "\r\n"));
}

} // namespace

class ReceiveAlarmTest : public ReceiveTest {
protected:
    void SetUp() override
    {
        ReceiveTest::SetUp();
        arm();
    }
    // LE-2 watched for SHT with a limit of 60, both alarm menus ticked,
    // every LE activated, nothing raised yet.
    void arm()
    {
        log->mnuAlarmPlateau.setChecked(true);
        log->mnuAlarmLFC.setChecked(true);
        log->mnuAlarmPlateau.setCaption("SHT (FADEC and PC)");
        log->mnuAlarmLFC.setCaption("LFC");
        for (int le = 0; le < 8; ++le) settings().Check1[le].setValue(1);
        s->common->SHTStopLE = 1;
        s->alarmsShared->AlarmLFCActive = 0;
        for (int le = 0; le < 8; ++le) {
            s->runShared->MaxTempSHT[le] = 60;
            (*s->link).*leInstance(le).shtLatch = 0;
            (*s->link).*leInstance(le).lfcLatch = 0;
        }
        log->Timer16.setEnabled(false);
    }
    static le::Fields running(int sht, int phase = 5)
    {
        le::Fields f = status(phase);
        f[11] = sht;
        return f;
    }
    QByteArray histo() const { return readFile(s->common->BaseFolder + "\\Histo.txt"); }
    BoiteDialogue& box() { return *prog->form<BoiteDialogue>(); }
};

TEST_F(ReceiveAlarmTest, ShtAlarmOncePerLatch)
{
    const int lines = log->List4.listCount();
    receive(1, running(60));
    EXPECT_EQ(log->List4.listCount(), lines);
    EXPECT_FALSE(log->Timer16.enabled());

    receive(1, running(61));
    ASSERT_EQ(log->List4.listCount(), lines + 1);
    EXPECT_EQ(log->List4.list(lines), "LE2  Alarm SHT (FADEC) ");
    EXPECT_EQ(log->List4.foreColor(), plat::colors::Red);
    EXPECT_EQ(histoCount(histo(), "LE2  Alarm SHT (FADEC) "), 1);
    EXPECT_TRUE(histo().contains("    000    LE2  Alarm SHT (FADEC) \r\n"));
    EXPECT_EQ(log->mnuAlarmPlateau.caption(), "SHT (FADEC and PC) *");
    EXPECT_EQ(box().Label2.caption(), "LE2 SHT (FADEC and PC)");
    EXPECT_EQ(box().Label1.caption(), "Alarm");
    EXPECT_TRUE(box().visible());
    EXPECT_FALSE(box().isModal());
    EXPECT_EQ(s->link->AlarmSHTLatchLE2, 1);
    EXPECT_TRUE(log->Timer16.enabled());

    log->Timer16.setEnabled(false);
    receive(1, running(70));
    EXPECT_EQ(log->List4.listCount(), lines + 1);
    EXPECT_EQ(histoCount(histo(), "LE2  Alarm SHT (FADEC) "), 1);
    EXPECT_FALSE(log->Timer16.enabled());
}

TEST_F(ReceiveAlarmTest, ShtAlarmNeedsEveryCondition)
{
    struct Case { const char* what; int le; le::Fields frame; std::function<void()> arrange; };
    const Case cases[] = {
        {"equal to the limit", 1, running(60), [] {}},
        {"no sensor", 1, running(255), [&] { s->runShared->MaxTempSHT[1] = 0; }},
        {"phase 4", 1, running(90, 4), [] {}},
        {"menu unticked", 1, running(90), [&] { log->mnuAlarmPlateau.setChecked(false); }},
        {"another LE watched", 1, running(90), [&] { s->common->SHTStopLE = 2; }},
        {"deactivated", 1, running(90), [&] { s->common->SHTStopLE = 6; }},
        {"LE-7 never watched", 6, running(90), [&] { s->common->SHTStopLE = 6; }},
        {"LE not activated", 1, running(90), [&] { settings().Check1[1].setValue(0); }},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        arm();
        c.arrange();
        const int lines = log->List4.listCount();
        receive(c.le, c.frame);
        EXPECT_EQ(log->List4.listCount(), lines);
        EXPECT_EQ((*s->link).*leInstance(c.le).shtLatch, 0);
        EXPECT_FALSE(log->Timer16.enabled());
    }

    // Activating the LE while the condition holds raises it on the next frame.
    settings().Check1[1].setValue(1);
    receive(1, running(90));
    EXPECT_EQ(s->link->AlarmSHTLatchLE2, 1);
}

TEST_F(ReceiveAlarmTest, LfcAlarmOncePerLE)
{
    s->alarmsShared->AlarmLFCActive = 1;
    s->common->SHTStopLE = 6;
    settings().Check1[1].setValue(0);
    const int lines = log->List4.listCount();
    receive(0, running(30));
    receive(1, running(30));      // not activated
    receive(3, running(30, 4));   // not running
    EXPECT_TRUE(log->Timer16.enabled());
    log->Timer16.setEnabled(false);
    receive(2, running(30));
    receive(6, running(30));
    receive(0, running(30));      // latched

    const QStringList added = log->List4.items().mid(lines);
    EXPECT_EQ(added, (QStringList{"LE1  Alarm LFC ", "LE3  Alarm LFC ", "LE7  Alarm LFC "}));
    EXPECT_EQ(log->mnuAlarmLFC.caption(), "LFC *");
    EXPECT_EQ(box().Label2.caption(), "LE7 LFC");
    EXPECT_TRUE(log->Timer16.enabled());
    for (const char* m : {"LE1  Alarm LFC ", "LE3  Alarm LFC ", "LE7  Alarm LFC "})
        EXPECT_EQ(histoCount(histo(), m), 1) << m;
    EXPECT_EQ(s->link->AlarmLFCLatchLE1 + s->link->AlarmLFCLatchLE3 + s->link->AlarmLFCLatchLE7, 3);
    EXPECT_EQ(s->link->AlarmLFCLatchLE2 + s->link->AlarmLFCLatchLE4, 0);

    // The window's flag gone, no further LE raises it.
    s->alarmsShared->AlarmLFCActive = 0;
    receive(7, running(30));
    EXPECT_EQ(s->link->AlarmLFCLatchLE8, 0);
}

TEST_F(ReceiveAlarmTest, WearCounterFrameGoesThroughTheAlarms)
{
    le::Fields w = running(61);
    w[31] = 5;
    receive(1, w);
    EXPECT_EQ(s->link->AlarmSHTLatchLE2, 1);
}

// One status frame over a pseudo-terminal on the real QSerialPort and the Qt
// event loop reaches the main window, and the LE gets its reply.
TEST(ReceiveRealLine, FrameOverASerialLine)
{
    testsupport::Pty pty;
    ASSERT_TRUE(pty.ok());
    qputenv("ORVANE_COM4", pty.slavePath().toLocal8Bit());
    {
        lesim::RealProgram rig;
        Program& prog = rig.prog();
        Log& log = rig.log();
        log.show();
        plat::CommPort& port = log.MSComm(3);
        port.setCommPort(4);
        port.setSettings("19200,n,8,1");
        port.setHandshaking(1);
        port.setRThreshold(160);
        port.setInputLen(160);
        ASSERT_TRUE(port.setPortOpen(true));

        le::Fields f = FakeLE::statusFields(4);
        f[11] = 33;
        f[26] = 158;
        ASSERT_TRUE(pty.write(le::composeFrame(f)));
        ASSERT_TRUE(QTest::qWaitFor([&] { return prog.s.status->PhaseLP[3] == 4; }, 5000));
        EXPECT_EQ(log.Label24[3].caption(), "4");
        EXPECT_EQ(log.Label41[3].caption(), "33");
        EXPECT_EQ(log.Label39[3].caption(), "158");

        QByteArray reply;
        EXPECT_TRUE(QTest::qWaitFor(
            [&] {
                reply += pty.read(34 - int(reply.size()));
                return reply.size() >= 34;
            },
            5000));
        ASSERT_EQ(reply.size(), 34);
        EXPECT_EQ(reply.right(2), "\r\n");
        EXPECT_EQ(uint8_t(reply[1]), 4);     // the LE's phase, echoed
        EXPECT_EQ(uint8_t(reply[11]), 33);
        port.setPortOpen(false);
    }
    qunsetenv("ORVANE_COM4");
}
