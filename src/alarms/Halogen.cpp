#include "alarms/ActivatedBlink.h"
#include "alarms/Halogen.h"
#include "shell/Program.h"

namespace orv {

namespace {
const QString ActivatedText = QStringLiteral("QTH-Lamp Activated");
}

Halogen::Halogen(Program& p)
    : plat::Form(p.rt, "Halogen"),
      MnuFileHalogen(*this, "MnuFileHalogen", "File"),
      mnuIDCarteAddonLPx(MnuFileHalogen, "mnuIDCarteAddonLPx", "Light Engine Selection"),
      mnuLP1Active(mnuIDCarteAddonLPx, "mnuLP1Active", "LE1 active"),
      mnuLP2Active(mnuIDCarteAddonLPx, "mnuLP2Active", "LE2 active"),
      mnuLP3Active(mnuIDCarteAddonLPx, "mnuLP3Active", "LE3 active"),
      mnuLP4Active(mnuIDCarteAddonLPx, "mnuLP4Active", "LE4 active"),
      mnuLP5Active(mnuIDCarteAddonLPx, "mnuLP5Active", "LE5 active"),
      mnuLP6Active(mnuIDCarteAddonLPx, "mnuLP6Active", "LE6 active"),
      p_(p)
{
    setCaption(QStringLiteral("  QTH Alarm Control"));
    for (int k = 0; k < 4; ++k) {
        Check1.add(k).setCaption(QString::number(k));
        Label78.add(k).setCaption(QStringLiteral("---"));
    }
    Label78.add(4).setCaption(QStringLiteral("---"));
    VScroll1.setRange(255, 1);
    VScroll1.setLargeChange(10);
    VScroll1.setSmallChange(1);
    VScroll1.setValue(1);
    VScroll1.onChange = [this] { VScroll1_Change(); };
    VScroll1.onScroll = [this] { VScroll1_Change(); };
    Label2.move(120, 120, 2415, 255);
    Timer4.onTimer = [this] { Timer4_Timer(); };
    Timer5.onTimer = [this] { Timer5_Timer(); };
}

void Halogen::Timer4_Timer()
{
    showBlinkText(Label2, ActivatedText, Timer4, Timer5);
}

void Halogen::Timer5_Timer()
{
    blankBlinkText(Label2, ActivatedText, Timer5, Timer4);
}

plat::Menu& Halogen::mnuLPActive(int le)
{
    plat::Menu* items[6] = {&mnuLP1Active, &mnuLP2Active, &mnuLP3Active, &mnuLP4Active, &mnuLP5Active, &mnuLP6Active};
    return *items[le];
}

void Halogen::Form_Load() { setTopmost(true); }

void Halogen::VScroll1_Change() { Label78[4].setCaption(QString::number(VScroll1.value())); }

} // namespace orv
