#include "parameters/ParametersState.h"

namespace orv {

Owned<ParametersState> makeParametersState() { return Owned<ParametersState>::make(); }

} // namespace orv
