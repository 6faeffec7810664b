// A reception file that reads the scheduler's state only where NDEBUG is
// defined, as its build defines it: the include check must refuse it, both
// from the build's dependency records and from the build's command line.
// Compiled (tests/CMakeLists.txt), never linked.
#ifdef NDEBUG
#include "scheduler/SchedulerState.h"
#endif
