// Drawing of the schedules on the strips: the planning and asymmetric step
// lines with their time labels (which also write the transition texts that
// START LE arms), and the symmetric cycle figure. The drawings never clear
// the strip: the caller does, by clearing it or by setting its background.

#include "scheduler/SchedulerState.h"
#include "scheduler/SelectionStart.h"
#include "scheduler/StripModel.h"
#include "shell/Program.h"
#include "shell/ScheduleFlags.h"

namespace orv {

namespace {

const plat::Color LineColour = plat::rgb(0, 0, 128);   // colour 1 of the basic palette

void segment(plat::Canvas& c, int32_t x1, int32_t y1, int32_t x2, int32_t y2)
{
    c.line(x1, y1, x2, y2, LineColour);
}

// Writes transition k's texts of LE le from x and prints its label at labelX.
void timeLabel(StripModel& m, plat::Canvas& c, int le, int k, int32_t x, int32_t labelX)
{
    const TransitionTime t = transitionTime(m, x);
    m.HeuresTransition[le][k] = t.hours;
    m.MinutesTransition[le][k] = t.minutes;
    c.setCurrentX(labelX);
    c.setCurrentY(strip::LabelY);
    c.print(t.label());
}

} // namespace

void SelectionStart::TracePlanLE(int le)
{
    StripModel& m = model();
    plat::Canvas& c = strip(le).canvas();
    const auto& T = m.TransitionPlanX[le];
    const int32_t P0 = T[0], P1 = T[1], P2 = T[2], P3 = T[3];
    using strip::OffY;
    using strip::OnY;
    segment(c, 0, OffY, P0, OffY);
    segment(c, P0, OnY, P0, OffY);
    segment(c, P0, OnY, P1, OnY);
    segment(c, P1, OnY, P1, OffY);
    segment(c, P1, OffY, P2, OffY);
    segment(c, P2, OffY, P2, OnY);
    segment(c, P2, OnY, P3, OnY);
    segment(c, P3, OnY, P3, OffY);
    segment(c, P3, OffY, strip::OffTailX, OffY);
    const auto labels = planLabelX(P0, P1, P2, P3);
    for (int k = 0; k < strip::PlanCount; ++k) timeLabel(m, c, le, k, T[k], labels[k]);
}

void SelectionStart::TraceAsymLE(int le)
{
    StripModel& m = model();
    plat::Canvas& c = strip(le).canvas();
    const auto& T = m.TransitionAsymX[le];
    const int32_t A0 = T[0], A1 = T[1];
    using strip::OffY;
    using strip::OnY;
    segment(c, 0, OffY, A0, OffY);
    segment(c, A0, OnY, A0, OffY);
    segment(c, A0, OnY, A1, OnY);
    segment(c, A1, OnY, A1, OffY);
    segment(c, A1, OffY, strip::OffTailX, OffY);
    const auto labels = asymLabelX(A0, A1);
    for (int k = 0; k < strip::AsymCount; ++k) timeLabel(m, c, le, k, T[k], labels[k]);
}

void SelectionStart::Decodage_base_60() { orv::Decodage_base_60(model()); }

void SelectionStart::drawSymCycle(int le, bool withText)
{
    StripModel& m = model();
    plat::Canvas& c = strip(le).canvas();
    const double F = m.FinCycleSymX[le];
    c.line(F, 0, F, strip::StripHeight, plat::colors::Black);
    c.line(F / 2, 0, F, strip::SymBandY, plat::colors::Black, plat::Canvas::BoxFilled);
    c.line(0, strip::SymBandY, F / 2, strip::SymBandY, plat::colors::Black);
    if (!withText) return;
    const int32_t n = m.HeuresCycleSym[le];
    c.setCurrentX(double(strip::UnitsPerHour) * n + 50);
    c.setCurrentY(50);
    c.print(symLengthText(n, p_.s.schedule->FlagSymMinutes[le] == 1));
}

} // namespace orv
