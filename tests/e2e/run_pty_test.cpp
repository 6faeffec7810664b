// A start and stop of LE-1 end to end on the real Qt event loop: real serial
// ports on a pseudo-terminal of tools/le-sim (run as a process), the
// parameter read's nested wait, the transfer notice, phases 1 to 5 with the
// set-point, the stop and the first second of the rest countdown.
#include "link/ConfigurationRS232.h"
#include "parameters/OKTransfert.h"
#include "platform/Dialogs.h"
#include "platform/Drive.h"
#include "platform/PortDirectory.h"
#include "platform/Printer.h"
#include "platform/Runtime.h"
#include "platform/TimeSource.h"
#include "shell/Log.h"
#include "shell/Program.h"
#include "support/Printing.h"

#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>
#include <gtest/gtest.h>
#include <vector>

namespace {

constexpr int kGuardMs = 30000;   // only a guard: every wait ends on its condition

bool waitFor(const std::function<bool()>& done) { return QTest::qWaitFor(done, kGuardMs); }

// tools/le-sim for one LE, with the command frames it received (--trace).
class LeSim {
public:
    explicit LeSim(const QStringList& args)
    {
        proc_.setProgram(QStringLiteral(LE_SIM_PATH));
        proc_.setArguments(args + QStringList{"--count", "1", "--trace"});
        proc_.start();
    }
    ~LeSim()
    {
        proc_.terminate();
        if (!proc_.waitForFinished(5000)) proc_.kill();
    }
    bool ready()
    {
        return waitFor([this] {
            read();
            return ready_;
        });
    }
    const QString& device() const { return device_; }
    const std::vector<QByteArray>& commands()
    {
        read();
        return commands_;
    }

private:
    void read()
    {
        while (proc_.canReadLine()) {
            const QString line = QString::fromLatin1(proc_.readLine()).trimmed();
            const QStringList parts = line.split(' ');
            if (line == "ready")
                ready_ = true;
            else if (line.startsWith("ORVANE_COM1="))
                device_ = line.mid(12);
            else if (parts.size() == 4 && parts[2] == "command")
                commands_.push_back(QByteArray::fromHex(parts[3].toLatin1()));
        }
    }
    QProcess proc_;
    bool ready_ = false;
    QString device_;
    std::vector<QByteArray> commands_;
};

} // namespace

TEST(RunPty, StartAndStopOfOneLE)
{
    LeSim sim({"--period", "100", "--start-scale", "0.02"});
    ASSERT_TRUE(sim.ready());
    qputenv("ORVANE_COM1", sim.device().toLocal8Bit());

    QTemporaryDir driveDir;
    plat::RealTimeSource time;
    plat::ScriptedDialogs dialogs;
    plat::Drive drive(driveDir.path());
    drive.mkDir("C:\\LightCtl");
    drive.setCurDirForTest("C:\\LightCtl");
    plat::QtSerialFactory serial;
    plat::RecordingPrinter printer;
    plat::Runtime rt{time, dialogs, drive, serial, printer};
    orv::Program prog(rt);
    orv::Log& log = prog.Log.get();
    orv::State& s = prog.s;
    ASSERT_TRUE(waitFor([&] { return !log.Timer1.enabled(); }));   // start-up has run
    {
        QFile f(drive.hostPath("C:\\LightCtl\\ConsignePW2.ini"));
        ASSERT_TRUE(f.open(QIODevice::WriteOnly | QIODevice::Truncate));
        f.write(" 88 \r\n 50 \r\n 50 \r\n 50 \r\n 50 \r\n 50 \r\n 50 \r\n 50 \r\n");
    }

    // The user opens COM1 for LE-1 in the port window.
    orv::ConfigurationRS232& win = *prog.form<orv::ConfigurationRS232>();
    win.Text1[0].setText("1");
    win.Check1[0].userClick();
    win.Command1.click();
    ASSERT_TRUE(log.MSComm1.portOpen());
    ASSERT_TRUE(waitFor([&] { return s.SynchroRS232[0] == 123; }));

    // START LE: the request, then the routine, which returns once the
    // transfer notice has closed.
    QString noticeText;
    dialogs.onModal = [&](plat::Form& f) {
        if (auto* notice = dynamic_cast<orv::OKTransfert*>(&f)) noticeText = notice->Label1.caption();
    };
    const size_t first = sim.commands().size();
    s.StartStopPC[0] = 1;
    log.LectParamStampLE1();
    EXPECT_EQ(s.TransfertDone, 1);
    EXPECT_EQ(noticeText, "Reading the settings on LE1 went well ! ");
    EXPECT_EQ(s.StartStopPC[0], 1);
    EXPECT_EQ(s.ParamZ1[0], 50);   // the simulator's factory table
    EXPECT_EQ(s.MaxTempSHT[0], 60);

    ASSERT_TRUE(waitFor([&] { return s.PhaseLP[0] == 5 && s.ConsignePW[0] == 88; }));
    ASSERT_TRUE(waitFor([&] { return sim.commands().size() > first && uint8_t(sim.commands().back()[4]) == 88; }));
    log.StopLERoutine(1);
    ASSERT_TRUE(waitFor([&] { return s.PhaseLP[0] == 6; }));
    ASSERT_TRUE(waitFor([&] { return !log.Picture4[0].canvas().printedTexts().isEmpty(); }));
    EXPECT_EQ(log.Picture4[0].canvas().printedTexts(), QStringList{" Rest  89 sec."});
    ASSERT_TRUE(waitFor([&] { return s.PhaseLP[0] == 0; }));

    // The frames the LE received: the read request with the start request,
    // the start request alone up to the stop, the stop request after it.
    const std::vector<QByteArray> sent = sim.commands();
    size_t atStop = first;
    while (atStop < sent.size() && uint8_t(sent[atStop][2]) != 2) ++atStop;
    ASSERT_GT(atStop, first + 5);
    EXPECT_EQ(uint8_t(sent[first][0]), 2);
    for (size_t i = first; i < atStop; ++i) {
        SCOPED_TRACE(i);
        if (i > first) EXPECT_EQ(uint8_t(sent[i][0]), 0);
        EXPECT_EQ(uint8_t(sent[i][2]), 1);   // the start request in every frame
        const bool phase5 = uint8_t(sent[i][1]) == 5;
        EXPECT_EQ(uint8_t(sent[i][4]) == 88, phase5);
    }
    for (size_t i = atStop; i < sent.size(); ++i) EXPECT_EQ(uint8_t(sent[i][2]), 2) << i;

    QFile histo(drive.hostPath("C:\\LightCtl\\Histo.txt"));
    ASSERT_TRUE(histo.open(QIODevice::ReadOnly));
    const QByteArray lines = histo.readAll();
    EXPECT_TRUE(lines.contains("LE1  Starting LE \r\n"));
    EXPECT_TRUE(lines.contains("LE1  Off LE \r\n"));
    EXPECT_TRUE(dialogs.shown.empty());
}
