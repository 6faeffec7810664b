#pragma once
// The reference list of the FADEC error codes 00 to 19, rebuilt at each load.

#include "platform/Form.h"
#include "platform/ListBox.h"

namespace orv {

class Program;

class MessagesError : public plat::Form {
public:
    explicit MessagesError(Program& p);

    void Form_Load() override;

    plat::ListBox List1{*this, "List1"};

private:
    Program& p_;
};

} // namespace orv
