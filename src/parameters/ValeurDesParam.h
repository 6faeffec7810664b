#pragma once
// The LE settings reader " Read LE Settings": one parameter list per LE
// (List1..List8), filled only by code, so they are empty after each load.
// Timer1 (1200 ms, off at load) refills them from ParamStamp.

#include "platform/Form.h"
#include "platform/ListBox.h"

namespace orv {

class Program;

class ValeurDesParam : public plat::Form {
public:
    explicit ValeurDesParam(Program& p);
    void Form_Load() override;

    plat::ListBox List1{*this, "List1"}, List2{*this, "List2"}, List3{*this, "List3"}, List4{*this, "List4"},
        List5{*this, "List5"}, List6{*this, "List6"}, List7{*this, "List7"}, List8{*this, "List8"};
    plat::FormTimer Timer1{*this, "Timer1", 1200, false};

    // The list of LE index `le` (List1 for 0).
    plat::ListBox& list(int le);

private:
    Program& p_;
};

} // namespace orv
