#pragma once
// The parameter transfer notice: a small light-green window that shows
// MessageTransfert. The main window's Timer44 shows it modally and Timer45
// unloads it 2 s later (LogTransfer.cpp); it takes its text at load.

#include "platform/Controls.h"
#include "platform/Form.h"

namespace orv {

class Program;

class OKTransfert : public plat::Form {
public:
    explicit OKTransfert(Program& p);
    void Form_Load() override;

    plat::Label Label1{*this, "Label1"};

private:
    Program& p_;
};

} // namespace orv
