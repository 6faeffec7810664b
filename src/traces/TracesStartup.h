#pragma once
// Start-up steps of the trace area's and the data logger's files.

namespace orv {

class Program;

void startupLoggerNs(Program& p);         // NS.ini (only created)
void startupLoggerTypeFile(Program& p);   // TypeFile.ini (only created)

} // namespace orv
