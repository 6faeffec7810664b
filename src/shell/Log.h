#pragma once
// The main window. Its handlers live next to the subsystem they serve.

#include "platform/Controls.h"
#include "platform/Form.h"

namespace orv {

class Program;

class Log : public plat::Form {
public:
    explicit Log(Program& p);

    void Form_Load() override;

    // Start-up: runs once, 100 ms after load.
    plat::FormTimer Timer1{*this, "Timer1", 100, false};
    void Timer1_Timer();

private:
    Program& p_;
};

} // namespace orv
