// ActivationCOM: applies the validated port configuration to the eight serial
// ports of the main window, LE-1 to LE-8 in order, each LE's open test before
// its close test. Nothing here fails outward: a setting the port refuses is
// skipped and the next one runs.

#include "link/LeInstances.h"
#include "link/LinkState.h"
#include "link/LogLink.h"
#include "platform/CommPort.h"
#include "platform/VbText.h"
#include "shell/LinkStatus.h"
#include "shell/Log.h"
#include "shell/Program.h"
#include "shell/RunShared.h"

namespace orv {

namespace {

constexpr int FrameChars = 160;
constexpr int XonXoff = 1;

// Port number of a typed text: a number that rounds to 1-14. Anything else
// (empty, not a number, out of range) has none, so it can never open a port
// the user did not name.
std::optional<int> portNumber(const QString& text)
{
    const std::optional<double> v = plat::toDouble(text);
    if (!v)
        return std::nullopt;
    const std::optional<int16_t> n = plat::toInt16(*v);
    if (!n || *n < 1 || *n > 14)
        return std::nullopt;
    return int(*n);
}

} // namespace

void LogLink::ActivationCOM()
{
    State& s = p.s;
    for (const LeInstance& in : leInstances()) {
        const int le = in.le;
        plat::CommPort& port = L.*in.port;

        if (s.link->ComPortEnabled[le] == QLatin1String("1") && !port.portOpen()) {
            const std::optional<int> number = portNumber(s.link->ComPortNumber[le]);
            const bool numbered = number && port.setCommPort(*number);
            port.setHandshaking(XonXoff);
            port.setRThreshold(FrameChars);
            port.setInputLen(FrameChars);
            port.setRTSEnable(false);
            port.setSettings(QStringLiteral("19200,n,8,1"));
            port.setSThreshold(1);
            // A port without a valid number stays closed, as a failed open:
            // the watchdog finds no marker and tries again through here.
            if (numbered)
                port.setPortOpen(true);
            s.status->ComPortOpen[le] = 1;
            PortOpenChanged();
            s.runShared->RestSeconds[le] = 60;
        }

        if (s.link->ComPortEnabled[le] == QLatin1String("0") && port.portOpen()) {
            port.setPortOpen(false);
            L.Label21[le].setBackColor(plat::ButtonFace);
            L.Label21[le].setCaption(QStringLiteral("no"));
            s.status->ComPortOpen[le] = 0;
            PortOpenChanged();
            s.runShared->RestSeconds[le] = 0;
        }
    }
    // The port watchdog starts on every call.
    L.Timer57.setEnabled(true);
}

} // namespace orv
