#include "run/RunInstances.h"

#include "parameters/ValeurDesParam.h"
#include "shell/LogControls.h"

namespace orv {

const std::array<RunInstance, 8>& runInstances()
{
    using L = LogControls;
    using V = ValeurDesParam;
    static const std::array<RunInstance, 8> rows{{
        {0, 1, &L::Timer36, &L::Timer5, &V::List1, false},
        {1, 2, &L::Timer37, &L::Timer7, &V::List2, false},
        {2, 3, &L::Timer38, &L::Timer17, &V::List3, false},
        {3, 4, &L::Timer39, &L::Timer19, &V::List4, true},
        {4, 5, &L::Timer40, &L::Timer27, &V::List5, false},
        {5, 6, &L::Timer41, &L::Timer29, &V::List6, false},
        {6, 7, &L::Timer53, &L::Timer52, &V::List7, false},
        {7, 8, &L::Timer69, &L::Timer68, &V::List8, false},
    }};
    return rows;
}

} // namespace orv
