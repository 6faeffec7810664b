#pragma once
// The files behind the software-settings window: Param4LogStart.ini (52
// lines, one control per line) and the view file CocheSelect.ini (Check2).
// Log::LectureParamLogStart / Log::EcritureParamLogStart are defined with
// these routines in SettingsStore.cpp.

#include <QString>
#include <QStringList>

namespace plat {
class LineFile;
}

namespace orv {

class ParamLogicielVB;
class Program;

constexpr int SettingsLineCount = 52;
inline const QString SettingsFileName = QStringLiteral("Param4LogStart.ini");
inline const QString ViewFileName = QStringLiteral("CocheSelect.ini");

// The 52 lines EcritureParamLogStart writes: all LEs deactivated, no SHT
// stop, no login, customer "Marquelin" in white on black.
QStringList defaultSettingsLines();

// The 52 lines of the window's current controls.
QStringList settingsLines(const ParamLogicielVB& w);

// Sets the controls from the file's lines, in line order, which runs the
// click handler of each control whose value changes. A missing line, a
// value that is not a whole number 0-255 or that the control refuses leaves
// that control as it is; the customer name is line 34 taken whole.
void applySettings(ParamLogicielVB& w, const plat::LineFile& file);

// Writes Param4LogStart.ini from the controls; false when it could not be written.
bool writeSettingsFile(Program& p, const ParamLogicielVB& w);
// Writes CocheSelect.ini with Check2 as a printed number (" 0 " / " 1 ");
// a failure is skipped.
void writeViewFile(Program& p, int check2);

} // namespace orv
