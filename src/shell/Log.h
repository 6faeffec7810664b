#pragma once
// The main window. Its controls are declared in LogControls; its handlers
// are declared here, one section per subsystem, and defined in that
// subsystem's folder (src/<subsystem>/Log*.cpp).

#include "shell/LogControls.h"

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
};

} // namespace orv
