// Start-up: the files of run control (power set-points, QTH start).

#include "link/SetPointFile.h"
#include "platform/Drive.h"
#include "platform/LineFile.h"
#include "platform/VbText.h"
#include "run/QthStartFile.h"
#include "run/RunStartup.h"
#include "shell/LeStrips.h"
#include "shell/MainPanels.h"
#include "shell/Program.h"
#include "shell/RunShared.h"
#include "shell/StartupFiles.h"
#include "shell/State.h"

namespace orv {

void startupSetPointsFirst(Program& p)
{
    const QString path = setPointFilePath(p.s.common->BaseFolder);
    if (!p.rt.drive.fileExists(path)) {
        writeSetPointFile(p.rt.drive, path, defaultSetPoints());
        for (int i = 0; i < 8; ++i) p.s.runShared->ConsignePWIni[i] = DefaultSetPoint;
        return;
    }
    const auto values = readSetPoints(p);
    if (!values) return;   // a file that cannot be opened leaves the set-points in force
    for (int i = 0; i < 8; ++i) p.s.runShared->ConsignePWIni[i] = (*values)[i];
    mainPanels(p).VScroll1.setValue((*values)[0]);   // refused outside the slider's range
}

void startupSetPointsSecond(Program& p)
{
    const QString path = setPointFilePath(p.s.common->BaseFolder);
    const auto values = readSetPoints(p);
    if (!values) return;
    // The labels show each line's own value times 10, in the system's number
    // format; a line that fell back shows its default.
    const auto file = plat::LineFile::read(p.rt.drive, path);
    for (int i = 0; i < 8; ++i) {
        p.s.runShared->ConsignePWIni[i] = (*values)[i];
        double real = (*values)[i];
        if (file)
            if (const auto t = file->text(i + 1))
                if (const auto v = plat::toDouble(*t); v && plat::vbRound(*v) == (*values)[i]) real = *v;
        leStrips(p).Label15[i].setCaption(plat::vbCStr(real * 10));
    }
}

bool startupQthStart(Program& p)
{
    const QString path = qthStartFilePath(p.s.common->BaseFolder);
    if (p.rt.drive.fileExists(path)) return true;
    writeQthStartFile(p.rt.drive, path, false);
    return false;
}

} // namespace orv
