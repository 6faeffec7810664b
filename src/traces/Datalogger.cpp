// The set-up window's behaviour: restoring the saved choices, the file step
// with the file-name dialog and the existing-file panel, the channel, type,
// separator and period choices, and START.

#include "shell/LogTimers.h"
#include "shell/MainMenus.h"
#include "traces/Datalogger.h"

#include "platform/Dialogs.h"
#include "platform/Drive.h"
#include "platform/LineFile.h"
#include "platform/SeqFile.h"
#include "platform/TimeSource.h"
#include "shell/Program.h"
#include "shell/State.h"
#include "traces/InterCMD1.h"
#include "traces/LoggerFiles.h"
#include "traces/TracesState.h"

namespace orv {

namespace {

constexpr plat::Color ChosenGreen = plat::rgb(128, 255, 128);
constexpr plat::Color IncompleteOrange = plat::rgb(255, 159, 0);
constexpr int MinuteTicks = 60000;

QStringList fileLines(const Program& p, const QString& name)
{
    QStringList lines;
    if (const auto f = plat::LineFile::read(p.rt.drive, inBase(p.s, name)))
        for (int n = 1; n <= f->count(); ++n) lines << f->line(n).value_or(QString());
    return lines;
}

QString dataFolder(const Program& p) { return p.s.common->BaseFolder + QStringLiteral("\\Datalogger\\"); }

} // namespace

Datalogger::Datalogger(Program& p) : plat::Form(p.rt, "Datalogger"), p_(p)
{
    layout();
    for (int i = 0; i < logger::ChannelCount; ++i) Check1[i].onClick = [this, i] { Check1_Click(i); };
    for (int i = 0; i < 4; ++i) Option1[i].onClick = [this, i] { Option1_Click(i); };
    for (int i = 0; i < 2; ++i) Option2[i].onClick = [this, i] { Option2_Click(i); };
    for (int i = 0; i < logger::PeriodCount; ++i) Sel[i].onClick = [this, i] { Sel_Click(i); };
    Command1.onClick = [this] { Command1_Click(); };
    EAppend.onClick = [this] { EAppend_Click(); };
    EErase.onClick = [this] { EErase_Click(); };
    Activation.onClick = [this] { Activation_Click(); };
    Timer1.onTimer = [this] { Timer1_Timer(); };
    Timer12.onTimer = [this] { Timer12_Timer(); };
}

void Datalogger::Form_Load()
{
    setCaption(QStringLiteral("Datalogger"));
    Timer1.setEnabled(true);
}

// Restores the saved choices: the separator from NS.ini (which the option's
// click writes back), then type, channels, file name and period from
// TypeFile.ini. A missing file or a bad value gives that value's start-up
// default.
void Datalogger::Timer1_Timer()
{
    TracesState& t = *p_.s.traces;
    Picture1.setVisible(false);
    t.LoggerPeriodChosen.clear();
    for (int i = 0; i < logger::ChannelCount; ++i) Check1[i].setEnabled(true);

    const logger::NsValues ns = logger::parseNsFile(fileLines(p_, QStringLiteral("NS.ini")));
    t.LoggerNSReserved = uint8_t(ns.reserved);
    t.LoggerSeparatorChoice = uint8_t(ns.separatorChoice);
    Option2[t.LoggerSeparatorChoice == 0 ? 0 : 1].setValue(true);

    const logger::TypeFileValues v = logger::parseTypeFile(fileLines(p_, QStringLiteral("TypeFile.ini")));
    t.LoggerFileType = uint8_t(v.fileType);
    if (v.fileType <= 3) Option1[v.fileType].setValue(true);
    for (int i = 0; i < logger::ChannelCount; ++i) {
        t.LoggerChannelFlags[i] = v.channelFlags[i];
        Check1[i].setValue(v.channelFlags[i]);
    }
    t.LoggerFileName = v.fileName;
    if (!t.LoggerFileName.isEmpty())
        if (const auto names = logger::perLeFileNames(t.LoggerFileName)) t.LoggerFileNames = *names;
    for (int k = 0; k < logger::PeriodCount; ++k) {
        t.LoggerPeriodFlags[k] = v.periodFlags[k];
        if (v.periodFlags[k] == 1) {
            t.LoggerPeriodIndex = uint8_t(k);
            ActSelClic();
        }
    }
    Label7.setCaption(t.LoggerFileName);
    t.LoggerChannelChosen.clear();
    Timer1.setEnabled(false);
}

// The file step: lists the data files of the chosen extension, asks for a
// name, derives the six data file names and flags a name already there.
void Datalogger::Command1_Click()
{
    TracesState& t = *p_.s.traces;
    InterCMD1& dialog = p_.form<InterCMD1>().get();
    dialog.List1.clear();
    List1.clear();
    const QString ext = t.LoggerFileExt;
    auto addEntry = [&](const QString& entry) {
        dialog.List1.addItem(entry);
        List1.addItem(entry);
        p_.rt.time.doEvents();
    };
    for (const QString& name : p_.rt.drive.list(dataFolder(p_), plat::Drive::Kind::Files))
        if (name.endsWith(ext, Qt::CaseInsensitive)) addEntry(name);
    addEntry(QString());

    // The events run while the lists filled may have closed this window.
    InterCMD1* d = p_.ifLoaded<InterCMD1>();
    if (!d) return;
    d->Label6.setCaption(QStringLiteral("*") + ext);
    d->Label2.setCaption(dataFolder(p_));
    d->show(true);

    if (t.LoggerDialogPath.isEmpty()) {
        t.LoggerFileName.clear();
        Label7.setCaption(QString());
        return;
    }
    // The extension test looks at the typed name only, not at the folders.
    const qsizetype nameStart = t.LoggerDialogPath.lastIndexOf(QLatin1Char('\\')) + 1;
    QString path = t.LoggerDialogPath;
    if (!path.mid(nameStart).contains(ext, Qt::CaseSensitive)) path += ext;
    const auto names = logger::perLeFileNames(path);
    if (!names) return;
    t.LoggerFileNames = *names;
    t.LoggerFileName = path;
    Label7.setCaption(path);

    List1.setListIndex(-1);
    for (int k = 0; k < List1.listCount(); ++k) {
        if ((dataFolder(p_) + List1.list(k)).toUpper() == t.LoggerFileName.toUpper()) {
            Picture1.setVisible(true);
            List1.setListIndex(k);
        }
        p_.rt.time.doEvents();
    }
}

void Datalogger::EAppend_Click() { Picture1.setVisible(false); }

// Empties the chosen file; when it cannot be emptied the panel stays, so the
// file is not taken for emptied.
void Datalogger::EErase_Click()
{
    auto f = plat::SeqFile::open(p_.rt.drive, p_.s.traces->LoggerFileName, plat::SeqFile::Mode::Output);
    if (!f || !f->close()) return;
    Picture1.setVisible(false);
    List1.clear();
}

void Datalogger::Check1_Click(int Index)
{
    p_.s.traces->LoggerChannelFlags[Index] = Check1[Index].value() == 1 ? 1 : 0;
}

void Datalogger::Option1_Click(int Index)
{
    TracesState& t = *p_.s.traces;
    t.LoggerFileType = uint8_t(Index);
    t.LoggerFileExt = logger::extensionOfType(Index);
}

// NS.ini follows the separator at once; a failed write is skipped.
void Datalogger::Option2_Click(int Index)
{
    TracesState& t = *p_.s.traces;
    plat::writeLines(p_.rt.drive, inBase(p_.s, QStringLiteral("NS.ini")),
               logger::nsFileLines({t.LoggerNSReserved, Index}));
    t.LoggerSeparatorChoice = uint8_t(Index);
}

void Datalogger::Sel_Click(int Index)
{
    TracesState& t = *p_.s.traces;
    for (int k = 0; k < logger::PeriodCount; ++k) t.LoggerPeriodFlags[k] = k == Index ? 1 : 0;
    t.LoggerPeriodIndex = uint8_t(Index);
    ActSelClic();
}

void Datalogger::ActSelClic()
{
    TracesState& t = *p_.s.traces;
    EffaceBouton();
    const int k = t.LoggerPeriodIndex < logger::PeriodCount ? t.LoggerPeriodIndex : 0;
    Sel[k].setBackColor(ChosenGreen);
    Label9.setCaption(Sel[k].caption() + QStringLiteral(" "));
    t.LoggerPeriodChosen = Sel[k].caption();
    t.LoggerPeriodReload = logger::PeriodMinutes[k] - 1;
    t.LoggerCountdown = t.LoggerPeriodReload;
}

void Datalogger::EffaceBouton()
{
    for (int k = 0; k < logger::PeriodCount; ++k) Sel[k].setBackColor(plat::ButtonFace);
}

void Datalogger::Activation_Click()
{
    TracesState& t = *p_.s.traces;
    for (uint8_t f : t.LoggerChannelFlags)
        if (f == 1) t.LoggerChannelChosen = QStringLiteral("1");
    Activation.setCaption(QStringLiteral("Data logging is ready to run"));
    Command1.setFocus();

    if (t.LoggerFileName.isEmpty() || t.LoggerPeriodChosen.isEmpty() || t.LoggerChannelChosen.isEmpty()) {
        Activation.setBackColor(IncompleteOrange);
        p_.rt.dialogs.msgBox(QStringLiteral("Please Complete Step 1 to 3  "),
                             int(plat::mb::OKOnly) | int(plat::mb::Critical), QString());
        if (!p_.ifLoaded<Datalogger>()) return;
        Activation.setBackColor(plat::ButtonFace);
        Activation.setCaption(QStringLiteral("Press to START"));
        return;
    }
    LogTimers& timers = logTimers(p_);
    timers.Timer42.setInterval(MinuteTicks);
    timers.Timer42.setEnabled(true);
    MainMenus& menus = mainMenus(p_);
    menus.mnuCreateDataLogger.setChecked(true);
    menus.mnuOffDataLogger.setChecked(false);
    Timer12.setEnabled(true);
    Activation.setBackColor(plat::ButtonFace);
    Activation.setCaption(QStringLiteral("Press to START"));
    Activation.setBackColor(ChosenGreen);
    // A failed write is skipped: the logger runs on the choices in memory.
    logger::TypeFileValues v;
    v.fileType = t.LoggerFileType;
    v.channelFlags = t.LoggerChannelFlags;
    v.fileName = t.LoggerFileName;
    v.periodFlags = t.LoggerPeriodFlags;
    plat::writeLines(p_.rt.drive, inBase(p_.s, QStringLiteral("TypeFile.ini")), logger::typeFileLines(v));
    Command1.setFocus();
}

void Datalogger::Timer12_Timer()
{
    Timer12.setEnabled(false);
    unload();
}

} // namespace orv
