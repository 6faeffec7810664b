#pragma once
// What reception writes from each LE's frames: the I/O positions, the phase,
// the start step, the sensor and raw values, the data logger texts, the
// parameters read back, and the port's state (opened, link lost).
// Written by the link (reception, activation, watchdogs); read by the shell's
// status refresh and menus, the alarm windows, the parameter windows, the
// traces, run control and the scheduler. Reached as p.s.status->Name.

#include "shell/StateParts.h"

namespace orv {

struct LinkStatus {
    std::array<std::array<int32_t, 161>, 9> FadecIO{};   // LE index x I/O position
    PerLE<uint8_t> SynchroRS232{};   // 123 while the last good frame carried the marker
    PerLE<uint8_t> PhaseLP{};
    PerLE<uint8_t> StartStep{}, TempMAT{}, TempSHT{};   // TempSHT 255: no sensor
    PerLE<uint8_t> RawLPC{}, RawLFC{}, RawLFC2{}, RawLFC3{}, RawVIS{}, RawIR{}, RawRH{}, RawAD13{};
    PerLE<uint8_t> EspionLPC{}, EspionLFC{};   // copies of fields 12 and 13 for the start-up debugger
    PerLE<uint8_t> ReturnSpeedM{}, TachyM{}, TachyV1{}, TachyV2{};   // tachometers x 30 = rpm
    // Data logger texts: temperatures x 10, sensor values x their coefficient.
    PerLE<QString> LogTextMAT, LogTextSHT, LogTextLPC, LogTextLFC, LogTextVIS, LogTextIR, LogTextRH;
    std::array<std::array<int32_t, 32>, 9> ParamStamp{};   // [LE index][entry]: last read from / written to the LE
    QString MessageTransfert;        // text of the next transfer notice
    // Read-backs taken from each LE so far, so that a waiting read can tell
    // that its own LE has answered.
    PerLE<uint32_t> ReadBacks{};
    // --- link supervision, read by the trace area, run control and the tests
    PerLE<uint8_t> ComPortOpen{};    // 1 once the activation tried to open the port, 0 once closed
    PerLE<uint8_t> FlagCommPerdue{}; // 1 once the port watchdog has reported the LE's link lost
};

} // namespace orv
