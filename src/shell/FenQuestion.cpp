#include "shell/ShellState.h"
#include "shell/FenQuestion.h"

#include "platform/Printer.h"
#include "shell/Histo.h"
#include "shell/History.h"
#include "shell/PrintFiled.h"
#include "shell/Program.h"
#include "shell/State.h"

namespace orv {

FenQuestion::FenQuestion(Program& p) : plat::Form(p.rt, "FenQuestion"), p_(p)
{
    setCaption(QStringLiteral(" "));
    move((screenWidth() - 5100) / 2, (screenHeight() - 2100) / 2, 5100, 2100);
    Label1.move(240, 240, 4500, 615);
    Label1.setAlignment(plat::Label::AlignCenter);
    Label1.setFontBold(true);
    Ret1.setCaption(QStringLiteral("Yes"));
    Ret1.move(840, 1020, 1215, 375);
    Ret2.setCaption(QStringLiteral("No"));
    Ret2.move(2880, 1020, 1215, 375);
    Ret2.setCancel(true);   // Escape answers "No"
    Ret1.onClick = [this] { Ret1_Click(); };
    Ret2.onClick = [this] { Ret2_Click(); };
}

void FenQuestion::Form_Load() { suffix_ = QString(19, QLatin1Char(' ')); }

void FenQuestion::Ask(Program& p, const QString& question, bool modal)
{
    FenQuestion& q = *p.form<FenQuestion>();
    q.setCaption(QStringLiteral(" Warning"));
    q.Label1.setCaption(question);
    // Enter answers "Yes" only where that deletes nothing.
    plat::CommandButton& answer = question == DeleteFileQuestion ? q.Ret2 : q.Ret1;
    answer.setDefault(true);
    answer.setFocus();
    q.show(modal);
}

void FenQuestion::Ret1_Click()
{
    const QString question = Label1.caption();
    if (question == DeleteFileQuestion) {
        if (Histo* viewer = p_.ifLoaded<Histo>())
            viewer->EffacerFichier();
        else
            EmptyHistoFile(p_.rt.drive, p_.s.common->BaseFolder);
        p_.s.shell->HistoEntryCount = 0;
    } else if (question == PrintListQuestion) {
        // The viewer's list as it is now; a viewer closed meanwhile prints empty.
        Histo* viewer = p_.ifLoaded<Histo>();
        const qsizetype filed = p_.rt.printer.filedPaths().size();
        p_.rt.printer.setDocName(QStringLiteral("history"));
        PrintHistoList(p_.rt.printer, viewer ? viewer->List1.items() : QStringList(), suffix_);
        TellWhereFiled(p_, filed);
    }
    unload();
}

void FenQuestion::Ret2_Click() { unload(); }

} // namespace orv
