// Power set-points: the slider and "Single LE" (ValeurPWPh5), the 300 ms
// control-state timer and the colour reset of "Set All LE". (Reception loads
// an LE's set-point from ConsignePW2.ini when it reaches phase 5.)
//
// A set-point file that cannot be read in full leaves the set-points, their
// labels and the file as they are: nothing is half-applied, and the file is
// rewritten only once its new content is known.
#include "run/SetPointFile.h"
#include "shell/Log.h"
#include "shell/ParamLogicielVB.h"
#include "shell/Program.h"

namespace orv {

namespace {

constexpr int PanelPhaseShown = 5;

} // namespace

bool Log::ValeurPWPh5()
{
    State& s = p_.s;
    const int n = s.SelectedLE;
    if (n < 1 || n > LeCount) return false;
    const QString path = setPointFilePath(s.BaseFolder);
    auto values = readSetPointFile(p_.rt.drive, path);
    if (!values) {
        warnSetPointFile(p_.rt.dialogs, QStringLiteral("read"));
        return false;
    }
    const int v = VScroll1.value();
    (*values)[n - 1] = int16_t(v);
    if (!writeSetPointFile(p_.rt.drive, path, *values)) {
        warnSetPointFile(p_.rt.dialogs, QStringLiteral("written"));
        return false;
    }
    for (int le = 0; le < LeCount; ++le) {
        s.ConsignePWIni[le] = (*values)[le];
        Label15[le].setCaption(QString::number(s.ConsignePWIni[le] * 10));
    }
    s.ConsignePW[n - 1] = uint8_t(v);
    return true;
}

void Log::VScroll1_Change()
{
    Label3.setCaption(QString::number(VScroll1.value() * 10));
    PWIndividuel.setBackColor(plat::ButtonFace);
}

void Log::VScroll1_Scroll() { VScroll1_Change(); }

void Log::Timer47_Timer()
{
    State& s = p_.s;
    const int n = s.SelectedLE;
    if (n >= 1 && n <= LeCount) {
        // The power panel follows the selected LE's "set-point loaded" flag.
        const bool loaded = s.FlagConsignePW(n - 1) != 0;
        VScroll1.setEnabled(loaded);
        PWIndividuel.setEnabled(loaded);
        CopiePWSlider.setEnabled(loaded);
        CommHalOperator.setVisible(loaded && p_.form<ParamLogicielVB>()->QTHFunctions());
        // Outside the start mode 0, the QTH button follows the selected LE's phase.
        if (s.StartMode != 0) {
            if (!p_.form<ParamLogicielVB>()->QTHFunctions()) {
                CommHalOperator.setVisible(false);
            } else {
                const uint8_t phase = s.PhaseLP[n - 1];
                if (phase == 0 || phase == 6) CommHalOperator.setVisible(false);
                else if (phase == PanelPhaseShown) CommHalOperator.setVisible(true);
            }
        }
    }
    // With every LE idle and no relay test, no relay stays requested.
    if (s.RelayTestActive != 0) return;
    for (int le = 0; le < LeCount; ++le)
        if (s.PhaseLP[le] != 0) return;
    for (int le = 0; le < LeCount; ++le) {
        s.RelayQTH[le] = 0;
        s.clearAlarmRelays(le);
    }
}

void Log::Timer55_Timer()
{
    CopiePWSlider.setBackColor(plat::colors::LightGrey);
    Timer55.setEnabled(false);
}

} // namespace orv
