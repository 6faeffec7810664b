// The value input opened from a title of the FADEC-parameters window: what an
// entry takes, by the entry's bounds, and what a refusal shows.
#include "parameters/FadecParameters.h"
#include "parameters/Saisie.h"
#include "parameters/ParamsFixture.h"

#include <QTest>

using namespace orv;

namespace {

class SaisieBoundsTest : public ParamsTest {
protected:
    FadecParameters& w() { return *prog->form<FadecParameters>(); }
    // Presses title p, types `typed` (nothing when empty) and OK; Cancel
    // when OK left the window open.
    void edit(int p, const QString& typed)
    {
        t.dialogs.onModal = [&, typed](plat::Form& f) {
            auto* in = dynamic_cast<Saisie*>(&f);
            if (!in) return;
            if (!typed.isEmpty()) in->Text1.setText(typed);
            in->ValidationSaisie.click();
            if (prog->ifLoaded<Saisie>()) in->AnnulerSaisie.click();
        };
        plat::MouseArgs a;
        a.button = plat::LeftButton;
        w().Label61[p].raiseMouse(w().Label61[p].onMouseDown, a);
        t.dialogs.onModal = nullptr;
    }
};

TEST_F(SaisieBoundsTest, EntryNineteenTakesOnlyDigitsWithinTwentyToForty)
{
    const QString range = "Input error, Value < Min or > Max ";
    const QString digits = "Input error, use number 0-9";
    const struct {
        const char* typed;
        const char* stored;   // the value afterwards
        QString box;          // the refusal shown, empty when stored
    } cases[] = {
        {"5", "25", range},    {"19", "25", range},  {"41", "25", range},
        {"20", "20", ""},      {"40", "40", ""},     {"35", "35", ""},
        {"0035", "0035", ""},  {"12a", "25", digits}, {"-30", "25", digits},
        {"3.5", "25", digits}, {"99999999999999999999", "25", range},
        {"", "25", ""},   // OK on an empty box keeps the shown value
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.typed);
        w().setParamPC(19, "25");
        t.dialogs.shown.clear();
        edit(19, QString::fromLatin1(c.typed));
        EXPECT_EQ(w().ParamPC(19), c.stored);
        if (c.box.isEmpty()) {
            EXPECT_TRUE(t.dialogs.shown.empty());
        } else {
            ASSERT_EQ(t.dialogs.shown.size(), 1u);
            EXPECT_EQ(t.dialogs.shown[0].text, c.box);
            EXPECT_EQ(t.dialogs.shown[0].title, " Warning!");
            EXPECT_EQ(t.dialogs.shown[0].icon(), int(plat::mb::Exclamation));
        }
    }
}

TEST_F(SaisieBoundsTest, ReadOnlyAndReservedEntries)
{
    // A clock register cannot be typed; OK stores it unchanged.
    w().setParamPC(5, "49");
    edit(5, "");
    EXPECT_EQ(w().ParamPC(5), "49");
    EXPECT_TRUE(t.dialogs.shown.empty());
    // A reserved entry takes 0 to 255.
    edit(12, "255");
    EXPECT_EQ(w().ParamPC(12), "255");
    edit(12, "256");
    EXPECT_EQ(w().ParamPC(12), "255");
    EXPECT_EQ(t.dialogs.shown.size(), 1u);
}

// A number typed too long to hold is out of range, not 0: a reserved entry
// (0 to 255) refuses 400 nines typed at the keyboard and keeps its value.
TEST_F(SaisieBoundsTest, ANumberThatOverflowsIsRefused)
{
    w().setParamPC(12, "7");
    const QString nines(400, QLatin1Char('9'));
    t.dialogs.onModal = [&](plat::Form& f) {
        auto* in = dynamic_cast<Saisie*>(&f);
        if (!in) return;
        QTest::keyClicks(in->Text1.widget(), nines);
        ASSERT_EQ(in->Text1.text(), nines);
        QWidget* ok = in->ValidationSaisie.widget();
        QTest::mouseClick(ok, Qt::LeftButton, {}, ok->rect().center());
        if (prog->ifLoaded<Saisie>()) in->AnnulerSaisie.click();
    };
    plat::MouseArgs a;
    a.button = plat::LeftButton;
    w().Label61[12].raiseMouse(w().Label61[12].onMouseDown, a);
    t.dialogs.onModal = nullptr;
    EXPECT_EQ(w().ParamPC(12), "7");
    ASSERT_EQ(t.dialogs.shown.size(), 1u);
    EXPECT_EQ(t.dialogs.shown[0].text, "Input error, Value < Min or > Max ");
}

TEST_F(SaisieBoundsTest, Screenshot)
{
    w().move(600, 300, w().width(), w().height());
    bool shot = false;
    t.dialogs.onModal = [&](plat::Form& f) {
        if (auto* in = dynamic_cast<Saisie*>(&f)) {
            in->Text1.setText("60");
            screenshot(*in, "saisie_entry_18");
            shot = true;
            in->AnnulerSaisie.click();
        }
    };
    plat::MouseArgs a;
    a.button = plat::LeftButton;
    w().Label61[18].raiseMouse(w().Label61[18].onMouseDown, a);
    EXPECT_TRUE(shot);
}

} // namespace
