#pragma once
// The parameter table read from an LE as the settings reader lists it, shared
// by the single start and the start-all sequencer.

#include <QString>

namespace plat {
class ListBox;
}

namespace orv {

class Log;
struct RunInstance;

// Lists the table last read from the instance's LE in its settings-reader
// list, entry 31 first ("18   50"), turns the main window's event list red
// for the instance that does so, and keeps the trace levels (entries 24, 25,
// 27) and the SHT limit (entry 28). Returns the list: item k holds entry 31 - k.
plat::ListBox& listParamsRead(Log& log, const RunInstance& inst);

// The value of a list item: everything after its five-character prefix, 0-255.
int paramItemValue(const QString& item);

} // namespace orv
