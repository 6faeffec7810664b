#include "link/PortFile.h"

#include "platform/SeqFile.h"

#include <memory>

namespace orv {

namespace {
constexpr int LineCount = 16;
}

QString portFilePath(const QString& baseFolder) { return baseFolder + QStringLiteral("\\ParamComx2.ini"); }

bool writePortFile(const plat::Drive& drive, const QString& path, const PortTexts& numbers,
                   const PortTexts& enabled)
{
    auto file = plat::SeqFile::open(drive, path, plat::SeqFile::Mode::Output);
    if (!file)
        return false;
    bool ok = true;
    for (int le = 0; le < 8; ++le) {
        ok = file->writeFields({numbers[le]}) && ok;
        ok = file->writeFields({enabled[le]}) && ok;
    }
    return file->close() && ok;
}

bool writeDefaultPortFile(const plat::Drive& drive, const QString& path)
{
    PortTexts zeros;
    zeros.fill(QStringLiteral("0"));
    return writePortFile(drive, path, zeros, zeros);
}

QStringList readPortFile(const plat::Drive& drive, const QString& path)
{
    QStringList values;
    auto file = plat::SeqFile::open(drive, path, plat::SeqFile::Mode::Input);
    if (!file)
        return values;
    while (values.size() < LineCount) {
        const auto field = file->inputField();
        if (!field)
            break;
        values << *field;
    }
    return values;
}

} // namespace orv
