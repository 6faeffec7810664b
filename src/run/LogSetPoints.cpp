// Power set-points: the slider and "Single LE" (ValeurPWPh5), the 300 ms
// control-state timer and the colour reset of "Set All LE". (Reception loads
// an LE's set-point from ConsignePW2.ini when it reaches phase 5.)
//
// A set-point file that cannot be opened leaves the set-points, their labels
// and the file as they are: nothing is half-applied, and the file is
// rewritten only once its new content is known. A bad line reads as 50.
#include "link/SetPointFile.h"
#include "run/LogRun.h"
#include "shell/LinkRequest.h"
#include "shell/LinkStatus.h"
#include "shell/Log.h"
#include "shell/ParamLogicielVB.h"
#include "shell/ParametersShared.h"
#include "shell/Program.h"
#include "shell/RunShared.h"
#include "shell/State.h"

namespace orv {

namespace {

constexpr int PanelPhaseShown = 5;

} // namespace

bool LogRun::ValeurPWPh5()
{
    State& s = p.s;
    const int n = s.common->SelectedLE;
    if (n < 1 || n > LeCount) return false;
    const QString path = setPointFilePath(s.common->BaseFolder);
    auto values = readSetPoints(p);
    if (!values) {
        warnSetPointFile(p.rt.dialogs, QStringLiteral("read"));
        return false;
    }
    const int v = L.VScroll1.value();
    (*values)[n - 1] = int16_t(v);
    if (!writeSetPointFile(p.rt.drive, path, *values)) {
        warnSetPointFile(p.rt.dialogs, QStringLiteral("written"));
        return false;
    }
    for (int le = 0; le < LeCount; ++le) {
        s.runShared->ConsignePWIni[le] = (*values)[le];
        L.Label15[le].setCaption(QString::number(s.runShared->ConsignePWIni[le] * 10));
    }
    s.request->ConsignePW[n - 1] = uint8_t(v);
    return true;
}

void LogRun::VScroll1_Change()
{
    L.Label3.setCaption(QString::number(L.VScroll1.value() * 10));
    L.PWIndividuel.setBackColor(plat::ButtonFace);
}

void LogRun::VScroll1_Scroll() { VScroll1_Change(); }

void LogRun::Timer47_Timer()
{
    State& s = p.s;
    const int n = s.common->SelectedLE;
    if (n >= 1 && n <= LeCount) {
        // The power panel follows the selected LE's "set-point loaded" flag.
        const bool loaded = s.runShared->FlagConsignePW(n - 1) != 0;
        L.VScroll1.setEnabled(loaded);
        L.PWIndividuel.setEnabled(loaded);
        L.CopiePWSlider.setEnabled(loaded);
        L.CommHalOperator.setVisible(loaded && p.form<ParamLogicielVB>()->QTHFunctions());
        // Outside the start mode 0, the QTH button follows the selected LE's phase.
        if (s.common->StartMode != 0) {
            if (!p.form<ParamLogicielVB>()->QTHFunctions()) {
                L.CommHalOperator.setVisible(false);
            } else {
                const uint8_t phase = s.status->PhaseLP[n - 1];
                if (phase == 0 || phase == 6) L.CommHalOperator.setVisible(false);
                else if (phase == PanelPhaseShown) L.CommHalOperator.setVisible(true);
            }
        }
    }
    // With every LE idle and no relay test, no relay stays requested.
    if (s.paramShared->RelayTestActive != 0) return;
    for (int le = 0; le < LeCount; ++le)
        if (s.status->PhaseLP[le] != 0) return;
    for (int le = 0; le < LeCount; ++le) {
        s.request->RelayQTH[le] = 0;
        s.request->clearAlarmRelays(le);
    }
}

void LogRun::Timer55_Timer()
{
    L.CopiePWSlider.setBackColor(plat::colors::LightGrey);
    L.Timer55.setEnabled(false);
}


// "Set All LE": the slider's value becomes every LE's set-point, in the file
// first; when the file cannot be written nothing changes (a warning says
// so), so the file and what the LEs are sent never disagree.
void LogRun::CopiePWSlider_Click()
{
    auto& s = p.s;
    const int v = L.VScroll1.value();
    SetPoints values;
    values.fill(int16_t(v));
    if (!writeSetPointFile(p.rt.drive, setPointFilePath(s.common->BaseFolder), values)) {
        warnSetPointFile(p.rt.dialogs, QStringLiteral("written"));
        return;
    }
    for (int i = 0; i < LeCount; ++i) {
        s.runShared->ConsignePWIni[i] = int16_t(v);
        s.request->ConsignePW[i] = uint8_t(v);
        L.Label15[i].setCaption(QString::number(v * 10));
    }
    L.CopiePWSlider.setBackColor(plat::colors::Green);
    L.Timer55.setEnabled(true);
}

// "Single LE": the slider's value becomes the selected LE's set-point. The
// button turns green only once it did: after a failure it keeps its colour,
// as the set-points keep theirs.
void LogRun::PWIndividuel_Click()
{
    if (ValeurPWPh5()) L.PWIndividuel.setBackColor(plat::colors::Green);
}

// "PWR in": shows the file's set-points again. What the LEs are sent does not
// change. A file that cannot be opened leaves labels and values as they are.
void LogRun::Label17_Click()
{
    const auto values = readSetPoints(p);
    if (!values) {
        warnSetPointFile(p.rt.dialogs, QStringLiteral("read"));
        return;
    }
    for (int i = 0; i < LeCount; ++i) {
        L.Label15[i].setCaption(QString::number((*values)[i] * 10));
        p.s.runShared->ConsignePWIni[i] = (*values)[i];
    }
}

} // namespace orv
