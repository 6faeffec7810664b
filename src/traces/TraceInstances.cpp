#include "traces/TraceInstances.h"

#include "shell/LogTimers.h"

namespace orv {

const std::array<TraceInstance, 8>& traceInstances()
{
    using L = LogTimers;
    static const std::array<TraceInstance, 8> rows{{
        {0, 1, &L::Timer4, &L::Timer5, 0, 0, 0, 0, 2343, 2107, false, true},
        {1, 2, &L::Timer6, &L::Timer7, 2343, 0, 2343, 0, 4678, 2107, false, false},
        {2, 3, &L::Timer10, &L::Timer17, 4678, 0, 4678, 0, 7013, 2107, false, false},
        {3, 4, &L::Timer18, &L::Timer19, 7005, 0, 7005, 0, 9340, 2107, false, false},
        {4, 5, &L::Timer20, &L::Timer27, 0, 2115, 0, 2107, 2335, 4214, false, false},
        {5, 6, &L::Timer28, &L::Timer29, 2343, 2115, 2343, 2107, 4678, 4214, true, false},
        {6, 7, &L::Timer51, &L::Timer52, 4678, 2115, 4678, 2107, 7013, 4214, true, false},
        {7, 8, &L::Timer67, &L::Timer68, 7005, 2115, 7005, 2107, 9340, 4214, true, false},
    }};
    return rows;
}

} // namespace orv
