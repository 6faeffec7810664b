#include "traces/InterCMD1.h"

#include "platform/Dialogs.h"
#include "shell/Program.h"
#include "shell/State.h"
#include "traces/LoggerFiles.h"
#include "traces/TracesState.h"

namespace orv {

namespace {

void stop(Program& p, const QString& text)
{
    p.rt.dialogs.msgBox(text, int(plat::mb::OKOnly) | int(plat::mb::Critical), QStringLiteral(" Warning!"));
}

void placeLabel(plat::Label& l, int left, int top, int width, const QString& text)
{
    l.move(left, top, width, 255);
    l.setCaption(text);
    l.setBackStyle(0);
}

} // namespace

InterCMD1::InterCMD1(Program& p) : plat::Form(p.rt, "InterCMD1"), p_(p)
{
    setCaption(QStringLiteral(" Create file..."));
    setClientSize(6240, 4080);
    placeLabel(Label1, 120, 180, 975, QStringLiteral("Save :"));
    Label2.move(1140, 150, 4935, 285);
    Label2.setBorderStyle(1);
    Label2.setBackColor(plat::colors::White);
    placeLabel(Label3, 120, 600, 975, QStringLiteral("Filename :"));
    Text1.move(1140, 570, 4935, 315);
    Text1.setText(QStringLiteral(" "));
    placeLabel(Label5, 120, 1020, 975, QStringLiteral("Type :"));
    placeLabel(Label6, 1140, 1020, 1455, QString());
    List1.move(1140, 1380, 4935, 1815);
    Enregistrer.move(1140, 3420, 1575, 435);
    Enregistrer.setCaption(QStringLiteral("Write"));
    Enregistrer.setDefault(true);
    Annuler.move(4500, 3420, 1575, 435);
    Annuler.setCaption(QStringLiteral("Cancel"));

    Enregistrer.onClick = [this] { Enregistrer_Click(); };
    Annuler.onClick = [this] { Annuler_Click(); };
    List1.onClick = [this] { List1_Click(); };
    Timer1.onTimer = [this] { Timer1_Timer(); };
}

void InterCMD1::Form_Load() { Timer1.setEnabled(true); }

void InterCMD1::Timer1_Timer()
{
    Text1.setFocus();
    Timer1.setEnabled(false);
}

void InterCMD1::List1_Click() { Text1.setText(List1.list(List1.listIndex())); }

// The name must stay a file of the data logger folder: a path separator, a
// character that a file name cannot hold or a name too long for the host's
// files is refused, and the dialog stays.
void InterCMD1::Enregistrer_Click()
{
    const QString name = Text1.text();
    if (name == QLatin1String(" ")) {
        stop(p_, QStringLiteral("There is nothing to save! "));
        return;
    }
    if (!logger::isPlainFileName(name, p_.s.traces->LoggerFileExt)) {
        stop(p_, QStringLiteral("Invalid file name! "));
        return;
    }
    p_.s.traces->LoggerDialogPath = p_.s.common->BaseFolder + QStringLiteral("\\Datalogger\\") + name;
    unload();
}

void InterCMD1::Annuler_Click()
{
    p_.s.traces->LoggerDialogPath.clear();
    unload();
}

} // namespace orv
