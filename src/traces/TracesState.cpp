#include "traces/TracesState.h"

namespace orv {

Owned<TracesState> makeTracesState() { return Owned<TracesState>::make(); }

} // namespace orv
