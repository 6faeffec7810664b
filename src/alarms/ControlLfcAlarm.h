#pragma once
// The LFC level alarm window. Every 200 ms, shown or hidden, it holds the LFC
// level of each ticked LE (LE-1..LE-6) in phase 5 against a lower and an
// upper limit, keeps the result in AlarmLFCActive (which reception turns
// into the LFC alarm of the LE) and sets or clears its alarm relay request of
// the LE watched in the QTH window. It raises no message itself.

#include "platform/Controls.h"
#include "platform/Form.h"
#include "platform/Menu.h"
#include "platform/PictureBox.h"
#include "platform/ScrollBar.h"

namespace orv {

class Program;

class ControlLfcAlarm : public plat::Form {
public:
    explicit ControlLfcAlarm(Program& p);
    void Form_Load() override;
    // The window stays loaded until the program ends: only code unloads it.
    void Form_QueryUnload(int& cancel, int unloadMode) override;

    plat::Menu mnuFile;          // "File"
    plat::Menu mnuResetAlarm;    // "Reset Alarm"
    plat::Menu mnuQuitte;        // "Quit": saves and hides

    plat::PictureBox Picture5{*this, "Picture5"};                        // alarm icon
    plat::CheckBox Check2{*this, "Check2"};                              // "Warning Indicator Active ", hidden
    plat::ControlArray<plat::CheckBox> Check1{*this, "Check1"};         // LE-1..LE-6 watched
    plat::ControlArray<plat::PictureBox> Picture3{*this, "Picture3"};   // level bars of LE-1..LE-6
    plat::ControlArray<plat::VScrollBar> VScroll1{*this, "VScroll1"};   // 0 lower, 1 upper limit; 255 at the top
    plat::Frame Frame1{*this, "Frame1"};   // " LFC Read ", over the LE names
    plat::Frame Frame2{*this, "Frame2"};   // " Adjust Alarm  ", over "Min" and "Max"
    plat::ControlArray<plat::Label> Label3{*this, "Label3"};   // the limits' values
    plat::Label Label1{*this, "Label1"};   // "Alarm  (Reset)"
    plat::Label Label2{*this, "Label2"};   // "LE Active : " and the LE watched in the QTH window
    plat::Label Label4{Frame2, "Label4"}, Label5{Frame2, "Label5"};   // "Min", "Max"
    plat::Label Label6{Frame1, "Label6"}, Label7{Frame1, "Label7"}, Label8{Frame1, "Label8"},
        Label9{Frame1, "Label9"}, Label10{Frame1, "Label10"}, Label11{Frame1, "Label11"};   // "LE-1" .. "LE-6"
    plat::Label& leLabel(int le);
    // "LFC Activated" blinks while the main window's LFC alarm switch is on.
    plat::Label Label12{*this, "Label12"};

    plat::FormTimer Timer1{*this, "Timer1", 200, true};    // the test and the display
    plat::FormTimer Timer2{*this, "Timer2", 50, true};     // one-shot: reloads ConsSliderLCF.ini after load
    plat::FormTimer Timer3{*this, "Timer3", 2000, true};   // one-shot: hides the icon 2 s after load
    plat::FormTimer Timer4{*this, "Timer4", 300, true};    // shows the columns of the activated LEs
    plat::FormTimer Timer5{*this, "Timer5", 500, false};   // blink: shows Label12's text
    plat::FormTimer Timer6{*this, "Timer6", 500, false};   // blink: blanks it

    void VScroll1_Change(int index);
    void Check2_Click();
    void mnuResetAlarm_Click();
    void mnuQuitte_Click();
    void Picture5_Click();
    void Timer1_Timer();
    void Timer2_Timer();
    void Timer3_Timer();
    void Timer4_Timer();
    void Timer5_Timer();
    void Timer6_Timer();

private:
    Program& p_;
};

} // namespace orv
