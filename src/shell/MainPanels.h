#pragma once
// The main window's windowed controls outside the login panel, in stacking
// order (earlier lies in front): the command strip (the link's connection
// button, run control's QTH button and power panel), the I/O monitor, the
// trace area, the gauges, the MAT/SHT selector boxes, the logger
// indicator, the port watchdog's list, then the curtain and the event list.
// Part of the main window's controls (LogControls); a file that needs only
// these includes this header and reaches them through mainPanels().

#include "platform/Controls.h"
#include "platform/ListBox.h"
#include "platform/PictureBox.h"
#include "platform/ScrollBar.h"

namespace orv {

class Log;
class Program;

struct MainPanels {
    explicit MainPanels(plat::Form& f);

    plat::CommandButton ActiveDesactiveRS232;
    plat::CommandButton CommHalOperator;
    // The I/O monitor, when shown, lies over the power panel's slider and
    // buttons: it comes before them so it is in front.
    plat::PictureBox Picture22;  // I/O monitor
    plat::CommandButton PWIndividuel;
    plat::CommandButton CopiePWSlider;
    plat::VScrollBar VScroll1;   // power set-point slider
    plat::VScrollBar VScroll2;   // hidden
    plat::VScrollBar VScroll3;   // hidden
    plat::PictureBox Picture13;  // trace area
    plat::PictureBox Picture15;
    plat::PictureBox Picture1;   // temperature bar
    plat::ControlArray<plat::PictureBox> Picture2;   // gauge zone (element 2)
    plat::PictureBox Picture7, Picture8, Picture9;   // gauge zones
    plat::ControlArray<plat::PictureBox> Picture6;   // MAT/SHT selector boxes
    plat::PictureBox Picture3;   // hidden
    plat::ListBox List3;

    // --- the curtain, then what it covers
    plat::PictureBox Picture10;
    plat::PictureBox Picture11;   // temperature icon
    plat::ListBox List4;          // event list
};

// The main window's windowed controls; reaching them through the program loads the window.
MainPanels& mainPanels(Program& p);
MainPanels& mainPanels(Log& log);

} // namespace orv
