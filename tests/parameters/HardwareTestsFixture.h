#pragma once
// The program after start-up with the hardware-test window at hand: fake LEs
// whose ports count as open for the window, the LE choice, and the last
// command frame an LE received.

#include "parameters/ParametersState.h"
#include "parameters/TestsMateriel.h"
#include "run/RunFixture.h"
#include "run/RunState.h"
#include "shell/LinkStatus.h"

class HardwareTestsTest : public RunTest {
protected:
    orv::TestsMateriel& w() { return *prog->form<orv::TestsMateriel>(); }

    // A fake LE on LE index le, its port open as the activation leaves it.
    FakeLE& fakeOn(int le)
    {
        FakeLE& f = addFake(le);
        s->status->ComPortOpen[le] = 1;
        return f;
    }
    void choose(int le) { w().Option2[le].userClick(); }
    // The command frame the LE receives after the requests just made.
    le::Fields nextCommand(FakeLE& f)
    {
        t.time.advance(600);
        EXPECT_FALSE(f.commands().empty());
        return f.commands().empty() ? le::Fields{} : f.commands().back();
    }
    // Closes the window with its close box.
    void closeWindow() { ASSERT_TRUE(w().unload(plat::FormControlMenu)); }
};
