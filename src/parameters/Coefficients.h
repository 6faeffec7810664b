#pragma once
// The sensor coefficient window "  LE Data": one column of coefficients per
// LE (Text1 for LE-1 to Text8 for LE-8, element = row 0-14). It loads the
// table from "Coefficients2.ini" 50 ms after it loads and writes it back, into
// the file and into CoeffLE, when it closes; edits reach reception only then.

#include "platform/Controls.h"
#include "platform/Form.h"

namespace orv {

class Program;

class Coefficients : public plat::Form {
public:
    explicit Coefficients(Program& p);
    void Form_Load() override;
    void Form_Unload(int& cancel) override;

    plat::Label Label4{*this, "Label4"};   // "Data From LE"
    plat::Label Label5{*this, "Label5"};   // "FADEC Voltages"
    plat::ControlArray<plat::Label> Label6{*this, "Label6"};   // "LE-1".."LE-6" column headings
    plat::Label Label7{*this, "Label7"};   // "LE-7"
    plat::Label Label8{*this, "Label8"};   // "LE-8"
    plat::ControlArray<plat::Label> Label1{*this, "Label1"};   // row names
    plat::ControlArray<plat::Label> Label2{*this, "Label2"};   // row descriptions
    plat::ControlArray<plat::Label> Label3{*this, "Label3"};   // row units
    plat::ControlArray<plat::TextBox> Text1{*this, "Text1"}, Text2{*this, "Text2"}, Text3{*this, "Text3"},
        Text4{*this, "Text4"}, Text5{*this, "Text5"}, Text6{*this, "Text6"}, Text7{*this, "Text7"},
        Text8{*this, "Text8"};
    // Loads the table from the file once, 50 ms after the window loads.
    plat::FormTimer Timer1{*this, "Timer1", 50, true};
    // Closes the columns of the LEs activated among LE-1 to LE-6 up to the left.
    plat::FormTimer Timer2{*this, "Timer2", 200, true};

    void Timer1_Timer();
    void Timer2_Timer();

    // The cells of LE index le (Text1 for 0).
    plat::ControlArray<plat::TextBox>& column(int le);
    // The coefficient of row r of LE index le as the grid holds it.
    QString Coefficient(int row, int le) { return column(le)[row].text(); }

private:
    Program& p_;
    bool loaded_ = false;   // Timer1 has filled the grid
};

} // namespace orv
