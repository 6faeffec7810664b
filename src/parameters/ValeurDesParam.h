#pragma once
// The LE settings reader " Read LE Settings": one parameter list per LE
// (List1..List8) with a "Read LEn" button under each (LireLP1..LireLP8) that
// asks that LE for its table. The lists are also where the start routines
// leave each LE's table as read before a start.

#include "platform/Controls.h"
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
    plat::CommandButton LireLP1{*this, "LireLP1"}, LireLP2{*this, "LireLP2"}, LireLP3{*this, "LireLP3"},
        LireLP4{*this, "LireLP4"}, LireLP5{*this, "LireLP5"}, LireLP6{*this, "LireLP6"}, LireLP7{*this, "LireLP7"},
        LireLP8{*this, "LireLP8"};
    // Refills the lists from ParamStamp; off at load, the menu enables it.
    plat::FormTimer Timer1{*this, "Timer1", 1200, false};
    // Shows the lists of the activated LEs side by side and enables their buttons.
    plat::FormTimer Timer3{*this, "Timer3", 300, false};

    // "Read LEn" of LE index le: one routine for the eight buttons.
    void LireLP_Click(int le);
    void Timer1_Timer();
    void Timer3_Timer();

    // Closes the reader, if open, with its refill timer stopped: its lists
    // are empty when it next opens.
    static void Close(Program& p);

    // The list of LE index `le` (List1 for 0) and its button.
    plat::ListBox& list(int le);
    plat::CommandButton& button(int le);

private:
    Program& p_;
};

} // namespace orv
