#include "shell/Log.h"

namespace orv {

// Will draw the white separator grid of the eight trace panels on Picture13 (not in single-screen mode).
void Log::GrilleScreen() {}

} // namespace orv
