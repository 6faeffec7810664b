#pragma once
// The warning box shared by every alarm: not modal, topmost, with a blinking
// frame. AffAlarm and the link watchdog fill its caption and labels; OK
// acknowledges a lost link of LE-1 to LE-6 and closes the box.

#include "platform/Controls.h"
#include "platform/Form.h"
#include "platform/ListBox.h"
#include "platform/Menu.h"
#include "platform/PictureBox.h"
#include "platform/ScrollBar.h"

namespace orv {

class Program;

class BoiteDialogue : public plat::Form {
public:
    explicit BoiteDialogue(Program& p);

    void Form_Load() override;
    void Timer1_Timer();
    void Timer2_Timer();
    void OkValide_Click();
    // Shows the box as " Warning !" with the three lines: headline, subject,
    // time and date.
    void ShowWarning(const QString& headline, const QString& subject, const QString& when);

    plat::CommandButton OkValide{*this, "OkValide"};
    plat::PictureBox Picture1{*this, "Picture1"};
    plat::Label Label1{*this, "Label1"};   // headline
    plat::Label Label2{*this, "Label2"};   // subject, written by the caller
    plat::Label Label3{*this, "Label3"};   // time and date
    plat::Line Line1{*this, "Line1"}, Line2{*this, "Line2"}, Line3{*this, "Line3"}, Line4{*this, "Line4"};
    plat::FormTimer Timer1{*this, "Timer1", 500, true};
    plat::FormTimer Timer2{*this, "Timer2", 500, false};

    // Colours of the blinking frame.
    static constexpr plat::Color FrameRed = plat::rgb(255, 0, 0);
    static constexpr plat::Color FrameGrey = plat::rgb(192, 192, 192);

private:
    void setFrameColor(plat::Color c);
    Program& p_;
};

} // namespace orv
