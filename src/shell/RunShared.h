#pragma once
// What run control keeps for the others: the values of the parameters read
// before a start, the rest countdowns, the link watchdog's miss count that a
// start restarts, and the power set-points with their "loaded for this run"
// flags. Written by run control (and the link's read-back, rest and watchdog
// handling, the scheduler's and the traces' resets, the status refresh's
// clearing of the set-point flags); read by the link, the
// alarm windows, the parameter windows, the traces and the shell's status
// refresh. Reached as p.s.runShared->Name.

#include "shell/StateParts.h"

namespace orv {

struct RunShared {
    PerLE<uint8_t> ParamZ1{}, ParamZ2{}, ParamZ3{};   // start delays z1, z2, z3 (entries 18-20), read before a start; the start-up debugger shows them
    // --- rest countdowns
    PerLE<uint8_t> RestSeconds{};    // seconds of rest left; read only by the rest timers
    // --- values kept from the parameters read before a start
    PerLE<int16_t> TempMagnOff{}, LevelStartLP{}, LevelParam27{};   // entries 24, 25, 27 (trace levels)
    PerLE<uint8_t> MaxTempSHT{};     // entry 28, limit of the SHT alarm on reception
    PerLE<int16_t> LoggerHeaderDone{};   // 0: the data logger writes its header lines again
    PerLE<uint8_t> ComptageCOM{};    // link watchdog miss count, restarted by a start
    // --- power set-points: working copy of ConsignePW2.ini and the per-LE
    // "loaded for this run" flags. Each flag is its own nine-element array of
    // which only its LE's element is used; FlagConsignePW(le) is that element.
    PerLE<int16_t> ConsignePWIni{};
    PerLE<uint8_t> FlagConsignePWLE1{}, FlagConsignePWLE2{}, FlagConsignePWLE3{}, FlagConsignePWLE4{},
        FlagConsignePWLE5{}, FlagConsignePWLE6{}, FlagConsignePWLE7{}, FlagConsignePWLE8{};
    uint8_t& FlagConsignePW(int le)
    {
        PerLE<uint8_t>* flags[8] = {&FlagConsignePWLE1, &FlagConsignePWLE2, &FlagConsignePWLE3, &FlagConsignePWLE4,
                                    &FlagConsignePWLE5, &FlagConsignePWLE6, &FlagConsignePWLE7, &FlagConsignePWLE8};
        return (*flags[le])[le];
    }
};

} // namespace orv
