#include "alarms/AlarmFiles.h"

#include "alarms/AlarmsState.h"
#include "alarms/ControlLfcAlarm.h"
#include "alarms/Halogen.h"
#include "alarms/SHTPC.h"
#include "platform/SeqFile.h"
#include "platform/VbText.h"
#include "shell/Program.h"
#include "shell/SettingsReader.h"
#include "shell/StartupFilesIo.h"

#include <algorithm>

namespace orv {

namespace {

constexpr int MenuLines = 6;

std::optional<LineFile> readBase(Program& p, const QString& name)
{
    return LineFile::read(p.rt.drive, inBase(p.s, name));
}

// Line n into the slider when it is a whole number within the slider's
// range, else the file's default.
void setSlider(SettingsReader& file, int n, plat::VScrollBar& bar, int fallback)
{
    bar.setValue(file.whole(n, std::min(bar.min(), bar.max()), std::max(bar.min(), bar.max()), fallback));
}

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
    for (int k = 1; k <= MenuLines; ++k)
        if (file.text(k) == QStringLiteral("1")) current = uint8_t(k - 1);
    return current;
}

// A box line: 1 ticks, 0 unticks; anything else unticks, as a new file does.
void boxFrom(SettingsReader& file, int n, plat::CheckBox& box) { box.setValue(file.whole(n, 0, 1, 0)); }

QString bit(bool on) { return on ? QStringLiteral("1") : QStringLiteral("0"); }

bool writeBase(Program& p, const QString& name, const QStringList& lines)
{
    return writeLines(p.rt.drive, inBase(p.s, name), lines);
}

// One line in the write form: the bare number.
bool writeNumber(Program& p, const QString& name, int value)
{
    auto f = plat::SeqFile::open(p.rt.drive, inBase(p.s, name), plat::SeqFile::Mode::Output);
    if (!f) return false;
    const bool ok = f->writeFields({value});
    return f->close() && ok;
}

} // namespace

bool readQthState(Program& p, Halogen& w)
{
    const auto file = readBase(p, QStringLiteral("StatusHalogen.ini"));
    if (!file) return false;
    for (int k = 1; k <= MenuLines; ++k) tickFrom(*file, k, w.mnuLPActive(k - 1));
    p.s.alarms->LEActiveAlarm = lastChosen(*file, p.s.alarms->LEActiveAlarm);
    for (int c = 0; c < 4; ++c)
        if (const auto v = file->whole(7 + c, 0, 2)) w.Check1[c].setValue(int(*v));
    return true;
}

bool readQthThreshold(Program& p, Halogen& w)
{
    SettingsReader file(p, QStringLiteral("Consigne.ini"));
    if (!file.opened()) return false;
    setSlider(file, 1, w.VScroll1, QthThresholdDefault);
    // The value label follows the file even when the slider already held
    // the value (a slider raises Change only on a change).
    w.VScroll1_Change();
    return true;
}

bool readLfcSettings(Program& p, ControlLfcAlarm& w)
{
    SettingsReader file(p, QStringLiteral("ConsSliderLCF.ini"));
    if (!file.opened()) return false;
    // Each limit label follows the file, also when its slider already held
    // the value (the design value 130 of the lower limit, say).
    for (int i = 0; i < 2; ++i) {
        setSlider(file, 1 + i, w.VScroll1[i], LfcLimitDefaults[i]);
        w.VScroll1_Change(i);
    }
    for (int i = 0; i < 6; ++i) boxFrom(file, 3 + i, w.Check1[i]);
    boxFrom(file, LfcLines, w.Check2);
    return true;
}

bool readShtThreshold(Program& p, SHTPC& w)
{
    SettingsReader file(p, QStringLiteral("SHTConsigne.ini"));
    if (!file.opened()) return false;
    setSlider(file, 1, w.VScroll1[0], ShtThresholdDefault);
    return true;
}

bool readShtState(Program& p, SHTPC& w)
{
    const auto file = readBase(p, QStringLiteral("SHTPCStatusHal.ini"));
    if (!file) return false;
    for (int k = 1; k <= MenuLines; ++k) tickFrom(*file, k, w.mnuSHTLE(k - 1));
    p.s.alarms->LEActiveSHT = lastChosen(*file, p.s.alarms->LEActiveSHT);
    for (int j = 0; j < 6; ++j) tickFrom(*file, 7 + j, w.inputMenu(j));
    return true;
}

bool writeQthThreshold(Program& p, const Halogen& w)
{
    return writeNumber(p, QStringLiteral("Consigne.ini"), w.VScroll1.value());
}

bool writeQthState(Program& p, Halogen& w)
{
    QStringList lines;
    for (int le = 0; le < MenuLines; ++le) lines << bit(w.mnuLPActive(le).checked());
    for (int k = 0; k < 4; ++k) lines << bit(w.Check1[k].value() != 0);
    lines << QStringList(8, QStringLiteral("0"));
    return writeBase(p, QStringLiteral("StatusHalogen.ini"), lines);
}

bool writeLfcSettings(Program& p, const ControlLfcAlarm& w)
{
    QStringList lines{QString::number(w.VScroll1[0].value()), QString::number(w.VScroll1[1].value())};
    for (int i = 0; i < 6; ++i) lines << QString::number(w.Check1[i].value());
    lines << QString::number(w.Check2.value());
    return writeBase(p, QStringLiteral("ConsSliderLCF.ini"), lines);
}

bool writeShtThreshold(Program& p, const SHTPC& w)
{
    return writeNumber(p, QStringLiteral("SHTConsigne.ini"), w.VScroll1[0].value());
}

bool writeShtState(Program& p, SHTPC& w)
{
    QStringList lines;
    for (int le = 0; le < MenuLines; ++le) lines << bit(w.mnuSHTLE(le).checked());
    for (int j = 0; j < 6; ++j) lines << bit(w.inputMenu(j).checked());
    lines << QStringList(8, QStringLiteral("0"));
    return writeBase(p, QStringLiteral("SHTPCStatusHal.ini"), lines);
}

} // namespace orv
