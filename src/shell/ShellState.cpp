#include "shell/ShellState.h"

namespace orv {

Owned<ShellState> makeShellState() { return Owned<ShellState>::make(); }

} // namespace orv
