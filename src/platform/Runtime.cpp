#include "platform/Runtime.h"
#include "platform/TimeSource.h"
#include "platform/VbText.h"

namespace plat {

QString Runtime::timeText() const { return plat::timeText(time.wallClock()); }
QString Runtime::dateText() const { return plat::dateText(time.wallClock()); }

void Runtime::dispatch(const std::function<void()>& handler)
{
    if (time.ended() || !handler) return;
    time.dispatch(handler);
}

} // namespace plat
