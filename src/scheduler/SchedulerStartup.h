#pragma once
// Start-up steps of the scheduler's files: each reads its file in BaseFolder,
// or creates it with its defaults when missing; a bad value is skipped and
// the one in force stays.

namespace orv {

class Program;

void startupWindowPosition(Program& p);   // AdressesFenetresStart.ini
void startupTodayImages(Program& p);      // today's strip images into SelectionStart
void startupLfc2Reference(Program& p);    // Level.LFC2b.ini
void startupLfc3Trigger(Program& p);      // Level.LFC3b.ini

} // namespace orv
