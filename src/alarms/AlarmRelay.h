#pragma once
// The alarm relay requests an alarm window writes: its own row of
// RelayAlarmBy, so that the frame (which carries the OR of every writer's
// request) keeps a relay another window's alarm holds.

#include "shell/LinkRequest.h"
#include "shell/StateParts.h"

namespace orv {

// The alarm windows act on LE-1 to LE-6.
constexpr int AlarmLECount = 6;

inline uint8_t& alarmRelay(State& s, AlarmRelayWriter w, int le) { return s.request->relayAlarmBy(w, le); }

inline void setAlarmRelays(State& s, AlarmRelayWriter w, uint8_t v)
{
    for (int le = 0; le < AlarmLECount; ++le) alarmRelay(s, w, le) = v;
}

} // namespace orv
