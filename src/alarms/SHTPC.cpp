#include "alarms/AlarmsState.h"
#include "alarms/ActivatedBlink.h"
#include "alarms/SHTPC.h"
#include "shell/Program.h"

namespace orv {

namespace {
const QString ActivatedText = QStringLiteral("SHT (FADEC and PC) Activated ");
}

SHTPC::SHTPC(Program& p)
    : plat::Form(p.rt, "SHTPC"),
      mnuSHTFile(*this, "mnuSHTFile", "File"),
      mnuSHTLESelection(mnuSHTFile, "mnuSHTLESelection", "Light Engine Selection"),
      mnuSHTLE1(mnuSHTLESelection, "mnuSHTLE1", "LE1 active"),
      mnuSHTLE2(mnuSHTLESelection, "mnuSHTLE2", "LE2 active"),
      mnuSHTLE3(mnuSHTLESelection, "mnuSHTLE3", "LE3 active"),
      mnuSHTLE4(mnuSHTLESelection, "mnuSHTLE4", "LE4 active"),
      mnuSHTLE5(mnuSHTLESelection, "mnuSHTLE5", "LE5 active"),
      mnuSHTLE6(mnuSHTLESelection, "mnuSHTLE6", "LE6 active"),
      mnuSHTInput(mnuSHTFile, "mnuSHTInput", "Input Selection"),
      mnuHolderThermo(mnuSHTInput, "mnuHolderThermo", "SHT"),
      mnuSHTChannel0(mnuSHTInput, "mnuSHTChannel0", "Channel 0 (AD1)"),
      mnuSHTChannel1(mnuSHTInput, "mnuSHTChannel1", "Channel 1 (AD1)"),
      mnuSHTChannel2(mnuSHTInput, "mnuSHTChannel2", "Channel 2 (AD1)"),
      mnuSHTChannel3(mnuSHTInput, "mnuSHTChannel3", "Channel 3 (AD1)"),
      mnuSHTUnselect(mnuSHTInput, "mnuSHTUnselect", "Unselect"),
      p_(p)
{
    setCaption(QStringLiteral(" SHT Alarm Control (PC)"));
    plat::VScrollBar& bar = VScroll1.add(0);
    bar.setRange(255, 0);
    bar.setLargeChange(10);
    bar.setValue(130);
    bar.onChange = [this] { VScroll1_Change(0); };
    bar.onScroll = [this] { VScroll1_Change(0); };
    Label6.setCaption(QStringLiteral("---"));
    Label7.move(120, 120, 3615, 255);
    Timer2.onTimer = [this] { Timer2_Timer(); };
    Timer3.onTimer = [this] { Timer3_Timer(); };
}

void SHTPC::Timer2_Timer()
{
    showBlinkText(Label7, ActivatedText, Timer2, Timer3);
}

void SHTPC::Timer3_Timer()
{
    blankBlinkText(Label7, ActivatedText, Timer3, Timer2);
}

plat::Menu& SHTPC::mnuSHTLE(int le)
{
    plat::Menu* items[6] = {&mnuSHTLE1, &mnuSHTLE2, &mnuSHTLE3, &mnuSHTLE4, &mnuSHTLE5, &mnuSHTLE6};
    return *items[le];
}

void SHTPC::Form_Load() { setTopmost(true); }

void SHTPC::VScroll1_Change(int index)
{
    Label6.setCaption(QString::number(VScroll1[0].value())
                      + (p_.s.alarms->InputSHT == 4 ? QString::fromUtf8("°C") : QString()));
}

} // namespace orv
