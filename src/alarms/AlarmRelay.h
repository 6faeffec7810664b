#pragma once
// The alarm relay requests an alarm window writes. Each window keeps its own
// request per LE; the command frame carries the OR of every writer's request,
// so a window without an alarm never drops the relay another window holds.

#include "shell/State.h"

namespace orv {

enum class AlarmRelayWriter { QTH, LFC, SHT };

// The alarm windows act on LE-1 to LE-6.
constexpr int AlarmLECount = 6;

inline uint8_t& alarmRelay(State& s, AlarmRelayWriter, int le) { return s.RelayAlarm[le]; }

inline void setAlarmRelays(State& s, AlarmRelayWriter w, uint8_t v)
{
    for (int le = 0; le < AlarmLECount; ++le) alarmRelay(s, w, le) = v;
}

} // namespace orv
