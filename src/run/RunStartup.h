#pragma once
// Start-up steps of run control's files.

namespace orv {

class Program;

void startupSetPointsFirst(Program& p);    // ConsignePW2.ini into ConsignePWIni and the power slider
bool startupQthStart(Program& p);          // StartHalogen.ini; true when it was there
void startupSetPointsSecond(Program& p);   // ConsignePW2.ini into the power labels

} // namespace orv
