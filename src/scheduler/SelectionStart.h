#pragma once
// The start-selection window: a 24-hour schedule strip and a run mode per LE.

#include "platform/Controls.h"
#include "platform/Form.h"
#include "platform/ListBox.h"
#include "platform/Menu.h"
#include "platform/PictureBox.h"
#include "platform/ScrollBar.h"

namespace orv {

class Program;

class SelectionStart : public plat::Form {
public:
    explicit SelectionStart(Program& p);

private:
    Program& p_;
};

} // namespace orv
