#include "shell/StateParts.h"

#include "shell/AlarmsShared.h"
#include "shell/LinkRequest.h"
#include "shell/LinkStatus.h"
#include "shell/ParametersShared.h"
#include "shell/RunShared.h"
#include "shell/ScheduleFlags.h"
#include "shell/State.h"
#include "shell/TracesShared.h"

namespace orv {

Owned<CommonState> makeCommonState() { return Owned<CommonState>::make(); }
Owned<LinkStatus> makeLinkStatus() { return Owned<LinkStatus>::make(); }
Owned<LinkRequest> makeLinkRequest() { return Owned<LinkRequest>::make(); }
Owned<ScheduleFlags> makeScheduleFlags() { return Owned<ScheduleFlags>::make(); }
Owned<RunShared> makeRunShared() { return Owned<RunShared>::make(); }
Owned<ParametersShared> makeParametersShared() { return Owned<ParametersShared>::make(); }
Owned<TracesShared> makeTracesShared() { return Owned<TracesShared>::make(); }
Owned<AlarmsShared> makeAlarmsShared() { return Owned<AlarmsShared>::make(); }

QString inBase(const State& s, const QString& name) { return s.common->BaseFolder + QLatin1Char('\\') + name; }

} // namespace orv
