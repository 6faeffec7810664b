// A reception file that includes the scheduler: the include check must
// refuse it. Never compiled.
#include "link/LogReceive.h"
#include "scheduler/SelectionStart.h"
