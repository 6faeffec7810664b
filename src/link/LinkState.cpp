#include "link/LinkState.h"

namespace orv {

Owned<LinkState> makeLinkState() { return Owned<LinkState>::make(); }

} // namespace orv
