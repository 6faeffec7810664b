#pragma once
// Start-up step of the link's file.

namespace orv {

class Program;

void startupPortFile(Program& p);   // ParamComx2.ini (only created)

} // namespace orv
