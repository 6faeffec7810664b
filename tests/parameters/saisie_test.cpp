// The value input window in parameter mode: the bounds check, the entry it
// stores into, read-only entries kept as shown, and the title colours
// restored by OK and Cancel.

#include "parameters/FadecParameters.h"
#include "parameters/ParametersState.h"
#include "parameters/Saisie.h"
#include "shell/ParametersShared.h"
#include "support/ProgramFixture.h"

#include <QTest>

using namespace orv;

namespace {

class SaisieTest : public ProgramTest {
protected:
    // Opens the window for entry p as the parameter window does, types
    // `typed`, presses OK, and Cancel when OK left it open.
    void edit(int p, const QString& typed)
    {
        edit(p, [this, typed](Saisie& entry) {
            if (!typed.isEmpty()) entry.Text1.setText(typed);
            entry.ValidationSaisie.click();
            if (prog->ifLoaded<Saisie>()) entry.AnnulerSaisie.click();
        });
    }
    // Opens the window for entry p; `user` acts on it while it is shown.
    void edit(int p, std::function<void(Saisie&)> user)
    {
        auto& params = prog->form<FadecParameters>().get();
        prog->s.parameters->ParamEdited = uint8_t(p);
        params.Label61[p].setBackColor(plat::rgb(255, 128, 0));
        auto& entry = prog->form<Saisie>().get();
        entry.Label2.setCaption(params.ParamPC(p));
        entry.Label3.setCaption(prog->s.parameters->ParamMin[p]);
        entry.Label4.setCaption(prog->s.parameters->ParamMax[p]);
        entry.Text1.setEnabled(p >= 9);
        prog->s.parameters->SaisieMode = 0;
        t.dialogs.onModal = [&entry, user](plat::Form&) { user(entry); };
        entry.show(true);
        t.dialogs.onModal = nullptr;
    }
    QString value(int p) { return prog->form<FadecParameters>()->ParamPC(p); }
};

TEST_F(SaisieTest, OnlyANumberWithinTheEntrysBoundsIsStored)
{
    startUp();   // fills the bounds: entry 18 is 50 to 180
    const struct {
        QString typed;
        QString stored;   // empty: refused
    } cases[] = {{"49", ""}, {"181", ""}, {"5x", ""}, {"50", "50"}, {"180", "180"}, {"0100", "0100"}};
    for (const auto& c : cases) {
        prog->form<FadecParameters>()->setParamPC(18, "77");
        t.dialogs.shown.clear();
        edit(18, c.typed);
        EXPECT_EQ(value(18), c.stored.isEmpty() ? QString("77") : c.stored) << c.typed.toStdString();
        EXPECT_EQ(t.dialogs.shown.size(), c.stored.isEmpty() ? 1u : 0u) << c.typed.toStdString();
        // Either way the opened title has its row colour back.
        EXPECT_EQ(prog->form<FadecParameters>()->Label61[18].backColor(), plat::rgb(255, 255, 128));
    }
    EXPECT_EQ(prog->s.paramShared->SpeedM, 0);
}

// Keys typed into the entry box: Enter presses OK, Escape presses Cancel.
TEST_F(SaisieTest, EnterStoresTheTypedValueAndEscapeCancels)
{
    startUp();
    const struct {
        Qt::Key key;
        QString stored;
    } cases[] = {{Qt::Key_Return, "120"}, {Qt::Key_Escape, "77"}};
    for (const auto& c : cases) {
        prog->form<FadecParameters>()->setParamPC(18, "77");
        bool closedByTheKey = false;
        edit(18, [&](Saisie& entry) {
            QTest::keyClicks(entry.Text1.widget(), "120");
            QTest::keyClick(entry.Text1.widget(), c.key);
            closedByTheKey = !prog->ifLoaded<Saisie>();
            if (!closedByTheKey) entry.AnnulerSaisie.click();   // ends the modal wait
        });
        EXPECT_TRUE(closedByTheKey) << c.key;
        EXPECT_EQ(value(18), c.stored) << c.key;
    }
}

TEST_F(SaisieTest, AReadOnlyEntryKeepsItsShownValue)
{
    startUp();
    prog->form<FadecParameters>()->setParamPC(5, "16");
    edit(5, "");
    EXPECT_TRUE(t.dialogs.shown.empty());
    EXPECT_EQ(value(5), "16");
    EXPECT_EQ(prog->form<FadecParameters>()->Label61[5].backColor(), plat::rgb(224, 224, 224));
}

} // namespace
