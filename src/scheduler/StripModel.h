#pragma once
// The schedule strips' model, shared by the strip editor, the strip drawing
// and the scheduler: strip units, the planning and asymmetric transitions
// with their validity rules, the symmetric cycle, the transition time texts
// and the planning copy buffer. Pure code: no window, no timer, no file.
//
// Strip units: 480 per hour and 8 per minute, x = 0 at 00:00, a day spans
// 0 to 11520. A strip's x in units is its x in twips (the strips are 11535
// twips wide), so mouse positions over a strip are strip units as they come.

#include <QDate>
#include <QString>
#include <array>
#include <cstdint>
#include <optional>

namespace orv {

namespace strip {
constexpr int32_t UnitsPerHour = 480;
constexpr int32_t UnitsPerMinute = 8;
constexpr int32_t DayEnd = 11520;          // x of 24:00
constexpr int32_t StripWidth = 11535;      // twips
constexpr int32_t StripHeight = 375;       // twips
constexpr int32_t OnY = 8;                 // step line while the LE is to be on
constexpr int32_t OffY = 315;              // and while it is to be off
constexpr int32_t OffTailX = 12240;        // the last off segment runs past the right edge
constexpr int32_t LabelY = 50;             // top of every transition time label
constexpr int32_t LabelRight = 30;         // label after its transition: x + 30
constexpr int32_t LabelLeft = 430;         // label before its transition: x - 430
constexpr int32_t LabelGap = 465;          // a label goes right only when the next transition is further
constexpr int32_t LastLabelLimit = 11000;  // the last label goes right only below this x
constexpr int32_t MinWindow = 236;         // shortest on or off window (29.5 minutes)
constexpr int32_t FirstX = 1;              // earliest drawable transition
constexpr int32_t LastX = 11499;           // latest drawable transition
constexpr int32_t GrabReach = 80;          // a transition is grabbed strictly closer than this
constexpr int32_t SymFloorX = 345;         // the preview reads the pointer as at least this (N >= 1)
constexpr int32_t SymMinutesMinN = 2;      // bounds of N in the minutes variant
constexpr int32_t SymMinutesMaxN = 15;
constexpr int32_t SymBandY = 170;          // bottom of the drawn symmetric cycle
constexpr int SymHoursIntervalMs = 60000;  // cycle timer tick in hours
constexpr int SymMinutesIntervalMs = 2000; // and in the minutes variant
constexpr int32_t SymTickStep = 16;        // ProgressionSym gained per cycle-timer tick
constexpr int PlanCount = 4;               // transitions of a planning: on, off, on, off
constexpr int AsymCount = 2;               // transitions of an asymmetric window: on, off
constexpr std::array<int32_t, 4> PlanDefault{2400, 3840, 7680, 9120};   // 05:00-08:00, 16:00-19:00
constexpr std::array<int32_t, 2> AsymDefault{7680, 9120};               // 16:00-19:00
constexpr std::array<int32_t, 2> AsymLfc2Default{3840, 10080};          // 08:00-21:00, LE-2..LE-8 with LFC-2

// Mode label captions: an LE's run mode is the caption of its mode label.
inline const QString Normal = QStringLiteral("Normal");
inline const QString Sym = QStringLiteral("Sym");
inline const QString Asym = QStringLiteral("Asym");
inline const QString Plan = QStringLiteral("Plan");
inline const QString Stop = QStringLiteral("Stop");
} // namespace strip

template <class T>
using StripPerLE = std::array<T, 9>;   // LE index 0-7 used, 8 spare

// The schedule data of the eight strips. It lives in memory from start to
// quit; nothing of it is written to a file.
struct StripModel {
    // Planning transitions in strip units, [LE][k]: T0 on, T1 off, T2 on, T3
    // off; k 4 and LE 8 spare.
    StripPerLE<std::array<int32_t, 5>> TransitionPlanX{};
    // Asymmetric window in strip units, [LE][k]: T0 on, T1 off; k 2 spare.
    StripPerLE<std::array<int32_t, 3>> TransitionAsymX{};
    // The transition times as last drawn, two-digit hour and minute texts,
    // [LE][k]: the planning drawing writes k 0-3, the asymmetric one k 0-1.
    // START LE arms these texts, not the positions.
    StripPerLE<std::array<QString, 5>> HeuresTransition{}, MinutesTransition{};
    // Symmetric cycle: N, the full cycle in hours (2 x N minutes in the minutes variant).
    StripPerLE<int16_t> HeuresCycleSym{};
    StripPerLE<int32_t> MinutesDemiCycle{};   // cycle-timer ticks in half a cycle: 30 x N
    StripPerLE<int32_t> FinCycleSymX{};       // strip x where the drawn cycle ends: 480 x N - 16
    StripPerLE<int32_t> ProgressionSym{};     // +16 per cycle-timer tick, 0 at each new cycle
    StripPerLE<QString> NBCycles;             // maximum cycles, as START LE took it from Text1
    StripPerLE<QString> HeureStartSym, DateStartSym;   // when START LE started the cycle
    // Index of the transition last grabbed, shared by all eight strips.
    uint8_t IndiceTransition = 0;
    // Planning copied last from a "Plan" strip (T0..T3); zero until a copy.
    std::array<int32_t, 4> CopyPlanX{};
    // The call of Decodage_base_60: minutes in, minutes rounded to five out.
    uint8_t MinutesBrutes = 0, MinutesArrondies = 0;
    // The hour scale's current-time cursor, scale units (strips start 720 in).
    int32_t CurseurHeureX = 0;
    // The LFC-3 test window's start and stop times, two-digit texts: LE-1's
    // asymmetric default while its LFC-2 sensor is ticked. Start-up and the
    // LFC-3 trigger window write them.
    QString StartTestHH = QStringLiteral("08"), StartTestMM = QStringLiteral("00");
    QString StopTestHH = QStringLiteral("21"), StopTestMM = QStringLiteral("30");
};

// x of the clock time hh:mm.
constexpr int32_t clockX(int hh, int mm) { return hh * strip::UnitsPerHour + mm * strip::UnitsPerMinute; }

// The hour scale's cursor, CurseurHeureX, from the time text "hh:mm:ss":
// (hh + 1) x 480 + 235 + mm x 8, 5 units left of the exact time in the scale
// (whose strips start 720 in).
int32_t curseurHeureX(const QString& heureCourante);

// The mode caption of a SelectionMode index: "Normal" for 1 and 6, "Sym" 2,
// "Asym" 3, "Plan" 4, "Stop" 5, empty otherwise.
QString modeCaption(int mode);

// Validity rules: each window and gap at least 236 units, all within 1..11499.
bool planDrawable(int32_t t0, int32_t t1, int32_t t2, int32_t t3);
bool asymDrawable(int32_t t0, int32_t t1);
bool planDrawable(const StripModel& m, int le);
bool asymDrawable(const StripModel& m, int le);

// Rounds MinutesBrutes to the nearest multiple of five into MinutesArrondies
// (58 and 59 give 60); from 60 up MinutesArrondies keeps its value.
void Decodage_base_60(StripModel& m);

// The hour and minute texts of a transition at x, as the drawing writes them:
// minutes through hundredths of an hour, rounded by Decodage_base_60, never
// carried into the hour ("05:60"); each text made two characters by a
// leading "0" when it has one.
struct TransitionTime {
    QString hours, minutes;
    QString label() const { return hours + QLatin1Char(':') + minutes; }
};
TransitionTime transitionTime(StripModel& m, int32_t x);

// Left edges of the transition labels: after the transition (x + 30) when
// the next transition is more than 465 away, or for the last one when it
// lies below 11000; else before it (x - 430).
std::array<int32_t, 4> planLabelX(int32_t t0, int32_t t1, int32_t t2, int32_t t3);
std::array<int32_t, 2> asymLabelX(int32_t t0, int32_t t1);

// The first of `count` transitions strictly within 80 units of x, or none.
std::optional<int> grabTransition(const int32_t* transitions, int count, double x);

// A pointer x made a whole number of units: to the nearest, halves to even,
// held within the 32-bit range.
int32_t wholeUnits(double x);

// Moves the grabbed transition (IndiceTransition) of LE le's planning or
// asymmetric window to x. The move is stored only when the set it gives is
// drawable and the index names one of the mode's transitions; returns
// whether it was stored.
bool dragPlanTransition(StripModel& m, int le, double x);
bool dragAsymTransition(StripModel& m, int le, double x);

// Defaults of an asymmetric window: 16:00-19:00; with the LE's LFC-2 sensor,
// 08:00-21:00 for LE-2..LE-8 and the LFC-3 test window's times for LE-1.
std::array<int32_t, 2> asymDefaults(int le, bool lfc2Sensor, const QString& startHH, const QString& startMM,
                                    const QString& stopHH, const QString& stopMM);

// Symmetric cycle length N from a pointer x: Int(x / 480 + 0.5). The preview
// reads x as at least 345 and, in the minutes variant, holds N within 2..15;
// the press takes x as it is, with the same bound in the minutes variant.
int16_t symCycleN(double x);
int16_t symPreviewN(double x, bool minutes);
int16_t symPressN(double x, bool minutes);
constexpr int32_t finCycleSymX(int32_t n) { return strip::UnitsPerHour * n - 16; }
constexpr int32_t minutesDemiCycle(int32_t n) { return 30 * n; }
// The cycle length text: "5 h" in hours, "10 min" (2 x N) in the minutes variant.
QString symLengthText(int32_t n, bool minutes);

// Copies LE le's planning into the copy buffer.
void copyPlan(StripModel& m, int le);
// Writes the copy buffer into LE le's planning when it is drawable; returns
// whether it did. A buffer never filled by a copy is not drawable.
bool pastePlan(StripModel& m, int le);

// The day image date dd.mm.yyyy of a date.
QString imageDate(const QDate& d);
// A day image's file name: the date, "_0", the strip number 2-9 (LE index + 2), ".bmp".
QString dayImageName(const QString& imageDate, int le);

} // namespace orv
