#include "link/LeInstances.h"

#include "link/LinkState.h"
#include "shell/Log.h"

namespace orv {

const std::array<LeInstance, 8>& leInstances()
{
    using L = LogControls;
    static const std::array<LeInstance, 8> rows{{
        {0, 1, &Log::MSComm1, &L::Timer21, &L::Timer30, &LinkState::AlarmSHTLatchLE1, &LinkState::AlarmLFCLatchLE1,
         true, true, true, true},
        {1, 2, &Log::MSComm2, &L::Timer22, &L::Timer31, &LinkState::AlarmSHTLatchLE2, &LinkState::AlarmLFCLatchLE2,
         true, false, false, true},
        {2, 3, &Log::MSComm3, &L::Timer23, &L::Timer32, &LinkState::AlarmSHTLatchLE3, &LinkState::AlarmLFCLatchLE3,
         true, false, false, true},
        {3, 4, &Log::MSComm4, &L::Timer24, &L::Timer33, &LinkState::AlarmSHTLatchLE4, &LinkState::AlarmLFCLatchLE4,
         true, false, false, true},
        {4, 5, &Log::MSComm5, &L::Timer25, &L::Timer34, &LinkState::AlarmSHTLatchLE5, &LinkState::AlarmLFCLatchLE5,
         true, false, false, true},
        {5, 6, &Log::MSComm6, &L::Timer26, &L::Timer35, &LinkState::AlarmSHTLatchLE6, &LinkState::AlarmLFCLatchLE6,
         true, false, false, true},
        // LE-7 and LE-8: no wear-counter column, and never the SHT-watched LE.
        {6, 7, &Log::MSComm7, &L::Timer49, &L::Timer50, &LinkState::AlarmSHTLatchLE7, &LinkState::AlarmLFCLatchLE7,
         false, false, false, false},
        {7, 8, &Log::MSComm8, &L::Timer61, &L::Timer66, &LinkState::AlarmSHTLatchLE8, &LinkState::AlarmLFCLatchLE8,
         false, false, false, false},
    }};
    return rows;
}

} // namespace orv
