#pragma once
// The wear-counter window "       Hardware uptimes in hours": the S-Lamp,
// H-Lamp and magnetron counters of LE-1 to LE-6, a "Read" request per LE, and
// the counter resets behind their passwords (file SWord.inx).
//
// Requests go out as SubCommand / EnableCooling of the LE (sent with every
// command frame until reception clears EnableCooling on the LE's wear-counter
// frame, which writes the counter labels here).

#include "parameters/WearPasswords.h"
#include "platform/Controls.h"
#include "platform/Form.h"

namespace orv {

class Program;

class Usures : public plat::Form {
public:
    explicit Usures(Program& p);
    void Form_Load() override;

    // Counter columns of LE-1 to LE-6, twelve labels each: for counter k
    // (S-Lamp, H-Lamp, Magnetron) elements 4k..4k+2 show its three bytes as
    // bits and element 4k+3 its hours.
    plat::ControlArray<plat::Label> Label25{*this, "Label25"};   // LE-1
    plat::ControlArray<plat::Label> Label26{*this, "Label26"};   // LE-2
    plat::ControlArray<plat::Label> Label30{*this, "Label30"};   // LE-3
    plat::ControlArray<plat::Label> Label31{*this, "Label31"};   // LE-4
    plat::ControlArray<plat::Label> Label35{*this, "Label35"};   // LE-5
    plat::ControlArray<plat::Label> Label36{*this, "Label36"};   // LE-6
    // The counter column of LE index le (0-5).
    plat::ControlArray<plat::Label>& WearColumn(int le)
    {
        plat::ControlArray<plat::Label>* columns[6] = {&Label25, &Label26, &Label30, &Label31, &Label35, &Label36};
        return *columns[le < 0 ? 0 : le > 5 ? 5 : le];
    }
    plat::ControlArray<plat::Label> Label5{*this, "Label5"};     // column headers "LE-1".."LE-6"
    plat::ControlArray<plat::Label> Label1{*this, "Label1"};     // group captions "S_Lamp", "H_Lamp", "Magnetron"
    plat::ControlArray<plat::Label> Label2{*this, "Label2"};     // row captions "L", "M", "H", "Hours"
    plat::ControlArray<plat::CommandButton> ReadCDM{*this, "ReadCDM"};   // "Read", per LE

    // The reset section.
    plat::CheckBox Check1{*this, "Check1"};                        // "Activated"
    plat::ControlArray<plat::TextBox> Text1{*this, "Text1"};        // passwords, counter order
    plat::ControlArray<plat::CommandButton> Activation{*this, "Activation"};    // reset buttons
    plat::ControlArray<plat::CommandButton> BoutonErase{*this, "BoutonErase"};  // LE choice "LE-1".."LE-6"
    plat::Label Label3{*this, "Label3"};   // "Write"
    plat::Label Label4{*this, "Label4"};   // "Selection"
    plat::Label Label6{*this, "Label6"};   // "ERASE"
    plat::Line Line1{*this, "Line1"};      // rule above the reset section

    // Loads the passwords once, 50 ms after the window loads.
    plat::FormTimer Timer1{*this, "Timer1", 50, false};
    // Shows the columns of the activated LEs and checks the typed passwords.
    plat::FormTimer Timer5{*this, "Timer5", 200, false};
    // Ends the 2 s mark of a reset just sent.
    plat::FormTimer Timer8{*this, "Timer8", 2000, false};

    void ReadCDM_Click(int index);
    void BoutonErase_Click(int index);
    void Activation_Click(int index);
    void Timer1_Timer();
    void Timer5_Timer();
    void Timer8_Timer();

    // The counter labels of LE index le (0-5).
    plat::ControlArray<plat::Label>& column(int le);
    // The reset passwords as loaded, counter order.
    const WearPasswords& Passwords() const { return passwords_; }

    static constexpr plat::Color Accepted = plat::rgb(0x00, 0xFF, 0x00);     // password typed right
    static constexpr plat::Color Marked = plat::rgb(0xFF, 0xC0, 0x80);       // reset sent / LE chosen

private:
    void showResetSection(bool on);
    Program& p_;
    WearPasswords passwords_;
};

} // namespace orv
