// Mouse editing of the strips: defaults on the first move, grabbing and
// dragging transitions with the validity rule, locks, the symmetric cycle
// preview and press in hours and minutes, the selection and the release.

#include "scheduler/RefLevelTrigLFC3.h"
#include "shell/LeStrips.h"

#include <QApplication>
#include <QMouseEvent>
#include <QWidget>
#include "scheduler/StripFixture.h"
#include "shell/ParamLogicielVB.h"
#include "shell/ScheduleFlags.h"

using namespace orv;

namespace {

class StripEditingTest : public StripTest {};

TEST_F(StripEditingTest, FirstMoveOverAFreshPlanStripGivesTheDefaultsOnce)
{
    setMode(2, "Plan");
    move(2, 5000);
    EXPECT_EQ(plan(2), (std::array<int32_t, 4>{2400, 3840, 7680, 9120}));
    EXPECT_EQ(s->schedule->FlagDefautPlan[2], 1);
    EXPECT_EQ(w->strip(2).backColor(), plat::colors::LightGrey);
    EXPECT_EQ(canvas(2).printedTexts(), (QStringList{"05:00", "08:00", "16:00", "19:00"}));
    EXPECT_EQ(texts(2, 4), (QStringList{"05:00", "08:00", "16:00", "19:00"}));
    EXPECT_EQ(canvas(2).point(1000, 315), DarkBlue);   // off before the first window
    EXPECT_EQ(canvas(2).point(3000, 8), DarkBlue);     // first window on
    EXPECT_EQ(w->Label12.caption(), QString("X= 5000"));

    // Later moves without a button draw nothing more.
    move(2, 6000);
    move(2, 2400);
    EXPECT_EQ(canvas(2).printedTexts().size(), 4);
    // Other strips are untouched.
    EXPECT_EQ(s->schedule->FlagDefautPlan[3], 0);
    EXPECT_TRUE(canvas(3).printedTexts().isEmpty());
}

TEST_F(StripEditingTest, GrabReachEdge)
{
    setMode(0, "Plan");
    move(0, 100);   // defaults
    m().IndiceTransition = 3;
    move(0, 3840 + 80);
    EXPECT_EQ(m().IndiceTransition, 3);
    EXPECT_EQ(w->mousePointer(), plat::Form::DefaultPointer);
    move(0, 3840 + 79);
    EXPECT_EQ(m().IndiceTransition, 1);
    EXPECT_EQ(w->mousePointer(), plat::Form::SizeWE);
    move(0, 7680 - 79);
    EXPECT_EQ(m().IndiceTransition, 2);
    move(0, 5000);   // out of reach: the index stays
    EXPECT_EQ(m().IndiceTransition, 2);
    EXPECT_EQ(w->mousePointer(), plat::Form::DefaultPointer);
}

TEST_F(StripEditingTest, DragMovesTheGrabbedTransitionAndRedraws)
{
    setMode(0, "Plan");
    drag(0, 3840, {3900, 4000, 4080.5});
    EXPECT_EQ(plan(0), (std::array<int32_t, 4>{2400, 4080, 7680, 9120}));
    EXPECT_EQ(texts(0, 4), (QStringList{"05:00", "08:30", "16:00", "19:00"}));
    EXPECT_EQ(w->Label96.caption(), QString("0"));
    // The release redraws once more on a cleared strip: one set of labels.
    EXPECT_EQ(canvas(0).printedTexts(), (QStringList{"05:00", "08:30", "16:00", "19:00"}));
}

TEST_F(StripEditingTest, RefusedDragKeepsTheLastValidSetThroughTheRelease)
{
    setMode(1, "Asym");
    move(1, 100);   // defaults 7680, 9120
    // T1 dragged to T0 + 235: refused while held, and the release draws the last valid set.
    drag(1, 9120, {8500, 7680 + 300, 7680 + 235});
    EXPECT_EQ(m().TransitionAsymX[1][0], 7680);
    EXPECT_EQ(m().TransitionAsymX[1][1], 7680 + 300);
    EXPECT_EQ(texts(1, 2), (QStringList{"16:00", "16:35"}));
    EXPECT_EQ(canvas(1).printedTexts(), (QStringList{"16:00", "16:35"}));

    // Past the strip's right edge.
    setMode(2, "Plan");
    move(2, 100);
    drag(2, 9120, {10000, 11499, 11600, 13000});
    EXPECT_EQ(plan(2)[3], 11499);
    EXPECT_EQ(texts(2, 4)[3], QString("23:55"));
}

TEST_F(StripEditingTest, DragOnAnAsymStripWithAPlanningIndexChangesNothing)
{
    setMode(0, "Plan");
    setMode(1, "Asym");
    move(1, 100);
    move(0, 9120);   // grabs T3 on the planning strip
    ASSERT_EQ(m().IndiceTransition, 3);
    const auto before0 = m().TransitionAsymX;
    const auto before1 = m().TransitionPlanX;
    down(1, 5000);
    move(1, 5000, plat::LeftButton);
    up(1, 5000);
    EXPECT_EQ(m().TransitionAsymX, before0);
    EXPECT_EQ(m().TransitionPlanX, before1);
    EXPECT_EQ(texts(1, 2), (QStringList{"16:00", "19:00"}));
}

TEST_F(StripEditingTest, DragWithoutAGrabMovesTheLastGrabbedIndexOnThisStrip)
{
    setMode(0, "Plan");
    setMode(3, "Plan");
    move(3, 100);
    move(0, 2400);   // LE-1's T0 grabbed
    down(3, 1000);
    move(3, 1000, plat::LeftButton);
    up(3, 1000);
    EXPECT_EQ(plan(3)[0], 1000);
    EXPECT_EQ(plan(0)[0], 2400);
}

TEST_F(StripEditingTest, LockedStripsOnlyUpdateTheReadout)
{
    setMode(0, "Plan");
    move(0, 100);
    s->schedule->FlagVerouillage[0] = 1;
    w->setMousePointer(plat::Form::DefaultPointer);
    move(0, 3840);
    EXPECT_EQ(w->mousePointer(), plat::Form::DefaultPointer);
    drag(0, 3840, {4500});
    EXPECT_EQ(plan(0)[1], 3840);
    EXPECT_EQ(w->Label12.caption(), QString("X= 4500"));

    setMode(1, "Asym");
    move(1, 100);
    s->schedule->FlagSymBlocage[1] = 1;
    drag(1, 7680, {7000});
    EXPECT_EQ(m().TransitionAsymX[1][0], 7680);
}

TEST_F(StripEditingTest, AsymDefaultsFollowTheLfc2Sensor)
{
    ParamLogicielVB& set = *prog->form<ParamLogicielVB>();
    set.Check4[1].setValue(1);
    setMode(1, "Asym");
    move(1, 100);
    EXPECT_EQ(texts(1, 2), (QStringList{"08:00", "21:00"}));

    set.Check4[0].setValue(1);
    setMode(0, "Asym");
    move(0, 100);
    EXPECT_EQ(m().TransitionAsymX[0][0], 3840);
    EXPECT_EQ(m().TransitionAsymX[0][1], 10320);
    EXPECT_TRUE(prog->form<RefLevelTrigLFC3>()->visible());

    setMode(2, "Asym");
    move(2, 100);
    EXPECT_EQ(texts(2, 2), (QStringList{"16:00", "19:00"}));
}

TEST_F(StripEditingTest, Le1AsymDefaultTakesTheTestTimesStartUpRead)
{
    // A trigger file with other test times, on a fresh program.
    QStringList lines(18, "0");
    lines << "07" << "15" << "22" << "05" << "1";
    prog.reset();
    makeProgram();
    writeFile("C:\\LightCtl\\Level.LFC3b.ini", lines.join("\r\n").toLatin1() + "\r\n");
    startUp();
    w = &*prog->form<SelectionStart>();
    s = &prog->s;
    prog->form<ParamLogicielVB>()->Check4[0].setValue(1);
    setMode(0, "Asym");
    move(0, 100);
    EXPECT_EQ(texts(0, 2), (QStringList{"07:15", "22:05"}));
}

TEST_F(StripEditingTest, SymPreviewInHours)
{
    setMode(4, "Sym");
    struct Case {
        double x;
        int n;
        const char* text;
    } cases[] = {{100, 1, "1 h"}, {2400, 5, "5 h"}, {2640, 6, "6 h"}};
    for (const Case& c : cases) {
        move(4, c.x);
        EXPECT_EQ(m().HeuresCycleSym[4], c.n);
        EXPECT_EQ(m().MinutesDemiCycle[4], 30 * c.n);
        EXPECT_EQ(m().FinCycleSymX[4], 480 * c.n - 16);
        EXPECT_EQ(w->Label20.caption(), QString::number(30 * c.n));
        EXPECT_EQ(w->Label21.caption(), QString::number(c.n));
        EXPECT_EQ(w->Label33.caption(), QString(" Heure(s)"));
        EXPECT_EQ(canvas(4).printedTexts(), QStringList{c.text});   // the preview clears before drawing
    }
    // The figure of 6 hours: end line, second half filled, first half line.
    const int F = 480 * 6 - 16;
    EXPECT_EQ(canvas(4).point(F, 300), plat::colors::Black);
    EXPECT_EQ(canvas(4).point((F / 2 + F) / 2, 100), plat::colors::Black);
    EXPECT_EQ(canvas(4).point(F / 4, 170), plat::colors::Black);
    EXPECT_EQ(canvas(4).point(F / 4, 100), plat::colors::LightGrey);
    EXPECT_EQ(w->mousePointer(), plat::Form::SizeWE);
}

TEST_F(StripEditingTest, MinutesVariantPreviewAndPressKeepTheSameBounds)
{
    setMode(6, "Sym");
    s->schedule->SelectionMode[6][2] = 1;
    move(6, 3000, 0, plat::ShiftKey);
    EXPECT_EQ(s->schedule->FlagSymMinutes[6], 1);
    EXPECT_EQ(w->Timer16.interval(), 2000);
    EXPECT_EQ(w->Timer17.interval(), 60000);
    EXPECT_EQ(w->strip(6).backColor(), plat::colors::White);

    move(6, 7680);
    EXPECT_EQ(m().HeuresCycleSym[6], 15);
    EXPECT_EQ(w->Label20.caption(), QString("15"));
    EXPECT_EQ(w->Label21.caption(), QString("30"));
    EXPECT_EQ(w->Label33.caption(), QString(" Minutes"));
    EXPECT_EQ(w->Label33.backColor(), plat::rgb(255, 128, 128));
    EXPECT_EQ(canvas(6).printedTexts(), QStringList{"30 min"});
    move(6, 500);
    EXPECT_EQ(m().HeuresCycleSym[6], 2);
    EXPECT_EQ(canvas(6).printedTexts(), QStringList{"4 min"});

    // A press beyond the bound fixes the bounded cycle, as the preview drew it.
    down(6, 9000);
    EXPECT_EQ(s->schedule->FlagCycleSym[6], 1);
    EXPECT_EQ(m().HeuresCycleSym[6], 15);
    EXPECT_EQ(m().FinCycleSymX[6], 480 * 15 - 16);
    EXPECT_EQ(canvas(6).printedTexts(), QStringList{"30 min"});
}

TEST_F(StripEditingTest, PressFixesTheCycleThenShowsItsData)
{
    setMode(0, "Sym");
    move(0, 2400);
    down(0, 230);   // no floor at the press: a cycle of 0 hours
    EXPECT_EQ(s->schedule->FlagCycleSym[0], 1);
    EXPECT_EQ(m().HeuresCycleSym[0], 0);
    EXPECT_EQ(m().FinCycleSymX[0], -16);
    EXPECT_EQ(m().MinutesDemiCycle[0], 150);   // kept from the preview
    EXPECT_EQ(canvas(0).printedTexts(), QStringList{"0 h"});

    // Fixed: moves no longer preview; a press shows the cycle's data.
    move(0, 4800);
    EXPECT_EQ(m().HeuresCycleSym[0], 0);
    m().HeureStartSym[0] = "10:00:00";
    s->schedule->CyclesEffectues[0] = 3;
    down(0, 4800);
    EXPECT_EQ(w->Label22.caption(), QString("10:00:00"));
    EXPECT_EQ(w->Label32.caption(), QString("3"));
    EXPECT_EQ(w->Label21.caption(), QString("0"));
    EXPECT_EQ(w->Label41.caption(), QString("Sélection en cours :  LE-1"));
}

TEST_F(StripEditingTest, ShiftOnARunningCycleSwitchesItsTimerAtOnce)
{
    setMode(0, "Sym");
    s->schedule->FlagCycleSym[0] = 1;
    w->Timer4.setEnabled(true);
    move(0, 2000, 0, plat::ShiftKey);
    EXPECT_EQ(w->Timer4.interval(), 2000);
    EXPECT_EQ(w->strip(0).backColor(), plat::colors::White);
    // Shift with Ctrl is not Shift alone.
    setMode(1, "Sym");
    s->schedule->SelectionMode[1][2] = 1;
    move(1, 2000, 0, plat::ShiftKey | plat::CtrlKey);
    EXPECT_EQ(s->schedule->FlagSymMinutes[1], 0);
    EXPECT_EQ(w->Timer5.interval(), 60000);
}

TEST_F(StripEditingTest, ClickSelectsTheLeAndSetsUpThePanel)
{
    m().NBCycles[5] = "7";
    setMode(5, "Sym");
    click(5);
    EXPECT_EQ(s->schedule->Selbin, 5);
    EXPECT_EQ(w->Label41.caption(), QString("Sélection en cours :  LE-6"));
    EXPECT_EQ(w->Text1.text(), QString("7"));
    EXPECT_EQ(w->Label99.caption(), QString("7"));
    EXPECT_TRUE(w->Label21.visible());
    setMode(2, "Normal");
    click(2);
    EXPECT_FALSE(w->Label21.visible());
    EXPECT_FALSE(w->Text1.visible());
}

TEST_F(StripEditingTest, RightPressOnAnUnfixedSymStripFixesItThenOpensTheMenu)
{
    setMode(3, "Sym");
    move(3, 2400);
    t.dialogs.onPopup = [&](plat::Menu&) { EXPECT_EQ(s->schedule->FlagCycleSym[3], 1); };
    down(3, 2400, plat::RightButton);
    EXPECT_EQ(s->schedule->Selbin, 3);
    ASSERT_EQ(t.dialogs.popupsShown.size(), 1u);
    EXPECT_EQ(t.dialogs.popupsShown[0], QString("mnu3Liste"));
}

TEST_F(StripEditingTest, ChoosingPlaningAgainForAnIdleLeRestoresTheDefaults)
{
    // "planing" from the LE's pop-up in the main window; the window's opening
    // timer writes the caption 50 ms later.
    auto choosePlaning = [&] {
        t.dialogs.popupChoices.push_back("MListePlanning");
        plat::Label& label = leStrips(*prog).Label26[0];
        label.raiseMouse(label.onMouseDown, {plat::LeftButton, 0, 300, 120});
        t.time.advance(60);
    };
    choosePlaning();
    ASSERT_EQ(w->modeLabel(0).caption(), QString("Plan"));
    move(0, 100);
    drag(0, 2400, {3000});
    ASSERT_EQ(plan(0)[0], 3000);
    choosePlaning();
    move(0, 100);
    EXPECT_EQ(plan(0), (std::array<int32_t, 4>{2400, 3840, 7680, 9120}));
    EXPECT_EQ(texts(0, 4)[0], QString("05:00"));
}

// The same editing through the strip's own widget: Qt mouse events in
// pixels reach the handlers in strip units, with their buttons and keys.
TEST_F(StripEditingTest, RealMouseEventsOnTheStripWidget)
{
    auto send = [&](int le, QEvent::Type type, int px, Qt::MouseButton button, Qt::MouseButtons held,
                    Qt::KeyboardModifiers keys = Qt::NoModifier) {
        // px counts from the strip's client area, inside its border.
        QWidget* widget = w->strip(le).widget();
        const QPointF at = QPointF(px, 10) + widget->contentsRect().topLeft();
        QMouseEvent e(type, at, widget->mapToGlobal(at), button, held, keys);
        QApplication::sendEvent(widget, &e);
    };
    setMode(1, "Plan");
    send(1, QEvent::MouseMove, 160, Qt::NoButton, Qt::NoButton);   // 2400: defaults, T0 grabbed
    send(1, QEvent::MouseButtonPress, 160, Qt::LeftButton, Qt::LeftButton);
    send(1, QEvent::MouseMove, 200, Qt::NoButton, Qt::LeftButton);
    send(1, QEvent::MouseButtonRelease, 200, Qt::LeftButton, Qt::NoButton);
    EXPECT_EQ(plan(1)[0], 3000);
    EXPECT_EQ(texts(1, 4)[0], QString("06:15"));
    EXPECT_EQ(s->schedule->Selbin, 1);   // the release inside the strip is a click

    setMode(2, "Sym");
    s->schedule->SelectionMode[2][2] = 1;
    send(2, QEvent::MouseMove, 100, Qt::NoButton, Qt::NoButton, Qt::ShiftModifier);
    EXPECT_EQ(s->schedule->FlagSymMinutes[2], 1);
    EXPECT_EQ(w->Timer6.interval(), 2000);
    send(2, QEvent::MouseButtonPress, 160, Qt::RightButton, Qt::RightButton);
    EXPECT_EQ(s->schedule->Selbin, 2);
    EXPECT_EQ(t.dialogs.popupsShown.size(), 1u);
}

TEST_F(StripEditingTest, ReleaseInAnyModeNamesTheStrip)
{
    for (int le : {7, 4}) {
        up(le, 100);
        EXPECT_EQ(w->Label96.caption(), QString::number(le));
    }
    EXPECT_TRUE(canvas(7).printedTexts().isEmpty());
}

} // namespace
