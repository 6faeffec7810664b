// Run control's part of the main window: hooks its handlers to the window's
// controls and timers, and sets the design state of the controls whose
// state it owns (power slider, QTH button).
#include "run/LogRun.h"
#include "run/RunStartup.h"

#include "run/RunInstances.h"
#include "run/RunState.h"
#include "shell/Log.h"
#include "shell/Program.h"

namespace orv {

Owned<LogRun> makeLogRun(Log& log, Program& p) { return Owned<LogRun>::make(log, p); }

LogRun::LogRun(Log& log, Program& prog) : L(log), p(prog)
{
    L.ParamReadTimer.setInterval(ParamReadPollMs);
    L.ParamReadTimer.onTimer = [this] { ParamReadsStep(); };

    // The power slider: 130 (1300 W) at the top, 30 at the bottom, 50 at
    // load. Set before its handlers are hooked, so the value label keeps
    // "---" until the value first changes.
    L.VScroll1.setRange(130, 30);
    L.VScroll1.setValue(50);
    L.VScroll1.setSmallChange(1);
    L.VScroll1.setLargeChange(10);
    L.VScroll1.setEnabled(false);
    L.VScroll1.onChange = [this] { VScroll1_Change(); };
    L.VScroll1.onScroll = [this] { VScroll1_Scroll(); };
    L.PWIndividuel.setEnabled(false);
    L.CopiePWSlider.setEnabled(false);
    L.CopiePWSlider.setBackColor(plat::colors::LightGrey);

    // The QTH lamp button: hidden, light grey, "QTH-Start" as designed.
    L.CommHalOperator.setCaption(QStringLiteral("QTH-Start"));
    L.CommHalOperator.setBackColor(plat::colors::LightGrey);
    L.CommHalOperator.setVisible(false);
    L.CommHalOperator.onClick = [this] { CommHalOperator_Click(); };

    for (const RunInstance& inst : runInstances()) {
        const int le = inst.le;
        (L.*inst.restTimer).onTimer = [this, le] { RestTimer_Timer(le); };
    }

    L.Timer47.onTimer = [this] { Timer47_Timer(); };
    L.Timer47.setEnabled(true);
    L.Timer55.onTimer = [this] { Timer55_Timer(); };
    L.Timer15.onTimer = [this] { Timer15_Timer(); };
    L.CopiePWSlider.onClick = [this] { CopiePWSlider_Click(); };
    L.PWIndividuel.onClick = [this] { PWIndividuel_Click(); };
    L.Label17.onClick = [this] { Label17_Click(); };

    // LE selection.
    for (int i = 0; i < LeCount; ++i)
        L.Label26[i].onMouseDown = [this, i](const plat::MouseArgs& a) { Label26_MouseDown(i, a.button, a.shift, a.x, a.y); };

    // The start-all and stop-all sequencers.
    L.Timer14.onTimer = [this] { Timer14_Timer(); };
    L.Timer16.onTimer = [this] { Timer16_Timer(); };
    L.StopAllEntry = [this] { StartStopAll(); };

    // What the windows below run control start through it.
    L.StartRestEntry = [this](int le) { RestTimer(le).setEnabled(true); };
    L.ParamReadEntry = [this](int le) { LectParamStampLE(le, ReadWish{true, {}}); };
    L.ParamReadWithdrawEntry = [this](int le) { WithdrawParamRead(le); };
    L.ParamNoticeClosedEntry = [this] { ParamNoticeClosed(); };

    // Start-up steps.
    Program& program = p;
    Log& window = L;
    StartupEntries& su = L.startup;
    su.SetPointsFirst = [&program] { startupSetPointsFirst(program); };
    su.QthStart = [&program, &window] {
        if (startupQthStart(program)) window.Timer15.setEnabled(true);
    };
    su.SetPointsSecond = [&program] { startupSetPointsSecond(program); };
}

LogRun::~LogRun()
{
    p.s.run->ParamReads.clear();
}

} // namespace orv
