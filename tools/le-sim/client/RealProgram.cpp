#include "client/RealProgram.h"

#include "link/ConfigurationRS232.h"
#include "shell/Log.h"

namespace lesim {

RealProgram::RealProgram(plat::SerialFactory* serialFactory)
    : drive(driveDir.path()), rt{time, dialogs, drive, serialFactory ? *serialFactory : serial, printer}
{
    drive.mkDir("C:\\LightCtl");
    drive.setCurDirForTest("C:\\LightCtl");
    prog_ = std::make_unique<orv::Program>(rt);
}

RealProgram::~RealProgram() = default;

orv::Log& RealProgram::log() { return prog_->Log.get(); }

bool RealProgram::startUp(int timeoutMs)
{
    orv::Log& main = log();
    return waitUntil([&] { return !main.Timer1.enabled(); }, timeoutMs);
}

void RealProgram::validatePorts(const std::vector<PortChoice>& choices)
{
    orv::ConfigurationRS232& win = *prog_->form<orv::ConfigurationRS232>();
    for (const PortChoice& c : choices) {
        win.Text1[c.le - 1].setText(QString::number(c.port));
        if (win.Check1[c.le - 1].value() != 1)
            win.Check1[c.le - 1].userClick();
    }
    win.Command1.click();
}

} // namespace lesim
