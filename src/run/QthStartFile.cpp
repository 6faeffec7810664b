#include "run/QthStartFile.h"

#include "platform/SeqFile.h"
#include "platform/VbText.h"

namespace orv {

QString qthStartFilePath(const QString& baseFolder) { return baseFolder + "\\StartHalogen.ini"; }

bool writeQthStartFile(const plat::Drive& drive, const QString& path, bool on)
{
    auto out = plat::SeqFile::open(drive, path, plat::SeqFile::Mode::Output);
    if (!out) return false;
    const bool ok = out->printText(on ? QStringLiteral("1") : QStringLiteral("0"));
    return out->close() && ok;
}

std::optional<double> readQthStartFile(const plat::Drive& drive, const QString& path)
{
    auto in = plat::SeqFile::open(drive, path, plat::SeqFile::Mode::Input);
    if (!in) return std::nullopt;
    const auto field = in->inputField();
    if (!field) return std::nullopt;
    return plat::toDouble(*field);
}

} // namespace orv
