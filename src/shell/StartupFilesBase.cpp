// Start-up: the base folder, the data folders, and the shell's own files.

#include "shell/ShellState.h"
#include "platform/Drive.h"
#include "shell/Log.h"
#include "shell/ParamLogicielVB.h"
#include "shell/Program.h"
#include "shell/SettingsStore.h"
#include "shell/StartupFiles.h"
#include "shell/SettingsReader.h"
#include "platform/LineFile.h"

#include "platform/VbText.h"
#include "shell/State.h"

namespace orv {

namespace {
const QString DriveRoot = QStringLiteral("C:\\");
} // namespace

QString findBaseFolder(const QString& curDir, const QStringList& rootEntries)
{
    QString candidate;
    for (const QString& e : rootEntries)
        if (curDir.startsWith(DriveRoot + e, Qt::CaseSensitive)) candidate = DriveRoot + e;
    return candidate;
}

void locateBaseFolder(Program& p)
{
    const plat::Drive& d = p.rt.drive;
    p.s.common->BaseFolder = findBaseFolder(d.curDir(), d.list(DriveRoot, plat::Drive::Kind::Both));
    p.s.shell->BaseFolderKnown = true;
}

void makeDataFolder(Program& p, const QString& name)
{
    const plat::Drive& d = p.rt.drive;
    // An empty BaseFolder names the drive's root.
    if (d.list(p.s.common->BaseFolder + QLatin1Char('\\'), plat::Drive::Kind::Both).contains(name, Qt::CaseSensitive)) return;
    d.mkDir(inBase(p.s, name));
}

QString imageDateText(const QString& shortDate)
{
    if (!shortDate.contains(QLatin1Char('/'))) return shortDate;
    return plat::mid(shortDate, 1, 2) + QLatin1Char('.') + plat::mid(shortDate, 4, 2) + QLatin1Char('.')
           + plat::mid(shortDate, 7, 4);
}

bool presentOrCreate(Program& p, const QString& name, const QStringList& lines)
{
    if (p.rt.drive.fileExists(inBase(p.s, name))) return true;
    plat::writeLines(p.rt.drive, inBase(p.s, name), lines);
    return false;
}

void startupSoftwareSettings(Program& p)
{
    Log& log = *p.Log;
    if (p.rt.drive.fileExists(inBase(p.s, SettingsFileName))) {
        log.LectureParamLogStart();
        return;
    }
    log.EcritureParamLogStart();
    // The settings window may have loaded before start-up, with nothing to
    // read: give it the defaults just written (SHT stop "Deactivated").
    log.LectureParamLogStart();
}

void startupViewFile(Program& p)
{
    if (!presentOrCreate(p, ViewFileName, {"1"})) return;
    // A value the check box cannot hold leaves the view of the settings file,
    // as a missing view file does.
    SettingsReader file(p, ViewFileName);
    if (const auto v = file.whole(1, 0, 2)) p.form<ParamLogicielVB>()->Check2.setValue(*v);
}

void startupHistory(Program& p) { presentOrCreate(p, QStringLiteral("Histo.txt"), {}); }

void startupPasswordFile(Program& p)
{
    const plat::Drive& d = p.rt.drive;
    if (d.fileExists(PasswordFilePath)) return;
    d.mkPath(QStringLiteral("C:\\WINDOWS\\system32"));
    plat::writeLines(d, PasswordFilePath, {plat::quoted("mintleaf"), plat::quoted("tangelo")});
}

bool baseFolderKnown(const State& s) { return !s.common->BaseFolder.isEmpty() || s.shell->BaseFolderKnown; }

} // namespace orv
