// The 500 ms status timer (Log.Timer12): what the main window shows of the
// selected LE, redrawn from the stores on every tick, with the two link
// watchdog steps in between. Everything here is display except those steps.
//
// The I/O monitor lists on Picture22, shown or not, the 32 positions of the
// selected LE's last frame in the direction the monitor's pop-up chose, under
// the position names of ListeIO; the positions of absent sensors (255) are
// left out, and the tachometer positions carry their speed.

#include "link/LinkState.h"
#include "link/LogLink.h"
#include "platform/Canvas.h"
#include "platform/VbText.h"
#include "shell/LinkStatus.h"
#include "shell/MainPanels.h"
#include "shell/Program.h"
#include "shell/State.h"
#include "shell/TracesShared.h"
#include "shell/WindowLabels.h"

namespace orv {

namespace {

constexpr int TachyFirst = 27;    // positions 27, 28, 29: motor M, fan V1, fan V2
constexpr int NoSensor = 255;     // a sensor position holding this has no sensor
constexpr int MonitorX = 5, MonitorFirstY = 150, MonitorLineStep = 200;
constexpr int BarBase = 3840, BarPerDegree = 30;

bool sensorPosition(int p) { return p == 11 || (p >= 16 && p <= 19); }

// Byte p of a frame copy; a copy not written yet reads as zeros.
int frameByte(const QByteArray& frame, int p) { return p < frame.size() ? uint8_t(frame.at(p)) : 0; }

} // namespace

void LogLink::Timer12_Timer()
{
    const State& s = p.s;
    const int sel = s.common->SelectedLE - 1;
    const bool selected = sel >= 0 && sel < LeCount;   // SelectedLE is set at start-up

    if (selected) {
        windowLabels(L).Label7.setCaption(QStringLiteral("Ph = ") + QString::number(s.status->PhaseLP[sel]));
        windowLabels(L).Label5.setCaption(QStringLiteral("Step = ") + QString::number(s.status->StartStep[sel]));
        for (plat::Label* l : p.s.link->ParamWindows.SpeedLabels())
            l->setCaption(QString());
        IOMonitor();
    }

    NoCommunicationStep();
    VanishedLineStep();

    if (!selected)
        return;
    plat::Canvas& bar = mainPanels(L).Picture1.canvas();
    bar.cls();
    const bool sht = s.common->TempSel != 0;
    const int t = sht ? s.status->TempSHT[sel] : s.status->TempMAT[sel];
    if (sht && t == NoSensor) {
        windowLabels(L).Label68.setCaption(QStringLiteral("---"));
        return;
    }
    windowLabels(L).Label68.setCaption(s.status->FlagCommPerdue[sel] == 1 ? QStringLiteral("---") : plat::vbStr(t) + QStringLiteral("°C"));
    bar.line(1, BarBase, 90, BarBase - BarPerDegree * t, plat::colors::Cyan, plat::Canvas::BoxFilled);
}

void LogLink::IOMonitor()
{
    const State& s = p.s;
    const int sel = s.common->SelectedLE - 1;
    const std::array<int32_t, 161>& received = s.status->FadecIO[sel];
    const QByteArray& listed = s.tracesShared->IOMonitorPCToStamp != 0 ? s.link->IOPCToStamp[sel] : s.link->IOStampToPC[sel];
    const uint8_t tachy[3] = {s.status->TachyM[sel], s.status->TachyV1[sel], s.status->TachyV2[sel]};
    const std::array<plat::Label*, 3> speedLabels = p.s.link->ParamWindows.SpeedLabels();
    const QString speedPrefixes[3] = {QStringLiteral("M  "), QStringLiteral("V1 "), QStringLiteral("V2 ")};

    // The lines are drawn again only when they changed or the panel's image
    // was touched since they were drawn.
    QStringList lines;
    for (int p = 0; p < FieldCount; ++p) {
        // The speed follows the received value whichever direction is listed.
        QString speed;
        const int k = p - TachyFirst;
        if (k >= 0 && k < 3 && received[p] > 1) {
            speed = QStringLiteral("= ") + plat::vbStr(tachy[k] * 30) + QStringLiteral(" tr/min");
            speedLabels[k]->setCaption(speedPrefixes[k] + speed);
        }
        if (sensorPosition(p) && received[p] == NoSensor)
            continue;
        lines << QStringLiteral(" ") + plat::right(QStringLiteral("00") + QString::number(p), 2)
                     + QStringLiteral("   ") + plat::right(QStringLiteral("00") + QString::number(frameByte(listed, p)), 3)
                     + QStringLiteral("   ") + s.link->ListeIONames[p] + QStringLiteral(" ") + speed;
    }

    plat::Canvas& monitor = mainPanels(L).Picture22.canvas();
    LinkState& link = *p.s.link;
    if (lines == link.IOMonitorLines && monitor.revision() == link.IOMonitorRevision) return;
    monitor.setForeColor(plat::colors::White);
    monitor.cls();
    int y = MonitorFirstY;
    for (const QString& line : lines) {
        monitor.setCurrentX(MonitorX);
        monitor.setCurrentY(y);
        monitor.print(line);
        y += MonitorLineStep;
    }
    link.IOMonitorLines = lines;
    link.IOMonitorRevision = monitor.revision();
}

} // namespace orv
