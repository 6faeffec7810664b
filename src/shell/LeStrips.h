#pragma once
// The main window's per-LE controls (element = LE index): the rest pictures
// and the LE strips with their labels.
// Part of the main window's controls (LogControls); a file that needs only
// these includes this header and reaches them through leStrips().

#include "platform/Controls.h"
#include "platform/PictureBox.h"

namespace orv {

class Log;
class Program;

struct LeStrips {
    explicit LeStrips(plat::Form& f);

    plat::ControlArray<plat::PictureBox> Picture4;   // rest pictures, per LE
    plat::ControlArray<plat::PictureBox> Picture5;   // LE strips

    // --- per-LE labels of the strips (element = LE index)
    plat::ControlArray<plat::Label> Label11;
    plat::ControlArray<plat::Label> Label15;
    plat::ControlArray<plat::Label> Label21;
    plat::ControlArray<plat::Label> Label24;
    plat::ControlArray<plat::Label> Label26;
    plat::ControlArray<plat::Label> Label28;
    plat::ControlArray<plat::Label> Label31;
    plat::ControlArray<plat::Label> Label32;
    plat::ControlArray<plat::Label> Label33;
    plat::ControlArray<plat::Label> Label34;
    plat::ControlArray<plat::Label> Label35;
    plat::ControlArray<plat::Label> Label37;
    plat::ControlArray<plat::Label> Label39;
    plat::ControlArray<plat::Label> Label40;
    plat::ControlArray<plat::Label> Label41;
    plat::ControlArray<plat::Label> Label42;
    plat::ControlArray<plat::Label> Label44;
};

// The main window's per-LE controls; reaching them through the program loads the window.
LeStrips& leStrips(Program& p);
LeStrips& leStrips(Log& log);

} // namespace orv
