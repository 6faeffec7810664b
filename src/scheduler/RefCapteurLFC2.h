#pragma once
// The LFC-2 reference window "    Capteur LFC-2  (CAL)": edits the CAL value
// of one LE (IndiceLFC) and keeps Level.LFC2b.ini, the CAL texts and values
// of all eight LEs. Opened, not modal, from a press on an LE's LFC-2 value
// label; unloaded by either button.

#include "platform/Controls.h"
#include "platform/Form.h"

#include <optional>

namespace orv {

class Program;

class RefCapteurLFC2 : public plat::Form {
public:
    explicit RefCapteurLFC2(Program& p);
    void Form_Load() override;

    plat::Label Label1{*this, "Label1"};   // "Select LE-"
    plat::Label Label2{*this, "Label2"};   // the LE number
    plat::Label Label3{*this, "Label3"};   // "Value CAL :"
    plat::TextBox Text1{*this, "Text1"};   // the CAL text being edited
    plat::CommandButton Valide{*this, "Valide"};       // "Valide ": store and close
    plat::CommandButton Command1{*this, "Command1"};   // "Cancel"
    // Set-up (20 ms, one-shot): places the window by the clicked label, shows
    // the LE's CAL text and rereads the file. Enabled at load, and again by
    // the main window when another LE's label re-targets the open window.
    plat::FormTimer Timer1{*this, "Timer1", 20};

    void Timer1_Timer();
    void Valide_Click();
    void Command1_Click();

    // What a CAL entry stores: "---" (value 0) or a whole number 0-255,
    // blanks around it trimmed; nullopt for anything else.
    struct CalEntry {
        QString text;
        uint8_t value;
    };
    static std::optional<CalEntry> parseCal(const QString& typed);

private:
    Program& p_;
};

// Level.LFC2b.ini in BaseFolder: lines 1-8 the CAL texts, lines 9-16 the CAL
// values of LE-1 to LE-8. Reading keeps the value in force for a missing or
// bad line; writing writes all sixteen lines from the state.
void readLfc2File(Program& p);
bool writeLfc2File(Program& p);

} // namespace orv
