// The live trace of one LE: every tick of its plot timer draws one 7-twip
// column into the LE's pane of the trace area Picture13 - a background
// stroke whose grey tells the phase, one segment per signal from the last
// tick's value, the LE's name at the left edge, the reference lines asked
// for, a marker at each phase change - and saves the whole area as the LE's
// trace image when the LE enters phase 6. One routine serves the eight LEs,
// bound to each by its row of the trace instance table.
//
// The picture is the trace's only history: nothing is kept beyond the last
// tick's samples, and nothing ever redraws a pane from stored values.
#include "traces/TracesState.h"
#include "traces/LogTraces.h"

#include "platform/Canvas.h"
#include "shell/LinkStatus.h"
#include "shell/Log.h"
#include "shell/ParamLogicielVB.h"
#include "shell/Program.h"
#include "shell/RunShared.h"
#include "shell/ScheduleFlags.h"
#include "shell/State.h"
#include "shell/TracesShared.h"
#include "traces/TraceImage.h"
#include "traces/TraceInstances.h"

#include <algorithm>

namespace orv {

namespace {

using plat::rgb;

constexpr int ColumnWidth = 7;
constexpr int DotStep = 60;           // spacing of the points of a reference line
constexpr int LabelX = 1855;          // reference-line labels, from the pane's origin
constexpr plat::Color NameGrey = rgb(128, 128, 128);
constexpr plat::Color Yellow = rgb(255, 255, 0);     // MAT, magnetron-off line, phase markers
constexpr plat::Color LightRed = rgb(255, 0, 0);
constexpr plat::Color White = rgb(255, 255, 255);
constexpr plat::Color IRColour = rgb(255, 100, 100);
constexpr plat::Color RHColour = rgb(0, 170, 255);
constexpr plat::Color LightGreen = rgb(0, 255, 0);
constexpr plat::Color LightMagenta = rgb(255, 0, 255);
constexpr plat::Color DarkGreen = rgb(0, 128, 0);
constexpr plat::Color LightGrey = rgb(192, 192, 192);

// Background stroke per phase; phases 0 and 1 draw none.
constexpr plat::Color PhaseGrey[7] = {0, 0, rgb(35, 35, 35), rgb(60, 60, 60), rgb(75, 75, 75), rgb(0, 0, 0),
                                      rgb(87, 87, 87)};

// Where this tick draws: the pane of the instance, or the whole area for
// LE-1 in the single-screen layout.
struct Pane {
    int x0, y0;
    int k;            // twips per unit of value
    int width;        // reference lines run from x0 to x0 + width
    int lastColumn;   // a tick at a column past it ends the pane
    bool wholeArea;
};

// y of value v (0-255) on the pane's scale: v = 0 lies `top` units below the
// origin (256 for the curves, 255 for most reference lines).
int yOf(const Pane& p, int v, int top = 256) { return p.y0 + top * p.k - p.k * v; }

// A value that would reach above the pane (a MAT temperature or a
// magnetron-off level of 128 °C or more) is drawn on the pane's top edge.
int yInPane(const Pane& p, int y) { return std::max(y, p.y0); }

void dottedLine(plat::Canvas& area, const Pane& p, int y, plat::Color c)
{
    for (int x = p.x0; x <= p.x0 + p.width; x += DotStep) area.pset(x, y, c);
}

void printAt(plat::Canvas& area, int x, int y, plat::Color c, const QString& text)
{
    area.setCurrentX(x);
    area.setCurrentY(y);
    area.setForeColor(c);
    area.print(text);
}

// The reference lines asked for by a click on "LPC", "LFC" or "VIS" (each
// request is drawn once, by the first routine below phase 6 that gets to it),
// and the LFC-2 calibration line of an LE in asymmetric mode, drawn on every
// tick below phase 6.
void referenceLines(Program& p, const TraceInstance& row, plat::Canvas& area, const Pane& pane, bool lfc2Sensor)
{
    State& s = p.s;
    TracesState& t = *s.traces;
    const int le = row.le;
    const int labelX = pane.x0 + LabelX;
    if (t.FlagNiveauLPC == 1) {
        const int y = yOf(pane, s.runShared->LevelStartLP[le], row.wholeAreaPane ? 255 : 256);
        dottedLine(area, pane, y, LightMagenta);
        printAt(area, labelX, y - 85, White, QString::number(s.runShared->LevelStartLP[le]));
        t.FlagNiveauLPC = 0;
    }
    if (t.FlagNiveauLFC == 1) {
        const int y = yOf(pane, 15, 255);
        dottedLine(area, pane, y, DarkGreen);
        printAt(area, labelX, row.wholeAreaPane ? y - 45 : yOf(pane, 0, 255) - 85, White, QStringLiteral("15"));
        t.FlagNiveauLFC = 0;
    }
    // LE-1's whole area leaves the VIS request to the next routine.
    if (t.FlagNiveauVIS == 1 && !pane.wholeArea) {
        const int y = yOf(pane, s.runShared->LevelParam27[le], 255);
        dottedLine(area, pane, y, LightGrey);
        printAt(area, labelX, y - 85, White, QString::number(s.runShared->LevelParam27[le]));
        t.FlagNiveauVIS = 0;
    }
    if (!row.wholeAreaPane && lfc2Sensor
        && p.Log->ModeShown(le) == QLatin1String("Asym"))
        dottedLine(area, pane, yOf(pane, s.schedule->CalLFC2[le], 255), White);
}

} // namespace

void LogTraces::PlotTimer_Timer(int le)
{
    const TraceInstance& row = traceInstance(le);
    State& s = p.s;
    TracesState& t = *s.traces;
    plat::Canvas& area = L.Picture13.canvas();

    const bool single = row.wholeAreaPane && L.mnuMonoEcran.checked();
    const Pane pane = single ? Pane{0, 0, 16, 9300, 1320, true} : Pane{row.x0, row.y0, 8, 2335, 330, false};
    const int k = pane.k;

    area.resetScale();
    area.setFontName(QStringLiteral("Terminal"));
    area.setFontSize(6);

    TraceSamples& now = t.TraceNow[le];
    now = {s.status->RawLPC[le], s.status->RawLFC[le], int16_t(2 * s.status->TempMAT[le]), s.status->RawVIS[le],
           s.status->RawIR[le],  s.status->RawRH[le],  s.status->RawLFC2[le],              s.status->RawLFC3[le]};
    if (t.FrozenLE[le] != 0) return;

    const int c = s.tracesShared->TraceX[le];
    const int phase = s.status->PhaseLP[le];
    const bool lfc2Sensor = p.form<ParamLogicielVB>()->LFC2Sensor(le);

    if (c < 7) printAt(area, single ? 8840 : pane.x0 + 1960, pane.y0 + k + 45, NameGrey, row.name());

    if (phase >= 2 && phase <= 6) {
        const int x = pane.x0 + ColumnWidth * c + 8;
        area.line(x, pane.y0 + (row.wholeAreaPane ? 25 : 28) * k, x, pane.y0 + 263 * k, PhaseGrey[phase]);
    }

    if (phase == 6) {
        const int level = s.runShared->TempMagnOff[le];
        const int y = yOf(pane, 2 * level);
        dottedLine(area, pane, yInPane(pane, y), Yellow);
        const int labelY = row.wholeAreaPane ? yOf(pane, 2 * level, 255) - 50 : y + 50;
        printAt(area, pane.x0 + LabelX, yInPane(pane, labelY), White, QString::number(level) + QStringLiteral(" C"));
    }

    if (c > 1) {
        const TraceSamples& prev = t.TracePrev[le];
        const int x1 = pane.x0 + ColumnWidth * (c - 1);
        const int x2 = pane.x0 + ColumnWidth * c;
        auto segment = [&](TraceSignal sig, plat::Color colour) {
            area.line(x1, yInPane(pane, yOf(pane, prev[sig])), x2, yInPane(pane, yOf(pane, now[sig])), colour);
        };
        segment(TraceMAT, Yellow);
        if (lfc2Sensor) {
            if (row.wholeAreaPane) {
                segment(TraceLFC2, White);
                segment(TraceLFC3, LightRed);
            } else {
                segment(TraceLFC3, LightRed);
                segment(TraceLFC2, White);
            }
        }
        if (!single) {
            segment(TraceVIS, White);
            segment(TraceIR, IRColour);
            segment(TraceRH, RHColour);
        }
        segment(TraceLFC, LightGreen);
        segment(TraceLPC, LightMagenta);
    }
    t.TracePrev[le] = now;

    if (phase < 6) referenceLines(p, row, area, pane, lfc2Sensor);

    // End of the pane: start again at the left edge (blanked) with Scroll,
    // else stay on the last column; LE-1's whole area clears everything.
    if (c > pane.lastColumn) {
        if (single) {
            ClearScreenAllSteps();
        } else if (L.mnuScroll.checked()) {
            s.tracesShared->TraceX[le] = 1;
            s.tracesShared->ScreenLE = uint8_t(le);
            ColorRetard();
            GrilleScreen();
        }
    } else {
        s.tracesShared->TraceX[le] = c + 1;
    }

    if (phase != t.TraceLastPhase[le]) {
        const int x = pane.x0 + ColumnWidth * s.tracesShared->TraceX[le];
        area.line(x, pane.y0, x, pane.y0 + 5 * k, Yellow);
        printAt(area, x - 140, pane.y0 + 10 * k, Yellow, QString::number(phase));
        // A trace image that cannot be written is skipped: the trace goes on.
        if (phase == 6) saveRestTraceImage(p.rt.drive, area, s.common->BaseFolder, row.number);
        t.TraceLastPhase[le] = uint8_t(phase);
    }
}

} // namespace orv
