#pragma once
// The trace area's own state: the pane whose pop-up is open, the samples
// and freeze of each LE's trace, the display switches. Written and read by
// the traces. The pane acted on (ScreenLE) and the trace pens (TraceX) are
// shared (shell/TracesShared.h): the scheduler restarts them too.

#include "shell/StateParts.h"

namespace orv {

// The eight samples a plot tick takes, in this order.
enum TraceSignal { TraceLPC, TraceLFC, TraceMAT, TraceVIS, TraceIR, TraceRH, TraceLFC2, TraceLFC3 };
using TraceSamples = std::array<int16_t, 8>;   // indexed by TraceSignal; TraceMAT is twice the °C

struct TracesState {
    int PaneMenuLE = -1;             // LE index of the pane whose pop-up is open, else -1
    uint8_t ScrollFlag = 0;          // toggle state behind the "Scroll" menu item
    PerLE<uint8_t> FrozenLE{};       // 1 while the LE's pane is frozen: its ticks only take samples
    PerLE<TraceSamples> TraceNow{};  // the samples of the LE's current tick
    PerLE<TraceSamples> TracePrev{}; // the samples of its last drawn tick, where each segment starts
    PerLE<uint8_t> TraceLastPhase{}; // the phase its last unfrozen tick saw; a change draws a marker
    PerLE<uint8_t> ClearPending{};   // 1 from a Clear Screen of the pane until Timer70 blanks it black
    uint8_t FrozenFlag = 0;          // "Frozen (Figer)" toggle: 0 = the next use freezes
    uint8_t AutoSaveFlag = 0;        // "Auto-Save (Out of screen)" toggle; nothing else reads it
    uint8_t FlagNiveauLPC = 0, FlagNiveauLFC = 0, FlagNiveauVIS = 0;   // level line requested on the traces

    // --- data logger: the set-up window's choices, read by the writer at every pass
    std::array<uint8_t, 16> LoggerChannelFlags{};   // 1: the channel (check box) is written; 8-15 only saved
    uint8_t LoggerFileType = 0;          // 0/1 raw .txt/.csv, 2/3 physical .txt/.csv, other: no rows
    QString LoggerFileExt = QStringLiteral(".txt");   // extension of the last type option chosen
    uint8_t LoggerSeparatorChoice = 0;   // 0 ",", else ";"
    uint8_t LoggerNSReserved = 0;        // line 3 of NS.ini, carried through
    QString LoggerFileName;              // full name of the data file chosen; empty: step 1 not done
    std::array<QString, 6> LoggerFileNames;   // the data files of LE-1 to LE-6 the writer appends to
    QString LoggerChannelChosen;         // "1" once START found a channel ticked
    std::array<uint8_t, 11> LoggerPeriodFlags{};   // 1 on the chosen period button
    uint8_t LoggerPeriodIndex = 0;       // the chosen period button, 0-10
    QString LoggerPeriodChosen;          // its caption; empty: step 3 not done
    int32_t LoggerPeriodReload = 0;      // the period in minutes, minus 1
    int32_t LoggerCountdown = 0;         // whole minutes left before the writer's next pass
    QString LoggerDialogPath;            // full name the file-name dialog returned; empty after Cancel
    // --- data logger: the writer's own
    int64_t LoggerPassCounter = 0;       // passes since the program started; the rows' [CNT ] column
    PerLE<std::array<int32_t, 8>> LoggerRowValues{};   // channel values captured at the start of a pass
    // The columns, value kind, separator and file under which each LE's last
    // header block was written: a pass whose format differs writes a new one.
    std::array<QString, 6> LoggerHeaderFormat;

    // --- occupation image viewer
    QString HeureMinute;                 // " <h>h<mm>": time of a strip position (VisualiserImagesHMS.Calcul)
};

// The part p.s.traces, built by the program's assembly (src/app).
Owned<TracesState> makeTracesState();

} // namespace orv
