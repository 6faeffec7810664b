#pragma once
// The history viewer: shows Histo.txt, tidied, in a fixed-pitch list. It
// never writes the file back; only "Delete File Hdd" (through FenQuestion)
// empties it.

#include "platform/Controls.h"
#include "platform/Form.h"
#include "platform/ListBox.h"
#include "platform/Menu.h"

namespace orv {

class Program;

class Histo : public plat::Form {
public:
    explicit Histo(Program& p);

    void Form_Load() override;
    void Timer1_Timer();
    void mnuChargeFichier_Click();
    void mnuEffListe_Click();
    void mnuEffLeFichier_Click();
    void mnuPrinter_Click();
    void mnuQuitterHisto_Click();

    // Empties the history file and the list ("Yes" to the delete question).
    void EffacerFichier();

    plat::ListBox List1{*this, "List1"};
    plat::FormTimer Timer1{*this, "Timer1", 100, false};

    plat::Menu mnuFileHisto{*this, "mnuFileHisto", "File"};
    plat::Menu mnuChargeFichier{mnuFileHisto, "mnuChargeFichier", "Upload File"};
    plat::Menu mnulg1{mnuFileHisto, "mnulg1", "-"};
    plat::Menu mnuEffListe{mnuFileHisto, "mnuEffListe", "Delete List View"};
    plat::Menu mnuEffLeFichier{mnuFileHisto, "mnuEffLeFichier", "Delete File Hdd"};
    plat::Menu mnulg2{mnuFileHisto, "mnulg2", "-"};
    plat::Menu mnuPrinter{mnuFileHisto, "mnuPrinter", "Print List"};
    plat::Menu mnulg3{mnuFileHisto, "mnulg3", "-"};
    plat::Menu mnuQuitterHisto{mnuFileHisto, "mnuQuitterHisto", "Quit"};

private:
    QString filePath() const;
    Program& p_;
    QString indent_;
};

} // namespace orv
