#pragma once
// The port configuration window: a port number and an "Activated" box per LE.
// Loading it reads the port file; OK refuses an activated LE without a port
// number 1 to 14, else writes the file, clears every LE's marker and applies
// the configuration to the ports (LogLink::ActivationCOM).
// Modeless and topmost; OK unloads it, so the next opening reads the file
// afresh.

#include "platform/Controls.h"
#include "platform/Form.h"

namespace orv {

class Program;

class ConfigurationRS232 : public plat::Form {
public:
    explicit ConfigurationRS232(Program& p);

    plat::Label Label8{*this, "Label8"};                         // "COMx"
    plat::Label Label9{*this, "Label9"};                         // "Selection"
    plat::CheckBox Check2{*this, "Check2"};                      // "All activated"
    plat::ControlArray<plat::TextBox> Text1{*this, "Text1"};     // port number of LE index i
    plat::ControlArray<plat::Label> Label1{*this, "Label1"};     // "LE-1" .. "LE-8"
    plat::ControlArray<plat::CheckBox> Check1{*this, "Check1"};  // "Activated", per LE index
    plat::CommandButton Command1{*this, "Command1"};             // "OK"
    plat::FormTimer Timer1{*this, "Timer1", 50, false};          // applies "All activated"
    plat::FormTimer Timer2{*this, "Timer2", 100, false};         // port-number check

    void Form_Load() override;
    void Timer1_Timer();
    void Timer2_Timer();
    void Check2_Click();
    void Text1_Change(int Index);
    void Command1_Click();

private:
    Program& p_;
};

} // namespace orv
