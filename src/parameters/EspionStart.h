#pragma once
// The start-up debugger "  Debugger startup (Start LE)": while the selected
// LE starts, one line per step of its controller's start program, with what
// the controller does at that step (English or French) or, past step 15,
// the LE's light and temperature readings. The list can be printed, in
// documents of 76 lines each with its header, and emptied.

#include "platform/Controls.h"
#include "platform/Form.h"
#include "platform/ListBox.h"

#include <QString>
#include <cstdint>

namespace orv {

class Program;

class EspionStart : public plat::Form {
public:
    explicit EspionStart(Program& p);
    void Form_Load() override;

    plat::ControlArray<plat::OptionButton> Option1{*this, "Option1"};   // 0 "Anglais", 1 "Français"
    plat::ListBox List1{*this, "List1"};                                // the step list
    plat::CommandButton PrintList1{*this, "PrintList1"};                // "Print List"
    plat::CommandButton ViderLaListe{*this, "ViderLaListe"};            // "Empty list"
    // Follows the selected LE's step and adds its lines.
    plat::FormTimer Timer1{*this, "Timer1", 330, false};

    void Timer1_Timer();
    void PrintList1_Click();
    void ViderLaListe_Click();

    // The text of `step` into `text` (left untouched for a step without a
    // text, so the caller empties it first); advances EspionPass at a step 2.
    void DecodageTexteFrancais(uint8_t& step, QString& text, uint8_t& leNumber, uint8_t& stepOut, uint8_t& z1,
                               uint8_t& z2, uint8_t& z3);

    uint8_t FlagEspionStart = 0;   // 1 once an LE label of the main window showed green
    uint8_t EspionStep = 0;        // the step last processed
    QString StartStepText;         // the text of the step being decoded
    uint8_t EspionPass = 0;        // pass through steps 1 and 2: 0, 1 at the first step 2, then 2

    // Lines a printed document holds below its header.
    static constexpr int LinesPerPage = 76;
    // The list keeps at most this many lines; the oldest go first.
    static constexpr int ListCapacity = 32000;

private:
    bool english() const { return Option1[0].value(); }
    void addLine(const QString& line);
    // Prints the page header with the left margin `margin`.
    void PrintDebugPage(const QString& margin, bool englishTitle);
    // Entry e of the PC's working copy of the parameters as a whole number
    // (0 when it is not a number).
    int paramPC(int e) const;

    Program& p_;
    uint8_t z1_ = 0, z2_ = 0, z3_ = 0;   // start delays of the step being decoded
    bool printing_ = false;              // a printout runs: "Print List" stays off
};

} // namespace orv
