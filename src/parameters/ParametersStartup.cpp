// Start-up: the files of the parameters subsystem (coefficients, parameter
// copy).

#include "parameters/CoefficientFile.h"
#include "parameters/FadecParameters.h"
#include "parameters/LogParameters.h"
#include "parameters/ParamTable.h"
#include "parameters/ParametersStartup.h"
#include "parameters/ParametersState.h"
#include "platform/Drive.h"
#include "platform/LineFile.h"
#include "platform/VbText.h"
#include "shell/Log.h"
#include "shell/ParametersShared.h"
#include "shell/Program.h"
#include "shell/StartupFiles.h"
#include "shell/State.h"

namespace orv {

// A missing file is created with the defaults, which CoeffLE takes too, so
// that reception converts its sensor values from the first frame on. An
// existing file is read line by line; a line it lacks leaves that
// coefficient as it was.
void startupCoefficients(Program& p)
{
    const QString path = coefficientFilePath(p.s.common->BaseFolder);
    if (!p.rt.drive.fileExists(path)) {
        const QStringList defaults = coefficientDefaults();
        writeCoefficientFile(p.rt.drive, path, defaults);
        for (int le = 0; le < LeCount; ++le)
            for (int row = 0; row < CoeffRows; ++row) p.s.paramShared->CoeffLE[coeffIndex(row, le)] = defaults[coeffLine(row, le) - 1];
        return;
    }
    const auto values = readCoefficientFile(p.rt.drive, path);
    if (!values) return;
    for (int le = 0; le < LeCount; ++le)
        for (int row = 0; row < CoeffRows; ++row)
            if (coeffLine(row, le) <= values->size()) p.s.paramShared->CoeffLE[coeffIndex(row, le)] = (*values)[coeffLine(row, le) - 1];
}

void startupParamCopy(Program& p)
{
    const QString path = paramCopyPath(p.s.common->BaseFolder);
    if (p.rt.drive.fileExists(path)) {
        p.form<FadecParameters>()->ReadParamCopy();
        return;
    }
    p.Log->parameters->TableParamDefaut();
    FadecParameters& w = *p.form<FadecParameters>();
    ParamValues values;
    for (int e = 0; e < ParamCount; ++e) values[e] = w.ParamPC(e);
    writeParamCopy(p.rt.drive, path, values);
}

void startupParamBounds(Program& p)
{
    fillParamBounds(p.s.parameters->ParamMin, p.s.parameters->ParamMax);
}

} // namespace orv
