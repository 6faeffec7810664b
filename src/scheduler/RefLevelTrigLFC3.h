#pragma once
// The LFC-3 trigger-level window. So far it holds the text boxes that
// start-up fills from Level.LFC3b.ini: H1, H2 and the START/STOP test times.

#include "platform/Controls.h"
#include "platform/Form.h"

namespace orv {

class Program;

class RefLevelTrigLFC3 : public plat::Form {
public:
    explicit RefLevelTrigLFC3(Program& p);

    plat::TextBox Text1{*this, "Text1"};   // H1
    plat::TextBox Text2{*this, "Text2"};   // H2
    plat::TextBox Text3{*this, "Text3"};   // START test hours
    plat::TextBox Text4{*this, "Text4"};   // START test minutes
    plat::TextBox Text5{*this, "Text5"};   // STOP test hours
    plat::TextBox Text6{*this, "Text6"};   // STOP test minutes
    // Text1 .. Text6 by number 1-6.
    plat::TextBox& text(int n);

private:
    Program& p_;
};

} // namespace orv
