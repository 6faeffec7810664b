#pragma once
// The SHT temperature alarm window: the PC's own watch on one input (an AD1
// channel or the holder thermometer) of one LE (LE-1..LE-6). Every 100 ms,
// shown or hidden, it draws the reading beside its threshold and tests it:
// above the threshold it shows its icon, holds the alarm relays of LE-1..LE-6
// while the LE runs and reports once until reset (event list, history, the
// main window's "SHT (FADEC and PC)" mark, the warning box, the stop-all).

#include "platform/Controls.h"
#include "platform/Form.h"
#include "platform/Menu.h"
#include "platform/PictureBox.h"
#include "platform/ScrollBar.h"

namespace orv {

class Program;

class SHTPC : public plat::Form {
public:
    explicit SHTPC(Program& p);
    void Form_Load() override;
    // The window stays loaded until the program ends: only code unloads it.
    void Form_QueryUnload(int& cancel, int unloadMode) override;

    plat::Menu mnuSHTFile;
    plat::Menu mnuSHTLESelection;   // "Light Engine Selection"
    plat::Menu mnuSHTLE1, mnuSHTLE2, mnuSHTLE3, mnuSHTLE4, mnuSHTLE5, mnuSHTLE6;
    plat::Menu mnuSHTInput;         // "Input Selection"
    plat::Menu mnuHolderThermo, mnuSHTChannel0, mnuSHTChannel1, mnuSHTChannel2, mnuSHTChannel3, mnuSHTUnselect;
    plat::Menu mnuSep1;
    plat::Menu mnuSHTRAlarm;        // "Reset Alarm"
    plat::Menu mnuSep2;
    plat::Menu mnuSHTQuit;          // "Quit": saves and hides
    // "LE1 active" .. "LE6 active" by LE index 0-5.
    plat::Menu& mnuSHTLE(int le);
    // The input menus in the order of the state file: 0 "Unselect",
    // 1-4 "Channel 0 (AD1)" .. "Channel 3 (AD1)", 5 "SHT".
    plat::Menu& inputMenu(int j);

    plat::PictureBox Picture5{*this, "Picture5"};   // alarm icon
    plat::PictureBox Picture1{*this, "Picture1"};   // "[FADEC SHT Alarm]" label of the LE's own limit line
    plat::ControlArray<plat::PictureBox> Picture3{*this, "Picture3"};   // 0: bar of the reading
    plat::ControlArray<plat::VScrollBar> VScroll1{*this, "VScroll1"};   // 0: threshold, largest at the top
    plat::Label Label1{*this, "Label1"};   // "Alarm  (Reset)": a click hides the icon
    plat::Label Label2{*this, "Label2"};   // name of the watched input
    plat::Label Label3{*this, "Label3"};   // "Source"
    plat::Label Label4{*this, "Label4"};   // "Reference level"
    plat::Label Label5{*this, "Label5"};   // the reading
    plat::Label Label6{*this, "Label6"};   // the threshold
    // "SHT (FADEC and PC) Activated " blinks while the main window's SHT alarm switch is on.
    plat::Label Label7{*this, "Label7"};

    plat::FormTimer Timer1{*this, "Timer1", 100, true};    // the display and the test
    plat::FormTimer Timer2{*this, "Timer2", 500, false};   // blink: shows Label7's text
    plat::FormTimer Timer3{*this, "Timer3", 500, false};   // blink: blanks it

    void mnuSHTLE_Click(int le);
    void inputMenu_Click(int j);
    void mnuSHTRAlarm_Click();
    void mnuSHTQuit_Click();
    void Picture5_Click();
    void Label1_Click();
    void VScroll1_Change(int index);
    void Timer1_Timer();
    void Timer2_Timer();
    void Timer3_Timer();

private:
    void draw(bool unselected);
    void test();
    Program& p_;
};

} // namespace orv
