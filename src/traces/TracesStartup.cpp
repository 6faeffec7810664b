// Start-up: the data logger's two settings files, only created (the logger's
// set-up window reads them).
#include "shell/Program.h"
#include "shell/StartupFiles.h"
#include "shell/TracesShared.h"
#include "traces/TracesStartup.h"
#include "traces/TracesState.h"

namespace orv {

namespace {
QStringList repeated(const QString& line, int count)
{
    QStringList lines;
    for (int i = 0; i < count; ++i) lines << line;
    return lines;
}
} // namespace

void startupLoggerNs(Program& p)
{
    presentOrCreate(p, QStringLiteral("NS.ini"), {"1.01", "0", "0", "1"});
}

void startupLoggerTypeFile(Program& p)
{
    // File type, sixteen channel flags, file name, eleven period flags.
    presentOrCreate(p, QStringLiteral("TypeFile.ini"),
                    repeated("0", 17) + QStringList{QStringLiteral(" ")} + repeated("0", 11));
}

void startupIoListHidden(Program& p) { p.s.tracesShared->FlagAffListeIO = 0; }

void startupScrollOff(Program& p) { p.s.traces->ScrollFlag = 0; }

} // namespace orv
