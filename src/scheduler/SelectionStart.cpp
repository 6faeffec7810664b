#include "scheduler/SchedulerState.h"
#include "scheduler/SelectionStart.h"
#include "shell/Program.h"

namespace orv {

SelectionStart::SelectionStart(Program& p) : plat::Form(p.rt, "SelectionStart"), p_(p)
{
    for (int le = 0; le < 8; ++le) nameLabel(le).setCaption(QStringLiteral("LE-%1").arg(le + 1));
    DayStrips = {&Picture2, &Picture3, &Picture4, &Picture5, &Picture6, &Picture7, &Picture8, &Picture9};
    for (plat::PictureBox* strip : DayStrips) strip->setBackColor(plat::colors::LightGrey);
    Text1.setText(QStringLiteral("1"));
    Label106.setCaption(QString());
    Timer1.onTimer = [this] { Timer1_Timer(); };
    Timer2.onTimer = [this] { Timer2_Timer(); };
}

plat::FormTimer& SelectionStart::symTimer(int le)
{
    plat::FormTimer* timers[8] = {&Timer4, &Timer5, &Timer6, &Timer7, &Timer8, &Timer9, &Timer16, &Timer17};
    return *timers[le];
}

QString SelectionStart::modeText(int mode)
{
    switch (mode) {
    case 1:
    case 6: return QStringLiteral("Normal");
    case 2: return QStringLiteral("Sym");
    case 3: return QStringLiteral("Asym");
    case 4: return QStringLiteral("Plan");
    case 5: return QStringLiteral("Stop");
    default: return QString();
    }
}

void SelectionStart::Timer1_Timer()
{
    const State& s = p_.s;
    Picture1.canvas().cls();
    setHeight(9800);
    setLeft(s.scheduler->StartFenetreLeft);
    setTop(s.scheduler->StartFenetreTop);
    Timer2.setEnabled(true);
    for (int le = 0; le < 8; ++le) {
        int mode = 0;
        for (int m = 1; m <= 7; ++m)
            if (s.SelectionMode[le][m] == 1) mode = m;
        modeLabel(le).setCaption(modeText(mode));
    }
    // Reloading today's strip images of the "Normal" LEs belongs here with the scheduler's strips.
    Timer1.setEnabled(false);
}

// Drawing the hour scale on Picture1 belongs here with the scheduler's strips.
void SelectionStart::Timer2_Timer() { Timer2.setEnabled(false); }

void SelectionStart::ConfigNormal()
{
    for (plat::Label* l : {&Label20, &Label21, &Label22, &Label23, &Label24, &Label25, &Label26, &Label27, &Label28,
                           &Label29, &Label30, &Label31, &Label32, &Label33, &Label34, &Label35, &Label106})
        l->setVisible(false);
    Text1.setVisible(false);
}

plat::Label& SelectionStart::nameLabel(int le)
{
    plat::Label* labels[8] = {&Label3, &Label4, &Label5, &Label6, &Label7, &Label8, &Label89, &Label90};
    return *labels[le];
}

plat::Label& SelectionStart::modeLabel(int le)
{
    plat::Label* labels[8] = {&Label1, &Label2, &Label11, &Label17, &Label18, &Label19, &Label120, &Label121};
    return *labels[le];
}

} // namespace orv
