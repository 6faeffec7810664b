#pragma once
// The sections of the one-second scheduler tick (SelectionStart.Timer3) and
// what they share. Each section reads its LE's mode label itself; the tick
// only runs them in their fixed order.

#include "shell/StateParts.h"

#include <QString>
#include <cstdint>
#include <functional>

namespace orv {

class Program;
class Log;
struct SchedulerInstance;
class SelectionStart;

// A schedule time as the number its hour text followed by its minute text
// reads as ("16" "05" -> 1605, "07" "60" -> 760, empty -> 0).
int64_t hhmm(const QString& hour, const QString& minute);

// The restart wait bar on Log.Picture15, one for every LE and mode: shown
// and drawn `width` wide over what it shows, with "Wait ..." on it; or
// hidden and greyed, its width back to 0.
void drawWaitBar(Program& p, int32_t width);
void clearWaitBar(Program& p);

// The restart supervision inside an asymmetric window or a planning window;
// each mode gives its own wait count, restart count, start flag and drawing.
struct WindowRestartCells {
    PerLE<int32_t> ScheduleFlags::*count;           // ComptageSymTempo / ComptageTempo
    PerLE<uint8_t> ScheduleFlags::*restarts;        // CompteursSym / Compteurs
    PerLE<uint8_t> ScheduleFlags::*started;         // FlagSymEtat / FlagEtat
    void (SelectionStart::*redraw)(int le); // TraceAsymLE / TracePlanLE
};
void windowRestartSupervision(Program& p, const SchedulerInstance& in, const WindowRestartCells& cells);

// "Execute" of an asymmetric or planning window for LE index `le`: queues
// the LE's parameter read, unless it is queued already or a stop-all stopped
// the LE, and once the read has ended requests the start, turns the LE's
// selector label green and START LE pale green, and sets the window's
// `started` flag (FlagSymEtat / FlagEtat). When the read's turn comes it is
// withdrawn unless `windowWants` (mode, armed flags, window open) still holds,
// the flag is still 0 and no stop-all came. A failed read starts nothing but
// still sets the flag, so the restart supervision tries again after its wait
// rather than every tick; an LE that could not be read (port closed, no
// marker) or a withdrawn read leaves the flag alone for the next tick.
void windowStart(Program& p, int le, PerLE<uint8_t> ScheduleFlags::*started, std::function<bool()> windowWants);

// Whether LE index i's asymmetric window, or one of its planning windows, is
// open now (the tick's time) and its mode label still shows that mode.
bool asymWindowWants(Program& p, int i);
bool planWindowWants(Program& p, int i);

// Sections, in tick order.
void lightTriggerSection(Program& p);                               // LE-1 only
void asymSection(Program& p, const SchedulerInstance& in);          // asymmetric window
void planSection(Program& p, const SchedulerInstance& in);          // planning windows
void normalRestartSection(Program& p, const SchedulerInstance& in); // normal-mode restarts
void symRestartSection(Program& p, const SchedulerInstance& in);    // symmetric ON-half restarts

} // namespace orv
