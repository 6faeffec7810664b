#pragma once
// The software-settings window: its controls hold the program's settings.

#include "platform/Controls.h"
#include "platform/Form.h"
#include "platform/ListBox.h"
#include "platform/Menu.h"
#include "platform/PictureBox.h"
#include "platform/ScrollBar.h"

namespace orv {

class Program;

class ParamLogicielVB : public plat::Form {
public:
    explicit ParamLogicielVB(Program& p);

private:
    Program& p_;
};

} // namespace orv
