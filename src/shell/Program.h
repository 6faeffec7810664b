#pragma once
// The program object: owns the shared state and the default instance of
// every window. Tests build a fresh one per test on their own run-time.

#include "platform/FormSlot.h"
#include "platform/Runtime.h"
#include "shell/State.h"

namespace orv {

class Log;

class Program {
public:
    explicit Program(plat::Runtime& rt);
    ~Program();
    Program(const Program&) = delete;
    Program& operator=(const Program&) = delete;

    plat::Runtime& rt;
    State s;

    // --- windows
    plat::FormSlot<orv::Log> Log;

    // Ends the program at once, from any depth: no further handler runs and
    // no further file is written.
    [[noreturn]] void End();
};

} // namespace orv
