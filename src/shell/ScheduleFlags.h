#pragma once
// The schedule flags: the automatic restart switches per mode that the
// run-mode pop-up arms and resets, the restart counts and waits, the cycle
// and window progress, the run modes chosen and the LFC-2 CAL values.
// Written by the scheduler (run-mode pop-up, tick, cycles, windows, LFC
// windows), reset by start-up, run control's start and the trace area's
// clear; read by the scheduler, run control, the traces and the main
// window's status refresh. Reached as p.s.schedule->Name.

#include "shell/StateParts.h"

namespace orv {

struct ScheduleFlags {
    std::array<std::array<uint8_t, 8>, 9> SelectionMode{};   // [LE index][RunMode 1-7]
    PerLE<uint8_t> StartNorm{}, StartSym{}, StartSymStop{}, StartStop{};
    PerLE<int32_t> ComptageTempo{};
    PerLE<uint8_t> FlagSymBlocage{}, FlagVerouillage{};
    PerLE<uint8_t> Compteurs{};      // automatic restarts made in planning mode
    uint8_t Selbin = 0;              // LE index the start-selection window's strip commands act on
    PerLE<uint8_t> CompteursNorm{}, CompteursSym{};   // restarts made (normal and symmetric; asymmetric)
    PerLE<int32_t> ComptageSymTempo{};                // asymmetric restart wait, seconds
    PerLE<uint8_t> FlagTraceNormal{};                 // 1 once today's normal-mode run trace has its start
    PerLE<int32_t> DebutTraceNormalX{};               // strip position where that trace starts
    PerLE<uint8_t> FlagCycleSym{}, FlagSymMinutes{}, FlagDemiCycleOff{};   // symmetric cycle state
    PerLE<int32_t> CurseurSymX{}, CyclesEffectues{};  // cycle progress line position, cycles completed
    PerLE<uint8_t> FlagDefautAsym{}, FlagDefautPlan{};   // 1 once the strip holds its default window(s)
    PerLE<uint8_t> FlagSymEtat{}, FlagEtat{};         // 1 once the schedule started the LE in its window
    uint8_t FlagImages2359 = 0;      // 1 once the strips were saved and cleared at 23:59
    PerLE<uint8_t> FlagTrigLFC3Off{};   // 1 while the LFC-3 trigger has stopped the LE
    uint8_t FlagTailleLFC3 = 0;      // size setting of the LFC-3 trigger window
    int32_t LargeurAttente = 0;      // width of the restart wait bar, up to 1620
    PerLE<uint8_t> CalLFC2{};        // LFC-2 CAL value per LE (the main window shows it)
};

} // namespace orv
