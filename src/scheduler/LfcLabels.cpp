// The main window's LFC-2 / LFC-3 value labels open the LFC-2 reference and
// the LFC-3 trigger-level windows at the LE clicked. Only an LE with an LFC-2
// sensor has these labels shown; a click elsewhere does nothing.
#include "scheduler/LogScheduler.h"
#include "scheduler/RefCapteurLFC2.h"
#include "scheduler/RefLevelTrigLFC3.h"
#include "scheduler/SchedulerState.h"
#include "shell/ParamLogicielVB.h"
#include "shell/Program.h"

#include <cmath>

namespace orv {

namespace {

// Remembers the LE and where in its label the click fell; false when the LE
// has no LFC-2 sensor.
bool clickOnLfcLabel(Program& p, int Index, double X, double Y)
{
    if (!p.form<ParamLogicielVB>()->LFC2Sensor(Index)) return false;
    p.s.scheduler->IndiceLFC = uint8_t(Index);
    p.s.scheduler->ClicLFCX = int32_t(std::lround(X));
    p.s.scheduler->ClicLFCY = int32_t(std::lround(Y));
    return true;
}

} // namespace

void LogScheduler::Label37_MouseDown(int Index, int Button, int Shift, double X, double Y)
{
    if (!clickOnLfcLabel(p, Index, X, Y)) return;
    // The set-up timer loads the window when needed, and re-targets it when open.
    RefCapteurLFC2& ref = p.form<RefCapteurLFC2>().get();
    ref.Timer1.setEnabled(true);
    ref.show();
}

void LogScheduler::Label42_MouseDown(int Index, int Button, int Shift, double X, double Y)
{
    if (!clickOnLfcLabel(p, Index, X, Y)) return;
    auto& trigger = p.form<RefLevelTrigLFC3>().get();
    trigger.setWidth(RefLevelTrigLFC3::NarrowWidth);
    trigger.Timer1.setEnabled(true);   // places it and shows LE IndiceLFC's value
    trigger.show();
}

} // namespace orv
