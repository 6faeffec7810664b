#pragma once
// The shell's own state: start-up's progress, the history viewer's count,
// the last "Reset Magdrive" and the settings files already named in the
// history for bad values, the sensor columns shown, the "Stop Alarm" switch
// and the selector colours. Written by the shell; run control reads
// FlagCouleurLE.

#include "shell/StateParts.h"

namespace orv {

struct ShellState {
    bool BaseFolderKnown = false;    // start-up has looked for BaseFolder; until then no settings file is read
    int32_t HistoEntryCount = 0;     // entries the history viewer's last load read
    uint8_t HistoWriteFailed = 0;    // 1 after a history line could not be written
    uint8_t IndiceResetMag = 0;      // LE index of the last "Reset Magdrive"
    QStringList SettingsFallbackReported;   // settings files whose bad values the history has named this run
    uint8_t AnyLFC2Sensor = 0;
    uint8_t FlagMenuStopAlarm = 0;   // "Stop Alarm" switched on
    PerLE<uint8_t> FlagCouleurLE{};   // 1: the refresh has painted the idle LE's selector and leaves it alone (run control reads it)
};

} // namespace orv
