#pragma once
// The scheduler's own state: the start-selection window's position, the LFC
// reference and trigger levels, and what the run-mode pop-up resets per LE
// (restart switches and counts, cycle and window progress).

#include "shell/State.h"

namespace orv {

struct SchedulerState {
    // Automatic restart switches per mode, restart wait count, armed schedules.
    PerLE<uint8_t> StartNorm{}, StartSym{}, StartSymStop{}, StartStop{};
    PerLE<int32_t> ComptageTempo{};
    PerLE<uint8_t> FlagSymBlocage{}, FlagVerouillage{};
    PerLE<uint8_t> Compteurs{};      // automatic restarts made in planning mode
    int32_t StartFenetreLeft = 0;    // saved position of the start-selection window, twips
    int32_t StartFenetreTop = 0;
    PerLE<QString> CalLFC2Text;      // LFC-2 CAL text per LE ("---" for none)
    PerLE<uint8_t> CalLFC2{};        // LFC-2 CAL value per LE
    PerLE<QString> LevelH1LFC3, LevelH2LFC3;   // LFC-3 trigger levels per LE, as texts
    QString ReserveLFC3;             // line 23 of Level.LFC3b.ini, carried through
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
};

} // namespace orv
