#pragma once
// The hardware-test window "  Hardward Tests": exercises one idle LE, the
// selected one. It never sends anything itself: its controls write the
// per-LE request arrays that every command frame to that LE carries
// (relays, motor and fan test code, start and stop), and "Start" calls run
// control's parameter-read-and-start routine.
//
// The lower half is the test scope (TestsMaterielScope.cpp): the LPC and LFC
// light values and the MAT and SHT temperatures of the selected LE plotted
// against time, with a grid, two level lines and, when frozen, bars.
//
// The main window's 500 ms status timer writes the speed read-outs Label4 to
// Label6 on every tick, so the window is loaded, hidden, from shortly after
// start-up and again after each close: its timers run whenever it is loaded.

#include "platform/Controls.h"
#include "platform/Form.h"
#include "platform/PictureBox.h"

#include <array>

namespace orv {

class Program;

class TestsMateriel : public plat::Form {
public:
    explicit TestsMateriel(Program& p);
    void Form_Load() override;
    void Form_Unload(int& cancel) override;

    plat::Label Label1{*this, "Label1"};   // "(1)  Select Light Engine"
    plat::Label Label2{*this, "Label2"};   // "(2)  Select and Activate Test"
    plat::Frame Frame1{*this, "Frame1"};   // "Light Engine Selection "
    plat::Frame Frame2{*this, "Frame2"};   // "Tests V1, V2, M "
    plat::Frame Frame3{*this, "Frame3"};   // " Add ON Relais "
    plat::ControlArray<plat::OptionButton> Option2{*this, "Option2"};   // LE choice, index = LE index
    plat::ControlArray<plat::OptionButton> Option1{*this, "Option1"};   // motor and fan test code 0-3
    plat::Label Label4{Frame2, "Label4"};   // motor M speed
    plat::Label Label5{Frame2, "Label5"};   // fan V1 speed
    plat::Label Label6{Frame2, "Label6"};   // fan V2 speed
    plat::CheckBox Check1{Frame3, "Check1"};   // "Relais (LE-x) QTH"
    plat::CheckBox Check2{Frame3, "Check2"};   // "Relais (LE-x) Alarm"
    plat::CommandButton StartTestLE{*this, "StartTestLE"};   // "Start", then "Start LEn"
    plat::CommandButton StoptTestLE{*this, "StoptTestLE"};   // "Stop", then "Stop LEn"

    // --- the test scope
    plat::PictureBox Picture1{*this, "Picture1"};   // the scope, twips, black
    plat::Label Label3{*this, "Label3"};            // heading
    plat::CheckBox Check4{*this, "Check4"};         // ticked: time base frozen, bars shown
    plat::CheckBox Check9{*this, "Check9"};         // ticked: fast time base
    plat::CheckBox Check3{*this, "Check3"};         // ticked: dotted grid
    plat::CheckBox Check5{*this, "Check5"};         // LPC channel
    plat::CheckBox Check6{*this, "Check6"};         // LPC level line
    plat::CheckBox Check7{*this, "Check7"};         // LFC channel
    plat::CheckBox Check8{*this, "Check8"};         // LFC level line
    plat::CheckBox Check10{*this, "Check10"};       // MAT channel
    plat::CheckBox Check11{*this, "Check11"};       // SHT channel
    plat::Label Label12{*this, "Label12"};          // "Step :"
    plat::Label Label9{*this, "Label9"};            // sample count " / " sweep end
    plat::Label Label14{*this, "Label14"};          // "Tension Y:"
    plat::Label Label15{*this, "Label15"};          // pointer height in volts
    plat::Label Label10{*this, "Label10"};          // pointer X
    plat::Label Label11{*this, "Label11"};          // pointer Y
    plat::CommandButton ClearScreen{*this, "ClearScreen"};   // "Clear Screen"

    // Paints the LE choice green or red by the state of each LE's port.
    plat::FormTimer Timer1{*this, "Timer1", 300, true};
    // Draws the scope's grid once, 10 ms after it is enabled, then stops.
    plat::FormTimer Timer2{*this, "Timer2", 10, false};
    // The scope's time base: one sample per tick (500 ms slow, 250 ms fast).
    plat::FormTimer Timer3{*this, "Timer3", 250, true};
    // Button captions and the frozen display's bars, every 500 ms.
    plat::FormTimer Timer4{*this, "Timer4", 500, true};

    // --- handlers of the tests
    void Timer1_Timer();
    void Option2_Click(int Index);
    void Check1_Click();
    void Check2_Click();
    void Option1_Click(int Index);
    void StartTestLE_Click();
    void StoptTestLE_Click();

    // --- handlers of the scope (TestsMaterielScope.cpp)
    void Check3_Click();
    void Check4_Click();
    void Check9_Click();
    void Check5_Click();
    void Check7_Click();
    void Check10_Click();
    void ClearScreen_Click();
    void Picture1_MouseMove(int Button, int Shift, double X, double Y);
    void Timer2_Timer();
    void Timer3_Timer();
    void Timer4_Timer();

    // Scope state, set at each load.
    int ScopeScaleY = 10;      // twips per count
    int ScopeOffsetY = 150;    // top margin, twips
    int ScopeStepX = 7;        // twips per sample: 7 slow, 8 fast
    int ScopeSweepEnd = 450;   // samples per sweep: 450 slow, 360 fast
    std::array<int, 3> ScopeChannelCode{1, 2, 4};   // bar codes of LPC, LFC, MAT; 0 while unticked
    int ScopeChannelSum = 7;
    // Current and previous sample of LPC, LFC, 2 x MAT, 2 x SHT.
    std::array<int, 4> ScopeValue{}, ScopePrevValue{};

    static constexpr plat::Color ReadoutGrey = plat::rgb(224, 224, 224);
    static constexpr plat::Color FormLilac = plat::rgb(192, 192, 255);
    static constexpr plat::Color PortOpenGreen = plat::rgb(0, 224, 0);
    static constexpr plat::Color PortClosedRed = plat::rgb(255, 0, 0);
    static constexpr plat::Color ChosenLightGreen = plat::rgb(91, 255, 0);

private:
    void layoutTests();
    void layoutScope();
    void wireTests();
    void wireScope();
    void ScopeSetup();
    // LE index of SelectedLE, or -1 before an LE is selected.
    int testedLE() const;
    void enableTestControls(bool on);
    void paintLEChoice();
    // Sets the main window's power slider from the LE's line of the
    // set-point file; a missing or bad file leaves it where it is.
    void showStoredSetPoint(int le);
    // The four samples of the selected LE into ScopeValue.
    void takeSamples();
    int scopeY(int value) const { return ScopeOffsetY + 256 * ScopeScaleY - value * ScopeScaleY; }
    void drawBar(int x1, int value, plat::Color c);

    Program& p_;
    // LEs on which this window set a motor or fan test code (1-3); closing
    // the window switches those codes off again.
    std::array<bool, 8> coolingTestSet_{};
};

} // namespace orv
