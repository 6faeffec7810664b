#pragma once
// The program after start-up with its start-selection window, and the
// user's mouse on the strips: events as the platform raises them, in twips.

#include "platform/Canvas.h"
#include "scheduler/SchedulerState.h"
#include "scheduler/SelectionStart.h"
#include "scheduler/StripModel.h"
#include "support/ProgramFixture.h"

class StripTest : public ProgramTest {
protected:
    orv::SelectionStart* w = nullptr;
    orv::State* s = nullptr;

    void SetUp() override
    {
        ProgramTest::SetUp();
        startUp();
        w = &*prog->form<orv::SelectionStart>();
        s = &prog->s;
    }

    orv::SchedulerState& m() { return *s->scheduler; }
    void setMode(int le, const QString& caption) { w->modeLabel(le).setCaption(caption); }
    plat::Canvas& canvas(int le) { return w->strip(le).canvas(); }

    void move(int le, double x, int button = 0, int shift = 0, double y = 200)
    {
        plat::PictureBox& p = w->strip(le);
        p.raiseMouse(p.onMouseMove, {button, shift, x, y});
    }
    void down(int le, double x, int button = plat::LeftButton, int shift = 0, double y = 200)
    {
        plat::PictureBox& p = w->strip(le);
        p.raiseMouse(p.onMouseDown, {button, shift, x, y});
    }
    void up(int le, double x, int button = plat::LeftButton, int shift = 0, double y = 200)
    {
        plat::PictureBox& p = w->strip(le);
        p.raiseMouse(p.onMouseUp, {button, shift, x, y});
    }
    void click(int le)
    {
        plat::PictureBox& p = w->strip(le);
        p.raise(p.onClick);
    }
    // A left-button drag from `from` to `to` in steps, then the release.
    void drag(int le, double from, std::initializer_list<double> path)
    {
        move(le, from);
        down(le, from);
        for (double x : path) move(le, x, plat::LeftButton);
        up(le, *(path.end() - 1));
    }
    std::array<int32_t, 4> plan(int le) const
    {
        const auto& t = prog->s.scheduler->TransitionPlanX[le];
        return {t[0], t[1], t[2], t[3]};
    }
    QStringList texts(int le, int count) const
    {
        QStringList out;
        for (int k = 0; k < count; ++k)
            out << prog->s.scheduler->HeuresTransition[le][k] + ":" + prog->s.scheduler->MinutesTransition[le][k];
        return out;
    }
};

inline const plat::Color DarkBlue = plat::rgb(0, 0, 128);
