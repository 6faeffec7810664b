#pragma once
// A link header that reads the scheduler's state through a path relative to
// its own folder, and that no source reads: the include check must refuse
// it. Only preprocessed.
#include "../scheduler/SchedulerState.h"
