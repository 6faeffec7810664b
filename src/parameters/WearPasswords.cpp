#include "parameters/WearPasswords.h"

#include "platform/Drive.h"
#include "platform/LineFile.h"

namespace orv {

QString wearPasswordPath() { return QStringLiteral("C:\\WINDOWS\\system32\\SWord.inx"); }

WearPasswords defaultWearPasswords() { return {QStringLiteral("5807"), QStringLiteral("5808"), QStringLiteral("5809")}; }

WearPasswords loadWearPasswords(const plat::Drive& drive)
{
    const QString path = wearPasswordPath();
    if (!drive.fileExists(path)) {
        const WearPasswords defaults = defaultWearPasswords();
        drive.mkPath(QStringLiteral("C:\\WINDOWS\\system32"));
        plat::writeLines(drive, path, {defaults[0], defaults[1], defaults[2]});
        return defaults;
    }
    WearPasswords passwords;
    if (const auto file = plat::LineFile::read(drive, path))
        for (int k = 0; k < 3; ++k) passwords[k] = file->text(k + 1).value_or(QString());
    return passwords;
}

bool wearPasswordMatches(const QString& typed, const QString& password)
{
    return !password.isEmpty() && typed.toUpper() == password.toUpper();
}

} // namespace orv
