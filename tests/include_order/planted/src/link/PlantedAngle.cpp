// A reception file that reads run control's state through the public
// include path, in angle brackets: the include check must refuse it.
// Only preprocessed.
#include <run/RunState.h>
