#pragma once
// The start-selection window: a 24-hour schedule strip and a run mode per
// LE on the hour scale, the symmetric-cycle panel, START LE and the
// diagnostic panel. It is loaded at start-up and stays loaded until quit:
// closing it only hides it (and writes its position file).

#include "platform/Controls.h"
#include "platform/Form.h"
#include "platform/ListBox.h"
#include "platform/Menu.h"
#include "platform/PictureBox.h"

#include <array>
#include <memory>

namespace orv {

class Program;
struct SchedulerState;

class SelectionStart : public plat::Form {
public:
    explicit SelectionStart(Program& p);

    // Click target of the diagnostic panel; declared first so that it lies
    // in front of the hour scale it overlaps.
    plat::PictureBox Picture11{*this, "Picture11"};
    // The hour scale; it holds the strips and the name and mode labels.
    plat::PictureBox Picture1{*this, "Picture1"};

    // The day strips of LE-1 to LE-8 (Picture2 to Picture9), in strip units
    // (twips: 480 per hour from 00:00).
    plat::PictureBox Picture2{Picture1, "Picture2"}, Picture3{Picture1, "Picture3"},
        Picture4{Picture1, "Picture4"}, Picture5{Picture1, "Picture5"}, Picture6{Picture1, "Picture6"},
        Picture7{Picture1, "Picture7"}, Picture8{Picture1, "Picture8"}, Picture9{Picture1, "Picture9"};
    // The same strips by LE index; quit and start-up reach them here.
    std::array<plat::PictureBox*, 8> DayStrips{};
    plat::PictureBox& strip(int le) { return *DayStrips[le]; }

    // Per LE (LE-1 to LE-8): the name label and the mode label, whose
    // caption is the LE's run mode ("Normal", "Sym", "Asym", "Plan", "Stop",
    // empty, or one blank before any choice).
    plat::Label Label3{Picture1, "Label3"}, Label4{Picture1, "Label4"}, Label5{Picture1, "Label5"},
        Label6{Picture1, "Label6"}, Label7{Picture1, "Label7"}, Label8{Picture1, "Label8"},
        Label89{Picture1, "Label89"}, Label90{Picture1, "Label90"};
    plat::Label Label1{Picture1, "Label1"}, Label2{Picture1, "Label2"}, Label11{Picture1, "Label11"},
        Label17{Picture1, "Label17"}, Label18{Picture1, "Label18"}, Label19{Picture1, "Label19"},
        Label120{Picture1, "Label120"}, Label121{Picture1, "Label121"};
    plat::Label& nameLabel(int le);
    plat::Label& modeLabel(int le);
    // The LE's run mode: its mode label's caption.
    QString mode(int le) { return modeLabel(le).caption(); }

    // Pointer read-out over the scale ("X= ", "Y= "), shown with the diagnostics.
    plat::Label Label12{Picture1, "Label12"}, Label13{Picture1, "Label13"};
    // Diagnostic row at the top of the scale: captions Label122..Label134
    // (even), values Label123..Label135 (odd).
    plat::Label Label122{Picture1, "Label122"}, Label123{Picture1, "Label123"}, Label124{Picture1, "Label124"},
        Label125{Picture1, "Label125"}, Label126{Picture1, "Label126"}, Label127{Picture1, "Label127"},
        Label128{Picture1, "Label128"}, Label129{Picture1, "Label129"}, Label130{Picture1, "Label130"},
        Label131{Picture1, "Label131"}, Label132{Picture1, "Label132"}, Label133{Picture1, "Label133"},
        Label134{Picture1, "Label134"}, Label135{Picture1, "Label135"};
    // Diagnostic notes above each strip's row.
    plat::Label Label101{Picture1, "Label101"}, Label102{Picture1, "Label102"}, Label103{Picture1, "Label103"},
        Label100{Picture1, "Label100"}, Label104{Picture1, "Label104"}, Label105{Picture1, "Label105"},
        Label87{Picture1, "Label87"}, Label88{Picture1, "Label88"};

