#include "link/LeInstances.h"

#include "shell/Log.h"

namespace orv {

const std::array<LeInstance, 8>& leInstances()
{
    using L = LogControls;
    using S = State;
    static const std::array<LeInstance, 8> rows{{
        {0, 1, &Log::MSComm1, &L::Timer21, &L::Timer30, &S::AlarmSHTLatchLE1, &S::AlarmLFCLatchLE1,
         true, true, true, true},
        {1, 2, &Log::MSComm2, &L::Timer22, &L::Timer31, &S::AlarmSHTLatchLE2, &S::AlarmLFCLatchLE2,
         true, false, false, true},
        {2, 3, &Log::MSComm3, &L::Timer23, &L::Timer32, &S::AlarmSHTLatchLE3, &S::AlarmLFCLatchLE3,
         true, false, false, true},
        {3, 4, &Log::MSComm4, &L::Timer24, &L::Timer33, &S::AlarmSHTLatchLE4, &S::AlarmLFCLatchLE4,
         true, false, false, true},
        {4, 5, &Log::MSComm5, &L::Timer25, &L::Timer34, &S::AlarmSHTLatchLE5, &S::AlarmLFCLatchLE5,
         true, false, false, true},
        {5, 6, &Log::MSComm6, &L::Timer26, &L::Timer35, &S::AlarmSHTLatchLE6, &S::AlarmLFCLatchLE6,
         true, false, false, true},
        // LE-7 and LE-8: no wear-counter column, and never the SHT-watched LE.
        {6, 7, &Log::MSComm7, &L::Timer49, &L::Timer50, &S::AlarmSHTLatchLE7, &S::AlarmLFCLatchLE7,
         false, false, false, false},
        {7, 8, &Log::MSComm8, &L::Timer61, &L::Timer66, &S::AlarmSHTLatchLE8, &S::AlarmLFCLatchLE8,
         false, false, false, false},
    }};
    return rows;
}

} // namespace orv
