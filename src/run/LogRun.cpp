// Run control's hooks on the main window and the design state of the
// controls whose state it owns (power slider, QTH button).
#include "run/RunInstances.h"
#include "shell/Log.h"
#include "shell/Program.h"

namespace orv {

void Log::wireRun()
{
    // The power slider: 130 (1300 W) at the top, 30 at the bottom, 50 at
    // load. Set before its handlers are hooked, so the value label keeps
    // "---" until the value first changes.
    VScroll1.setRange(130, 30);
    VScroll1.setValue(50);
    VScroll1.setSmallChange(1);
    VScroll1.setLargeChange(10);
    VScroll1.setEnabled(false);
    VScroll1.onChange = [this] { VScroll1_Change(); };
    VScroll1.onScroll = [this] { VScroll1_Scroll(); };
    PWIndividuel.setEnabled(false);
    CopiePWSlider.setEnabled(false);
    CopiePWSlider.setBackColor(plat::colors::LightGrey);

    // The QTH lamp button: hidden, light grey, "QTH-Start" as designed.
    CommHalOperator.setCaption(QStringLiteral("QTH-Start"));
    CommHalOperator.setBackColor(plat::colors::LightGrey);
    CommHalOperator.setVisible(false);
    CommHalOperator.onClick = [this] { CommHalOperator_Click(); };

    for (const RunInstance& inst : runInstances()) {
        const int le = inst.le;
        (this->*inst.restTimer).onTimer = [this, le] { RestTimer_Timer(le); };
    }

    Timer47.onTimer = [this] { Timer47_Timer(); };
    Timer47.setEnabled(true);
    Timer55.onTimer = [this] { Timer55_Timer(); };
}

} // namespace orv
