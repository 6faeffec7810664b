#pragma once
// The value input window "  Input parameters": one number, either an LE
// parameter entry (SaisieMode 0, opened from the FADEC-parameters window) or
// the motor M speed in rpm (SaisieMode 1, opened from the main window's speed
// label). Shown modally; OK stores the number and closes, Cancel and the
// close box close without storing.

#include "platform/Controls.h"
#include "platform/Form.h"

#include <cstdint>
#include <functional>

namespace orv {

class Program;

class Saisie : public plat::Form {
public:
    explicit Saisie(Program& p);
    void Form_Load() override;

    plat::Label Label5{*this, "Label5"};   // "Line :"
    plat::Label Label6{*this, "Label6"};   // "Min :"
    plat::Label Label7{*this, "Label7"};   // "Value :"
    plat::Label Label8{*this, "Label8"};   // "Max :"
    plat::Label Label9{*this, "Label9"};   // "Enter Value :"
    plat::Label Label1{*this, "Label1"};   // the entry's title, or the speed hint
    plat::Label Label2{*this, "Label2"};   // the current value
    plat::Label Label3{*this, "Label3"};   // Min
    plat::Label Label4{*this, "Label4"};   // Max
    plat::TextBox Text1{*this, "Text1"};
    plat::CommandButton ValidationSaisie{*this, "ValidationSaisie"};   // "OK"
    plat::CommandButton AnnulerSaisie{*this, "AnnulerSaisie"};         // "Cancel"
    plat::FormTimer Timer17{*this, "Timer17", 100, false};

    void ValidationSaisie_Click();
    void AnnulerSaisie_Click();
    void Timer17_Timer();

    // Called when OK has stored a value, before the window closes; the
    // opener learns from it that the entry was accepted.
    std::function<void()> onAccepted;

private:
    void restoreTitleColours();
    Program& p_;
    uint8_t paramEdited_ = 0;   // the entry this window was loaded for
};

} // namespace orv
