#include "scheduler/StripModel.h"

#include "platform/VbText.h"

#include <cmath>
#include <limits>

namespace orv {

int32_t curseurHeureX(const QString& heureCourante)
{
    const double hh = plat::vbVal(plat::left(heureCourante, 2));
    const double mm = plat::vbVal(plat::mid(heureCourante, 4, 2));
    return wholeUnits((hh + 1) * strip::UnitsPerHour + 235 + mm * strip::UnitsPerMinute);
}

QString modeCaption(int mode)
{
    switch (mode) {
    case 1:
    case 6: return strip::Normal;
    case 2: return strip::Sym;
    case 3: return strip::Asym;
    case 4: return strip::Plan;
    case 5: return strip::Stop;
    default: return QString();
    }
}

bool planDrawable(int32_t t0, int32_t t1, int32_t t2, int32_t t3)
{
    // In 64 bits: positions far outside the day must not wrap into a valid gap.
    const int64_t a = t0, b = t1, c = t2, d = t3;
    return a >= strip::FirstX && b - a >= strip::MinWindow && c - b >= strip::MinWindow
           && d - c >= strip::MinWindow && d <= strip::LastX;
}

bool asymDrawable(int32_t t0, int32_t t1)
{
    const int64_t a = t0, b = t1;
    return a >= strip::FirstX && b - a >= strip::MinWindow && b <= strip::LastX;
}

bool planDrawable(const StripModel& m, int le)
{
    const auto& t = m.TransitionPlanX[le];
    return planDrawable(t[0], t[1], t[2], t[3]);
}

bool asymDrawable(const StripModel& m, int le)
{
    const auto& t = m.TransitionAsymX[le];
    return asymDrawable(t[0], t[1]);
}

void Decodage_base_60(StripModel& m)
{
    const int in = m.MinutesBrutes;
    if (in >= 60) return;
    // 0-2 -> 0, 3-7 -> 5, ..., 53-57 -> 55, 58-59 -> 60.
    m.MinutesArrondies = uint8_t((in + 2) / 5 * 5);
}

namespace {
QString twoChars(QString t)
{
    if (t.size() == 1) t.prepend(QLatin1Char('0'));
    return t;
}
} // namespace

TransitionTime transitionTime(StripModel& m, int32_t x)
{
    const double q = double(x) / strip::UnitsPerHour;
    const double h = std::floor(q);
    // The fraction of the hour, to 15 significant digits, then hundredths of
    // an hour, then minutes: up to one minute short of the exact time.
    double f = q - h;
    f = QString::number(f, 'g', 15).toDouble();
    const double hundredths = std::floor(f * 100);
    const int minutes = int(std::floor(hundredths * 0.6));
    m.MinutesBrutes = uint8_t(minutes);
    Decodage_base_60(m);
    TransitionTime t;
    t.hours = twoChars(QString::number(int64_t(h)));
    t.minutes = twoChars(QString::number(m.MinutesArrondies));
    return t;
}

namespace {
int32_t labelX(int32_t x, bool right)
{
    return right ? x + strip::LabelRight : x - strip::LabelLeft;
}
} // namespace

std::array<int32_t, 4> planLabelX(int32_t t0, int32_t t1, int32_t t2, int32_t t3)
{
    return {labelX(t0, int64_t(t1) - t0 > strip::LabelGap), labelX(t1, int64_t(t2) - t1 > strip::LabelGap),
            labelX(t2, int64_t(t3) - t2 > strip::LabelGap), labelX(t3, t3 < strip::LastLabelLimit)};
}

std::array<int32_t, 2> asymLabelX(int32_t t0, int32_t t1)
{
    return {labelX(t0, int64_t(t1) - t0 > strip::LabelGap), labelX(t1, t1 < strip::LastLabelLimit)};
}

std::optional<int> grabTransition(const int32_t* transitions, int count, double x)
{
    for (int k = 0; k < count; ++k) {
        const double t = transitions[k];
        if (t - strip::GrabReach < x && x < t + strip::GrabReach) return k;
    }
    return std::nullopt;
}

int32_t wholeUnits(double x)
{
    if (!std::isfinite(x)) return 0;
    const double r = std::nearbyint(x);
    if (r <= std::numeric_limits<int32_t>::min()) return std::numeric_limits<int32_t>::min();
    if (r >= std::numeric_limits<int32_t>::max()) return std::numeric_limits<int32_t>::max();
    return int32_t(r);
}

bool dragPlanTransition(StripModel& m, int le, double x)
{
    const int k = m.IndiceTransition;
    if (k >= strip::PlanCount) return false;
    auto t = m.TransitionPlanX[le];
    t[k] = wholeUnits(x);
    if (!planDrawable(t[0], t[1], t[2], t[3])) return false;
    m.TransitionPlanX[le] = t;
    return true;
}

bool dragAsymTransition(StripModel& m, int le, double x)
{
    // An index left by a planning strip (2 or 3) names nothing here.
    const int k = m.IndiceTransition;
    if (k >= strip::AsymCount) return false;
    auto t = m.TransitionAsymX[le];
    t[k] = wholeUnits(x);
    if (!asymDrawable(t[0], t[1])) return false;
    m.TransitionAsymX[le] = t;
    return true;
}

std::array<int32_t, 2> asymDefaults(int le, bool lfc2Sensor, const QString& startHH, const QString& startMM,
                                    const QString& stopHH, const QString& stopMM)
{
    if (!lfc2Sensor) return strip::AsymDefault;
    if (le != 0) return strip::AsymLfc2Default;
    using plat::vbVal;
    return {wholeUnits(strip::UnitsPerHour * vbVal(startHH) + strip::UnitsPerMinute * vbVal(startMM)),
            wholeUnits(strip::UnitsPerHour * vbVal(stopHH) + strip::UnitsPerMinute * vbVal(stopMM))};
}

int16_t symCycleN(double x)
{
    const double n = std::floor(x / strip::UnitsPerHour + 0.5);
    if (!std::isfinite(n)) return 0;
    if (n < std::numeric_limits<int16_t>::min()) return std::numeric_limits<int16_t>::min();
    if (n > std::numeric_limits<int16_t>::max()) return std::numeric_limits<int16_t>::max();
    return int16_t(n);
}

namespace {
int16_t minutesBound(int16_t n)
{
    if (n < strip::SymMinutesMinN) return strip::SymMinutesMinN;
    if (n > strip::SymMinutesMaxN) return strip::SymMinutesMaxN;
    return n;
}
} // namespace

int16_t symPreviewN(double x, bool minutes)
{
    if (x < strip::SymFloorX) x = strip::SymFloorX;
    const int16_t n = symCycleN(x);
    return minutes ? minutesBound(n) : n;
}

int16_t symPressN(double x, bool minutes)
{
    const int16_t n = symCycleN(x);
    return minutes ? minutesBound(n) : n;
}

QString symLengthText(int32_t n, bool minutes)
{
    return minutes ? QString::number(2 * int64_t(n)) + QStringLiteral(" min") : QString::number(n) + QStringLiteral(" h");
}

void copyPlan(StripModel& m, int le)
{
    for (int k = 0; k < strip::PlanCount; ++k) m.CopyPlanX[k] = m.TransitionPlanX[le][k];
}

bool pastePlan(StripModel& m, int le)
{
    const auto& c = m.CopyPlanX;
    if (!planDrawable(c[0], c[1], c[2], c[3])) return false;
    for (int k = 0; k < strip::PlanCount; ++k) m.TransitionPlanX[le][k] = c[k];
    return true;
}

QString imageDate(const QDate& d)
{
    return QStringLiteral("%1.%2.%3")
        .arg(d.day(), 2, 10, QLatin1Char('0'))
        .arg(d.month(), 2, 10, QLatin1Char('0'))
        .arg(d.year(), 4, 10, QLatin1Char('0'));
}

QString dayImageName(const QString& imageDate, int le)
{
    return imageDate + QStringLiteral("_0") + QString::number(le + 2) + QStringLiteral(".bmp");
}

} // namespace orv
