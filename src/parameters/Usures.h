#pragma once
// The wear-counter window: the counters of LE-1 to LE-6 and their reset passwords.

#include "platform/Controls.h"
#include "platform/Form.h"
#include "platform/ListBox.h"
#include "platform/Menu.h"
#include "platform/PictureBox.h"
#include "platform/ScrollBar.h"

namespace orv {

class Program;

class Usures : public plat::Form {
public:
    explicit Usures(Program& p);

    // Counter columns of LE-1 to LE-6, twelve labels each: for counter k
    // (S-Lamp, H-Lamp, Magnetron) elements 4k..4k+2 show its three bytes as
    // bits and element 4k+3 its hours.
    plat::ControlArray<plat::Label> Label25{*this, "Label25"};   // LE-1
    plat::ControlArray<plat::Label> Label26{*this, "Label26"};   // LE-2
    plat::ControlArray<plat::Label> Label30{*this, "Label30"};   // LE-3
    plat::ControlArray<plat::Label> Label31{*this, "Label31"};   // LE-4
    plat::ControlArray<plat::Label> Label35{*this, "Label35"};   // LE-5
    plat::ControlArray<plat::Label> Label36{*this, "Label36"};   // LE-6

private:
    Program& p_;
};

} // namespace orv
