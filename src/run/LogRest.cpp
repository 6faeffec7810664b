// Rest countdowns: after a stop each LE shows the 90 seconds of its rest,
// one per second, in its rest picture. A display only: nothing waits on it.
#include "platform/VbText.h"
#include "run/LogRun.h"
#include "run/RunInstances.h"
#include "shell/Log.h"
#include "shell/Program.h"
#include "shell/RunShared.h"

namespace orv {

namespace {
constexpr int RestLength = 90;
constexpr plat::Color RestMagenta = plat::colors::Magenta;   // palette colour 13
} // namespace

plat::FormTimer& LogRun::RestTimer(int le) { return L.*runInstances().at(le).restTimer; }

// A counter written from outside (60 on a port open, 0 by a stop or a start)
// takes effect at the next tick; 0 ends the countdown there.
void LogRun::RestTimer_Timer(int le)
{
    uint8_t& left = p.s.runShared->RestSeconds[le];
    plat::PictureBox& pic = L.Picture4[le];
    plat::Canvas& c = pic.canvas();
    if (left >= 1) {
        --left;
        c.cls();
        c.line(0, 0, 5430, 1695, RestMagenta, plat::Canvas::BoxFilled);
        c.setCurrentX(15);
        c.setCurrentY(19);
        c.setForeColor(plat::colors::White);
        c.setFontSize(10);
        c.print(" Rest " + plat::vbStr(left) + " sec.");
    } else {
        left = RestLength;
        c.cls();
        pic.setBackColor(plat::colors::Grey);
        RestTimer(le).setEnabled(false);
    }
}

} // namespace orv
