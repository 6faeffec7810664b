#include "scheduler/SchedulerInstances.h"
#include "scheduler/SelectionStart.h"
#include "shell/LogTimers.h"

namespace orv {

const std::array<SchedulerInstance, 8>& schedulerInstances()
{
    using S = SelectionStart;
    using L = LogTimers;
    static const std::array<SchedulerInstance, 8> rows{{
        {0, 1, &S::Label1, &S::Picture2, &S::Timer4, &S::Label3, &L::Timer5, true},
        {1, 2, &S::Label2, &S::Picture3, &S::Timer5, &S::Label4, &L::Timer7, false},
        {2, 3, &S::Label11, &S::Picture4, &S::Timer6, &S::Label5, &L::Timer17, false},
        {3, 4, &S::Label17, &S::Picture5, &S::Timer7, &S::Label6, &L::Timer19, false},
        {4, 5, &S::Label18, &S::Picture6, &S::Timer8, &S::Label7, &L::Timer27, false},
        {5, 6, &S::Label19, &S::Picture7, &S::Timer9, &S::Label8, &L::Timer29, false},
        {6, 7, &S::Label120, &S::Picture8, &S::Timer16, &S::Label89, &L::Timer52, false},
        {7, 8, &S::Label121, &S::Picture9, &S::Timer17, &S::Label90, &L::Timer68, false},
    }};
    return rows;
}

} // namespace orv
