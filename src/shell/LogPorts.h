#pragma once
// The serial port of each LE on the main window (MSComm1 is LE-1's). The
// link opens, reads and writes them; a file that needs only the ports
// includes this header and reaches them through logPorts().

#include "platform/CommPort.h"

#include <array>

namespace orv {

class Log;
class Program;

struct LogPorts {
    LogPorts(plat::TimeSource& ts, plat::SerialFactory& serial);
    LogPorts(const LogPorts&) = delete;
    LogPorts& operator=(const LogPorts&) = delete;

    plat::CommPort MSComm1, MSComm2, MSComm3, MSComm4, MSComm5, MSComm6, MSComm7, MSComm8;
    // The port of LE index 0-7.
    plat::CommPort& MSComm(int le) { return *ports_[le]; }

private:
    std::array<plat::CommPort*, 8> ports_;
};

// The main window's ports; reaching them through the program loads the window.
LogPorts& logPorts(Program& p);
LogPorts& logPorts(Log& log);

} // namespace orv
