// A start and stop of LE-1 end to end on the real Qt event loop: real serial
// ports on a pseudo-terminal of tools/le-sim (run as a process), the
// parameter read's nested wait, the transfer notice, phases 1 to 5 with the
// set-point, the stop and the first second of the rest countdown.
#include "run/LogRun.h"
#include "client/LeSimProcess.h"
#include "client/RealProgram.h"
#include "parameters/OKTransfert.h"
#include "run/RunState.h"
#include "shell/LinkRequest.h"
#include "shell/LinkStatus.h"
#include "shell/Log.h"
#include "shell/ParametersShared.h"
#include "shell/RunShared.h"
#include "support/Printing.h"

#include <QFile>
#include <gtest/gtest.h>
#include <vector>

using lesim::waitUntil;

TEST(RunPty, StartAndStopOfOneLE)
{
    lesim::LeSimProcess sim({"--count", "1", "--period", "100", "--start-scale", "0.02"});
    ASSERT_TRUE(sim.ready());
    qputenv("ORVANE_COM1", sim.device(1).toLocal8Bit());

    lesim::RealProgram rig;
    orv::Log& log = rig.log();
    orv::State& s = rig.prog().s;
    plat::ScriptedDialogs& dialogs = rig.dialogs;
    ASSERT_TRUE(rig.startUp());
    {
        QFile f(rig.drive.hostPath("C:\\LightCtl\\ConsignePW2.ini"));
        ASSERT_TRUE(f.open(QIODevice::WriteOnly | QIODevice::Truncate));
        f.write(" 88 \r\n 50 \r\n 50 \r\n 50 \r\n 50 \r\n 50 \r\n 50 \r\n 50 \r\n");
    }

    // The user opens COM1 for LE-1 in the port window.
    rig.validatePorts({{1, 1}});
    ASSERT_TRUE(log.MSComm1.portOpen());
    ASSERT_TRUE(waitUntil([&] { return s.status->SynchroRS232[0] == 123; }));

    // START LE: the request, then the routine, which returns once the
    // transfer notice has closed.
    QString noticeText;
    dialogs.onModal = [&](plat::Form& f) {
        if (auto* notice = dynamic_cast<orv::OKTransfert*>(&f)) noticeText = notice->Label1.caption();
    };
    const size_t first = sim.commands(1).size();
    s.request->StartStopPC[0] = 1;
    log.run->LectParamStampLE(0);
    EXPECT_EQ(s.paramShared->TransfertDone, 1);
    EXPECT_EQ(noticeText, "Reading the settings on LE1 went well ! ");
    EXPECT_EQ(s.request->StartStopPC[0], 1);
    EXPECT_EQ(s.runShared->ParamZ1[0], 50);   // the simulator's factory table
    EXPECT_EQ(s.runShared->MaxTempSHT[0], 60);

    ASSERT_TRUE(waitUntil([&] { return s.status->PhaseLP[0] == 5 && s.request->ConsignePW[0] == 88; }));
    ASSERT_TRUE(waitUntil([&] { return sim.commands(1).size() > first && uint8_t(sim.commands(1).back()[4]) == 88; }));
    log.run->StopLERoutine(1);
    ASSERT_TRUE(waitUntil([&] { return s.status->PhaseLP[0] == 6; }));
    ASSERT_TRUE(waitUntil([&] { return !log.Picture4[0].canvas().printedTexts().isEmpty(); }));
    EXPECT_EQ(log.Picture4[0].canvas().printedTexts(), QStringList{" Rest  89 sec."});
    ASSERT_TRUE(waitUntil([&] { return s.status->PhaseLP[0] == 0; }));

    // The frames the LE received: the read request with the start request,
    // the start request alone up to the stop, the stop request after it.
    const std::vector<QByteArray> sent = sim.commands(1);
    size_t atStop = first;
    while (atStop < sent.size() && uint8_t(sent[atStop][2]) != 2) ++atStop;
    ASSERT_GT(atStop, first + 5);
    EXPECT_EQ(uint8_t(sent[first][0]), 2);
    for (size_t i = first; i < atStop; ++i) {
        SCOPED_TRACE(i);
        if (i > first) {
            EXPECT_EQ(uint8_t(sent[i][0]), 0);
        }
        EXPECT_EQ(uint8_t(sent[i][2]), 1);   // the start request in every frame
        const bool phase5 = uint8_t(sent[i][1]) == 5;
        EXPECT_EQ(uint8_t(sent[i][4]) == 88, phase5);
    }
    for (size_t i = atStop; i < sent.size(); ++i) EXPECT_EQ(uint8_t(sent[i][2]), 2) << i;

    QFile histo(rig.drive.hostPath("C:\\LightCtl\\Histo.txt"));
    ASSERT_TRUE(histo.open(QIODevice::ReadOnly));
    const QByteArray lines = histo.readAll();
    EXPECT_TRUE(lines.contains("LE1  Starting LE \r\n"));
    EXPECT_TRUE(lines.contains("LE1  Off LE \r\n"));
    EXPECT_TRUE(dialogs.shown.empty());
}
