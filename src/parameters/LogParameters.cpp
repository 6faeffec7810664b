#include "parameters/FadecParameters.h"
#include "parameters/ParamTable.h"
#include "shell/Log.h"
#include "shell/Program.h"

namespace orv {

void Log::wireParameters()
{
    Timer44.onTimer = [this] { Timer44_Timer(); };
    Timer45.onTimer = [this] { Timer45_Timer(); };
}

void Log::TitreListeParam()
{
    FadecParameters& w = *p_.form<FadecParameters>();
    for (int e = 0; e < ParamCount; ++e) w.Label61[e].setCaption(paramTitle(e));
}

void Log::TableParamDefaut()
{
    FadecParameters& w = *p_.form<FadecParameters>();
    for (int e = 0; e < ParamCount; ++e) w.Label59[32 + e].setCaption(paramDefault(e));
}

} // namespace orv
