#pragma once
// The eight per-LE instances of the link routines: one row per LE binds the
// shared receive routine to that LE's port, timers, latches and wear-counter
// column, and says where the instance behaves differently.

#include "platform/Controls.h"
#include "platform/Form.h"
#include "shell/StateParts.h"

#include <QString>
#include <array>

namespace plat {
class CommPort;
}

namespace orv {

struct LogPorts;
struct LogTimers;

struct LeInstance {
    int le;       // LE index 0-7
    int number;   // LE number 1-8, as the texts show it

    plat::CommPort LogPorts::*port;                 // MSComm1..8
    plat::FormTimer LogTimers::*txTimer;      // 30 ms reply timer (Timer21..26, 49, 61)
    plat::FormTimer LogTimers::*resetTimer;   // link indicator reset, 980/970 ms (Timer30..35, 50, 66)

    // Alarm latches, 1 once this instance raised that alarm.
    uint8_t LinkState::*shtLatch;                   // AlarmSHTLatchLE1..8
    uint8_t LinkState::*lfcLatch;                   // AlarmLFCLatchLE1..8

    // The LE has a column in the wear-counter window; LE-7 and LE-8 have
    // none.
    bool wearColumn;

    // Differences between instances.
    bool drawsIdleMark;         // phase 0 marks the trace area (LE-1 only)
    bool shtLabelNeedsMarker;   // the SHT value shows only from marked frames (LE-1 only)
    bool watchesSHT;            // may be the LE the SHT stop choice watches (LE-1 to LE-6)

    // "LE4"
    QString name() const { return QStringLiteral("LE%1").arg(number); }
};

// Row i serves LE index i.
const std::array<LeInstance, 8>& leInstances();
inline const LeInstance& leInstance(int le) { return leInstances().at(le); }

} // namespace orv
