#pragma once
// The labels drawn on the main window and the lines of its gauges. Label55
// lies in the logger indicator and Label72/Label75 in the MAT/SHT selector
// boxes of MainPanels, built before them.
// Part of the main window's controls (LogControls); a file that needs only
// these includes this header and reaches them through windowLabels().

#include "platform/Controls.h"

namespace orv {

class Log;
class Program;
struct MainPanels;

struct WindowLabels {
    explicit WindowLabels(plat::Form& f, MainPanels& panels);

    // --- labels drawn on the window
    plat::Label Label1, Label3, Label5, Label6, Label7, Label8, Label9, Label10, Label12, Label13, Label17, Label19, Label20, Label22, Label23, Label25, Label36, Label38, Label43, Label46, Label47, Label48, Label49, Label50, Label55, Label66, Label68, Label70, Label71, Label72, Label73, Label74, Label75, Label76;
    plat::ControlArray<plat::Label> Label79;   // temperature scale, 0 lowest

    // --- lines of the gauges
    plat::Line Line4, Line11, Line21, Line22, Line23, Line24, Line25, Line26, Line27, Line28, Line29;
    plat::ControlArray<plat::Line> Line1;
    plat::ControlArray<plat::Line> Line2;
    plat::ControlArray<plat::Line> Line3;
    plat::ControlArray<plat::Line> Line6;
    plat::ControlArray<plat::Line> Line7;
    plat::ControlArray<plat::Line> Line8;
    plat::ControlArray<plat::Line> Line9;
    plat::ControlArray<plat::Line> Line15;
    plat::ControlArray<plat::Line> Line17;
};

// The main window's labels and lines; reaching them through the program loads the window.
WindowLabels& windowLabels(Program& p);
WindowLabels& windowLabels(Log& log);

} // namespace orv
