#pragma once
// The services the forms run-time offers the program: time, dialogs, the
// drive, serial ports and the printer. The program builds one with real
// services; tests build one with virtual time, scripted dialogs, a temporary
// drive and in-memory ports.

#include <QString>
#include <functional>

namespace plat {

class TimeSource;
class Dialogs;
class Drive;
class SerialFactory;
class Printer;

struct Runtime {
    TimeSource& time;
    Dialogs& dialogs;
    Drive& drive;
    SerialFactory& serial;
    Printer& printer;

    // Current time "hh:mm:ss" and short date "dd/mm/yyyy" from the time source.
    QString timeText() const;
    QString dateText() const;

    // Runs a control's event handler: counted as a handler for deferred
    // deletion, and never once the program has ended.
    void dispatch(const std::function<void()>& handler);
};

} // namespace plat
