#pragma once
// The settings files of the three alarm windows, in BaseFolder: reading them
// into the windows' controls (at start-up, and the LFC window's own reload)
// and writing them from the controls (each window's Quit).
//
// A line that is missing or does not hold a number leaves its control as it
// is; a threshold or limit outside its slider's range takes the nearest end
// of the range.

#include <QString>

namespace orv {

class Program;
class Halogen;
class ControlLfcAlarm;
class SHTPC;

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
