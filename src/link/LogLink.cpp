// The link's part of the main window: hooks the receive event of the eight
// ports, the eight transmit timers and the link supervision (indicators,
// watchdogs, the status timer, the small link and menu timers).
#include "link/LogLink.h"
#include "link/LinkStartup.h"

#include "link/ConfigurationRS232.h"
#include "link/LeInstances.h"
#include "shell/Log.h"
#include "shell/Program.h"
#include "shell/RunShared.h"

namespace orv {

Owned<LogLink> makeLogLink(Log& log, Program& p) { return Owned<LogLink>::make(log, p); }

LogLink::LogLink(Log& log, Program& prog) : L(log), p(prog)
{
    L.ActiveDesactiveRS232.onClick = [this] { ActiveDesactiveRS232_Click(); };
    // Reception and transmission of each LE.
    for (const LeInstance& in : leInstances()) {
        const int le = in.le;
        (L.*in.port).onComm = [this, le] { MSComm_OnComm(le); };
    }
    for (const LeInstance& in : leInstances()) {
        const int le = in.le;
        (L.*in.txTimer).onTimer = [this, le] { TransmitTimer_Timer(le); };
    }

    // The link supervision.
    for (const LeInstance& in : leInstances()) {
        const int le = in.le;
        (L.*in.resetTimer).onTimer = [this, le] { LinkResetTimer_Timer(le); };
    }

    L.Timer57.onTimer = [this] { Timer57_Timer(); };
    L.Timer58.onTimer = [this] { Timer58_Timer(); };
    L.Timer59.onTimer = [this] { Timer59_Timer(); };
    L.Timer60.onTimer = [this] { Timer60_Timer(); };

    L.Timer12.onTimer = [this] { Timer12_Timer(); };

    L.Timer11.onTimer = [this] { Timer11_Timer(); };
    L.Timer46.onTimer = [this] { Timer46_Timer(); };
    // The menu timer parks while no port is open; whatever else sets one of
    // its menus resumes it, so that its next tick sets the menu back.
    for (plat::Menu* m : {&L.mnuTestMateriel, &L.mnuParameters, &L.mnuVdesParam})
        m->onEnabledChange = [this] { L.Timer46.resume(); };
    L.Timer62.onTimer = [this] { Timer62_Timer(); };

    // The status timer and the menu timer run from load until quit.
    L.Timer12.setEnabled(true);
    L.Timer46.setEnabled(true);

    // Start-up, and the port boxes after the start-mode login.
    Program& program = p;
    L.startup.PortFile = [&program] { startupPortFile(program); };
    L.startup.ListeIO = [this] { ListeIO(); };
    L.ShowLoginPortBoxes = [&program] {
        auto& ports = program.form<ConfigurationRS232>().get();
        ports.Label8.setVisible(true);
        for (int i = 0; i < 6; ++i)
            if (ports.Text1.has(i)) ports.Text1[i].setVisible(true);
    };
}


void LogLink::ActiveDesactiveRS232_Click()
{
    for (int i = 0; i < LeCount; ++i) p.s.runShared->RestSeconds[i] = 90;
    p.form<ConfigurationRS232>()->show();
}

} // namespace orv
