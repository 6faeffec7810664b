#pragma once
// The file-name dialog " Create file..." of the data logger's file step:
// the data logger folder, the name typed (or picked from the list of the
// folder's data files) and the type. Modal; "Write" leaves the full name in
// LoggerDialogPath, "Cancel" leaves it empty, closing by the frame leaves it
// as it was.

#include "platform/Controls.h"
#include "platform/Form.h"
#include "platform/ListBox.h"

namespace orv {

class Program;

class InterCMD1 : public plat::Form {
public:
    explicit InterCMD1(Program& p);
    void Form_Load() override;

    plat::Label Label1{*this, "Label1"};   // "Save :"
    plat::Label Label2{*this, "Label2"};   // the data logger folder
    plat::Label Label3{*this, "Label3"};   // "Filename :"
    plat::TextBox Text1{*this, "Text1"};   // the name, " " at first
    plat::Label Label5{*this, "Label5"};   // "Type :"
    plat::Label Label6{*this, "Label6"};   // "*.txt" or "*.csv"
    plat::ListBox List1{*this, "List1"};   // the data files found, then an empty entry
    plat::CommandButton Enregistrer{*this, "Enregistrer"};   // "Write"
    plat::CommandButton Annuler{*this, "Annuler"};           // "Cancel"
    // One-shot focus timer: puts the focus into the name 100 ms after load.
    plat::FormTimer Timer1{*this, "Timer1", 100};

    void Enregistrer_Click();
    void Annuler_Click();
    void List1_Click();
    void Timer1_Timer();

private:
    Program& p_;
};

} // namespace orv
