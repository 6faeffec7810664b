#pragma once
// The controls of the main window, in groups by the part of the window they
// make up. A file that uses the controls of one group includes that group's
// header and reaches them through its accessor (mainMenus(p), leStrips(p),
// ...); the window itself (shell/Log.h) is for the files that call its
// procedures. Positions are twips. Each subsystem sets the captions,
// positions and handlers of the controls it serves.

#include "shell/LeStrips.h"
#include "shell/LoginPanel.h"
#include "shell/LogTimers.h"
#include "shell/MainMenus.h"
#include "shell/MainPanels.h"
#include "shell/WindowLabels.h"

namespace orv {

struct LogControls : MainMenus, LoginPanel, MainPanels, LeStrips, WindowLabels, LogTimers {
    explicit LogControls(plat::Form& f);
};

} // namespace orv
