#pragma once
// The QTH lamp alarm window. It watches the four AD1 inputs of one LE
// (LE-1..LE-6) against one threshold while that LE runs with its QTH relay
// on, from its own 100 ms tick whether shown or hidden, for as long as it is
// loaded. Once armed (3 s into such a run) a channel below the threshold
// holds the alarm relays of LE-1..LE-6 and is reported once: event list,
// history, the main window's "QTH-Lamps" mark, the warning box and the
// stop-all sequence.

#include "platform/Controls.h"
#include "platform/Form.h"
#include "platform/Menu.h"
#include "platform/PictureBox.h"
#include "platform/ScrollBar.h"

namespace orv {

class Program;

class Halogen : public plat::Form {
public:
    explicit Halogen(Program& p);
    void Form_Load() override;
    // The window stays loaded until the program ends: only code unloads it.
    void Form_QueryUnload(int& cancel, int unloadMode) override;

    plat::Menu MnuFileHalogen;
    plat::Menu mnuIDCarteAddonLPx;   // "Light Engine Selection"
    plat::Menu mnuLP1Active, mnuLP2Active, mnuLP3Active, mnuLP4Active, mnuLP5Active, mnuLP6Active;
    plat::Menu mnuResetAlarm;        // "Reset Alarm"
    plat::Menu mnuQuitterHalogen;    // "Quit": saves, resets, hides
    // "LE1 active" .. "LE6 active" by LE index 0-5.
    plat::Menu& mnuLPActive(int le);

    plat::PictureBox Picture5{*this, "Picture5"};   // alarm indicator: shown while a channel is below the threshold
    plat::PictureBox Picture3{*this, "Picture3"};   // the reset plate
    plat::Label Label36{Picture3, "Label36"};       // "Alarm  (Reset)" on the plate
    plat::VScrollBar VScroll1{*this, "VScroll1"};   // threshold, 255 at the top, 1 at the bottom
    plat::Frame Frame1{*this, "Frame1"};            // "  Channel  (AD1-X) "
    plat::ControlArray<plat::CheckBox> Check1{*this, "Check1"};       // AD1 channel enables 0-3, in Frame1
    plat::ControlArray<plat::PictureBox> Picture1{*this, "Picture1"}; // channel columns 0-3
    plat::ControlArray<plat::Label> Label78{*this, "Label78"};        // 0-3 channel levels, 4 the threshold
    // "QTH-Lamp Activated" blinks while the main window's QTH alarm switch is on.
    plat::Label Label2{*this, "Label2"};

    plat::FormTimer Timer2{*this, "Timer2", 3000, false};   // one-shot: arms the alarm 3 s into a run with QTH on
    plat::FormTimer Timer3{*this, "Timer3", 100, true};     // the supervision tick
    plat::FormTimer Timer4{*this, "Timer4", 500, false};    // blink: shows Label2's text
    plat::FormTimer Timer5{*this, "Timer5", 500, false};    // blink: blanks it

    // Hides the indicator, empties the dialogue file and releases this
    // window's alarm relay requests of LE-1..LE-6. The report marks, the
    // main window's menu mark and a running stop-all stay as they are.
    void ResetAlarmHalogen();

    void mnuLPActive_Click(int le);
    void mnuResetAlarm_Click();
    void mnuQuitterHalogen_Click();
    void Picture3_Click();
    void Picture5_Click();
    void VScroll1_Change();
    void Timer2_Timer();
    void Timer3_Timer();
    void Timer4_Timer();
    void Timer5_Timer();

private:
    Program& p_;
};

} // namespace orv
