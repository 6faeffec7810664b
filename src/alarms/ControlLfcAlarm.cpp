#include "alarms/ActivatedBlink.h"
#include "alarms/ControlLfcAlarm.h"
#include "shell/Program.h"

namespace orv {

namespace {
const QString ActivatedText = QStringLiteral("LFC Activated");
}

ControlLfcAlarm::ControlLfcAlarm(Program& p) : plat::Form(p.rt, "ControlLfcAlarm"), p_(p)
{
    setCaption(QStringLiteral("LFC Alarm Control") + QString(103, QLatin1Char(' ')) + QStringLiteral("Save --->"));
    for (int i = 0; i < 2; ++i) {
        plat::VScrollBar& bar = VScroll1.add(i);
        bar.setRange(255, 0);
        bar.setLargeChange(10);
        bar.setSmallChange(1);
        bar.setValue(130);
        Label3.add(i).setCaption(QStringLiteral("---"));
        bar.onChange = [this, i] { VScroll1_Change(i); };
        bar.onScroll = [this, i] { VScroll1_Change(i); };
    }
    for (int i = 0; i < 6; ++i) Check1.add(i).setCaption(QStringLiteral(" "));
    Check2.move(960, 840, 2295, 255);
    Check2.setCaption(QStringLiteral("Warning Indicator Active "));
    Check2.setVisible(false);
    Check2.onClick = [this] { Check2_Click(); };
    Label12.move(120, 120, 1935, 255);
    Timer5.onTimer = [this] { Timer5_Timer(); };
    Timer6.onTimer = [this] { Timer6_Timer(); };
}

void ControlLfcAlarm::Timer5_Timer()
{
    showBlinkText(Label12, ActivatedText, Timer5, Timer6);
}

void ControlLfcAlarm::Timer6_Timer()
{
    blankBlinkText(Label12, ActivatedText, Timer6, Timer5);
}

void ControlLfcAlarm::Form_Load() { setTopmost(true); }

void ControlLfcAlarm::VScroll1_Change(int index)
{
    Label3[index].setCaption(QString::number(VScroll1[index].value()));
}

// The warning-indicator box only keeps its tick for the alarm file; a click
// does nothing else.
void ControlLfcAlarm::Check2_Click() {}

} // namespace orv
