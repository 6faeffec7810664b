// A wrong-way call: an object of the link library that needs the scheduler,
// which lies above it. The link-order check must refuse it.
#include "scheduler/SchedulerTick.h"

namespace orv {

int64_t plantedWrongWayCall() { return hhmm(QStringLiteral("16"), QStringLiteral("05")); }

} // namespace orv
