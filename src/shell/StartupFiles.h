#pragma once
// The file steps of start-up, one routine per settings file, in start-up
// order. Each tests the file in BaseFolder: a present file is read into the
// shared state or into the controls of the window that owns the setting; a
// missing one is created with its default lines.
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

// --- file steps
void startupSoftwareSettings(Program& p);   // Param4LogStart.ini
void startupSetPointsFirst(Program& p);     // ConsignePW2.ini into ConsignePWIni and the power slider
void startupWindowPosition(Program& p);     // AdressesFenetresStart.ini
void startupTodayImages(Program& p);        // today's strip images into SelectionStart
void startupLfc2Reference(Program& p);      // Level.LFC2b.ini
void startupLfc3Trigger(Program& p);        // Level.LFC3b.ini
void startupQthState(Program& p);           // StatusHalogen.ini
void startupPortFile(Program& p);           // ParamComx2.ini (only created)
void startupQthThreshold(Program& p);       // Consigne.ini
void startupLfcAlarm(Program& p);           // ConsSliderLCF.ini
void startupLoggerNs(Program& p);           // NS.ini (only created)
void startupLoggerTypeFile(Program& p);     // TypeFile.ini (only created)
void startupViewFile(Program& p);           // CocheSelect.ini
void startupCoefficients(Program& p);       // Coefficients2.ini
bool startupQthStart(Program& p);           // StartHalogen.ini; true when it was there
void startupHistory(Program& p);            // Histo.txt (only created)
void startupParamCopy(Program& p);          // ParamSt.ini
void startupPasswordFile(Program& p);       // C:\WINDOWS\system32\Name.inc (only created)
void startupShtThreshold(Program& p);       // SHTConsigne.ini
void startupShtState(Program& p);           // SHTPCStatusHal.ini
void startupSetPointsSecond(Program& p);    // ConsignePW2.ini into the power labels

// The start-mode password file, outside BaseFolder.
inline const QString PasswordFilePath = QStringLiteral("C:\\WINDOWS\\system32\\Name.inc");

// True when BaseFolder & "\" & name is present; otherwise creates it with
// `lines` (a failure to create is skipped) and returns false.
bool presentOrCreate(Program& p, const QString& name, const QStringList& lines);

} // namespace orv
