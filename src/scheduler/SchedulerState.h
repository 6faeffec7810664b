#pragma once
// The scheduler's own state: the strips' model (StripModel) and what the
// tick, START LE, the symmetric cycle timers and the LFC windows keep between
// their runs. Reached as p.s.scheduler->X; per-LE arrays have nine elements.

#include "scheduler/StripModel.h"

#include <QString>
#include <array>
#include <cstdint>

namespace orv {

struct SchedulerState : StripModel {
    template <class T>
    using PerLE = std::array<T, 9>;

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
    // An LE the stop-all sequence stopped: no symmetric cycle start and no
    // asymmetric or planning restart until a run mode is chosen for it again.
    PerLE<uint8_t> StoppedByStopAll{};

    // --- armed schedules, copied from the strip texts by START LE
    PerLE<QString> HeureDebutAsym, MinuteDebutAsym, HeureFinAsym, MinuteFinAsym;
    PerLE<QString> HeureDebutPlan1, MinuteDebutPlan1, HeureFinPlan1, MinuteFinPlan1;
    PerLE<QString> HeureDebutPlan2, MinuteDebutPlan2, HeureFinPlan2, MinuteFinPlan2;

    // --- symmetric cycles
    PerLE<int16_t> MinutesSym{};     // ticks of the cycle timer in the current half
    PerLE<int32_t> CompteurHisto{};  // cycle number of the next history line
};

} // namespace orv
