#pragma once
// The link's own state: the port configuration as validated and as last
// read, what the activation did, the receive buffers, the bound parameter
// write and the I/O monitor's direction.

#include "link/ParamWindowsEntry.h"
#include "shell/State.h"

#include <optional>

namespace orv {

struct LinkState {
    PerLE<QByteArray> RxText;        // characters of the receive event being handled, per port
    PerLE<int> RxBank{};
    // The parameter write waiting for its frame is bound to the LE selected
    // when it was asked (1-8, 0 none) and to the working copy as it stood
    // then; Log::RequestParamWrite sets both.
    int WriteParamLE = 0;
    std::array<QString, 32> WriteParamCopy{};
    PerLE<QString> ComPortNumber, ComPortEnabled;         // filled by the port window's OK only
    PerLE<QString> ComPortNumberIni, ComPortEnabledIni;   // as the port window's last load read them
    QStringList IOMonitorLines;      // the lines the monitor last drew
    uint64_t IOMonitorRevision = ~0ull;   // its panel's image revision right after
    // Sensor coefficients as numbers, parsed again only when their text in
    // CoeffLE changes.
    std::array<QString, 16 * 9> CoeffParsedText{};
    std::array<std::optional<double>, 16 * 9> CoeffParsed{};
    std::array<bool, 16 * 9> CoeffParsedValid{};
    // The parameter windows, as the parameters subsystem registers them.
    ParamWindowsEntry ParamWindows;
};

} // namespace orv
