#pragma once
// The start-selection window: a 24-hour schedule strip and a run mode per LE.

#include "platform/Controls.h"
#include "platform/Form.h"
#include "platform/ListBox.h"
#include "platform/Menu.h"
#include "platform/PictureBox.h"
#include "platform/ScrollBar.h"

#include <array>

namespace orv {

class Program;

class SelectionStart : public plat::Form {
public:
    explicit SelectionStart(Program& p);

    // Per LE (LE-1 to LE-8): the name label and the mode label ("Normal",
    // "Sym", "Asym", "Plan", "Stop" or empty).
    plat::Label Label3{*this, "Label3"}, Label4{*this, "Label4"}, Label5{*this, "Label5"},
        Label6{*this, "Label6"}, Label7{*this, "Label7"}, Label8{*this, "Label8"},
        Label89{*this, "Label89"}, Label90{*this, "Label90"};
    plat::Label Label1{*this, "Label1"}, Label2{*this, "Label2"}, Label11{*this, "Label11"},
        Label17{*this, "Label17"}, Label18{*this, "Label18"}, Label19{*this, "Label19"},
        Label120{*this, "Label120"}, Label121{*this, "Label121"};
    plat::Label& nameLabel(int le);
    plat::Label& modeLabel(int le);

    // The day strips of LE-1 to LE-8 (Picture2 to Picture9), which quit saves
    // as the day's images. An entry stays null until its strip picture exists;
    // the scheduler points them at its strips.
    std::array<plat::PictureBox*, 8> DayStrips{};
    plat::PictureBox Picture2{*this, "Picture2"}, Picture3{*this, "Picture3"}, Picture4{*this, "Picture4"},
        Picture5{*this, "Picture5"}, Picture6{*this, "Picture6"}, Picture7{*this, "Picture7"},
        Picture8{*this, "Picture8"}, Picture9{*this, "Picture9"};
    plat::PictureBox& strip(int le) { return *DayStrips[le]; }

    // Run-mode selection: the status line, the symmetric-cycle panel (the
    // cycle-count box Text1, its indicator Label106 and the labels Label20
    // to Label35), the hour-scale picture, and the symmetric-cycle timers of
    // LE-1 to LE-8 (Timer4..Timer9, Timer16, Timer17).
    plat::Label Label41{*this, "Label41"};
    plat::TextBox Text1{*this, "Text1"};
    plat::Label Label106{*this, "Label106"};
    plat::Label Label20{*this, "Label20"}, Label21{*this, "Label21"}, Label22{*this, "Label22"},
        Label23{*this, "Label23"}, Label24{*this, "Label24"}, Label25{*this, "Label25"},
        Label26{*this, "Label26"}, Label27{*this, "Label27"}, Label28{*this, "Label28"},
        Label29{*this, "Label29"}, Label30{*this, "Label30"}, Label31{*this, "Label31"},
        Label32{*this, "Label32"}, Label33{*this, "Label33"}, Label34{*this, "Label34"},
        Label35{*this, "Label35"};
    plat::PictureBox Picture1{*this, "Picture1"};
    plat::FormTimer Timer4{*this, "Timer4", 60000}, Timer5{*this, "Timer5", 60000},
        Timer6{*this, "Timer6", 60000}, Timer7{*this, "Timer7", 60000}, Timer8{*this, "Timer8", 60000},
        Timer9{*this, "Timer9", 60000}, Timer16{*this, "Timer16", 60000}, Timer17{*this, "Timer17", 60000};
    plat::FormTimer& symTimer(int le);
    // Timer1 (50 ms, one-shot): lays the window out at its saved position
    // and writes every LE's mode label from SelectionMode. Timer2 (100 ms,
    // one-shot): the hour scale.
    plat::FormTimer Timer1{*this, "Timer1", 50};
    plat::FormTimer Timer2{*this, "Timer2", 100};
    void Timer1_Timer();
    void Timer2_Timer();
    // Hides the symmetric-cycle panel.
    void ConfigNormal();
    // The mode label text of run mode 1-7 ("Normal", "Sym", ...; empty for 7).
    static QString modeText(int mode);

    // ------------------------------------------------ scheduler execution
    // START LE, the one-second scheduler tick and the symmetric cycle timers
    // (StartLE.cpp, SchedulerTick.cpp, SymCycle.cpp).
    plat::CommandButton StartSortie{*this, "StartSortie"};   // "START LE"
    // The scheduler tick (1000 ms): enabled at load, never switched off.
    plat::FormTimer Timer3{*this, "Timer3", 1000};
    // Diagnostic panel below the normal height: value labels the scheduler
    // writes every second; nothing reads them.
    plat::Label Label42{*this, "Label42"}, Label53{*this, "Label53"}, Label66{*this, "Label66"},
        Label69{*this, "Label69"}, Label70{*this, "Label70"}, Label71{*this, "Label71"},
        Label77{*this, "Label77"}, Label78{*this, "Label78"}, Label80{*this, "Label80"},
        Label81{*this, "Label81"}, Label82{*this, "Label82"}, Label83{*this, "Label83"},
        Label84{*this, "Label84"}, Label86{*this, "Label86"}, Label93{*this, "Label93"},
        Label94{*this, "Label94"}, Label95{*this, "Label95"}, Label97{*this, "Label97"},
        Label98{*this, "Label98"}, Label99{*this, "Label99"}, Label107{*this, "Label107"},
        Label109{*this, "Label109"}, Label111{*this, "Label111"}, Label113{*this, "Label113"},
        Label115{*this, "Label115"};
    void StartSortie_Click();
    void Timer3_Timer();
    // The cycle timer of LE index le (Timer4..Timer9, Timer16, Timer17).
    void SymTimer_Timer(int le);
    // Hooks START LE, the tick and the cycle timers; the tick starts with the window.
    void wireScheduler();

private:
    Program& p_;
};

} // namespace orv
