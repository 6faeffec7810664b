#pragma once
// The shared yes/no window. The caller sets the question; "Yes" acts on the
// exact question text, "No" only closes. Either answer closes the window.

#include "platform/Controls.h"
#include "platform/Form.h"

namespace orv {

class Program;

class FenQuestion : public plat::Form {
public:
    explicit FenQuestion(Program& p);

    void Form_Load() override;
    void Ret1_Click();
    void Ret2_Click();

    // Sets the caption " Warning" and the question, then shows the window.
    static void Ask(Program& p, const QString& question, bool modal);

    static inline const QString DeleteFileQuestion = QStringLiteral("Are you sure you want to delete the entire file");
    static inline const QString PrintListQuestion = QStringLiteral("Are you sure you want to print the list");

    plat::Label Label1{*this, "Label1"};
    plat::CommandButton Ret1{*this, "Ret1"};
    plat::CommandButton Ret2{*this, "Ret2"};

private:
    Program& p_;
    QString suffix_;   // appended to every printed list line
};

} // namespace orv
