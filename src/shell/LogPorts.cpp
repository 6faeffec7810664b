#include "shell/LogPorts.h"

namespace orv {

LogPorts::LogPorts(plat::TimeSource& ts, plat::SerialFactory& serial)
    : MSComm1(ts, serial, "MSComm1"), MSComm2(ts, serial, "MSComm2"), MSComm3(ts, serial, "MSComm3"),
      MSComm4(ts, serial, "MSComm4"), MSComm5(ts, serial, "MSComm5"), MSComm6(ts, serial, "MSComm6"),
      MSComm7(ts, serial, "MSComm7"), MSComm8(ts, serial, "MSComm8"),
      ports_{&MSComm1, &MSComm2, &MSComm3, &MSComm4, &MSComm5, &MSComm6, &MSComm7, &MSComm8}
{
}

} // namespace orv
