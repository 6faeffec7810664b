#pragma once
// The program after start-up on drive C:\LightCtl, with the main window and
// the shared state at hand, and fake LEs on in-memory lines on demand.

#include "shell/State.h"
#include "support/FakeLE.h"
#include "support/ProgramFixture.h"

#include <memory>
#include <vector>

class StartedProgramTest : public ProgramTest {
protected:
    orv::Log* log = nullptr;
    orv::State* s = nullptr;
    std::vector<std::unique_ptr<FakeLE>> fakes;

    void SetUp() override;

    // A fake LE on LE index le's line, its port open.
    FakeLE& addFake(int le)
    {
        openPort(le);
        fakes.push_back(std::make_unique<FakeLE>(t, le + 1, le + 1));
        return *fakes.back();
    }
};
