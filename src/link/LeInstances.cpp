#include "link/LeInstances.h"

#include "link/LinkState.h"
#include "shell/LogPorts.h"
#include "shell/LogTimers.h"

namespace orv {

const std::array<LeInstance, 8>& leInstances()
{
    using L = LogTimers;
    static const std::array<LeInstance, 8> rows{{
        {0, 1, &LogPorts::MSComm1, &L::Timer21, &L::Timer30, &LinkState::AlarmSHTLatchLE1, &LinkState::AlarmLFCLatchLE1,
         true, true, true, true},
        {1, 2, &LogPorts::MSComm2, &L::Timer22, &L::Timer31, &LinkState::AlarmSHTLatchLE2, &LinkState::AlarmLFCLatchLE2,
         true, false, false, true},
        {2, 3, &LogPorts::MSComm3, &L::Timer23, &L::Timer32, &LinkState::AlarmSHTLatchLE3, &LinkState::AlarmLFCLatchLE3,
         true, false, false, true},
        {3, 4, &LogPorts::MSComm4, &L::Timer24, &L::Timer33, &LinkState::AlarmSHTLatchLE4, &LinkState::AlarmLFCLatchLE4,
         true, false, false, true},
        {4, 5, &LogPorts::MSComm5, &L::Timer25, &L::Timer34, &LinkState::AlarmSHTLatchLE5, &LinkState::AlarmLFCLatchLE5,
         true, false, false, true},
        {5, 6, &LogPorts::MSComm6, &L::Timer26, &L::Timer35, &LinkState::AlarmSHTLatchLE6, &LinkState::AlarmLFCLatchLE6,
         true, false, false, true},
        // LE-7 and LE-8: no wear-counter column, and never the SHT-watched LE.
        {6, 7, &LogPorts::MSComm7, &L::Timer49, &L::Timer50, &LinkState::AlarmSHTLatchLE7, &LinkState::AlarmLFCLatchLE7,
         false, false, false, false},
        {7, 8, &LogPorts::MSComm8, &L::Timer61, &L::Timer66, &LinkState::AlarmSHTLatchLE8, &LinkState::AlarmLFCLatchLE8,
         false, false, false, false},
    }};
    return rows;
}

} // namespace orv
