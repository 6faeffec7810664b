#pragma once
// The scheduler's own state: the start-selection window's position and the
// LFC reference and trigger levels as their files hold them. The schedule
// flags that run control's run-mode pop-up arms and resets are shared state
// (shell/State.h).

#include "shell/State.h"

namespace orv {

struct SchedulerState {
    int32_t StartFenetreLeft = 0;    // saved position of the start-selection window, twips
    int32_t StartFenetreTop = 0;
    PerLE<QString> CalLFC2Text;      // LFC-2 CAL text per LE ("---" for none)
    PerLE<QString> LevelH1LFC3, LevelH2LFC3;   // LFC-3 trigger levels per LE, as texts
    QString ReserveLFC3;             // line 23 of Level.LFC3b.ini, carried through
};

} // namespace orv
