#pragma once
// The hardware-test window, as far as it is built: the three speed read-outs
// of motor M and fans V1, V2 that the main window's status timer writes every
// 500 ms (so that timer keeps the window loaded, hidden). The test controls
// themselves are not here yet.

#include "platform/Controls.h"
#include "platform/Form.h"

namespace orv {

class Program;

class TestsMateriel : public plat::Form {
public:
    explicit TestsMateriel(Program& p);
    void Form_Load() override;

    plat::Label Label4{*this, "Label4"};   // motor M speed
    plat::Label Label5{*this, "Label5"};   // fan V1 speed
    plat::Label Label6{*this, "Label6"};   // fan V2 speed

    static constexpr plat::Color ReadoutGrey = plat::rgb(224, 224, 224);

private:
    Program& p_;
};

} // namespace orv
