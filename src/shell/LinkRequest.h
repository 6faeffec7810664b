#pragma once
// What the subsystems ask the next command frame to carry to each LE: start
// or stop, the power set-point, the relays, the sub-command and the bank.
// Written by run control and the scheduler (start, stop, set-points), the
// alarm windows (their relay requests), the parameter windows and hardware
// tests (relays, speed, bank), the shell's menus (sub-commands), the trace
// area's stop of an LE and the link itself once a request is sent; read by the link's transmit. Reached as
// p.s.request->Name.

#include "shell/StateParts.h"

namespace orv {

struct LinkRequest {
    PerLE<uint8_t> StartStopPC{};    // 0 none, 1 start, 2 stop
    PerLE<uint8_t> ConsignePW{};
    PerLE<uint8_t> RelayQTH{};
    // The alarm relay request is kept per writer, so that one writer
    // clearing its own never drops another's: RelayAlarm is run control's
    // and the hardware tests', RelayAlarmBy each alarm window's. The frame
    // carries their OR (alarmRelayRequest).
    PerLE<uint8_t> RelayAlarm{};
    std::array<PerLE<uint8_t>, AlarmRelayWriters> RelayAlarmBy{};
    uint8_t& relayAlarmBy(AlarmRelayWriter w, int le) { return RelayAlarmBy[size_t(w)][le]; }
    uint8_t alarmRelayRequest(int le) const
    {
        uint8_t on = RelayAlarm[le];
        for (const PerLE<uint8_t>& writer : RelayAlarmBy) on |= writer[le];
        return on != 0 ? 1 : 0;
    }
    // Clears every writer's request of LE index le.
    void clearAlarmRelays(int le)
    {
        RelayAlarm[le] = 0;
        for (PerLE<uint8_t>& writer : RelayAlarmBy) writer[le] = 0;
    }
    PerLE<uint8_t> SubCommand{};
    PerLE<uint8_t> Vmot{};
    PerLE<uint8_t> EnableCooling{};
    uint8_t SelectionBank = 0;       // 0 command, 1 write parameters, 2 read parameters
};

} // namespace orv