    // The selection line "Sélection en cours :  LE-n".
    plat::Label Label41{*this, "Label41"};

    // Symmetric-cycle panel: caption labels and their values (cycles done
    // Label32, step Label25, half cycle Label20 with unit Label34, full
    // cycle Label21 with unit Label33, start date Label30 and time Label22),
    // the maximum cycles box Text1 with its marker Label106.
    plat::Label Label31{*this, "Label31"}, Label32{*this, "Label32"}, Label24{*this, "Label24"},
        Label25{*this, "Label25"}, Label26{*this, "Label26"}, Label20{*this, "Label20"},
        Label34{*this, "Label34"}, Label27{*this, "Label27"}, Label21{*this, "Label21"},
        Label33{*this, "Label33"}, Label29{*this, "Label29"}, Label30{*this, "Label30"},
        Label28{*this, "Label28"}, Label22{*this, "Label22"}, Label35{*this, "Label35"};
    plat::TextBox Text1{*this, "Text1"};
    plat::Label Label106{*this, "Label106"};

    plat::CommandButton StartSortie{*this, "StartSortie"};   // "START LE"

    // Diagnostic area below the separator; in view when the window is 12800 high.
    plat::Line Line1{*this, "Line1"};
    plat::Label Label77{*this, "Label77"}, Label53{*this, "Label53"}, Label42{*this, "Label42"},
        Label111{*this, "Label111"}, Label82{*this, "Label82"}, Label80{*this, "Label80"},
        Label81{*this, "Label81"}, Label78{*this, "Label78"}, Label83{*this, "Label83"},
        Label98{*this, "Label98"}, Label96{*this, "Label96"}, Label115{*this, "Label115"},
        Label107{*this, "Label107"}, Label109{*this, "Label109"}, Label94{*this, "Label94"},
        Label95{*this, "Label95"}, Label97{*this, "Label97"}, Label84{*this, "Label84"},
        Label99{*this, "Label99"}, Label69{*this, "Label69"}, Label70{*this, "Label70"},
        Label71{*this, "Label71"}, Label93{*this, "Label93"}, Label113{*this, "Label113"},
        Label86{*this, "Label86"};
    // Captions of the diagnostic values, in the order of the area's rows.
    std::array<std::unique_ptr<plat::Label>, 25> LabelDiag;

    // Hidden lists the opening timer uses to find the newest saved day.
    plat::ListBox List1{*this, "List1"}, List2{*this, "List2"};

    // File menu, and the strips' pop-up menu (hidden from the menu bar).
    plat::Menu mnu2File{*this, "mnu2File", "File"};
    plat::Menu mnu2Visualiser{mnu2File, "mnu2Visualiser", "Visualiser"};
    plat::Menu mnu2SauverLesTraces{mnu2File, "mnu2SauverLesTraces", "Sauver les traces"};
    plat::Menu mnu3Liste{*this, "mnu3Liste", "MListe3"};
    plat::Menu mnuCopy{mnu3Liste, "mnuCopy", "Copy"};
    plat::Menu mnuLE1{mnuCopy, "mnuLE1", "LE1"}, mnuLE2{mnuCopy, "mnuLE2", "LE2"}, mnuLE3{mnuCopy, "mnuLE3", "LE3"},
        mnuLE4{mnuCopy, "mnuLE4", "LE4"}, mnuLE5{mnuCopy, "mnuLE5", "LE5"}, mnuLE6{mnuCopy, "mnuLE6", "LE6"},
        MnuLE7{mnuCopy, "MnuLE7", "LE7"}, MnuLE8{mnuCopy, "MnuLE8", "LE8"};
    plat::Menu mnuEffacer{mnu3Liste, "mnuEffacer", "Clear"};
    plat::Menu mnuMove{mnu3Liste, "mnuMove", "Move"};
    plat::Menu mnuRedraw{mnu3Liste, "mnuRedraw", "Redraw"};
    plat::Menu& pasteItem(int le);

