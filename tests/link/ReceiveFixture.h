#pragma once
// The program after start-up with the eight ports open on in-memory lines,
// as the port activation leaves them; frames go in on LE-n's line and the
// receive event runs without moving the virtual clock.

#include "run/LogRun.h"
#include "link/LeInstances.h"
#include "model/Frames.h"
#include "shell/LinkStatus.h"
#include "shell/Log.h"
#include "shell/ParamLogicielVB.h"
#include "support/FakeLE.h"
#include "support/ProgramFixture.h"

class ReceiveTest : public ProgramTest {
protected:
    orv::Log* log = nullptr;
    orv::State* s = nullptr;

    void SetUp() override
    {
        ProgramTest::SetUp();
        startUp();
        log = &mainWindow();
        s = &prog->s;
        for (int le = 0; le < 8; ++le) openPort(le);
        settings().Check2.setValue(0);   // "Normal view"
    }


    orv::ParamLogicielVB& settings() { return *prog->form<orv::ParamLogicielVB>(); }

    // Characters arrive on LE index le's line; its receive events run.
    void receive(int le, const QByteArray& chars)
    {
        ASSERT_TRUE(t.ports.inject(le + 1, chars));
        t.time.runPending();
    }
    void receive(int le, const le::Fields& f) { receive(le, le::composeFrame(f)); }

    // A marked status frame in `phase`, other fields at rest values.
    static le::Fields status(int phase = 0) { return FakeLE::statusFields(phase); }

    plat::FormTimer& txTimer(int le) { return (*log).*orv::leInstance(le).txTimer; }
    plat::FormTimer& restTimer(int le) { return log->run->RestTimer(le); }

    std::array<int32_t, 32> row(int le) const
    {
        std::array<int32_t, 32> r{};
        for (int i = 0; i < 32; ++i) r[i] = s->status->FadecIO[le][i];
        return r;
    }
    static std::array<int32_t, 32> asRow(const le::Fields& f)
    {
        std::array<int32_t, 32> r{};
        for (int i = 0; i < 32; ++i) r[i] = f[i];
        return r;
    }
};
