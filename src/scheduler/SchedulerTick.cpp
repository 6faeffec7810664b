// The one-second scheduler tick of the start-selection window. Each tick
// reads the clock, redraws the hour scale and the live normal-mode traces at
// each new minute, shows the time, saves and clears the strips once at
// 23:59, runs the sections that start, stop and restart LEs (LE-1's light
// trigger, the asymmetric windows, the plannings, the normal and symmetric
// restarts) and colours the START LE button after the selected LE.
//
// A section that starts an LE only queues its parameter read and goes on: run
// control puts the reads on the line one at a time, in the order queued, and
// ends each on its own (its ParamReadTimer), so one LE's read never holds the
// tick, the other LEs' windows and restarts, or the 23:59 save.
#include "platform/Drive.h"
#include "platform/VbText.h"
#include "scheduler/SchedulerInstances.h"
#include "scheduler/SchedulerState.h"
#include "scheduler/SchedulerTick.h"
#include "scheduler/SelectionStart.h"
#include "shell/LinkRequest.h"
#include "shell/LinkStatus.h"
#include "shell/MainPanels.h"
#include "shell/Program.h"
#include "shell/ScheduleFlags.h"
#include "shell/State.h"

namespace orv {

namespace {
constexpr int HourUnits = 480;
constexpr int MinuteUnits = 8;
constexpr int ScaleOffset = 235;   // the hour scale starts one hour and 235 units in
constexpr int StripOffset = 745;   // scale x minus this is strip x
constexpr plat::Color TimeBox = plat::rgb(0xA0, 0xA0, 0xFF);
constexpr plat::Color LightOrange = plat::rgb(0xFF, 0xC0, 0x80);
constexpr plat::Color LightGreen = plat::rgb(0x80, 0xFF, 0x80);
constexpr int WaitBarWidth = 1620;
constexpr int WaitBarHeight = 615;

void liveTraces(Program& p, SelectionStart& w)
{
    State& s = p.s;
    SchedulerState& sc = *s.scheduler;
    for (const SchedulerInstance& in : schedulerInstances()) {
        const int i = in.le;
        if ((w.*in.modeLabel).caption() != QLatin1String("Normal")) continue;
        plat::Canvas& strip = (w.*in.strip).canvas();
        if (s.schedule->FlagTraceNormal[i] == 0) {
            s.schedule->DebutTraceNormalX[i] = sc.CurseurHeureX;
            s.schedule->FlagTraceNormal[i] = 1;
        }
        sc.FinTraceNormalX[i] = sc.CurseurHeureX;
        const int phase = s.status->PhaseLP[i];
        if (phase >= 2 && phase <= 5)
            strip.line(s.schedule->DebutTraceNormalX[i] - StripOffset, 0, sc.FinTraceNormalX[i] - StripOffset, 360,
                       plat::colors::Green, plat::Canvas::BoxFilled);
        if (s.schedule->DebutTraceNormalX[i] > 0 && phase == 6) {
            // A 10-unit mark at the stop, then the day's images.
            strip.line(sc.FinTraceNormalX[i] - StripOffset, 0, sc.CurseurHeureX - (StripOffset - 10), 360,
                       plat::colors::Cyan, plat::Canvas::BoxFilled);
            w.SauvTraces();
            s.schedule->FlagTraceNormal[i] = 0;
        }
    }
}

// Once during minute 23:59: the strips as the day's images, then cleared
// with their trace anchors. An image that cannot be written is reported in
// the event list; the strips are cleared all the same.
void midnightSave(Program& p, SelectionStart& w)
{
    State& s = p.s;
    SchedulerState& sc = *s.scheduler;
    const QStringList failed = w.SauvTraces();
    if (!failed.isEmpty()) {
        plat::ListBox& events = mainPanels(p).List4;
        events.setForeColor(plat::colors::Red);
        for (const QString& path : failed) events.addItem(QStringLiteral(" Image not saved : ") + path);
    }
    for (const SchedulerInstance& in : schedulerInstances()) {
        plat::PictureBox& strip = w.*in.strip;
        strip.canvas().clearPicture();
        strip.canvas().cls();
    }
    for (int i = 0; i < LeCount; ++i) {
        s.schedule->DebutTraceNormalX[i] = 0;
        sc.FinTraceNormalX[i] = 0;
        s.schedule->FlagTraceNormal[i] = 0;
    }
    s.schedule->FlagImages2359 = 1;
}

void startButtonColour(Program& p, SelectionStart& w)
{
    State& s = p.s;
    SchedulerState& sc = *s.scheduler;
    const int le = s.schedule->Selbin < LeCount ? s.schedule->Selbin : 0;
    const int phase = s.status->PhaseLP[le];
    if (phase == 0) {
        const bool armed = s.schedule->StartNorm[le] == 1 || s.schedule->StartSym[le] == 1 || s.schedule->FlagSymBlocage[le] == 1
                           || s.schedule->FlagVerouillage[le] == 1;
        if (armed && sc.ClignoteStartLE == 0) {
            sc.ClignoteStartLE = 1;
            w.StartSortie.setBackColor(LightOrange);
        } else {
            if (armed) sc.ClignoteStartLE = 0;
            w.StartSortie.setBackColor(plat::colors::LightGrey);
        }
    } else if (phase >= 1 && phase <= 5) {
        w.StartSortie.setBackColor(LightGreen);
    } else if (phase == 6) {
        w.StartSortie.setBackColor(plat::colors::Cyan);
    }
}
} // namespace

int64_t hhmm(const QString& hour, const QString& minute) { return int64_t(plat::vbVal(hour + minute)); }

void drawWaitBar(Program& p, int32_t width)
{
    plat::PictureBox& bar = mainPanels(p).Picture15;
    bar.setVisible(true);
    plat::Canvas& c = bar.canvas();
    c.line(0, 0, width, WaitBarHeight, plat::colors::Cyan, plat::Canvas::BoxFilled);
    c.setFontSize(18);
    c.setCurrentX(100);
    c.setCurrentY(50);
    c.print(QStringLiteral("Wait ..."));
}

void clearWaitBar(Program& p)
{
    plat::PictureBox& bar = mainPanels(p).Picture15;
    bar.setVisible(false);
    bar.canvas().line(0, 0, WaitBarWidth, WaitBarHeight, plat::colors::Grey, plat::Canvas::BoxFilled);
}

void SelectionStart::Timer3_Timer()
{
    Program& p = p_;
    State& s = p.s;
    SchedulerState& sc = *s.scheduler;
    const auto alive = aliveToken();

    // 1. Clock.
    s.common->HeureCourante = p.rt.timeText();
    s.common->DateCourante = p.rt.dateText();
    sc.HeureTick = s.common->HeureCourante.mid(0, 2);
    sc.MinuteTick = s.common->HeureCourante.mid(3, 2);
    const int hour = sc.HeureTick.toInt();
    const int minute = sc.MinuteTick.toInt();
    sc.CurseurHeureX = (hour + 1) * HourUnits + ScaleOffset + minute * MinuteUnits;

    // 2. New minute: the scale and the live traces.
    if (minute != sc.DerniereMinute) {
        Picture1.canvas().cls();
        Timer2.setEnabled(true);
        liveTraces(p, *this);
        sc.DerniereMinute = minute;
    }

    // 3. The time on the scale.
    plat::Canvas& scale = Picture1.canvas();
    scale.line(sc.CurseurHeureX + 130, 200, sc.CurseurHeureX + 880, 405, TimeBox, plat::Canvas::BoxFilled);
    scale.setCurrentX(sc.CurseurHeureX + 180);
    scale.setCurrentY(210);
    scale.print(s.common->HeureCourante);

    // 4, 5. The day's strips, once at 23:59; re-armed at 00:00.
    const QString now = sc.HeureTick + sc.MinuteTick;
    if (now == QLatin1String("2359") && s.schedule->FlagImages2359 == 0) midnightSave(p, *this);
    if (now == QLatin1String("0000")) s.schedule->FlagImages2359 = 0;

    // 6-9. The sections that start, stop and restart LEs.
    lightTriggerSection(p);
    if (!*alive) return;
    for (const SchedulerInstance& in : schedulerInstances()) {
        asymSection(p, in);
        if (!*alive) return;
    }
    for (const SchedulerInstance& in : schedulerInstances()) {
        planSection(p, in);
        if (!*alive) return;
    }
    for (const SchedulerInstance& in : schedulerInstances()) {
        normalRestartSection(p, in);
        if (!*alive) return;
    }
    Label66.setCaption(QString());
    Label70.setCaption(QString::number(s.status->PhaseLP[0]));
    Label109.setCaption(QString::number(s.schedule->StartSym[0]));
    for (const SchedulerInstance& in : schedulerInstances()) {
        symRestartSection(p, in);
        if (!*alive) return;
        if (in.le == 0) {
            // The values of the last section of any mode that ran.
            const int k = sc.LEIndexTick;
            Label71.setCaption(QString::number(sc.FlagPhase6[k]));
            Label93.setCaption(QString::number(s.schedule->ComptageTempo[k]));
            Label84.setCaption(QString::number(s.schedule->Compteurs[k]));
            Label66.setCaption(QString());
        }
    }

    // 10. LE-1's arming, whichever LE is selected.
    Label42.setCaption(QString::number(s.schedule->FlagVerouillage[0]));
    Label53.setCaption(QString::number(s.schedule->FlagSymBlocage[0]));
    Label77.setCaption(QString::number(s.request->StartStopPC[0]));

    // 11. The START LE button.
    startButtonColour(p, *this);
}

} // namespace orv
