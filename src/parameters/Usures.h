#pragma once
// The wear-counter window: the counters of LE-1 to LE-6 and their reset passwords.

#include "platform/Controls.h"
#include "platform/Form.h"
#include "platform/ListBox.h"
#include "platform/Menu.h"
#include "platform/PictureBox.h"
#include "platform/ScrollBar.h"

namespace orv {

class Program;

class Usures : public plat::Form {
public:
    explicit Usures(Program& p);

private:
    Program& p_;
};

} // namespace orv
