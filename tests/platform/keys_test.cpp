// Enter and Escape on a real window: Enter presses the default button unless
// the focus is on another button, which it presses; Escape presses the Cancel
// button; neither presses a button the user could not press.
#include "platform/Controls.h"
#include "platform/FormSlot.h"
#include "support/RuntimeFixture.h"

#include <QTest>

using namespace plat;

namespace {

struct Dialog : Form {
    explicit Dialog(Runtime& rt, QStringList& log) : Form(rt, "Dialog")
    {
        for (auto* b : {&Other, &Ok, &Annuler}) b->onClick = [b, &log] { log << b->name(); };
        Ok.setDefault(true);
        Annuler.setCancel(true);
    }
    TextBox Text1{*this, "Text1"};
    CheckBox Check1{*this, "Check1"};
    CommandButton Other{*this, "Other"};
    CommandButton Ok{*this, "Ok"};
    CommandButton Annuler{*this, "Annuler"};
};

class KeysTest : public RuntimeTest {
protected:
    QStringList log;
    FormSlot<Dialog> slot{t.rt, [this] { return std::make_unique<Dialog>(t.rt, log); }};

    // The key as the user presses it with `focus` holding the focus: the
    // event goes to that control and travels up the window as Qt delivers it.
    QStringList press(Control& focus, Qt::Key key)
    {
        log.clear();
        QTest::keyClick(focus.widget(), key);
        return log;
    }
};

TEST_F(KeysTest, EnterPressesTheDefaultButtonOrTheFocusedOneAndEscapeTheCancelButton)
{
    Dialog& d = *slot;
    d.show();
    const struct {
        Control* focus;
        Qt::Key key;
        QStringList pressed;
    } cases[] = {
        {&d.Text1, Qt::Key_Return, {"Ok"}},
        {&d.Text1, Qt::Key_Enter, {"Ok"}},   // the keypad's Enter
        {&d.Check1, Qt::Key_Return, {"Ok"}},
        {&d.Other, Qt::Key_Return, {"Other"}},
        {&d.Annuler, Qt::Key_Return, {"Annuler"}},
        {&d.Text1, Qt::Key_Escape, {"Annuler"}},
        {&d.Other, Qt::Key_Escape, {"Annuler"}},
        {&d.Text1, Qt::Key_A, {}},
    };
    for (const auto& c : cases)
        EXPECT_EQ(press(*c.focus, c.key), c.pressed) << c.focus->name().toStdString() << " " << c.key;
    EXPECT_EQ(d.Text1.text(), "a");
}

TEST_F(KeysTest, ADisabledOrHiddenButtonIsNotPressedAndTheDefaultMarkMoves)
{
    Dialog& d = *slot;
    d.show();
    d.Ok.setEnabled(false);
    d.Annuler.setVisible(false);
    EXPECT_EQ(press(d.Text1, Qt::Key_Return), QStringList{});
    EXPECT_EQ(press(d.Text1, Qt::Key_Escape), QStringList{});

    d.Other.setDefault(true);   // one default button per window
    EXPECT_FALSE(d.Ok.isDefault());
    EXPECT_EQ(press(d.Text1, Qt::Key_Return), QStringList{"Other"});
    d.Other.setDefault(false);
    EXPECT_EQ(press(d.Text1, Qt::Key_Return), QStringList{});
}

} // namespace
