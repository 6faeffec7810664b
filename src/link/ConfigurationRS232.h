#pragma once
// The port configuration window: a port number per LE, validated into the port file.

#include "platform/Controls.h"
#include "platform/Form.h"
#include "platform/ListBox.h"
#include "platform/Menu.h"
#include "platform/PictureBox.h"
#include "platform/ScrollBar.h"

namespace orv {

class Program;

class ConfigurationRS232 : public plat::Form {
public:
    explicit ConfigurationRS232(Program& p);

private:
    Program& p_;
};

} // namespace orv
