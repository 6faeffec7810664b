// The alarm windows' settings files read at start-up when they hold bad
// values: in the state files a line that is missing or not a number leaves
// its control as it is; a threshold or limit that is missing, not a number
// or outside its slider's range takes the value start-up writes into a new
// file; a dialogue file that cannot be written does not stop the QTH window.
#include "alarms/AlarmFixture.h"
#include "alarms/AlarmsState.h"
#include "alarms/ControlLfcAlarm.h"
#include "alarms/Halogen.h"
#include "alarms/SHTPC.h"

#include <QDir>

using namespace orv;

namespace {

class AlarmFilesTest : public AlarmTest {};

TEST_F(AlarmFilesTest, BadThresholdsTakeTheDefaultsOfANewFile)
{
    struct Case { QByteArray qth, sht; int qthValue, shtValue; };
    const Case cases[] = {
        {"300\r\n", "400\r\n", 220, 40},
        {" 0 \r\n", "-7\r\n", 220, 40},
        {"abc\r\n", "x\r\n", 220, 40},   // never the sliders' design values 1 and 130
        {"", "", 220, 40},
        {"57,9\r\n", " 33 \r\n", 57, 33},
        {" 255 \r\n", "0\r\n", 255, 0},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.qth.toStdString());
        writeBaseFile("Consigne.ini", c.qth);
        writeBaseFile("SHTConsigne.ini", c.sht);
        restart();
        EXPECT_EQ(prog->form<Halogen>()->VScroll1.value(), c.qthValue);
        EXPECT_EQ(prog->form<SHTPC>()->VScroll1[0].value(), c.shtValue);
    }
}

TEST_F(AlarmFilesTest, ShortOrMalformedStateFilesSetOnlyWhatTheyHold)
{
    writeBaseFile("StatusHalogen.ini", "0\r\n1\r\nzz\r\n");
    writeBaseFile("ConsSliderLCF.ini", "999\r\nxyz\r\n2\r\n1\r\n");
    writeBaseFile("SHTPCStatusHal.ini", "0\r\n0\r\n1\r\n");
    restart();
    Halogen& qth = *prog->form<Halogen>();
    EXPECT_TRUE(qth.mnuLP2Active.checked());
    EXPECT_FALSE(qth.mnuLP3Active.checked());
    EXPECT_EQ(s->alarms->LEActiveAlarm, 1);
    for (int k = 0; k < 4; ++k) EXPECT_EQ(qth.Check1[k].value(), 0);

    ControlLfcAlarm& lfc = *prog->form<ControlLfcAlarm>();
    t.time.advance(60);   // its own reload gives the same
    EXPECT_EQ(lfc.VScroll1[0].value(), 130);   // the limits of a new file
    EXPECT_EQ(lfc.VScroll1[1].value(), 30);
    EXPECT_EQ(lfc.Check1[0].value(), 0);   // "2" reads as unticked
    EXPECT_EQ(lfc.Check1[1].value(), 1);
    EXPECT_EQ(lfc.Check1[2].value(), 0);

    SHTPC& sht = *prog->form<SHTPC>();
    EXPECT_TRUE(sht.mnuSHTLE3.checked());
    EXPECT_EQ(s->alarms->LEActiveSHT, 2);
    EXPECT_FALSE(sht.mnuSHTUnselect.checked());
}

TEST_F(AlarmFilesTest, DialogueFileThatCannotBeWrittenIsIgnored)
{
    QDir().mkpath(t.host("C:\\WINDOWS\\Dialogue.txt"));   // a folder in its place
    Halogen& qth = *prog->form<Halogen>();
    qth.mnuLP1Active.click();
    qth.mnuResetAlarm.click();
    EXPECT_FALSE(qth.Picture5.visible());
    t.time.advance(100);
    EXPECT_EQ(s->alarms->FlagSHTLE, 1);   // the tick runs
    EXPECT_TRUE(QDir(t.host("C:\\WINDOWS\\Dialogue.txt")).exists());
}

// A drive whose system folder is missing (the base folder brought from
// another machine): start-up loads the QTH window from its state file before
// it makes that folder, and the window's reset at load writes the dialogue
// file all the same; so does every later reset.
TEST_F(AlarmFilesTest, TheDialogueFileIsWrittenOnADriveWithoutItsSystemFolder)
{
    ASSERT_TRUE(QDir(t.host("C:\\WINDOWS")).removeRecursively());
    restart();
    ASSERT_NE(prog->ifLoaded<Halogen>(), nullptr);   // loaded by start-up
    EXPECT_EQ(readFile("C:\\WINDOWS\\Dialogue.txt"), QByteArray("\"\"\r\n"));

    ASSERT_TRUE(QDir(t.host("C:\\WINDOWS")).removeRecursively());
    prog->form<Halogen>()->mnuResetAlarm.click();
    EXPECT_EQ(readFile("C:\\WINDOWS\\Dialogue.txt"), QByteArray("\"\"\r\n"));
}

// Each value label shows the value start-up set from the file, also when
// that is the slider's design value (no change for the slider to report).
TEST_F(AlarmFilesTest, ValueLabelsShowTheFilesLimitsAfterStartUp)
{
    const struct {
        QByteArray lfc, qth;
        const char *min, *max, *threshold;
    } cases[] = {
        {" 130 \r\n 30 \r\n", " 1 \r\n", "130", "30", "1"},   // the design values
        {" 80 \r\n 130 \r\n", " 220 \r\n", "80", "130", "220"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.min);
        writeBaseFile("ConsSliderLCF.ini", c.lfc + QByteArray("0\r\n").repeated(7));
        writeBaseFile("Consigne.ini", c.qth);
        restart();
        EXPECT_EQ(prog->form<ControlLfcAlarm>()->Label3[0].caption(), c.min);
        EXPECT_EQ(prog->form<ControlLfcAlarm>()->Label3[1].caption(), c.max);
        EXPECT_EQ(prog->form<Halogen>()->Label78[4].caption(), c.threshold);
    }
}

} // namespace
