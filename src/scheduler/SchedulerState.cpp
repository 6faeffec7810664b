#include "scheduler/SchedulerState.h"

namespace orv {

Owned<SchedulerState> makeSchedulerState() { return Owned<SchedulerState>::make(); }

} // namespace orv
