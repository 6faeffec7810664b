#pragma once
// What the link exchanges with the parameter windows, which lie above it:
// reception writes a parameter read-back into the working copy and the wear
// counters into their window, transmit reads the working copy, the status
// timer writes the hardware-test window's speed read-outs. The parameters
// subsystem registers these entries when the main window is built
// (LogParameters); the link only calls them. Each entry loads its window, as
// touching its controls does.

#include "platform/Controls.h"

#include <QString>
#include <array>
#include <functional>

namespace orv {

struct ParamWindowsEntry {
    // FadecParameters' working copy ParamPC, entry e (0-31).
    std::function<QString(int e)> ParamPC;
    std::function<void(int e, const QString& value)> setParamPC;
    // Usures' column of LE index le (LE-1 to LE-6).
    std::function<plat::ControlArray<plat::Label>&(int le)> WearColumn;
    // TestsMateriel's speed read-outs of the motor M and the fans V1, V2.
    std::function<std::array<plat::Label*, 3>()> SpeedLabels;
    // A port's ComPortOpen changed: the hardware-test window's LE choice,
    // when the window is loaded, shows it at its timer's next tick. Loads
    // nothing.
    std::function<void()> PortsChanged;
};

} // namespace orv
