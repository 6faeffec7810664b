#pragma once
// Every window the program can create, each with the call that loads it, in
// one list. Tests that walk every window (captions that must fit, menus as
// the system draws them) take it from here: a window class that joins the
// program takes its line in ProgramWindows.cpp.

#include "platform/Form.h"

#include <vector>

namespace orv {
class Program;
}

struct ProgramWindow {
    const char* name;                        // the system's window name
    plat::Form& (*load)(orv::Program& p);   // loads the program's instance (not shown)
};

const std::vector<ProgramWindow>& programWindows();

// Calls f(control) for every control of `form`, inside frames and picture
// boxes too.
void forEachControl(plat::Container& form, const std::function<void(plat::Control&)>& f);
