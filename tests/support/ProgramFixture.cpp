#include "support/ProgramFixture.h"
#include "support/StartedProgramFixture.h"

#include "shell/Log.h"

orv::Log& ProgramTest::mainWindow() { return prog->Log.get(); }
plat::Form& ProgramTest::mainForm() { return mainWindow(); }

void ProgramTest::startUp()
{
    mainWindow();
    t.time.advance(150);
}

void ProgramTest::openPort(int le)
{
    plat::CommPort& port = mainWindow().MSComm(le);
    port.setCommPort(le + 1);
    port.setSettings(QStringLiteral("19200,n,8,1"));
    port.setHandshaking(1);
    port.setRThreshold(160);
    port.setInputLen(160);
    ASSERT_TRUE(port.setPortOpen(true));
}

void StartedProgramTest::SetUp()
{
    ProgramTest::SetUp();
    startUp();
    log = &mainWindow();
    s = &prog->s;
    ASSERT_EQ(s->common->BaseFolder, "C:\\LightCtl");
}
