#pragma once
// Start-up steps of the parameters subsystem's files.

namespace orv {

class Program;

void startupCoefficients(Program& p);   // Coefficients2.ini
void startupParamCopy(Program& p);      // ParamSt.ini (or the defaults, which it then writes)
void startupParamBounds(Program& p);    // ParamMin / ParamMax of every entry

} // namespace orv
