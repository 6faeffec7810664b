// The parameter windows' part of the main window, with the parameter
// procedures other windows call (TitreListeParam, TableParamDefaut).
//
// The Functions menu items open their windows without making them modal; the
// FADEC-parameters window only while the selected LE is idle.
//
// The transfer notice's two one-shot timers: a completed parameter transfer
// (a read-back or a write) enables Timer44; the notice shows 200 ms later
// and closes 2 s after that, which sets TransfertDone and tells run control,
// whose parameter read under way ends if its LE's read-back came before.
#include "parameters/LogParameters.h"
#include "link/LinkState.h"
#include "parameters/Coefficients.h"
#include "parameters/EspionStart.h"
#include "parameters/FadecParameters.h"
#include "parameters/OKTransfert.h"
#include "parameters/ParamTable.h"
#include "parameters/ParametersStartup.h"
#include "parameters/ParametersState.h"
#include "parameters/Saisie.h"
#include "parameters/TestsMateriel.h"
#include "parameters/Usures.h"
#include "parameters/ValeurDesParam.h"
#include "platform/Dialogs.h"
#include "platform/VbText.h"
#include "shell/LinkRequest.h"
#include "shell/LinkStatus.h"
#include "shell/Log.h"
#include "shell/ParametersShared.h"
#include "shell/Program.h"
#include "shell/State.h"

