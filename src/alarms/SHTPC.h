#pragma once
// The SHT temperature alarm window. So far it holds what start-up loads into
// it from SHTConsigne.ini and SHTPCStatusHal.ini: the watched-LE and input
// menus and the threshold slider with its label.

#include "platform/Controls.h"
#include "platform/Form.h"
#include "platform/Menu.h"
#include "platform/ScrollBar.h"

namespace orv {

class Program;

class SHTPC : public plat::Form {
public:
    explicit SHTPC(Program& p);
    void Form_Load() override;

    plat::Menu mnuSHTFile;
    plat::Menu mnuSHTLESelection;   // "Light Engine Selection"
    plat::Menu mnuSHTLE1, mnuSHTLE2, mnuSHTLE3, mnuSHTLE4, mnuSHTLE5, mnuSHTLE6;
    plat::Menu mnuSHTInput;         // "Input Selection"
    plat::Menu mnuHolderThermo, mnuSHTChannel0, mnuSHTChannel1, mnuSHTChannel2, mnuSHTChannel3, mnuSHTUnselect;
    // "LE1 active" .. "LE6 active" by LE index 0-5.
    plat::Menu& mnuSHTLE(int le);

    plat::ControlArray<plat::VScrollBar> VScroll1{*this, "VScroll1"};   // 0: threshold, largest at the top
    plat::Label Label6{*this, "Label6"};                                 // the threshold

    void VScroll1_Change(int index);

    // "SHT (FADEC and PC) Activated " blinks while the main window's SHT alarm switch is on.
    plat::Label Label7{*this, "Label7"};
    plat::FormTimer Timer2{*this, "Timer2", 500, false};
    plat::FormTimer Timer3{*this, "Timer3", 500, false};
    void Timer2_Timer();
    void Timer3_Timer();

private:
    Program& p_;
};

} // namespace orv
