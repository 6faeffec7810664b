#pragma once
// The settings files of the three alarm windows, in BaseFolder: reading them
// into the windows' controls (at start-up, and the LFC window's own reload)
// and writing them from the controls (each window's Quit).
//
// In the state files, a line that is missing or does not hold a number
// leaves its control as it is. In the threshold and limit files, a value
// that is missing, not a number or outside its control's range takes the
// value start-up writes when the file is missing (the history names the
// file once a run), so a bad file never leaves an alarm that cannot trip.

#include <QString>

namespace orv {

class Program;
class Halogen;
class ControlLfcAlarm;
class SHTPC;

// What start-up writes into a missing threshold or limit file.
constexpr int QthThresholdDefault = 220;              // Consigne.ini
constexpr int LfcLimitDefaults[2] = {130, 30};        // ConsSliderLCF.ini, lines 1 and 2
constexpr int LfcLines = 9;                           // the two limits, six LE boxes, the warning box
constexpr int ShtThresholdDefault = 40;               // SHTConsigne.ini

// StatusHalogen.ini: ticks of the six LE menus (and the watched LE), the
// four channel enables. False when the file cannot be read.
bool readQthState(Program& p, Halogen& w);
// Consigne.ini: the threshold, into the slider.
bool readQthThreshold(Program& p, Halogen& w);
// ConsSliderLCF.ini: the two limits, the six LE boxes and the warning box.
bool readLfcSettings(Program& p, ControlLfcAlarm& w);
// SHTConsigne.ini: the threshold, into the slider.
bool readShtThreshold(Program& p, SHTPC& w);
// SHTPCStatusHal.ini: the six LE menus and the six input menus.
bool readShtState(Program& p, SHTPC& w);

// Each replaces its file; false when it could not be written in full.
bool writeQthThreshold(Program& p, const Halogen& w);   // Consigne.ini, the bare number
bool writeQthState(Program& p, Halogen& w);             // StatusHalogen.ini, 18 lines
bool writeLfcSettings(Program& p, const ControlLfcAlarm& w);   // ConsSliderLCF.ini, 9 lines
bool writeShtThreshold(Program& p, const SHTPC& w);     // SHTConsigne.ini, the bare number
bool writeShtState(Program& p, SHTPC& w);               // SHTPCStatusHal.ini, 20 lines

} // namespace orv
