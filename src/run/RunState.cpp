#include "run/RunState.h"

namespace orv {

Owned<RunState> makeRunState() { return Owned<RunState>::make(); }

} // namespace orv
