#pragma once
// The QTH lamp alarm window. So far it holds what start-up loads into it
// from StatusHalogen.ini and Consigne.ini: the watched-LE menus, the four
// channel enables and the threshold slider with its label.

#include "platform/Controls.h"
#include "platform/Form.h"
#include "platform/Menu.h"
#include "platform/ScrollBar.h"

namespace orv {

class Program;

class Halogen : public plat::Form {
public:
    explicit Halogen(Program& p);
    void Form_Load() override;

    plat::Menu MnuFileHalogen;
    plat::Menu mnuIDCarteAddonLPx;   // "Light Engine Selection"
    plat::Menu mnuLP1Active, mnuLP2Active, mnuLP3Active, mnuLP4Active, mnuLP5Active, mnuLP6Active;
    // "LE1 active" .. "LE6 active" by LE index 0-5.
    plat::Menu& mnuLPActive(int le);

    plat::ControlArray<plat::CheckBox> Check1{*this, "Check1"};   // AD1 channel enables 0-3
    plat::ControlArray<plat::Label> Label78{*this, "Label78"};    // 0-3 channel levels, 4 the threshold
    plat::VScrollBar VScroll1{*this, "VScroll1"};                 // threshold, 255 at the top, 1 at the bottom

    void VScroll1_Change();

    // "QTH-Lamp Activated" blinks while the main window's QTH alarm switch is on.
    plat::Label Label2{*this, "Label2"};
    plat::FormTimer Timer4{*this, "Timer4", 500, false};
    plat::FormTimer Timer5{*this, "Timer5", 500, false};
    void Timer4_Timer();
    void Timer5_Timer();

private:
    Program& p_;
};

} // namespace orv
