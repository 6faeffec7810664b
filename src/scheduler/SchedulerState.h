#pragma once
// The scheduler's own state: the strip model (schedules, transition texts,
// symmetric cycle fields, copy buffer), the start-selection window's
// position and diagnostic flag, and the LFC reference and trigger levels as
// their files hold them. The schedule flags that run control's run-mode
// pop-up arms and resets are shared state (shell/State.h).

#include "scheduler/StripModel.h"
#include "shell/State.h"

namespace orv {

struct SchedulerState : StripModel {
    int32_t StartFenetreLeft = 0;    // saved position of the start-selection window, twips
    int32_t StartFenetreTop = 0;
    uint8_t FlagAffDiagnostic = 0;   // 1 while the start-selection window shows its diagnostic panel
    PerLE<QString> CalLFC2Text;      // LFC-2 CAL text per LE ("---" for none)
    PerLE<QString> LevelH1LFC3, LevelH2LFC3;   // LFC-3 trigger levels per LE, as texts
    QString ReserveLFC3;             // line 23 of Level.LFC3b.ini, carried through
};

} // namespace orv
