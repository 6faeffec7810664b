#pragma once
// The FADEC-parameters window " FADEC Parameters": the PC's working copy of
// the LE parameter table (ParamPC) in its value labels, for the whole
// program. It reads the table from the selected LE, writes it to that LE,
// resets it to the defaults or to zeros, edits one entry through the value
// input (a press on the entry's title) and copies it to and from ParamSt.ini.
//
// Row of entry p (0-31): number Label58(32 + p), value Label59(32 + p) (the
// ParamPC store), title Label61(p). Label64 names the selected LE; the
// buttons other than "Quit" act only while it names one.

#include "platform/Controls.h"
#include "platform/Form.h"
#include "platform/PictureBox.h"

namespace orv {

class Program;

class FadecParameters : public plat::Form {
public:
    explicit FadecParameters(Program& p);
    void Form_Load() override;

    plat::ControlArray<plat::Label> Label58{*this, "Label58"};   // row numbers, 32-63
    plat::ControlArray<plat::Label> Label59{*this, "Label59"};   // values (ParamPC), 32-63
    plat::ControlArray<plat::Label> Label61{*this, "Label61"};   // titles, 0-31
    plat::Label Label64{*this, "Label64"};                       // "Selected LE : n"
    plat::Label Label62{*this, "Label62"};                       // "Param : 03.03.2011"
    plat::CommandButton ParamZero{*this, "ParamZero"};           // "Reset Display"
    plat::CommandButton ReadConfig{*this, "ReadConfig"};         // "Read Settings" (from the LE)
    plat::CommandButton WriteConfig{*this, "WriteConfig"};       // "Write Settings" (to the LE)
    plat::CommandButton ParamDefault{*this, "ParamDefault"};     // "Default Settings ..."
    plat::CommandButton ReadParamHdd{*this, "ReadParamHdd"};     // "Read Settings " (ParamSt.ini)
    plat::CommandButton WriteConfHdd{*this, "WriteConfHdd"};     // "Store New Settings " (ParamSt.ini)
    plat::CommandButton CDMQuitter{*this, "CDMQuitter"};         // "Quit"
    plat::PictureBox Picture1{*this, "Picture1"};
    // Names LE number n in Label64 ("Selected LE : n"); 0 clears it.
    void ShowSelectedLE(int n);
    // Enables the six commands while Label64 names an LE.
    plat::FormTimer Timer1{*this, "Timer1", 300, false};

    void Label61_MouseDown(int index, const plat::MouseArgs& a);
    void ParamDefault_Click();
    void ParamZero_Click();
    void ReadConfig_Click();
    void WriteConfig_Click();
    void ReadParamHdd_Click();
    // Reads ParamSt.ini into the working copy: each line sets its entry in
    // turn, a longer file being further passes from entry 0; the entries a
    // short file does not reach keep their values. False when the file
    // cannot be read.
    bool ReadParamCopy();
    void WriteConfHdd_Click();
    void CDMQuitter_Click();
    void Timer1_Timer();

    static constexpr plat::Color EvenRow = plat::rgb(0xFF, 0xFF, 0x80);
    static constexpr plat::Color OddRow = plat::rgb(0xE0, 0xE0, 0xE0);
    static constexpr plat::Color Opened = plat::rgb(0xFF, 0x80, 0x00);   // title being edited

    // ParamPC: the PC's working copy of parameter entry e (0-31), as the
    // text of its value label. Entries outside 0-31 read empty and are not set.
    QString ParamPC(int e) const;
    void setParamPC(int e, const QString& value);

private:
    void setAll(const QString& value);
    Program& p_;
};

} // namespace orv
