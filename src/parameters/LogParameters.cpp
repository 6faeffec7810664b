// The parameter windows' part of the main window, and the main window's
// public parameter procedures.
//
// The transfer notice's two one-shot timers: a completed parameter transfer
// (a read-back or a write) enables Timer44; the notice shows 200 ms later
// and closes 2 s after that, which sets TransfertDone and so releases every
// start that waits on a parameter read.
#include "parameters/LogParameters.h"
#include "parameters/FadecParameters.h"
#include "parameters/OKTransfert.h"
#include "parameters/ParamTable.h"
#include "shell/Log.h"
#include "shell/Program.h"

namespace orv {

Owned<LogParameters> makeLogParameters(Log& log, Program& p) { return Owned<LogParameters>::make(log, p); }

LogParameters::LogParameters(Log& log, Program& prog) : L(log), p(prog)
{
    L.Timer44.onTimer = [this] { Timer44_Timer(); };
    L.Timer45.onTimer = [this] { Timer45_Timer(); };
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
    p.s.TransfertDone = 1;
    L.Timer45.setEnabled(false);
}

void Log::TitreListeParam()
{
    FadecParameters& w = *p_.form<FadecParameters>();
    for (int e = 0; e < ParamCount; ++e) w.Label61[e].setCaption(paramTitle(e));
}

void Log::TableParamDefaut()
{
    FadecParameters& w = *p_.form<FadecParameters>();
    for (int e = 0; e < ParamCount; ++e) w.setParamPC(e, paramDefault(e));
}

} // namespace orv
