#pragma once
// The alarm windows' own state: the watched LEs and channels, the alarm
// menus' switches and what each window has reported since the last start.
// Written by the alarm windows; run control reads and clears the reports
// at a start.

#include "shell/StateParts.h"

namespace orv {

struct AlarmsState {
    uint8_t LEActiveAlarm = 0;       // LE index 0-5 watched by the QTH and LFC alarm windows
    uint8_t LEActiveSHT = 0;         // LE index 0-5 watched by the SHT alarm window
    uint8_t FlagLPActive = 0;        // 1 once an LE was chosen in the QTH alarm window
    uint8_t FlagSHTLE = 0;           // 1 once an LE was chosen in the SHT alarm window
    uint8_t FlagSHTChannel = 0;      // 1 once an input was chosen in the SHT alarm window
    uint8_t InputSHT = 0;            // SHT window input: 0-3 AD1 channel, 4 holder thermometer, 5 none
    uint8_t AlarmQTHArmed = 0;       // 1 while the QTH alarm is armed (3 s into a run with the lamps on)
    uint8_t ValueSHT = 0;            // SHT window's last reading: raw channel value, or degrees C (no sensor: 0)
    uint8_t RefFadecSHT = 0;         // the SHT-watched LE's own SHT limit as the window last drew it
    uint8_t FlagMenuQTH = 0, FlagMenuSHT = 0, FlagMenuLFC = 0;   // alarm switches on
    uint8_t AlarmSHTPCReported = 0;             // the SHT window has reported its alarm (run control clears it)
    std::array<uint8_t, 4> AlarmQTHReported{};  // per QTH alarm channel
};

// The part p.s.alarms, built by the program's assembly (src/app).
Owned<AlarmsState> makeAlarmsState();

} // namespace orv
