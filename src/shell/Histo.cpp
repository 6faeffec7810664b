#include "shell/ShellState.h"
#include "shell/Histo.h"

#include "platform/Dialogs.h"
#include "platform/SeqFile.h"
#include "shell/FenQuestion.h"
#include "shell/History.h"
#include "shell/Program.h"
#include "shell/State.h"

namespace orv {

Histo::Histo(Program& p) : plat::Form(p.rt, "Histo"), p_(p)
{
    setCaption(QStringLiteral("  Activity Logging          [File:  Histo.txt]"));
    move(left(), top(), 10830, 7200);
    List1.move(0, 0, 10710, 6450);
    List1.setFontName(QStringLiteral("Courier New"));
    List1.setFontSize(9);

    Timer1.onTimer = [this] { Timer1_Timer(); };
    mnuChargeFichier.onClick = [this] { mnuChargeFichier_Click(); };
    mnuEffListe.onClick = [this] { mnuEffListe_Click(); };
    mnuEffLeFichier.onClick = [this] { mnuEffLeFichier_Click(); };
    mnuPrinter.onClick = [this] { mnuPrinter_Click(); };
    mnuQuitterHisto.onClick = [this] { mnuQuitterHisto_Click(); };
}

QString Histo::filePath() const { return p_.s.common->BaseFolder + QStringLiteral("\\") + HistoFileName; }

void Histo::Form_Load()
{
    indent_ = QStringLiteral("  ");
    Timer1.setEnabled(true);
}

void Histo::Timer1_Timer()
{
    State& s = p_.s;
    s.shell->HistoEntryCount = 0;
    List1.clear();

    QStringList list{QStringLiteral(" "), indent_ + HistoHeading, QStringLiteral(" ")};
    bool limitReached = false;
    // A file that cannot be read lists as an empty one. The file itself is
    // only read: the tidied list is never written back, so no history is lost.
    if (auto file = plat::SeqFile::open(p_.rt.drive, filePath(), plat::SeqFile::Mode::Input)) {
        while (auto entry = file->inputField()) {
            list.append(indent_ + indent_ + *entry);
            ++s.shell->HistoEntryCount;
            if (s.shell->HistoEntryCount > HistoEntryLimit) {
                limitReached = true;
                break;
            }
        }
    }
    TidyHistoList(list);
    for (const QString& entry : list) List1.addItem(entry);

    if (s.shell->HistoEntryCount == 0) {
        List1.clear();
        p_.rt.dialogs.msgBox(QStringLiteral("The file is empty ... "), plat::mb::Information, QStringLiteral(" Warning"));
    }
    if (limitReached)
        p_.rt.dialogs.msgBox(QStringLiteral("The boundaries of the list are reached!"), plat::mb::OKOnly,
                             QStringLiteral(" Warning!"));
    Timer1.setEnabled(false);
}

void Histo::mnuChargeFichier_Click() { Timer1.setEnabled(true); }

void Histo::mnuEffListe_Click() { List1.clear(); }

void Histo::mnuEffLeFichier_Click() { FenQuestion::Ask(p_, FenQuestion::DeleteFileQuestion, true); }

void Histo::mnuPrinter_Click() { FenQuestion::Ask(p_, FenQuestion::PrintListQuestion, false); }

void Histo::mnuQuitterHisto_Click() { unload(); }

void Histo::EffacerFichier()
{
    EmptyHistoFile(p_.rt.drive, p_.s.common->BaseFolder);
    List1.clear();
    p_.s.shell->HistoEntryCount = 0;
}

} // namespace orv
