#include "run/RunInstances.h"

#include "shell/LogTimers.h"

namespace orv {

const std::array<RunInstance, 8>& runInstances()
{
    using L = LogTimers;
    static const std::array<RunInstance, 8> rows{{
        {0, 1, &L::Timer36, false},
        {1, 2, &L::Timer37, false},
        {2, 3, &L::Timer38, false},
        {3, 4, &L::Timer39, true},
        {4, 5, &L::Timer40, false},
        {5, 6, &L::Timer41, false},
        {6, 7, &L::Timer53, false},
        {7, 8, &L::Timer69, false},
    }};
    return rows;
}

} // namespace orv
