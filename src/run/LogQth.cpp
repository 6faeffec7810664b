// The QTH lamp button: switches the QTH lamps of LE-1 to LE-6 on and off
// together through their relay requests, and records in StartHalogen.ini
// whether they were last switched on, for the automatic QTH start.
#include "platform/VbText.h"
#include "run/LogRun.h"
#include "run/QthStartFile.h"
#include "run/RunState.h"
#include "shell/LinkRequest.h"
#include "shell/LogPorts.h"
#include "shell/LogTimers.h"
#include "shell/MainPanels.h"
#include "shell/ParamLogicielVB.h"
#include "shell/Program.h"
#include "shell/State.h"

namespace orv {

namespace {
constexpr int QthLECount = 6;
constexpr plat::Color LightOrange = plat::rgb(255, 192, 128);
} // namespace

void LogRun::CommHalOperator_Click()
{
    State& s = p.s;
    ParamLogicielVB& settings = *p.form<ParamLogicielVB>();
    const QString file = qthStartFilePath(s.common->BaseFolder);

    if (s.run->FlagCommHal == 0) {
        // On: the activated LEs whose port is open. The colour says that at
        // least one LE is activated, and decides the file.
        for (int le = 0; le < QthLECount; ++le) {
            if (!settings.LEActivated(le)) continue;
            if (logPorts(L).MSComm(le).portOpen()) s.request->RelayQTH[le] = 1;
            mainPanels(L).CommHalOperator.setBackColor(LightOrange);
        }
        if (mainPanels(L).CommHalOperator.backColor() == LightOrange) writeQthStartFile(p.rt.drive, file, true);
        mainPanels(L).CommHalOperator.setCaption(QStringLiteral("QTH-Stop"));
        s.run->FlagCommHal = 1;
        return;
    }

    // Off: the button then shows every lamp it serves as off, so every relay
    // request it serves is cleared and the file says "off" - whatever the
    // activation or the port, which may have changed since the lamps went on.
    for (int le = 0; le < QthLECount; ++le) {
        s.request->RelayQTH[le] = 0;
        if (settings.LEActivated(le)) mainPanels(L).CommHalOperator.setBackColor(plat::ButtonFace);
    }
    if (mainPanels(L).CommHalOperator.backColor() == LightOrange) mainPanels(L).CommHalOperator.setBackColor(plat::ButtonFace);
    writeQthStartFile(p.rt.drive, file, false);
    mainPanels(L).CommHalOperator.setCaption(QStringLiteral("QTH-Start"));
    s.run->FlagCommHal = 0;
}


// 20 s after start-up: switches the QTH lamps of LE-1 to LE-6 on again when
// they were on at the last quit. A missing or unreadable file changes nothing.
void LogRun::Timer15_Timer()
{
    const auto value = readQthStartFile(p.rt.drive, qthStartFilePath(p.s.common->BaseFolder));
    const auto byte = value ? plat::toByte(*value) : std::nullopt;
    if (byte && *byte == 1) {
        mainPanels(L).CommHalOperator.setBackColor(plat::rgb(255, 192, 128));
        mainPanels(L).CommHalOperator.setCaption("QTH-Stop");
        mainPanels(L).CommHalOperator.setVisible(true);
        p.s.run->FlagCommHal = 1;
        for (int i = 0; i < 6; ++i) p.s.request->RelayQTH[i] = 1;
    }
    logTimers(L).Timer15.setEnabled(false);
}

} // namespace orv
