// Start-up: the files of run control and of the parameters subsystem
// (power set-points, QTH start, coefficients, parameter copy).

#include "parameters/FadecParameters.h"
#include "parameters/ParamTable.h"
#include "platform/Drive.h"
#include "platform/VbText.h"
#include "run/QthStartFile.h"
#include "run/SetPointFile.h"
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

void startupSetPointsFirst(Program& p)
{
    const QString path = setPointFilePath(p.s.BaseFolder);
    if (!p.rt.drive.fileExists(path)) {
        writeSetPointFile(p.rt.drive, path, defaultSetPoints());
        for (int i = 0; i < 8; ++i) p.s.ConsignePWIni[i] = DefaultSetPoint;
        return;
    }
    const auto values = readSetPointFile(p.rt.drive, path);
    if (!values) return;   // a bad file leaves the set-points in force
    for (int i = 0; i < 8; ++i) p.s.ConsignePWIni[i] = (*values)[i];
    p.Log->VScroll1.setValue((*values)[0]);   // refused outside the slider's range
}

void startupSetPointsSecond(Program& p)
{
    const QString path = setPointFilePath(p.s.BaseFolder);
    const auto values = readSetPointFile(p.rt.drive, path);
    if (!values) return;
    // The labels show each line's own value times 10, in the system's number format.
    const auto file = LineFile::read(p.rt.drive, path);
    for (int i = 0; i < 8; ++i) {
        p.s.ConsignePWIni[i] = (*values)[i];
        double real = (*values)[i];
        if (file)
            if (const auto t = file->text(i + 1))
                if (const auto v = plat::toDouble(*t)) real = *v;
        p.Log->Label15[i].setCaption(plat::vbCStr(real * 10));
    }
}

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

bool startupQthStart(Program& p)
{
    const QString path = qthStartFilePath(p.s.BaseFolder);
    if (p.rt.drive.fileExists(path)) return true;
    writeQthStartFile(p.rt.drive, path, false);
    return false;
}

void startupParamCopy(Program& p)
{
    const QString path = paramCopyPath(p.s.BaseFolder);
    if (p.rt.drive.fileExists(path)) {
        const auto values = readParamCopy(p.rt.drive, path);
        if (!values) return;   // too short: the values in force stay
        FadecParameters& w = *p.form<FadecParameters>();
        for (int e = 0; e < ParamCount; ++e) w.Label59[32 + e].setCaption((*values)[e]);
        return;
    }
    p.Log->TableParamDefaut();
    FadecParameters& w = *p.form<FadecParameters>();
    ParamValues values;
    for (int e = 0; e < ParamCount; ++e) values[e] = w.Label59[32 + e].caption();
    writeParamCopy(p.rt.drive, path, values);
}

} // namespace orv
