#pragma once
// Run control's own state: the start delays kept from the parameter read,
// the per-LE set-point flags and the start-all / stop-all records.

#include "shell/State.h"

namespace orv {

struct RunState {
    PerLE<uint8_t> ParamZ1{}, ParamZ2{}, ParamZ3{};   // start delays z1, z2, z3 (entries 18-20)
    // Per-LE "set-point loaded for this run" flags. Each flag is its own
    // nine-element array of which only its LE's element is used;
    // FlagConsignePW(le) is that element.
    PerLE<uint8_t> FlagConsignePWLE1{}, FlagConsignePWLE2{}, FlagConsignePWLE3{}, FlagConsignePWLE4{},
        FlagConsignePWLE5{}, FlagConsignePWLE6{}, FlagConsignePWLE7{}, FlagConsignePWLE8{};
    uint8_t& FlagConsignePW(int le)
    {
        PerLE<uint8_t>* flags[8] = {&FlagConsignePWLE1, &FlagConsignePWLE2, &FlagConsignePWLE3, &FlagConsignePWLE4,
                                    &FlagConsignePWLE5, &FlagConsignePWLE6, &FlagConsignePWLE7, &FlagConsignePWLE8};
        return (*flags[le])[le];
    }
    PerLE<uint8_t> StartLELogged{};
    PerLE<uint8_t> OffLELogged{};
    uint8_t StopAllIndex = 0;        // LE index the stop-all sequencer handles at its next tick
    uint8_t StartAllIndex = 0;       // the same for the start-all sequencer
    uint8_t StartAllWaiting = 0;     // 1 while a start-all tick waits for its parameter transfer
    int MenuLE = 0;                  // LE number whose label opened the run-mode pop-up, while it is open
};

} // namespace orv
