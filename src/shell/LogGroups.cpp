// The main window's groups of controls and its ports, reached without the
// window's definition: a file that needs only some of them includes their
// group's header, not shell/Log.h.

#include "shell/Log.h"
#include "shell/Program.h"

namespace orv {

plat::Form& logForm(Program& p) { return p.Log.get(); }

MainMenus& mainMenus(Program& p) { return p.Log.get(); }
MainMenus& mainMenus(Log& log) { return log; }
LoginPanel& loginPanel(Program& p) { return p.Log.get(); }
LoginPanel& loginPanel(Log& log) { return log; }
MainPanels& mainPanels(Program& p) { return p.Log.get(); }
MainPanels& mainPanels(Log& log) { return log; }
LeStrips& leStrips(Program& p) { return p.Log.get(); }
LeStrips& leStrips(Log& log) { return log; }
WindowLabels& windowLabels(Program& p) { return p.Log.get(); }
WindowLabels& windowLabels(Log& log) { return log; }
LogTimers& logTimers(Program& p) { return p.Log.get(); }
LogTimers& logTimers(Log& log) { return log; }
LogPorts& logPorts(Program& p) { return p.Log.get(); }
LogPorts& logPorts(Log& log) { return log; }

} // namespace orv
