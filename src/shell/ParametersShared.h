#pragma once
// What the parameter windows keep for the others: the end of a parameter
// transfer, the hardware tests' hold on the relays, the sensor coefficients
// and the motor speed set through the value input.
// Written by the parameter windows (TransfertDone also by run control);
// read by the link, run control and the shell's status refresh. Reached as
// p.s.paramShared->Name.

#include "shell/StateParts.h"

namespace orv {

struct ParametersShared {
    int TransfertDone = 0;           // 1 once the notice of the last parameter transfer has closed
    uint8_t RelayTestActive = 0;     // 1 while the hardware-test window drives the relays
    std::array<QString, 16 * 9> CoeffLE{};   // sensor coefficients, element row + 16 x LE index (rows 0-14)
    int16_t SpeedM = 0;               // motor speed set through the value input
};

} // namespace orv
