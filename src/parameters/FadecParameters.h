#pragma once
// The FADEC-parameters window: the PC's working copy of the LE parameter table (ParamPC) in its value labels.

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

private:
    Program& p_;
};

} // namespace orv
