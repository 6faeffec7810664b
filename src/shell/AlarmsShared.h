#pragma once
// What the alarm windows report to reception. Written by the LFC alarm
// window; read by the link's receive routine, which raises the LFC alarm
// only while the window finds a level out of its band. Reached as
// p.s.alarmsShared->Name.

#include "shell/StateParts.h"

namespace orv {

struct AlarmsShared {
    uint8_t AlarmLFCActive = 0;      // 1 while the LFC alarm window finds a level out of its band
};

} // namespace orv
