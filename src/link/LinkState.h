#pragma once
// The link's own state: the port configuration as validated and as last
// read, what the activation did, the receive buffers, the bound parameter
// write, the frames last sent and received as bytes, the I/O position names,
// the values of the last frame no other subsystem reads, and the alarm
// latches. Written by the link; run control's start clears the latches.

#include "link/FrameSync.h"
#include "link/ParamWindowsEntry.h"
#include "shell/StateParts.h"

#include <optional>

namespace orv {

struct LinkState {
    PerLE<QByteArray> RxText;        // characters of the receive event being handled, per port
    // Where each line's frames begin, the port opening it was found on, and
    // whether the port's next event was set to come early, to complete the
    // frame begun after a boundary found again.
    PerLE<FrameSync> Intake;
    PerLE<int> IntakeOpening{};
    PerLE<bool> IntakeShortRead{};
    PerLE<int> RxBank{};
    // The parameter write waiting for its frame is bound to the LE selected
    // when it was asked (1-8, 0 none) and to the working copy as it stood
    // then; LogLink::RequestParamWrite sets both.
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
    PerLE<QByteArray> IOStampToPC;   // last frame received, as bytes
    PerLE<QByteArray> IOPCToStamp;   // last frame sent, as bytes
    std::array<QString, 32> ListeIONames{};  // names of the 32 I/O positions (ListeIO, at start-up)
    PerLE<uint8_t> FadecError{}, SHTAlarmTemp{}, StampVersion{};
    PerLE<uint8_t> RestStarted{};    // 1 from the start of the rest countdown until the LE reports phase 0
    // Alarm latches: 1 once the LE's receive routine raised that alarm; a start clears them all.
    uint8_t AlarmSHTLatchLE1 = 0, AlarmSHTLatchLE2 = 0, AlarmSHTLatchLE3 = 0, AlarmSHTLatchLE4 = 0,
            AlarmSHTLatchLE5 = 0, AlarmSHTLatchLE6 = 0, AlarmSHTLatchLE7 = 0, AlarmSHTLatchLE8 = 0;
    uint8_t AlarmLFCLatchLE1 = 0, AlarmLFCLatchLE2 = 0, AlarmLFCLatchLE3 = 0, AlarmLFCLatchLE4 = 0,
            AlarmLFCLatchLE5 = 0, AlarmLFCLatchLE6 = 0, AlarmLFCLatchLE7 = 0, AlarmLFCLatchLE8 = 0;
};

// The part p.s.link, built by the program's assembly (src/app).
Owned<LinkState> makeLinkState();

} // namespace orv
