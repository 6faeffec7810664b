// LE selection from the main window.
//
// A press on an LE's label (Label26) selects the LE, flashes the label
// orange for one second, normalises the set-point file, clears the parameter
// working copy, moves the power slider to the LE's set-point and offers the
// pop-up items that the LE's run mode allows. The items are the scheduler's
// (scheduler/RunModeMenu.cpp); they act on the LE whose label opened the
// pop-up (RunState::MenuLE).
#include "alarms/AlarmsState.h"
#include "link/SetPointFile.h"
#include "parameters/FadecParameters.h"
#include "platform/Dialogs.h"
#include "run/LogRun.h"
#include "run/RunState.h"
#include "shell/Log.h"
#include "shell/ParamLogicielVB.h"
#include "shell/Program.h"
#include "shell/RunShared.h"
#include "shell/ScheduleFlags.h"
#include "shell/ShellState.h"
#include "shell/State.h"

#include <algorithm>

namespace orv {

namespace {


constexpr plat::Color Orange = plat::colors::Orange;
constexpr plat::Color LightGreen = plat::rgb(192, 255, 192);
constexpr plat::Color Silver = plat::colors::Grey;
constexpr int SelectionFlashMs = 1000;
constexpr int16_t LowestSetPoint = 50;
constexpr int16_t LfcNormalSetPoint = 90;   // an LE with an LFC-2 sensor in normal mode
constexpr int SymCycleMs = 60000;

// Items offered by the pop-up (normal ... Stop All LE) for each run mode.
constexpr bool Offered[8][7] = {
    {true, true, true, true, true, true, true},         // no mode chosen
    {true, false, false, false, true, false, false},    // normal
    {false, true, false, false, true, false, false},    // symmetric
    {false, false, true, false, true, false, false},    // asymmetric
    {false, false, false, true, true, false, false},    // planning
    {true, true, true, true, true, true, true},         // stop
    {false, false, false, false, false, true, true},    // start all
    {true, true, true, true, true, true, true},         // stop all
};

int modeOf(const State& s, int le)
{
    for (int m = Normal; m <= StopAll; ++m)
        if (s.schedule->SelectionMode[le][m] == 1) return m;
    return NoMode;
}

} // namespace

void LogRun::Label26_MouseDown(int Index, int Button, int Shift, double X, double Y)
{
    Q_UNUSED(Shift);
    Q_UNUSED(X);
    Q_UNUSED(Y);
    if (Index < 0 || Index >= LeCount) return;
    State& s = p.s;

    // The label stays orange for one second (Timer64 puts the orange labels back).
    L.Label26[Index].setBackColor(Orange);
    L.Timer64.setInterval(SelectionFlashMs);
    L.Timer64.setEnabled(true);

    s.common->SelectedLE = Index + 1;
    s.schedule->Selbin = uint8_t(Index);
    const int n = s.common->SelectedLE;
    p.form<FadecParameters>()->ShowSelectedLE(n);
    L.Label66.setCaption(QStringLiteral("Selected LE = %1").arg(n));
    L.Label1.setCaption(QStringLiteral("LE%1").arg(n));

    // Set-points below 50 are raised to 50; an LE with an LFC-2 sensor
    // chosen in normal mode gets 90. A file that cannot be opened is left as
    // it is, and the slider with it.
    const QString path = setPointFilePath(s.common->BaseFolder);
    if (auto values = readSetPoints(p)) {
        const bool lfcNormal = L.ModeShown(Index) == QLatin1String("Normal")
                               && p.form<ParamLogicielVB>()->LFC2Sensor(Index);
        for (int i = 0; i < LeCount; ++i) {
            int16_t& v = (*values)[i];
            if (v < LowestSetPoint) v = LowestSetPoint;
            if (i == Index && lfcNormal) v = LfcNormalSetPoint;
            L.Label15[i].setCaption(QString::number(v * 10));
            s.runShared->ConsignePWIni[i] = v;
        }
        writeSetPointFile(p.rt.drive, path, *values);
        for (int i = 0; i < LeCount; ++i) L.Label15[i].setCaption(QString::number(s.runShared->ConsignePWIni[i] * 10));
    }

    s.shell->FlagCouleurLE.fill(1);

    FadecParameters& params = *p.form<FadecParameters>();
    for (int k = 32; k <= 63; ++k)
        params.setParamPC(k - 32, QStringLiteral("0"));

    // The slider takes the LE's set-point as the file now holds it; a value
    // beyond the slider's range shows as its nearest end.
    if (const auto values = readSetPoints(p))
        L.VScroll1.setValue(std::clamp<int>((*values)[Index], std::min(L.VScroll1.min(), L.VScroll1.max()),
                                            std::max(L.VScroll1.min(), L.VScroll1.max())));

    plat::Menu* items[7] = {&L.MListeNormal, &L.MListeSymetrique, &L.MListeAsymetrique, &L.MListePlanning,
                            &L.MListeStop, &L.MListeStartAllLE, &L.MListeStopAllLE};
    for (plat::Menu* item : items) item->setChecked(false);
    s.alarms->AlarmSHTPCReported = 0;
    for (int m = Normal; m <= StopAll; ++m) items[m - 1]->setChecked(s.schedule->SelectionMode[Index][m] == 1);
    const int mode = modeOf(s, Index);
    for (int m = Normal; m <= StopAll; ++m) items[m - 1]->setEnabled(Offered[mode][m - 1]);

    if (Button == plat::LeftButton) {
        // The chosen item runs inside popupMenu, for this LE; a pop-up opened
        // during a wait of an item nests and gives the outer LE back.
        struct MenuFor {
            int& held;
            int previous;
            MenuFor(int& h, int n) : held(h), previous(h) { held = n; }
            ~MenuFor() { held = previous; }
        } menuFor(s.run->MenuLE, n);
        L.popupMenu(L.mnuMListe);
    }
}

} // namespace orv
