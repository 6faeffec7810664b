#pragma once
// The data logger's set-up window "Datalogger", in four steps: the data
// file (type, separator, name through the file-name dialog InterCMD1), the
// channels, the period, and "Press to START", which saves the choices in
// TypeFile.ini and starts the writer (Log.Timer42). Every choice lives in the
// traces state, so the window can close while the logger runs, and a change
// made here reaches the writer at its next pass.

#include "platform/Controls.h"
#include "platform/Form.h"
#include "platform/ListBox.h"
#include "platform/PictureBox.h"

#include <array>
#include <memory>

namespace orv {

class Program;

class Datalogger : public plat::Form {
public:
    explicit Datalogger(Program& p);
    void Form_Load() override;

    // Step 1: the data file.
    plat::Label Label1{*this, "Label1"};   // "Step 1"
    plat::Frame Frame1{*this, "Frame1"};   // " File type "
    plat::ControlArray<plat::OptionButton> Option1{*this, "Option1"};
    plat::Frame Frame2{*this, "Frame2"};   // " Separator "
    plat::ControlArray<plat::OptionButton> Option2{*this, "Option2"};
    plat::CommandButton Command1{*this, "Command1"};   // "Create data logging file"
    plat::Label Label7{*this, "Label7"};               // the chosen data file
    // The existing-file panel, shown when the chosen file is already there.
    plat::PictureBox Picture1{*this, "Picture1"};
    plat::PictureBox Picture2{Picture1, "Picture2"};   // its icon
    plat::Label Label35{Picture1, "Label35"};          // " This file exists already"
    plat::ListBox List1{Picture1, "List1"};            // data files of the folder
    plat::CommandButton EAppend{Picture1, "EAppend"};  // "Append to file"
    plat::CommandButton EErase{Picture1, "EErase"};    // "Overwrite file"

    // Step 2: channels; check boxes 8-15 and their labels are hidden.
    plat::Label Label2{*this, "Label2"};   // "Step 2"
    plat::Label Label5{*this, "Label5"};   // "Sensor selection"
    plat::ControlArray<plat::CheckBox> Check1{*this, "Check1"};
    // The description of channel i is Label(11 + i) (Label11..Label26), the
    // unit of channel i < 8 is Label(27 + i) (Label27..Label34).
    plat::Label& channelText(int i) { return *channelText_[i]; }
    plat::Label& channelUnit(int i) { return *channelUnit_[i]; }

    // Step 3: the period buttons, 1-30 minutes and 1-5 hours.
    plat::Label Label3{*this, "Label3"};   // "Step 3"
    plat::Label Label6{*this, "Label6"};   // "Select time interval between measurements"
    plat::ControlArray<plat::CommandButton> Sel{*this, "Sel"};
    plat::Label Label8{*this, "Label8"};    // "Minute(s)"
    plat::Label Label10{*this, "Label10"};  // "Hours"
    plat::Label Label9{*this, "Label9"};    // the chosen period, "---" until one is chosen

    // Step 4.
    plat::Label Label4{*this, "Label4"};                   // "Step 4"
    plat::CommandButton Activation{*this, "Activation"};   // "Press to START"

    // One-shot load timer: restores the saved choices 50 ms after load.
    plat::FormTimer Timer1{*this, "Timer1", 50};
    // One-shot closing timer: unloads the window 1 s after a successful START.
    plat::FormTimer Timer12{*this, "Timer12", 1000};

    // Applies the period button LoggerPeriodIndex: its colour, Label9, the
    // period and the writer's countdown.
    void ActSelClic();
    // Gives every period button the button-face colour.
    void EffaceBouton();

    void Timer1_Timer();
    void Command1_Click();
    void EAppend_Click();
    void EErase_Click();
    void Check1_Click(int Index);
    void Option1_Click(int Index);
    void Option2_Click(int Index);
    void Sel_Click(int Index);
    void Activation_Click();
    void Timer12_Timer();

private:
    void layout();
    Program& p_;
    std::array<std::unique_ptr<plat::Label>, 16> channelText_;
    std::array<std::unique_ptr<plat::Label>, 8> channelUnit_;
};

} // namespace orv
