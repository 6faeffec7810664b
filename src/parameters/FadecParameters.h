#pragma once
// The FADEC-parameters window: the PC's working copy of the LE parameter table (ParamPC) in its value labels.
//
// Row of entry p (0-31): number Label58(32 + p), value Label59(32 + p) (the
// ParamPC store), title Label61(p). Label64 names the selected LE.

#include "platform/Controls.h"
#include "platform/Form.h"
#include "platform/ListBox.h"
#include "platform/Menu.h"
#include "platform/PictureBox.h"
#include "platform/ScrollBar.h"

namespace orv {

class Program;

class FadecParameters : public plat::Form {
public:
    explicit FadecParameters(Program& p);

    plat::ControlArray<plat::Label> Label58{*this, "Label58"};   // row numbers, 32-63
    plat::ControlArray<plat::Label> Label59{*this, "Label59"};   // values (ParamPC), 32-63
    plat::ControlArray<plat::Label> Label61{*this, "Label61"};   // titles, 0-31
    plat::Label Label64{*this, "Label64"};                       // "Selected LE : n"

    // ParamPC: the PC's working copy of parameter entry e (0-31), as the
    // text of its value label. Entries outside 0-31 read empty and are not set.
    QString ParamPC(int e) const;
    void setParamPC(int e, const QString& value);

private:
    Program& p_;
};

} // namespace orv
