#pragma once
// Start-up steps of the alarm windows' files. Each reads its file in
// BaseFolder into the window's controls (loading it), or creates it with its
// defaults when missing; a bad value is skipped and the one in force stays.

namespace orv {

class Program;

void startupQthState(Program& p);       // StatusHalogen.ini
void startupQthThreshold(Program& p);   // Consigne.ini
void startupLfcAlarm(Program& p);       // ConsSliderLCF.ini
void startupShtThreshold(Program& p);   // SHTConsigne.ini
void startupShtState(Program& p);       // SHTPCStatusHal.ini
// No LE or input chosen yet in the QTH and SHT windows.
void startupAlarmChoices(Program& p);

} // namespace orv
