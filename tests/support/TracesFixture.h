#pragma once
// The program after start-up, for the trace area: the area's picture, one
// plot tick on demand, and the colours the traces use.

#include "platform/Canvas.h"
#include "shell/MainPanels.h"
#include "shell/ParamLogicielVB.h"
#include "support/ProgramFixture.h"
#include "support/StartedProgramFixture.h"
#include "traces/LogTraces.h"
#include "traces/TracesState.h"
#include "scheduler/SchedulerState.h"
#include "scheduler/SelectionStart.h"

namespace tr {
constexpr plat::Color Black = plat::colors::Black;
constexpr plat::Color White = plat::colors::White;
constexpr plat::Color DarkBlue = plat::rgb(0, 0, 128);
constexpr plat::Color Red = plat::rgb(200, 0, 0);   // a fill no trace uses, to see what a blank covers
constexpr plat::Color Yellow = plat::rgb(255, 255, 0);
constexpr plat::Color Magenta = plat::rgb(255, 0, 255);
} // namespace tr

class TracesTest : public StartedProgramTest {
protected:
    orv::TracesState* ts = nullptr;

    void SetUp() override
    {
        StartedProgramTest::SetUp();
        ts = s->traces.get();
    }

    plat::Canvas& area() { return mainPanels(*log).Picture13.canvas(); }
    plat::Color at(int x, int y) { return area().point(x, y); }
    void fillArea(plat::Color c) { area().line(0, 0, 9340, 4215, c, plat::Canvas::BoxFilled); }

    // One tick of LE index le's plot timer.
    void tick(int le);

    void setLFC2Sensor(int le, bool on) { prog->form<orv::ParamLogicielVB>()->Check4[le].setValue(on ? 1 : 0); }

    // How many texts equal to `text` the area has printed since it was last erased.
    int printed(const QString& text) { return int(area().printedTexts().count(text)); }
};
