#pragma once
// The warning box shared by every alarm: not modal, topmost, with a blinking frame.

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

private:
    Program& p_;
};

} // namespace orv
