// Start-up: the files of the scheduler (window position, today's strip
// images, LFC-2 reference, LFC-3 trigger levels).

#include "platform/Canvas.h"
#include "platform/Drive.h"
#include "platform/LineFile.h"
#include "platform/VbText.h"
#include "scheduler/RefLevelTrigLFC3.h"
#include "scheduler/SchedulerStartup.h"
#include "scheduler/SchedulerState.h"
#include "scheduler/SelectionStart.h"
#include "shell/Program.h"
#include "shell/ScheduleFlags.h"
#include "shell/StartupFiles.h"
#include "shell/State.h"

#include <limits>

namespace orv {

namespace {
const QString PositionFile = QStringLiteral("AdressesFenetresStart.ini");
const QString Lfc2File = QStringLiteral("Level.LFC2b.ini");
const QString Lfc3File = QStringLiteral("Level.LFC3b.ini");

constexpr int64_t LongMin = std::numeric_limits<int32_t>::min();
constexpr int64_t LongMax = std::numeric_limits<int32_t>::max();
} // namespace

void startupWindowPosition(Program& p)
{
    State& s = p.s;
    if (!presentOrCreate(p, PositionFile,
                         {plat::printForm(s.scheduler->StartFenetreLeft), plat::printForm(s.scheduler->StartFenetreTop), "", "", "", ""}))
        return;
    const auto file = plat::LineFile::read(p.rt.drive, inBase(s, PositionFile));
    if (!file) return;
    if (const auto v = file->roundedNumber(1, LongMin, LongMax)) s.scheduler->StartFenetreLeft = int32_t(*v);
    if (const auto v = file->roundedNumber(2, LongMin, LongMax)) s.scheduler->StartFenetreTop = int32_t(*v);
}

void startupTodayImages(Program& p)
{
    State& s = p.s;
    s.common->DateCourante = imageDate(p.rt.time.wallClock().date());
    SelectionStart& w = *p.form<SelectionStart>();
    for (int le = 0; le < LeCount; ++le) w.loadDayImage(le, s.common->DateCourante);   // a missing file is skipped
}

void startupLfc2Reference(Program& p)
{
    State& s = p.s;
    if (!presentOrCreate(p, Lfc2File, QStringList(17, QStringLiteral("0")))) return;
    const auto file = plat::LineFile::read(p.rt.drive, inBase(s, Lfc2File));
    if (!file) return;
    for (int i = 0; i < 8; ++i) {
        // Read as numbers: a "---" line becomes 0.
        if (const auto v = file->number(i + 1)) s.scheduler->CalLFC2Text[i] = plat::vbCStr(*v);
        if (const auto v = file->roundedNumber(i + 9, 0, 255)) s.schedule->CalLFC2[i] = uint8_t(*v);
    }
}

void startupLfc3Trigger(Program& p)
{
    State& s = p.s;
    QStringList defaults(18, QStringLiteral("0"));
    defaults << "08" << "00" << "21" << "30" << "1";
    if (!presentOrCreate(p, Lfc3File, defaults)) return;
    const auto file = plat::LineFile::read(p.rt.drive, inBase(s, Lfc3File));
    if (!file) return;
    auto value = [&](int n) -> std::optional<QString> {
        const auto v = file->number(n);
        if (!v) return std::nullopt;
        return plat::vbCStr(*v);
    };
    for (int i = 0; i < 8; ++i) {
        if (const auto t = value(2 * i + 1)) s.scheduler->LevelH1LFC3[i] = *t;
        if (const auto t = value(2 * i + 2)) s.scheduler->LevelH2LFC3[i] = *t;
    }
    // Writing the text boxes loads the window; its own set-up rereads the file as text.
    RefLevelTrigLFC3& w = *p.form<RefLevelTrigLFC3>();
    for (int n = 1; n <= 6; ++n)
        if (const auto t = value(16 + n)) w.text(n).setText(*t);
    if (const auto t = value(23)) s.scheduler->ReserveLFC3 = *t;
    // The test window's times as two-digit texts: LE-1's asymmetric default.
    QString* times[4] = {&s.scheduler->StartTestHH, &s.scheduler->StartTestMM, &s.scheduler->StopTestHH,
                         &s.scheduler->StopTestMM};
    for (int i = 0; i < 4; ++i)
        if (const auto t = file->text(19 + i)) *times[i] = t->trimmed();
}

} // namespace orv
