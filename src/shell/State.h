#pragma once
// The program-wide values: the base folder, the start mode, the selected LE,
// today's date and time, the error text tables and the settings and
// error-report values every subsystem consults. Written by the shell
// (start-up, settings, history, error reports); the date and time by the
// scheduler tick and the link's time stamps, the link watchdog counters by
// the link, SelectedLE by run control and the parameter windows. Read
// everywhere. Reached as p.s.common->Name.

#include "shell/StateParts.h"

namespace orv {

struct CommonState {
    QString BaseFolder;
    uint8_t StartMode = 0;
    int SelectedLE = 0;   // 1-8, 0 before start-up
    QString DateCourante;
    QString HeureCourante;
    std::array<QString, 66> FadecErrorCodes{};
    std::array<QString, 21> ErrComXTexts{};
    uint8_t SHTStopLE = 6;
    uint8_t TempSel = 0;
    // --- start-up
    uint8_t TempoStopAlarm = 0;      // seconds before "Stop Alarm" takes effect; start-up loads 20
    // --- history and error reports
    std::array<uint8_t, 9 * 21> ErrCodeReported{};   // element code + 21 x LE index
    PerLE<uint8_t> StopAlarmLogged{};            // 1 once the stop alarm reported the LE
    // Link watchdog counters, acknowledged by the warning box's OK.
    PerLE<uint8_t> ComptageComm{};
    PerLE<uint8_t> FlagCommSignalee{};
};

} // namespace orv