    // Timer1 (50 ms, one-shot, enabled by the run-mode choices): places the
    // window, writes the mode captions from SelectionMode and reloads today's
    // images of the "Normal" LEs. Timer2 (100 ms, one-shot): redraws the hour
    // scale with the current-time cursor.
    plat::FormTimer Timer1{*this, "Timer1", 50};
    plat::FormTimer Timer2{*this, "Timer2", 100};
    // The symmetric-cycle timers of LE-1 to LE-8 (60000 ms, or 2000 ms in
    // the minutes variant; enabled by START LE).
    plat::FormTimer Timer4{*this, "Timer4", 60000}, Timer5{*this, "Timer5", 60000},
        Timer6{*this, "Timer6", 60000}, Timer7{*this, "Timer7", 60000}, Timer8{*this, "Timer8", 60000},
        Timer9{*this, "Timer9", 60000}, Timer16{*this, "Timer16", 60000}, Timer17{*this, "Timer17", 60000};
    plat::FormTimer& symTimer(int le);

    void Timer1_Timer();
    void Timer2_Timer();
    void Form_QueryUnload(int& cancel, int unloadMode) override;
    void Picture1_MouseMove(int Button, int Shift, double X, double Y);
    void Picture11_Click();
    // Hide or show the symmetric-cycle panel.
    void ConfigNormal();
    void ConfigSym();
    // The mode label text of run mode 1-7 ("Normal", "Sym", ...; empty for 7).
    static QString modeText(int mode);

    // --- drawing (StripDrawing.cpp)
    // LE le's planning or asymmetric window over its strip, with the time
    // labels; writes the LE's transition texts. The caller clears the strip.
    void TracePlanLE(int le);
    void TraceAsymLE(int le);
    // MinutesBrutes rounded to five into MinutesArrondies.
    void Decodage_base_60();
    // The symmetric cycle figure of LE le from FinCycleSymX; with its
    // length text when `withText`.
    void drawSymCycle(int le, bool withText);

    // --- mouse editing of the strips (StripEditing.cpp); le is the LE
    // index of the strip (Picture2 .. Picture9).
    void Picture_Click(int le);
    void Picture_MouseDown(int le, int Button, int Shift, double X, double Y);
    void Picture_MouseMove(int le, int Button, int Shift, double X, double Y);
    void Picture_MouseUp(int le, int Button, int Shift, double X, double Y);

    // --- strip pop-up menu (StripMenu.cpp)
    void mnuCopy_Click();
    void pasteOnto(int le);   // mnuLE1_Click .. MnuLE8_Click
    void mnuEffacer_Click();
    void mnuMove_Click();
    void mnuRedraw_Click();

    // --- daily images (DayStripImages.cpp)
    // Saves the eight strips as today's day images; returns the paths of the
    // images that could not be written (the others are written all the same).
    QStringList SauvTraces();
    void mnu2SauverLesTraces_Click();
    void mnu2Visualiser_Click();
    // Loads the day's image of LE le into its strip as background picture,
    // when the file is there; returns whether it did.
    bool loadDayImage(int le, const QString& imageDate);

    // --- scheduler execution: START LE (StartLE.cpp), the one-second tick
    // (SchedulerTick.cpp) and the symmetric cycle timers (SymCycle.cpp).
    // The tick (1000 ms) is enabled at load and never switched off.
    plat::FormTimer Timer3{*this, "Timer3", 1000};
    plat::Label Label66{*this, "Label66"};   // diagnostic value, emptied by the restart sections
    void StartSortie_Click();
    void Timer3_Timer();
    // The cycle timer of LE index le (Timer4..Timer9, Timer16, Timer17).
    void SymTimer_Timer(int le);
    // Hooks START LE, the tick and the cycle timers; starts the tick.
    void wireScheduler();


private:
    void layOut();
    void wireStrips();
    void wireMenus();
    void EnablePasteMenus();
    SchedulerState& model();
    Program& p_;
    bool opened_ = false;   // shown or placed by the opening timer in this session
};

// The status line of LE number n (1-8).
QString selectionText(int n);

} // namespace orv
