#pragma once
// The shell's own state: start-up's progress, the history viewer's count,
// the last "Reset Magdrive" and the settings files already named in the
// history for bad values.

#include "shell/State.h"

namespace orv {

struct ShellState {
    bool BaseFolderKnown = false;    // start-up has looked for BaseFolder; until then no settings file is read
    int32_t HistoEntryCount = 0;     // entries the history viewer's last load read
    uint8_t HistoWriteFailed = 0;    // 1 after a history line could not be written
    uint8_t IndiceResetMag = 0;      // LE index of the last "Reset Magdrive"
    QStringList SettingsFallbackReported;   // settings files whose bad values the history has named this run
};

} // namespace orv
