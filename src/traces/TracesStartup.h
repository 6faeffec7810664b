#pragma once
// Start-up steps of the trace area's and the data logger's files.

namespace orv {

class Program;

void startupLoggerNs(Program& p);         // NS.ini (only created)
void startupLoggerTypeFile(Program& p);   // TypeFile.ini (only created)
void startupIoListHidden(Program& p);     // the I/O list panel starts hidden
void startupScrollOff(Program& p);        // the "Scroll" toggle starts off

} // namespace orv
