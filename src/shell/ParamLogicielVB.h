#pragma once
// The software-settings window: its controls ARE the program's settings.
// Every reader takes the control's value when it needs it; touching a
// control of the unloaded window loads it, and its load reads the settings
// file (Log::LectureParamLogStart), so the settings survive a close through
// the file. Each control's click handler applies the setting at once, for a
// user's click and for a value loaded from the file alike.

#include "platform/Controls.h"
#include "platform/Form.h"
#include "platform/PictureBox.h"
#include "platform/ScrollBar.h"

#include <cstdint>

namespace orv {

class Program;

class ParamLogicielVB : public plat::Form {
public:
    explicit ParamLogicielVB(Program& p);

    void Form_Load() override;
    void Form_QueryUnload(int& cancel, int unloadMode) override;

    // --- groups (frames hold their controls; option buttons are exclusive
    // within their frame)
    plat::Frame Frame1;   // " Activated Light Engine (LE) "
    plat::Frame Frame2;   // " Activated LE (Soufre) "
    plat::Frame Frame3;   // " Capteur(s)  LFC2 "
    plat::Frame Frame4;   // "Sample Holder Temp. (SHT) "
    plat::Frame Frame5;   // " Display Num/Coeff "
    plat::Frame Frame6;   // " Alarm COM Port "
    plat::Frame Frame7;   // " QTH Option "
    plat::Frame Frame8;   // " Bulb Motor RPM Control "
    plat::Frame Frame9;   // " MAT Indicator "
    plat::Frame Frame10;  // " Password (Program Start) "

    // --- the settings
    plat::ControlArray<plat::CheckBox> Check1;      // LE activated, 0-7
    plat::ControlArray<plat::CheckBox> Check7;      // LE in sulphur mode, 0-7
    plat::ControlArray<plat::CheckBox> Check4;      // LFC-2 sensor fitted, 0-7
    plat::ControlArray<plat::OptionButton> Option1; // SHT stop LE 0-5, 6 none
    plat::CheckBox Check2;    // display with coefficients
    plat::CheckBox Check3;    // link watchdog alarm
    plat::CheckBox Check5;    // QTH functions
    plat::CheckBox Check6;    // bulb motor RPM control
    plat::CheckBox Check8;    // water cooling
    plat::CheckBox Check18;   // start-mode login
    plat::CheckBox Check9, Check10, Check11, Check12, Check13, Check14, Check16;   // rows hidden
    plat::TextBox Text2;      // customer name (login banner)
    plat::VScrollBar VScroll1, VScroll2, VScroll3;   // banner text colour R, G, B
    plat::VScrollBar VScroll4, VScroll5, VScroll6;   // banner background R, G, B
    plat::PictureBox Picture1;   // text colour sample
    plat::PictureBox Picture2;   // background colour sample
    plat::Label Label1;   // "Customer Name :"
    plat::Label Label2;   // " R     V      B" (background)
    plat::Label Label3;   // "Background"
    plat::Label Label4;   // " R     V      B" (text)
    plat::Label Label5;   // "text"
    plat::Label Label6;   // "Trace blanche"

    plat::FormTimer Timer1;   // 50 ms banner preview

    // --- the settings as the other subsystems read them, from the check
    // boxes as they stand: on when the box holds 1 (ticked), unless said.
    bool LEActivated(int le) const { return ticked(Check1, le); }
    bool LESulphur(int le) const { return ticked(Check7, le); }
    bool LFC2Sensor(int le) const { return ticked(Check4, le); }
    // Ticked or greyed (not 0): how the scheduler's restart waits read the
    // sulphur setting and the LFC-2 sensor, and the LFC alarm window the
    // activation.
    bool LEActivatedSet(int le) const { return Check1.has(le) && Check1[le].value() != 0; }
    bool LESulphurSet(int le) const { return Check7.has(le) && Check7[le].value() != 0; }
    bool LFC2SensorSet(int le) const { return Check4.has(le) && Check4[le].value() != 0; }
    bool DisplayWithCoefficients() const { return Check2.value() != 0; }   // ticked or greyed
    bool LinkWatchdogAlarm() const { return Check3.value() == 1; }
    bool QTHFunctions() const { return Check5.value() == 1; }
    bool BulbMotorRPMControl() const { return Check6.value() == 1; }
    bool WaterCooling() const { return Check8.value() != 0; }   // ticked or greyed
    bool StartModeLogin() const { return Check18.value() == 1; }

    // 1 once the user ticked Check18 in this loaded window: closing it then
    // ends the program (the login takes effect at the next start).
    uint8_t EndOnClose = 0;

    static bool ticked(const plat::ControlArray<plat::CheckBox>& boxes, int i)
    {
        return boxes.has(i) && boxes[i].value() == 1;
    }

    // --- handlers
    void Check1_Click(int index);
    void Check4_Click(int index);
    void Check7_Click(int index);
    void Option1_Click(int index);
    void Check2_Click();
    void Check3_Click();
    void Check5_Click();
    void Check6_Click();
    void Check8_Click();
    void Check9_Click();
    void Check10_Click();
    void Check11_Click();
    void Check12_Click();
    void Check13_Click();
    void Check14_Click();
    void Check16_Click();
    void Check18_Click();
    void Timer1_Timer();
    // The banner preview's colours as the six bars set them.
    plat::Color previewTextColor() const;
    plat::Color previewBackColor() const;

    // While set, a change of Check18 comes from the settings file, not from
    // the user, and does not mark the window for ending the program.
    bool loadingFromFile = false;

private:
    void layOut();
    void wire();
    Program& p_;
};

} // namespace orv
