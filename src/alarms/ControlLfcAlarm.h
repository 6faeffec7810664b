#pragma once
// The LFC level alarm window. So far it holds what start-up loads into it
// from ConsSliderLCF.ini: the two limit sliders with their value labels, the
// six LE enables and the warning flag.

#include "platform/Controls.h"
#include "platform/Form.h"
#include "platform/ScrollBar.h"

namespace orv {

class Program;

class ControlLfcAlarm : public plat::Form {
public:
    explicit ControlLfcAlarm(Program& p);
    void Form_Load() override;

    plat::ControlArray<plat::VScrollBar> VScroll1{*this, "VScroll1"};   // 0 lower, 1 upper limit; 255 at the top
    plat::ControlArray<plat::Label> Label3{*this, "Label3"};            // their values
    plat::ControlArray<plat::CheckBox> Check1{*this, "Check1"};         // LE-1..LE-6 watched
    plat::CheckBox Check2{*this, "Check2"};                              // "Warning Indicator Active "

    void VScroll1_Change(int index);
    void Check2_Click();

    // "LFC Activated" blinks while the main window's LFC alarm switch is on.
    plat::Label Label12{*this, "Label12"};
    plat::FormTimer Timer5{*this, "Timer5", 500, false};
    plat::FormTimer Timer6{*this, "Timer6", 500, false};
    void Timer5_Timer();
    void Timer6_Timer();

private:
    Program& p_;
};

} // namespace orv
