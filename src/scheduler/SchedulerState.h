#pragma once
// The scheduler's own state: the strip model (schedules, transition texts,
// symmetric cycle fields, copy buffer), the start-selection window's
// position and diagnostic flag, the LFC reference and trigger levels as
// their files hold them, and what the tick, START LE and the symmetric cycle
// timers keep between their runs, the LFC label last clicked. Written and
// read by the scheduler. The schedule flags that the run-mode pop-up arms and
// the others reset are shared (shell/ScheduleFlags.h).

#include "scheduler/StripModel.h"
#include "shell/StateParts.h"

namespace orv {

struct SchedulerState : StripModel {
    int32_t StartFenetreLeft = 0;    // saved position of the start-selection window, twips
    int32_t StartFenetreTop = 0;
    uint8_t FlagAffDiagnostic = 0;   // 1 while the start-selection window shows its diagnostic panel
    PerLE<QString> CalLFC2Text;      // LFC-2 CAL text per LE ("---" for none)
    PerLE<QString> LevelH1LFC3, LevelH2LFC3;   // LFC-3 trigger levels per LE, as texts
    QString ReserveLFC3;             // line 23 of Level.LFC3b.ini, carried through

    // --- LE-1's light-triggered mode
    int32_t ConsigneLFC3 = 0;        // LE-1's light-derived set-point in We, 500-1100 once computed
    uint8_t LEIndexTick = 0;         // LE index of the tick section now running

    // --- the tick: clock, live normal-mode traces, button blink
    QString HeureTick, MinuteTick;   // "hh" and "mm" of the tick's time
    PerLE<int32_t> FinTraceNormalX{};   // scale x up to which the normal-mode trace is drawn
    int DerniereMinute = 0;          // minute of the last tick that redrew the scale and traces
    uint8_t ClignoteStartLE = 0;     // blink phase of the START LE button

    // --- restart supervision shared by the modes
    PerLE<int32_t> Tempo{};          // restart wait threshold, seconds, set by the section that runs
    PerLE<uint8_t> FlagPhase6{};     // 1 once a normal/symmetric LE was seen in phase 6 since its last wait

    // --- armed schedules, copied from the strip texts by START LE
    PerLE<QString> HeureDebutAsym, MinuteDebutAsym, HeureFinAsym, MinuteFinAsym;
    PerLE<QString> HeureDebutPlan1, MinuteDebutPlan1, HeureFinPlan1, MinuteFinPlan1;
    PerLE<QString> HeureDebutPlan2, MinuteDebutPlan2, HeureFinPlan2, MinuteFinPlan2;

    // --- symmetric cycles
    PerLE<int16_t> MinutesSym{};     // ticks of the cycle timer in the current half
    PerLE<int32_t> CompteurHisto{};  // cycle number of the next history line
    uint8_t IndiceLFC = 0;            // LE index of the LFC-2 / LFC-3 label last clicked
    int32_t ClicLFCX = 0, ClicLFCY = 0;   // where in that label, twips
};

// The part p.s.scheduler, built by the program's assembly (src/app).
Owned<SchedulerState> makeSchedulerState();

} // namespace orv
