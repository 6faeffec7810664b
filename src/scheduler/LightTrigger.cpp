// LE-1's light-triggered asymmetric mode, a section of the scheduler tick.
// While LE-1's mode reads "Asym" and its LFC-2 sensor is ticked in the
// settings, every tick derives LE-1's power set-point from its LFC-3 level
// compared with its CAL value, and switches LE-1 off when the light rises
// above the trigger level of the half-day (H1 before noon, H2 from noon) and
// on again, with a parameter read, once the light is back at or below it.
// The levels are read from the trigger window's boxes, so a typed level acts
// from the next tick, before it is stored.
#include "platform/VbText.h"
#include "run/LogRun.h"
#include "run/RunState.h"
#include "scheduler/RefLevelTrigLFC3.h"
#include "scheduler/SchedulerState.h"
#include "scheduler/SchedulerTick.h"
#include "scheduler/SelectionStart.h"
#include "shell/LinkRequest.h"
#include "shell/LinkStatus.h"
#include "shell/Log.h"
#include "shell/ParamLogicielVB.h"
#include "shell/Program.h"
#include "shell/RunShared.h"
#include "shell/ScheduleFlags.h"
#include "shell/State.h"

#include <algorithm>
#include <cstdlib>

namespace orv {

namespace {
constexpr int LightCeiling = 130;     // the LFC-3 level is taken at most at 130
constexpr int NormCeiling = 110;      // the normalised difference, percent
constexpr int SetPointPerPercent = 11;   // 1100 We at 100 %
constexpr int IdleSetPoint = 500;
constexpr int LowestSetPoint = 510;   // below 500 the set-point becomes 510
constexpr int HighestSetPoint = 1050; // above 1100 it becomes 1050
constexpr int PhaseRunning = 5;
constexpr int PhaseStop = 6;
constexpr plat::Color LightRed = plat::rgb(0xFF, 0x80, 0x80);
constexpr plat::Color PaleGreen = plat::rgb(0xC0, 0xFF, 0xC0);

int64_t roundHalfEven(double v) { return plat::vbRound(v).value_or(0); }
} // namespace

void lightTriggerSection(Program& p)
{
    SelectionStart& w = *p.form<SelectionStart>();
    if (w.Label1.caption() != QLatin1String("Asym") || !p.form<ParamLogicielVB>()->LFC2Sensor(0)) return;
    State& s = p.s;
    SchedulerState& sc = *s.scheduler;
    Log& log = *p.Log;
    RefLevelTrigLFC3& trig = *p.form<RefLevelTrigLFC3>();

    sc.LEIndexTick = 0;
    const int le = 0;

    // The light, taken from the value the main window shows; not a number counts as 0.
    int v = int(std::clamp(plat::vbVal(log.Label42[le].caption()), 0.0, 255.0));
    trig.Label16.setCaption(QString::number(v));
    v = std::min(v, LightCeiling);

    int c = s.schedule->CalLFC2[le];
    if (c == 0) c = 1;
    trig.Label17.setCaption(QString::number(c));
    const int d = std::abs(c - v);
    trig.Label18.setCaption(QString::number(d));
    int64_t n = roundHalfEven(d * 100.0 / c);
    trig.Label19.setCaption(QString::number(n));
    n = std::min<int64_t>(n, NormCeiling);
    const int64_t sp = n * SetPointPerPercent;
    trig.Label20.setCaption(QString::number(sp));

    const int phase = s.status->PhaseLP[le];
    if (phase == PhaseRunning)
        sc.ConsigneLFC3 = int32_t(sp);
    else if (phase < PhaseRunning)
        sc.ConsigneLFC3 = IdleSetPoint;
    if (sc.ConsigneLFC3 < IdleSetPoint) sc.ConsigneLFC3 = LowestSetPoint;
    if (sc.ConsigneLFC3 > 1100) sc.ConsigneLFC3 = HighestSetPoint;
    Q_UNUSED(PhaseStop);   // phase 6 keeps the last set-point

    const double h1 = plat::vbVal(trig.Text1.text());
    const double h2 = plat::vbVal(trig.Text2.text());
    trig.Label30.setEnabled(h1 > 0);
    trig.Label31.setEnabled(h1 > 0);
    trig.Label6.setEnabled(h2 > 0);
    trig.Label28.setEnabled(h2 > 0);

    s.common->HeureCourante = p.rt.timeText();
    trig.Label32.setCaption(s.common->HeureCourante);
    sc.HeureTick = s.common->HeureCourante.mid(0, 2);
    sc.MinuteTick = s.common->HeureCourante.mid(3, 2);

    const bool morning = sc.HeureTick.toInt() < 12;
    const double level = morning ? h1 : h2;
    plat::Label& stateLabel = morning ? trig.Label33 : trig.Label34;
    if (level > 0) {
        if (v > level && s.schedule->FlagTrigLFC3Off[le] == 0 && s.status->PhaseLP[le] == PhaseRunning) {
            s.request->StartStopPC[le] = 2;
            s.runShared->FlagConsignePWLE1[le] = 0;
            s.schedule->FlagTrigLFC3Off[le] = 1;
            stateLabel.setCaption(QStringLiteral("OFF"));
            stateLabel.setBackColor(LightRed);
        } else if (v <= level && s.schedule->FlagTrigLFC3Off[le] == 1 && s.status->PhaseLP[le] == 0
                   && !log.run->ParamReadQueued(le)) {
            // On again once the read has ended, the start request beside
            // the read request: the trigger's state follows the light; a
            // failed read has taken the start request back and said so. A read
            // still waiting when the mode changes, the light trigger is
            // untied or a stop-all comes is withdrawn, and the trigger stays OFF.
            auto stillWanted = [&p] {
                const State& st = p.s;
                return p.form<SelectionStart>()->Label1.caption() == QLatin1String("Asym") && p.form<ParamLogicielVB>()->LFC2Sensor(0)
                       && st.schedule->FlagTrigLFC3Off[le] == 1 && st.run->StoppedByStopAll[le] == 0;
            };
            log.run->LectParamStampLE(le, [&p, morning](ReadEnd end) {
                if (end == ReadEnd::Withdrawn) return;
                p.s.schedule->FlagTrigLFC3Off[le] = 0;
                if (RefLevelTrigLFC3* t = p.form<RefLevelTrigLFC3>().ifLoaded()) {
                    plat::Label& on = morning ? t->Label33 : t->Label34;
                    on.setCaption(QStringLiteral("ON"));
                    on.setBackColor(PaleGreen);
                }
            }, ReadWish{true, stillWanted});
            if (!p.Log.isLoaded()) return;
        }
    }

    const QString we = QString::number(sc.ConsigneLFC3);
    trig.Label27.setCaption(we);
    if (s.schedule->Selbin == 0) log.Label3.setCaption(we);
    log.Label15[le].setCaption(we);

    const int pw = int(std::clamp<int64_t>(roundHalfEven(sc.ConsigneLFC3 / 10.0), 0, 255));
    s.request->ConsignePW[le] = uint8_t(pw);
    trig.Label22.setCaption(QString::number(pw));
    trig.Label25.setCaption(QString::number(pw * 10) + QStringLiteral(" We"));
    if (s.schedule->Selbin == 0) log.VScroll1.setValue(pw);
    trig.Label24.setCaption(QString::number(s.status->PhaseLP[le]));
}

} // namespace orv
