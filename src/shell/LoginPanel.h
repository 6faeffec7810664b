#pragma once
// The main window's login panel (in front of everything while shown): the
// start-mode password entry of the shell's login.
// Part of the main window's controls (LogControls); a file that needs only
// these includes this header and reaches them through loginPanel().

#include "platform/Controls.h"
#include "platform/PictureBox.h"

namespace orv {

class Log;
class Program;

struct LoginPanel {
    explicit LoginPanel(plat::Form& f);

    plat::PictureBox Picture12;   // login panel
    plat::PictureBox Picture14;   // unlabelled click area of the panel
    plat::ControlArray<plat::Label> Label2;
    plat::ControlArray<plat::Label> Label29;   // element 6: the banner
    plat::ControlArray<plat::Label> Label30;   // element 6: "Password :"
    plat::TextBox Text1;
    plat::CommandButton QuitteProg;
    plat::CommandButton OkStart;
};

// The main window's login panel; reaching them through the program loads the window.
LoginPanel& loginPanel(Program& p);
LoginPanel& loginPanel(Log& log);

} // namespace orv
