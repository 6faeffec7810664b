#include "scheduler/RefCapteurLFC2.h"
#include "platform/Dialogs.h"
#include "platform/LineFile.h"
#include "scheduler/SchedulerState.h"
#include "shell/Program.h"
#include "shell/ScheduleFlags.h"

namespace orv {

namespace {
const QString Lfc2File = QStringLiteral("Level.LFC2b.ini");
const QString NoReference = QStringLiteral("---");
constexpr int PlaceDx = 6800;
constexpr int PlaceDy = 1850;
constexpr int RowHeight = 230;   // one LE row of the main window's value labels
} // namespace

RefCapteurLFC2::RefCapteurLFC2(Program& p) : plat::Form(p.rt, "RefCapteurLFC2"), p_(p)
{
    setCaption(QStringLiteral("    Capteur LFC-2  (CAL)"));
    move(0, 0, 3300, 2010);
    Label1.move(240, 180, 1095, 255);
    Label1.setCaption(QStringLiteral("Select LE-"));
    Label1.setBackStyle(0);
    Label2.move(1380, 180, 495, 255);
    Label2.setBackColor(plat::colors::LightGrey);
    Label3.move(240, 600, 1095, 255);
    Label3.setCaption(QStringLiteral("Value CAL :"));
    Label3.setBackStyle(0);
    Text1.move(1380, 570, 855, 285);
    Valide.move(240, 1080, 1215, 375);
    Valide.setCaption(QStringLiteral("Valide "));
    Valide.setDefault(true);
    Command1.move(1680, 1080, 1215, 375);
    Command1.setCaption(QStringLiteral("Cancel"));

    Timer1.onTimer = [this] { Timer1_Timer(); };
    Valide.onClick = [this] { Valide_Click(); };
    Command1.onClick = [this] { Command1_Click(); };
}

void RefCapteurLFC2::Form_Load() { Timer1.setEnabled(true); }

void RefCapteurLFC2::Timer1_Timer()
{
    State& s = p_.s;
    SchedulerState& sc = *s.scheduler;
    const int le = s.scheduler->IndiceLFC < LeCount ? s.scheduler->IndiceLFC : 0;
    const plat::Form& log = logForm(p_);
    setLeft(log.left() + s.scheduler->ClicLFCX + PlaceDx);
    setTop(log.top() + s.scheduler->ClicLFCY + PlaceDy + le * RowHeight);
    Label2.setCaption(QString::number(le + 1));
    // The text held before the file is read again: start-up read the file as
    // numbers, so a "---" shows as "0" at the first opening.
    Text1.setText(sc.CalLFC2Text[le]);
    readLfc2File(p_);
    Timer1.setEnabled(false);
}

std::optional<RefCapteurLFC2::CalEntry> RefCapteurLFC2::parseCal(const QString& typed)
{
    const QString t = typed.trimmed();
    if (t == NoReference) return CalEntry{t, 0};
    if (t.isEmpty() || t.size() > 3) return std::nullopt;
    for (QChar c : t)
        if (c < QLatin1Char('0') || c > QLatin1Char('9')) return std::nullopt;
    const int v = t.toInt();
    if (v > 255) return std::nullopt;
    return CalEntry{t, uint8_t(v)};
}

// Only "---" or a byte is stored: anything else would leave a CAL text the
// light-triggered mode and the file could not agree on.
void RefCapteurLFC2::Valide_Click()
{
    const auto entry = parseCal(Text1.text());
    if (!entry) {
        p_.rt.dialogs.msgBox(QStringLiteral("Value CAL : --- or a whole number from 0 to 255 ! "),
                             int(plat::mb::OKOnly) | int(plat::mb::Exclamation), QStringLiteral(" Warning ! "));
        return;
    }
    State& s = p_.s;
    SchedulerState& sc = *s.scheduler;
    const int le = s.scheduler->IndiceLFC < LeCount ? s.scheduler->IndiceLFC : 0;
    sc.CalLFC2Text[le] = entry->text;
    s.schedule->CalLFC2[le] = entry->value;
    writeLfc2File(p_);   // a file that cannot be written keeps its old content; the values stand in memory
    unload();
}

void RefCapteurLFC2::Command1_Click() { unload(); }

void readLfc2File(Program& p)
{
    State& s = p.s;
    SchedulerState& sc = *s.scheduler;
    if (!baseFolderKnown(s)) return;
    const auto file = plat::LineFile::read(p.rt.drive, inBase(s, Lfc2File));
    if (!file) return;
    for (int i = 0; i < LeCount; ++i) {
        if (const auto t = file->text(i + 1)) sc.CalLFC2Text[i] = *t;
        if (const auto v = file->whole(i + 9, 0, 255)) s.schedule->CalLFC2[i] = uint8_t(*v);
    }
}

bool writeLfc2File(Program& p)
{
    State& s = p.s;
    SchedulerState& sc = *s.scheduler;
    if (!baseFolderKnown(s)) return false;
    QStringList lines;
    for (int i = 0; i < LeCount; ++i) lines << sc.CalLFC2Text[i];
    for (int i = 0; i < LeCount; ++i) lines << plat::printForm(s.schedule->CalLFC2[i]);
    return plat::writeLines(p.rt.drive, inBase(s, Lfc2File), lines);
}

} // namespace orv
