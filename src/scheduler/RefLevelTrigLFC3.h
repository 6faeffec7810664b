#pragma once
// The LFC-3 trigger-level window "  Capteur (LFC3)  [Intégration R*C]": the
// trigger levels H1 (before noon) and H2 (from noon) of LE-1's
// light-triggered mode, the START/STOP test times from which the strip
// editor draws LE-1's default window, and - when widened - the steps of the
// light computation that the scheduler tick shows every second. It keeps
// Level.LFC3b.ini. Once loaded it stays loaded: both buttons only hide it.

#include "platform/Controls.h"
#include "platform/Form.h"
#include "platform/PictureBox.h"

namespace orv {

class Program;

class RefLevelTrigLFC3 : public plat::Form {
public:
    explicit RefLevelTrigLFC3(Program& p);
    void Form_Load() override;

    static constexpr int NarrowWidth = 3315;
    static constexpr int WideWidth = 6195;   // the computation panel shows

    plat::Label Label1{*this, "Label1"};   // "Select ...........  LE-"
    plat::Label Label2{*this, "Label2"};   // the LE number
    plat::Label Label3{*this, "Label3"};   // "Value LFC3 ..."
    plat::Label Label4{*this, "Label4"};   // that LE's LFC-3 value at opening

    plat::Frame Frame1{*this, "Frame1"};   // "Value H1"
    plat::TextBox Text1{Frame1, "Text1"};  // H1
    plat::Label Label31{Frame1, "Label31"};   // "< 12 h"
    plat::Label Label30{Frame1, "Label30"};   // "(H1 < 130)"
    plat::Label Label33{Frame1, "Label33"};   // H1 trigger state ("OFF" / "ON")
    plat::Frame Frame2{*this, "Frame2"};   // "Value H2"
    plat::TextBox Text2{Frame2, "Text2"};  // H2
    plat::Label Label28{Frame2, "Label28"};   // "> 12 h"
    plat::Label Label6{Frame2, "Label6"};     // "(H2 < 130)"
    plat::Label Label34{Frame2, "Label34"};   // H2 trigger state

    plat::Label Label29{*this, "Label29"};   // "(START/STOP LE)"
    plat::Label Label5{*this, "Label5"};     // "START test :"
    plat::TextBox Text3{*this, "Text3"};     // START test hours
    plat::Label Label23{*this, "Label23"};   // "h"
    plat::TextBox Text4{*this, "Text4"};     // START test minutes
    plat::Label Label21{*this, "Label21"};   // "STOP   test :"
    plat::TextBox Text5{*this, "Text5"};     // STOP test hours
    plat::Label Label26{*this, "Label26"};   // "h"
    plat::TextBox Text6{*this, "Text6"};     // STOP test minutes
    // Text1 .. Text6 by number 1-6.
    plat::TextBox& text(int n);

    plat::CommandButton Valide{*this, "Valide"};       // "Valide ": store and hide
    plat::CommandButton Command1{*this, "Command1"};   // "Cancel": hide
    plat::PictureBox Picture1{*this, "Picture1"};      // blinking square: toggles the width

    // Computation panel (beyond the narrow width): a caption and a value per row.
    plat::Label Label7{*this, "Label7"}, Label8{*this, "Label8"}, Label9{*this, "Label9"},
        Label10{*this, "Label10"}, Label11{*this, "Label11"}, Label12{*this, "Label12"},
        Label13{*this, "Label13"}, Label14{*this, "Label14"}, Label15{*this, "Label15"};
    plat::Label Label16{*this, "Label16"};   // v, the LFC-3 level
    plat::Label Label17{*this, "Label17"};   // c, the CAL value
    plat::Label Label18{*this, "Label18"};   // d
    plat::Label Label19{*this, "Label19"};   // n
    plat::Label Label20{*this, "Label20"};   // s
    plat::Label Label27{*this, "Label27"};   // ConsigneLFC3
    plat::Label Label22{*this, "Label22"};   // p
    plat::Label Label25{*this, "Label25"};   // p x 10 " We"
    plat::Label Label24{*this, "Label24"};   // LE-1's phase
    plat::Label Label32{*this, "Label32"};   // the time

    // Set-up (50 ms, one-shot, enabled at load and by each opening from the
    // main window): places the window, shows the clicked LE, rereads the file.
    plat::FormTimer Timer1{*this, "Timer1", 50};
    // Blink of Picture1: Timer2 paints it light red and hands over to Timer3,
    // which paints it light blue and hands back; 500 ms each.
    plat::FormTimer Timer2{*this, "Timer2", 500};
    plat::FormTimer Timer3{*this, "Timer3", 500};

    void Timer1_Timer();
    void Timer2_Timer();
    void Timer3_Timer();
    void Valide_Click();
    void Command1_Click();
    void Picture1_Click();

    // "8" -> "08", "" -> "00", "123" -> "23".
    static QString twoDigits(const QString& t);

private:
    Program& p_;
};

} // namespace orv
