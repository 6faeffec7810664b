#pragma once
// The six-slider window: the power set-points of LE-1 to LE-6 side by side,
// 30 to 130 (tens of watts), moved one by one (individual mode) or all
// following LE-1's slider at the distances they had (group mode), then
// validated into ConsignePW2.ini and the LEs' set-points.
//
// Each slider is a track (Picture1(i)) with a thumb label inside it
// (Label1(i)); its value is the text of Label8(i). The window keeps its
// arrangement in PW6Value, PW6Offset and PW6OffsetSign.

#include "platform/Controls.h"
#include "platform/Form.h"
#include "platform/PictureBox.h"

#include <array>
#include <cstdint>

namespace orv {

class Program;

class PW6Sliders : public plat::Form {
public:
    explicit PW6Sliders(Program& p);

    void Form_Load() override;

    // The window's drawing surface: it fills the client area, the background
    // grid is drawn on it and every control of the window sits on it.
    plat::PictureBox Backdrop{*this, "Backdrop"};

    plat::ControlArray<plat::PictureBox> Picture1{Backdrop, "Picture1"};   // tracks, LE-1 to LE-6
    plat::ControlArray<plat::Label> Label1{Backdrop, "Label1"};            // thumbs, one in each track
    plat::CheckBox Check2{Backdrop, "Check2"};                             // individual / group mode
    plat::CommandButton PresetEgal{Backdrop, "PresetEgal"};
    plat::CommandButton PWValide{Backdrop, "PWValide"};
    plat::CommandButton FermerPW6FR{Backdrop, "FermerPW6FR"};
    plat::ControlArray<plat::Label> Label8{Backdrop, "Label8"};            // slider values
    plat::ControlArray<plat::Label> Label2{Backdrop, "Label2"};            // "LE1" to "LE6"
    plat::Line Line2{Backdrop, "Line2"}, Line3{Backdrop, "Line3"}, Line4{Backdrop, "Line4"},
        Line5{Backdrop, "Line5"};                                          // frame of LE-1's track in group mode
    plat::FormTimer Timer1{*this, "Timer1", 100};

    std::array<int16_t, 6> PW6Value{};        // slider values last read from the value labels
    std::array<int16_t, 6> PW6Offset{};       // distance of each slider from LE-1's
    std::array<int16_t, 6> PW6OffsetSign{};   // sign of LE-1's value minus the slider's
    std::array<int32_t, 6> PW6ThumbTop{};     // thumb top placed for a value

    void Timer1_Timer();
    void Picture1_MouseDown(int Index, int Button, int Shift, double X, double Y);
    void Picture1_MouseMove(int Index, int Button, int Shift, double X, double Y);
    void Check2_Click();
    void PresetEgal_Click();
    void PWValide_Click();
    void FermerPW6FR_Click();

private:
    // The first steps of a press and a move: thumb colours, and with the
    // left button alone the thumb and value follow the pointer.
    void pointerOn(int index, int button, double y);
    void recordArrangement();   // individual mode
    void followLE1();           // group mode
    void placeThumb(int index, int value);
    Program& p_;
};

} // namespace orv
