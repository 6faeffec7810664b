#include "run/RunInstances.h"

#include "parameters/ValeurDesParam.h"
#include "shell/LogTimers.h"

namespace orv {

const std::array<RunInstance, 8>& runInstances()
{
    using L = LogTimers;
    using V = ValeurDesParam;
    static const std::array<RunInstance, 8> rows{{
        {0, 1, &L::Timer36, &V::List1, false},
        {1, 2, &L::Timer37, &V::List2, false},
        {2, 3, &L::Timer38, &V::List3, false},
        {3, 4, &L::Timer39, &V::List4, true},
        {4, 5, &L::Timer40, &V::List5, false},
        {5, 6, &L::Timer41, &V::List6, false},
        {6, 7, &L::Timer53, &V::List7, false},
        {7, 8, &L::Timer69, &V::List8, false},
    }};
    return rows;
}

} // namespace orv
