#include "link/SetPointFile.h"

#include "platform/Dialogs.h"
#include "platform/SeqFile.h"
#include "platform/VbText.h"

namespace orv {

QString setPointFilePath(const QString& baseFolder) { return baseFolder + "\\ConsignePW2.ini"; }

SetPoints defaultSetPoints()
{
    SetPoints v;
    v.fill(DefaultSetPoint);
    return v;
}

std::optional<SetPoints> readSetPointFile(const plat::Drive& drive, const QString& path)
{
    auto in = plat::SeqFile::open(drive, path, plat::SeqFile::Mode::Input);
    if (!in) return std::nullopt;
    SetPoints values{};
    for (int16_t& v : values) {
        const auto field = in->inputField();
        if (!field) return std::nullopt;
        const auto number = plat::toDouble(*field);
        if (!number) return std::nullopt;
        const auto whole = plat::vbRound(*number);
        if (!whole || *whole < 0 || *whole > 255) return std::nullopt;
        v = int16_t(*whole);
    }
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
