#pragma once
// A started program with helpers to work the data logger's set-up window
// and file-name dialog as a user does.

#include "shell/MainMenus.h"
#include "traces/TracesState.h"
#include "shell/ParamLogicielVB.h"
#include "support/ProgramFixture.h"
#include "traces/Datalogger.h"
#include "traces/InterCMD1.h"

#include <initializer_list>

class LoggerTest : public ProgramTest {
protected:
    void SetUp() override
    {
        ProgramTest::SetUp();
        startUp();
    }

    orv::TracesState& ts() { return *prog->s.traces; }
    orv::Log& log() { return mainWindow(); }
    QString dataFile(const QString& name) const { return "C:\\LightCtl\\Datalogger\\" + name; }
    bool exists(const QString& winPath) const { return t.drive.fileExists(winPath); }

    // Opens the set-up window from the main window's menu and lets its load
    // timer restore the saved choices.
    orv::Datalogger& openWindow()
    {
        mainMenus(log()).mnuCreateDataLogger.click();
        orv::Datalogger* w = prog->ifLoaded<orv::Datalogger>();
        EXPECT_NE(w, nullptr);
        t.time.advance(50);
        return *w;
    }

    // The file step; the dialog is answered with `typed` and "Write" (or
    // "Cancel" when `cancel`). Returns the boxes shown while it was open.
    void fileStep(orv::Datalogger& w, const QString& typed, bool cancel = false)
    {
        t.dialogs.onModal = [typed, cancel](plat::Form& f) {
            auto& d = static_cast<orv::InterCMD1&>(f);
            if (cancel) {
                d.Annuler.click();
                return;
            }
            d.Text1.setText(typed);
            d.Enregistrer.click();
        };
        w.Command1.click();
        t.dialogs.onModal = nullptr;
    }

    // A whole set-up: type, separator, channels, period button and name,
    // then START; the window closes itself a second later.
    void startLogger(int type, int separator, std::initializer_list<int> channels, int period,
                     const QString& name)
    {
        orv::Datalogger& w = openWindow();
        w.Option1[type].userClick();
        w.Option2[separator].userClick();
        for (int c = 0; c < 16; ++c)
            if (w.Check1[c].value() != 0) w.Check1[c].userClick();
        for (int c : channels) w.Check1[c].userClick();
        w.Sel[period].click();
        fileStep(w, name);
        w.Activation.click();
        startedAt = t.time.nowMs();
        t.time.advance(1000);
        ASSERT_EQ(prog->ifLoaded<orv::Datalogger>(), nullptr);
    }

    // Moves the time to `minutes` after the last START: the writer's ticks
    // fall on whole minutes from there.
    void atMinute(int64_t minutes) { t.time.advance(startedAt + minutes * 60000 - t.time.nowMs()); }
    int64_t startedAt = 0;

    void activate(std::initializer_list<int> les)
    {
        auto& settings = prog->form<orv::ParamLogicielVB>().get();
        for (int le : les) settings.Check1[le].setValue(1);
    }
};
