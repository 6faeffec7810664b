#pragma once
// The shell's file steps of start-up and the helpers every subsystem's
// steps share. Each subsystem declares its own steps in
// src/<subsystem>/<Name>Startup.h; LogStartup calls them in order. Each step
// tests its file in BaseFolder: a present file is read into the shared state
// or into the controls of the window that owns the setting; a missing one is
// created with its default lines.
//
// A file that cannot be read, ends early or holds a value that does not
// convert or does not fit its control never ends start-up: that value is
// skipped and the value in force stays. Nothing is shifted, since every
// file is read line by line.

#include <QString>
#include <QStringList>

namespace orv {

class Program;

// --- folders (StartupFilesBase.cpp)
// "C:\" & E for the last root entry E whose "C:\" & E begins the current
// directory text (case-sensitive, no separator needed after E); empty when
// none does.
QString findBaseFolder(const QString& curDir, const QStringList& rootEntries);
// Sets BaseFolder from the drive's root listing and marks it known.
void locateBaseFolder(Program& p);
// Creates BaseFolder & "\" & name unless the folder lists an entry of
// exactly that name.
void makeDataFolder(Program& p, const QString& name);
// "dd.mm.yyyy" from a short date text "dd/mm/yyyy"; other texts unchanged.
QString imageDateText(const QString& shortDate);

// --- the shell's file steps
void startupSoftwareSettings(Program& p);   // Param4LogStart.ini
void startupViewFile(Program& p);           // CocheSelect.ini
void startupHistory(Program& p);            // Histo.txt (only created)
void startupPasswordFile(Program& p);       // C:\WINDOWS\system32\Name.inc (only created)

// The start-mode password file, outside BaseFolder.
inline const QString PasswordFilePath = QStringLiteral("C:\\WINDOWS\\system32\\Name.inc");

// True when BaseFolder & "\" & name is present; otherwise creates it with
// `lines` (a failure to create is skipped) and returns false.
bool presentOrCreate(Program& p, const QString& name, const QStringList& lines);

} // namespace orv
