// Start-up: the files of the parameters subsystem (coefficients, parameter
// copy).

#include "parameters/FadecParameters.h"
#include "parameters/ParamTable.h"
#include "parameters/ParametersStartup.h"
#include "parameters/ParametersState.h"
#include "platform/Drive.h"
#include "platform/VbText.h"
#include "shell/Log.h"
#include "shell/Program.h"
#include "shell/StartupFiles.h"
#include "shell/StartupFilesIo.h"

namespace orv {

namespace {

const QString CoefficientFile = QStringLiteral("Coefficients2.ini");

// Rows of one LE's column in Coefficients2.ini.
const QStringList CoefficientDefaults = {"1", "1", "1", "1", "1", "0", "0", "0", "0", "0", "4", "2", "0", "0", "0"};
constexpr int CoefficientRows = 15;

} // namespace

void startupCoefficients(Program& p)
{
    QStringList defaults;
    for (int le = 0; le < 8; ++le) defaults += CoefficientDefaults;
    if (!presentOrCreate(p, CoefficientFile, defaults)) return;
    const auto file = LineFile::read(p.rt.drive, inBase(p.s, CoefficientFile));
    if (!file) return;
    for (int le = 0; le < 8; ++le)
        for (int row = 0; row < CoefficientRows; ++row)
            if (const auto t = file->text(CoefficientRows * le + row + 1)) p.s.CoeffLE[row + 16 * le] = *t;
}

void startupParamCopy(Program& p)
{
    const QString path = paramCopyPath(p.s.BaseFolder);
    if (p.rt.drive.fileExists(path)) {
        const auto values = readParamCopy(p.rt.drive, path);
        if (!values) return;   // too short: the values in force stay
        FadecParameters& w = *p.form<FadecParameters>();
        for (int e = 0; e < ParamCount; ++e) w.setParamPC(e, (*values)[e]);
        return;
    }
    p.Log->TableParamDefaut();
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
