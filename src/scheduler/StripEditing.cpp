// Mouse editing of the strips. What a strip does depends on its LE's mode:
// "Sym" previews and fixes a symmetric cycle (Shift: the minutes variant),
// "Asym" and "Plan" take their defaults on the first pointer move and let
// the left button drag the transition last grabbed; every mode selects its
// LE on a click and opens the strip pop-up on the right button.

#include "scheduler/RefLevelTrigLFC3.h"
#include "scheduler/SchedulerState.h"
#include "scheduler/SelectionStart.h"
#include "scheduler/StripModel.h"
#include "shell/ParamLogicielVB.h"
#include "shell/Program.h"

#include "platform/VbText.h"
#include "shell/ScheduleFlags.h"

namespace orv {

namespace {
const plat::Color LightRed = plat::rgb(255, 128, 128);   // unit labels in the minutes variant
} // namespace

void SelectionStart::wireStrips()
{
    for (int le = 0; le < 8; ++le) {
        plat::PictureBox& s = strip(le);
        s.onClick = [this, le] { Picture_Click(le); };
        s.onMouseDown = [this, le](const plat::MouseArgs& a) { Picture_MouseDown(le, a.button, a.shift, a.x, a.y); };
        s.onMouseMove = [this, le](const plat::MouseArgs& a) { Picture_MouseMove(le, a.button, a.shift, a.x, a.y); };
        s.onMouseUp = [this, le](const plat::MouseArgs& a) { Picture_MouseUp(le, a.button, a.shift, a.x, a.y); };
    }
}

void SelectionStart::Picture_Click(int le)
{
    State& s = p_.s;
    StripModel& m = model();
    s.schedule->Selbin = uint8_t(le);
    Label41.setCaption(selectionText(le + 1));
    Text1.setText(m.NBCycles[le]);
    Label99.setCaption(m.NBCycles[le]);
    if (mode(le) == strip::Sym)
        ConfigSym();
    else
        ConfigNormal();
    if (s.schedule->FlagSymMinutes[le] == 1) {
        const int n = m.HeuresCycleSym[le];
        Label20.setCaption(QString::number(n));
        Label21.setCaption(QString::number(2 * n));
        Label33.setCaption(QStringLiteral(" Minutes"));
        Label33.setBackColor(LightRed);
        Label34.setBackColor(LightRed);
    }
}

void SelectionStart::Picture_MouseDown(int le, int Button, int Shift, double X, double Y)
{
    Q_UNUSED(Shift);
    Q_UNUSED(Y);
    State& s = p_.s;
    StripModel& m = model();
    Label41.setCaption(selectionText(le + 1));
    if (mode(le) == strip::Sym) {
        setMousePointer(DefaultPointer);
        if (s.schedule->FlagCycleSym[le] == 1) {
            Label32.setCaption(QString::number(s.schedule->CyclesEffectues[le]));
            Label25.setCaption(QString::number(m.ProgressionSym[le]));
            Label20.setCaption(QString::number(m.MinutesDemiCycle[le]));
            Label21.setCaption(QString::number(m.HeuresCycleSym[le]));
            Label22.setCaption(m.HeureStartSym[le]);
            Label30.setCaption(m.DateStartSym[le]);
        } else {
            plat::Canvas& c = strip(le).canvas();
            c.clearPicture();
            c.cls();
            // In the minutes variant the press keeps to the preview's bounds,
            // so the cycle drawn is the cycle the timer runs.
            const int16_t n = symPressN(X, s.schedule->FlagSymMinutes[le] == 1);
            m.HeuresCycleSym[le] = n;
            m.FinCycleSymX[le] = finCycleSymX(n);
            s.schedule->FlagCycleSym[le] = 1;
            drawSymCycle(le, true);
        }
    }
    if (Button == plat::RightButton) {
        s.schedule->Selbin = uint8_t(le);
        popupMenu(mnu3Liste);
    }
}

void SelectionStart::Picture_MouseMove(int le, int Button, int Shift, double X, double Y)
{
    State& s = p_.s;
    StripModel& m = model();
    const QString caption = mode(le);

    // Symmetric preview: the cycle length follows the pointer.
    if (caption == strip::Sym && s.schedule->FlagCycleSym[le] == 0) {
        strip(le).canvas().cls();
        setMousePointer(SizeWE);
        const bool minutes = s.schedule->FlagSymMinutes[le] == 1;
        const int16_t n = symPreviewN(X, minutes);
        m.HeuresCycleSym[le] = n;
        m.MinutesDemiCycle[le] = minutesDemiCycle(n);
        if (!minutes) {
            Label20.setCaption(QString::number(minutesDemiCycle(n)));
            Label21.setCaption(QString::number(n));
            Label33.setCaption(QStringLiteral(" Heure(s)"));
            Label33.setBackColor(plat::ButtonFace);
            Label34.setBackColor(plat::ButtonFace);
        } else {
            Label20.setCaption(QString::number(n));
            Label21.setCaption(QString::number(2 * n));
            Label33.setCaption(QStringLiteral(" Minutes"));
            Label33.setBackColor(LightRed);
            Label34.setBackColor(LightRed);
            Timer2.setEnabled(true);
        }
        m.FinCycleSymX[le] = finCycleSymX(n);
        drawSymCycle(le, true);
    }

    // Minutes variant: Shift alone over a symmetric LE, fixed or running cycles included.
    const bool symmetric = le == 0 ? caption == strip::Sym : p_.s.schedule->SelectionMode[le][2] == 1;
    if (Shift == plat::ShiftKey && symmetric) {
        strip(le).setBackColor(plat::colors::White);
        s.schedule->FlagSymMinutes[le] = 1;
        symTimer(le).setInterval(strip::SymMinutesIntervalMs);
        Timer2.setEnabled(true);
    }

    const bool asym = caption == strip::Asym, plan = caption == strip::Plan;
    if (!asym && !plan) return;

    Label12.setCaption(QStringLiteral("X= ") + plat::vbCStr(X));
    Label13.setCaption(QStringLiteral("Y= ") + plat::vbCStr(Y));

    if (asym && s.schedule->FlagDefautAsym[le] == 0) {
        const bool lfc2 = p_.form<ParamLogicielVB>()->LFC2Sensor(le);
        if (lfc2 && le == 0) {
            // LE-1 with an LFC-2 sensor runs its window from the LFC-3 test
            // times; the window's set-up places it and rereads its file.
            RefLevelTrigLFC3& lfc3 = *p_.form<RefLevelTrigLFC3>();
            lfc3.Timer1.setEnabled(true);
            lfc3.show();
        }
        const auto t = asymDefaults(le, lfc2, m.StartTestHH, m.StartTestMM, m.StopTestHH, m.StopTestMM);
        m.TransitionAsymX[le][0] = t[0];
        m.TransitionAsymX[le][1] = t[1];
        strip(le).setBorderStyle(1);
        strip(le).setBackColor(plat::colors::LightGrey);
        TraceAsymLE(le);
        s.schedule->FlagDefautAsym[le] = 1;
    }
    if (plan && s.schedule->FlagDefautPlan[le] == 0) {
        for (int k = 0; k < strip::PlanCount; ++k) m.TransitionPlanX[le][k] = strip::PlanDefault[k];
        strip(le).setBorderStyle(1);
        strip(le).setBackColor(plat::colors::LightGrey);
        TracePlanLE(le);
        s.schedule->FlagDefautPlan[le] = 1;
    }

    // A locked (armed) schedule cannot be grabbed or dragged.
    if ((asym && s.schedule->FlagSymBlocage[le] != 0) || (plan && s.schedule->FlagVerouillage[le] != 0)) return;

    const int32_t* transitions = asym ? m.TransitionAsymX[le].data() : m.TransitionPlanX[le].data();
    const int count = asym ? strip::AsymCount : strip::PlanCount;
    if (const auto k = grabTransition(transitions, count, X)) {
        m.IndiceTransition = uint8_t(*k);
        setMousePointer(SizeWE);
    } else {
        setMousePointer(DefaultPointer);
    }

    if (Button != plat::LeftButton) return;
    setMousePointer(SizeWE);
    // Only a drawable set is stored: the strip, the texts and the positions
    // stay at the last one the rule accepted.
    if (asym ? dragAsymTransition(m, le, X) : dragPlanTransition(m, le, X)) {
        strip(le).setBackColor(plat::colors::LightGrey);
        asym ? TraceAsymLE(le) : TracePlanLE(le);
    }
}

void SelectionStart::Picture_MouseUp(int le, int Button, int Shift, double X, double Y)
{
    Q_UNUSED(Button);
    Q_UNUSED(Shift);
    Q_UNUSED(X);
    Q_UNUSED(Y);
    Label96.setCaption(QString::number(le));
    const QString caption = mode(le);
    if (caption == strip::Asym) {
        strip(le).setBackColor(plat::colors::LightGrey);
        TraceAsymLE(le);
    } else if (caption == strip::Plan) {
        strip(le).setBackColor(plat::colors::LightGrey);
        TracePlanLE(le);
    }
}

} // namespace orv
