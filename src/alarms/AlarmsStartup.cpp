// Start-up: the files of the three alarm windows. A present file loads its
// window and sets its controls; a missing one is created and the window
// stays unloaded.

#include "alarms/AlarmsState.h"
#include "alarms/ControlLfcAlarm.h"
#include "alarms/Halogen.h"
#include "alarms/SHTPC.h"
#include "platform/VbText.h"
#include "shell/Program.h"
#include "alarms/AlarmsStartup.h"
#include "shell/StartupFiles.h"
#include "shell/StartupFilesIo.h"


namespace orv {

namespace {

// A state line as a tick: "0" clears, any other number ticks; a line that is
// not a number is skipped.
void tickFrom(const LineFile& file, int n, plat::Menu& item)
{
    const auto t = file.text(n);
    if (!t) return;
    if (const auto v = plat::toDouble(*t)) item.setChecked(*v != 0);
}

// The index of the last of lines 1-6 that holds exactly "1", else `current`.
uint8_t lastChosen(const LineFile& file, uint8_t current)
{
    for (int k = 1; k <= 6; ++k)
        if (file.text(k) == QStringLiteral("1")) current = uint8_t(k - 1);
    return current;
}

} // namespace

void startupQthState(Program& p)
{
    const QString name = QStringLiteral("StatusHalogen.ini");
    if (!presentOrCreate(p, name, QStringList(18, QStringLiteral("0")))) return;
    const auto file = LineFile::read(p.rt.drive, inBase(p.s, name));
    if (!file) return;
    Halogen& w = *p.form<Halogen>();
    for (int k = 1; k <= 6; ++k) tickFrom(*file, k, w.mnuLPActive(k - 1));
    p.s.alarms->LEActiveAlarm = lastChosen(*file, p.s.alarms->LEActiveAlarm);
    for (int c = 0; c < 4; ++c)
        if (const auto v = file->whole(7 + c, 0, 255)) w.Check1[c].setValue(int(*v));   // refuses all but 0-2
}

void startupQthThreshold(Program& p)
{
    const QString name = QStringLiteral("Consigne.ini");
    if (!presentOrCreate(p, name, {printed(220)})) return;
    const auto file = LineFile::read(p.rt.drive, inBase(p.s, name));
    if (!file) return;
    Halogen& w = *p.form<Halogen>();
    if (const auto v = file->whole(1, 0, 255)) w.VScroll1.setValue(int(*v));   // refused outside 1-255
}

void startupLfcAlarm(Program& p)
{
    const QString name = QStringLiteral("ConsSliderLCF.ini");
    if (!presentOrCreate(p, name, QStringList{printed(130), printed(30)} + QStringList(7, QStringLiteral("0"))))
        return;
    const auto file = LineFile::read(p.rt.drive, inBase(p.s, name));
    if (!file) return;
    ControlLfcAlarm& w = *p.form<ControlLfcAlarm>();
    for (int i = 0; i < 2; ++i)
        if (const auto v = file->whole(i + 1, 0, 255)) w.VScroll1[i].setValue(int(*v));
    // Read as bytes: only 1 ticks a box.
    auto box = [&](int n, plat::CheckBox& b) {
        if (const auto v = file->roundedNumber(n, 0, 255)) b.setValue(*v == 1 ? 1 : 0);
    };
    for (int i = 0; i < 6; ++i) box(3 + i, w.Check1[i]);
    box(9, w.Check2);
}

void startupShtThreshold(Program& p)
{
    const QString name = QStringLiteral("SHTConsigne.ini");
    if (!presentOrCreate(p, name, {"40"})) return;
    const auto file = LineFile::read(p.rt.drive, inBase(p.s, name));
    if (!file) return;
    SHTPC& w = *p.form<SHTPC>();
    if (const auto v = file->roundedNumber(1, 0, 255)) w.VScroll1[0].setValue(int(*v));
}

void startupShtState(Program& p)
{
    const QString name = QStringLiteral("SHTPCStatusHal.ini");
    QStringList defaults{"1"};
    defaults << QStringList(10, QStringLiteral("0")) << "1" << QStringList(8, QStringLiteral("0"));
    if (!presentOrCreate(p, name, defaults)) return;
    const auto file = LineFile::read(p.rt.drive, inBase(p.s, name));
    if (!file) return;
    SHTPC& w = *p.form<SHTPC>();
    for (int k = 1; k <= 6; ++k) tickFrom(*file, k, w.mnuSHTLE(k - 1));
    p.s.alarms->LEActiveSHT = lastChosen(*file, p.s.alarms->LEActiveSHT);
    plat::Menu* inputs[6] = {&w.mnuSHTUnselect, &w.mnuSHTChannel0, &w.mnuSHTChannel1,
                             &w.mnuSHTChannel2, &w.mnuSHTChannel3, &w.mnuHolderThermo};
    for (int j = 0; j < 6; ++j) tickFrom(*file, 7 + j, *inputs[j]);
}

void startupAlarmChoices(Program& p)
{
    p.s.alarms->FlagLPActive = 0;
    p.s.alarms->FlagSHTLE = 0;
    p.s.alarms->FlagSHTChannel = 0;
}

} // namespace orv
