#pragma once
// The parameter windows' own state: the bounds of each entry and the entry
// the value input is editing and what it edits. Written and read by the
// parameter windows.

#include "shell/StateParts.h"

namespace orv {

struct ParametersState {
    // Bound texts of each parameter entry (element 0 and 32 stay empty);
    // start-up fills them with fillParamBounds (parameters/ParamTable.h).
    std::array<QString, 33> ParamMin{};
    std::array<QString, 33> ParamMax{};
    uint8_t ParamEdited = 0;         // value input: the parameter entry opened (0-31)
    int CompteurScope = 0;           // hardware-test scope: samples in the current sweep, kept across loads
    uint8_t SaisieMode = 0;           // value input: 1 motor speed, 0 an LE parameter
};

// The part p.s.parameters, built by the program's assembly (src/app).
Owned<ParametersState> makeParametersState();

} // namespace orv