namespace orv {

namespace {
constexpr plat::Color ChosenLightGreen = plat::rgb(0x5B, 0xFF, 0x00);   // LE chosen in another window
constexpr plat::Color SpeedEntryLavender = plat::rgb(192, 192, 255);
} // namespace

Owned<LogParameters> makeLogParameters(Log& log, Program& p) { return Owned<LogParameters>::make(log, p); }

LogParameters::LogParameters(Log& log, Program& prog) : L(log), p(prog)
{
    L.Timer44.onTimer = [this] { Timer44_Timer(); };
    L.Timer45.onTimer = [this] { Timer45_Timer(); };
    L.mnuTestMateriel.onClick = [this] { mnuTestMateriel_Click(); };
    L.mnuEspion.onClick = [this] { mnuEspion_Click(); };
    L.mnuParameters.onClick = [this] { mnuParameters_Click(); };
    L.mnuVdesParam.onClick = [this] { mnuVdesParam_Click(); };
    L.mnuCoeff.onClick = [this] { mnuCoeff_Click(); };
    L.mnuArdwUptime.onClick = [this] { mnuArdwUptime_Click(); };
    L.Label9.onClick = [this] { Label9_Click(); };

    // What the link reads from and writes into the parameter windows.
    Program& program = p;
    ParamWindowsEntry& link = p.s.link->ParamWindows;
    link.ParamPC = [&program](int e) { return program.form<FadecParameters>()->ParamPC(e); };
    link.setParamPC = [&program](int e, const QString& v) { program.form<FadecParameters>()->setParamPC(e, v); };
    link.WearColumn = [&program](int le) -> plat::ControlArray<plat::Label>& {
        return program.form<Usures>()->WearColumn(le);
    };
    link.SpeedLabels = [&program] {
        TestsMateriel& tests = *program.form<TestsMateriel>();
        return std::array<plat::Label*, 3>{&tests.Label4, &tests.Label5, &tests.Label6};
    };

    link.PortsChanged = [&program] {
        if (TestsMateriel* tests = program.ifLoaded<TestsMateriel>()) tests->Timer1.resume();
    };

    // Start-up steps, and the parameter editing the warning box replaces.
    StartupEntries& su = L.startup;
    su.TitreListeParam = [this] { TitreListeParam(); };
    su.ClearSelectedLE = [&program] { program.form<FadecParameters>()->ShowSelectedLE(0); };
    su.Coefficients = [&program] { startupCoefficients(program); };
    su.ParamCopy = [&program] { startupParamCopy(program); };
    su.ParamBounds = [&program] { startupParamBounds(program); };
    L.CloseParamEditing = [&program] {
        program.form<Saisie>().unload();
        program.form<FadecParameters>()->hide();
    };
}

void LogParameters::Timer44_Timer()
{
    L.Timer45.setEnabled(true);
    // Waits here, with every timer and port still served, until Timer45
    // unloads the notice. Timer44 does not fire again meanwhile.
    p.form<OKTransfert>()->show(true);
    L.Timer44.setEnabled(false);
}

void LogParameters::Timer45_Timer()
{
    p.form<OKTransfert>().unload();
    p.s.paramShared->TransfertDone = 1;
    L.Timer45.setEnabled(false);
    if (L.ParamNoticeClosedEntry) L.ParamNoticeClosedEntry();
}

void LogParameters::mnuTestMateriel_Click()
{
    const int n = p.s.common->SelectedLE;
    if (n >= 1 && n <= LeCount && p.s.status->PhaseLP[n - 1] != 0) {
        p.rt.dialogs.msgBox(QStringLiteral("Tests can be done when phase (0)! "),
                            int(plat::mb::OKOnly) | int(plat::mb::Critical), QStringLiteral(" Warning!"));
        return;
    }
    p.form<TestsMateriel>()->show();
}

void LogParameters::mnuEspion_Click() { p.form<EspionStart>()->show(); }
void LogParameters::mnuParameters_Click()
{
    State& s = p.s;
    if (s.common->SelectedLE >= 1 && s.common->SelectedLE <= LeCount && s.status->PhaseLP[s.common->SelectedLE - 1] != 0) {
        p.rt.dialogs.msgBox(QStringLiteral("LE is not in phase 0 "), int(plat::mb::OKOnly) | int(plat::mb::Critical),
                            QStringLiteral(" Warning!"));
        return;
    }
    TitreListeParam();
    FadecParameters& w = *p.form<FadecParameters>();
    // An LE chosen in the hardware tests or the settings reader becomes the selected one.
    for (int i = 0; i < 6; ++i)
        if (L.Label26[i].backColor() == ChosenLightGreen) {
            s.common->SelectedLE = i + 1;
            w.Label64.setCaption(QStringLiteral("Selected LE : %1").arg(s.common->SelectedLE));
        }
    if (w.Label64.caption().isEmpty())
        for (int e = 0; e < ParamCount; ++e) w.setParamPC(e, QStringLiteral("0"));
    w.show();
}

void LogParameters::mnuVdesParam_Click()
{
    ValeurDesParam& w = *p.form<ValeurDesParam>();
    w.Timer1.setEnabled(true);
    w.show();
}

// Loading the window starts its 50 ms timer, which fills it from the file.
void LogParameters::mnuCoeff_Click() { p.form<Coefficients>()->show(); }

void LogParameters::mnuArdwUptime_Click() { p.form<Usures>()->show(); }

void LogParameters::TitreListeParam()
{
    FadecParameters& w = *p.form<FadecParameters>();
    for (int e = 0; e < ParamCount; ++e) w.Label61[e].setCaption(paramTitle(e));
}

void LogParameters::TableParamDefaut()
{
    FadecParameters& w = *p.form<FadecParameters>();
    for (int e = 0; e < ParamCount; ++e) w.setParamPC(e, paramDefault(e));
}


// Only an accepted speed becomes a request, and it goes to the LE that was
// selected when the entry opened, whatever is selected when it closes.
void LogParameters::Label9_Click()
{
    auto& s = p.s;
    const int le = s.common->SelectedLE - 1;
    auto& entry = p.form<Saisie>().get();
    entry.move(L.left() + 7200, L.top() + 2550 + 100, entry.width(), entry.height());
    entry.Label1.setCaption(QStringLiteral("By not 100"));
    const double param24 = plat::vbVal(p.form<FadecParameters>()->ParamPC(24));
    entry.Label2.setCaption(plat::vbCStr(100 * param24));
    entry.Label3.setCaption(QStringLiteral("1000"));
    entry.Label4.setCaption(QStringLiteral("4000"));
    entry.setBackColor(SpeedEntryLavender);
    s.parameters->SaisieMode = 1;
    bool accepted = false;
    entry.onAccepted = [&accepted] { accepted = true; };
    entry.show(true);
    if (accepted && le >= 0 && le < LeCount) s.request->Vmot[le] = uint8_t(s.paramShared->SpeedM / 30);
}

} // namespace orv
