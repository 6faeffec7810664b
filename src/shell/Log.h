#pragma once
// The main window. Its controls are declared in LogControls; its handlers
// are declared here, one section per subsystem, and defined in that
// subsystem's folder (src/<subsystem>/Log*.cpp).

#include "platform/CommPort.h"
#include "shell/LogControls.h"

#include <array>

namespace orv {

class Program;

class Log : public plat::Form, public LogControls {
public:
    explicit Log(Program& p);
    Program& prog() const { return p_; }

    void Form_Load() override;
    void Form_QueryUnload(int& cancel, int unloadMode) override;

    // ---------------------------------------------------------------- shell
    void wireShell();
    void Timer1_Timer();   // start-up

    // ----------------------------------------------------------------- link
    void wireLink();
    // The serial port of each LE (MSComm1 is LE-1's).
    plat::CommPort MSComm1, MSComm2, MSComm3, MSComm4, MSComm5, MSComm6, MSComm7, MSComm8;
    // The port of LE index 0-7.
    plat::CommPort& MSComm(int le) { return *ports_[le]; }

    // ------------------------------------------------------------------ run
    void wireRun();

    // --------------------------------------------------------------- traces
    void wireTraces();

    // ------------------------------------------------------------ scheduler
    void wireScheduler();

    // ----------------------------------------------------------- parameters
    void wireParameters();

    // --------------------------------------------------------------- alarms
    void wireAlarms();

private:
    Program& p_;
    std::array<plat::CommPort*, 8> ports_;
};

} // namespace orv
