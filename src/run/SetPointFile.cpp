#include "run/SetPointFile.h"

#include "platform/Dialogs.h"
#include "platform/SeqFile.h"
#include "shell/SettingsReader.h"

namespace orv {

QString setPointFilePath(const QString& baseFolder) { return baseFolder + QLatin1Char('\\') + SetPointFileName; }

SetPoints defaultSetPoints()
{
    SetPoints v;
    v.fill(DefaultSetPoint);
    return v;
}

std::optional<SetPoints> readSetPoints(Program& p)
{
    SettingsReader file(p, SetPointFileName);
    if (!file.opened()) return std::nullopt;
    SetPoints values{};
    for (int i = 0; i < int(values.size()); ++i)
        values[i] = int16_t(file.whole(i + 1, SetPointMin, SetPointMax, DefaultSetPoint));
    return values;
}

bool writeSetPointFile(const plat::Drive& drive, const QString& path, const SetPoints& values)
{
    auto out = plat::SeqFile::open(drive, path, plat::SeqFile::Mode::Output);
    if (!out) return false;
    bool ok = true;
    for (int16_t v : values) ok = out->printNumber(v) && ok;
    return out->close() && ok;
}

void warnSetPointFile(plat::Dialogs& dialogs, const QString& what)
{
    dialogs.msgBox(
        QStringLiteral("The file ConsignePW2.ini cannot be %1: the power set-points are unchanged ! ").arg(what),
        int(plat::mb::OKOnly) | int(plat::mb::Exclamation), QStringLiteral(" Warning!"));
}

} // namespace orv
