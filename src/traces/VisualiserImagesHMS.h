#pragma once
// The occupation image viewer " Occupation des LE-x": the days found in
// Images_Traces (newest first), the eight day images of the chosen day, one
// strip per LE, and the scan of an LE's strip into the times its occupation
// (the pure green band on row 150) begins and ends. Modeless; it writes no
// file and changes nothing outside itself.

#include "platform/Controls.h"
#include "platform/Form.h"
#include "platform/ListBox.h"
#include "platform/PictureBox.h"

#include <array>
#include <cstdint>

namespace orv {

class Program;

class VisualiserImagesHMS : public plat::Form {
public:
    explicit VisualiserImagesHMS(Program& p);
    void Form_Load() override;

    // The window's own drawing surface, under every control: the hour scale
    // is drawn on it and the controls below lie on it.
    plat::PictureBox FormSurface{*this, "FormSurface"};

    plat::Label Label9{FormSurface, "Label9"};     // the chosen day
    plat::Label Label10{FormSurface, "Label10"};   // x readout
    plat::Label Label11{FormSurface, "Label11"};   // y readout
    // Captions "LE-1" to "LE-8".
    plat::Label Label1{FormSurface, "Label1"}, Label2{FormSurface, "Label2"}, Label3{FormSurface, "Label3"},
        Label4{FormSurface, "Label4"}, Label5{FormSurface, "Label5"}, Label6{FormSurface, "Label6"},
        Label14{FormSurface, "Label14"}, Label15{FormSurface, "Label15"};
    // The day strips of LE-1 to LE-8.
    plat::PictureBox Picture1{FormSurface, "Picture1"}, Picture2{FormSurface, "Picture2"},
        Picture3{FormSurface, "Picture3"}, Picture4{FormSurface, "Picture4"}, Picture5{FormSurface, "Picture5"},
        Picture6{FormSurface, "Picture6"}, Picture7{FormSurface, "Picture7"}, Picture8{FormSurface, "Picture8"};
    plat::ListBox List3{FormSurface, "List3"};   // available days, newest first
    plat::ListBox List2{FormSurface, "List2"};   // lines of the last scan
    plat::ListBox List1{FormSurface, "List1"};   // hidden: the day keys in ascending order
    // One-shot listing timer: draws the hour scale and lists the days 100 ms
    // after it is enabled (at load and after a day is chosen).
    plat::FormTimer Timer1{*this, "Timer1", 100};

    // The strip of LE index le (0-7).
    plat::PictureBox& strip(int le) { return *strips_[le]; }

    // HeureMinute from a strip position in twips: " <hours>h<minutes, two digits>".
    void Calcul(int32_t& x);

    void Timer1_Timer();
    void List3_Click();
    // Scan of the strip of LE index le (0-5); readout of the mouse over it.
    void Picture_MouseDown(int le);
    void Picture_MouseMove(int le, const plat::MouseArgs& a);

private:
    void drawHourScale();
    void listDays();
    Program& p_;
    std::array<plat::PictureBox*, 8> strips_;
};

} // namespace orv
