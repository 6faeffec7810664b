#include "alarms/AlarmsState.h"

namespace orv {

Owned<AlarmsState> makeAlarmsState() { return Owned<AlarmsState>::make(); }

} // namespace orv
