#include "platform/Drive.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <algorithm>

namespace plat {
namespace {

bool hasDriveLetter(const QString& p)
{
    return p.size() >= 2 && p.at(1) == QLatin1Char(':') && p.at(0).isLetter();
}

bool isSeparator(QChar c) { return c == QLatin1Char('\\') || c == QLatin1Char('/'); }

// Components of a path text below the root, with "." and ".." applied.
void appendComponents(QStringList& parts, QStringView text)
{
    qsizetype start = 0;
    for (qsizetype i = 0; i <= text.size(); ++i) {
        if (i < text.size() && !isSeparator(text.at(i)))
            continue;
        const QStringView part = text.mid(start, i - start);
        start = i + 1;
        if (part.isEmpty() || part == QLatin1String("."))
            continue;
        if (part == QLatin1String("..")) {
            if (!parts.isEmpty())
                parts.removeLast();
            continue;
        }
        parts.append(part.toString());
    }
}

// The name in `dir` that matches `name` ignoring case: the exact spelling when
// it exists, else the first match in name order, else `name` itself.
QString matchName(const QString& dir, const QString& name)
{
    if (QFileInfo::exists(dir + QLatin1Char('/') + name))
        return name;
    QStringList entries = QDir(dir).entryList(QDir::AllEntries | QDir::Hidden | QDir::System
                                              | QDir::NoDotAndDotDot);
    std::sort(entries.begin(), entries.end());
    for (const QString& e : entries)
        if (e.compare(name, Qt::CaseInsensitive) == 0)
            return e;
    return name;
}

bool nameLess(const QString& a, const QString& b)
{
    const int c = a.compare(b, Qt::CaseInsensitive);
    return c != 0 ? c < 0 : a < b;
}

} // namespace

Drive::Drive(QString hostRoot)
{
    QDir().mkpath(hostRoot);
    const QFileInfo info(hostRoot);
    root_ = info.canonicalFilePath().isEmpty() ? QDir::cleanPath(info.absoluteFilePath())
                                               : info.canonicalFilePath();
}

QString Drive::defaultRoot()
{
    const QString given = qEnvironmentVariable("ORVANE_DRIVE_C");
    if (!given.isEmpty())
        return given;
    const QString data = qEnvironmentVariable("XDG_DATA_HOME");
    if (!data.isEmpty())
        return data + QStringLiteral("/orvane");
    return QDir::homePath() + QStringLiteral("/.local/share/orvane");
}

QString Drive::hostPath(const QString& winPath) const
{
    QStringView rest(winPath);
    if (hasDriveLetter(winPath))
        rest = rest.mid(2);

    QStringList parts;
    const bool fromRoot = !rest.isEmpty() && isSeparator(rest.at(0));
    if (!fromRoot) {
        const QString cur = curDir();
        appendComponents(parts, hasDriveLetter(cur) ? QStringView(cur).mid(2) : QStringView(cur));
    }
    appendComponents(parts, rest);

    QString path = root_.endsWith(QLatin1Char('/')) ? root_.chopped(1) : root_;
    bool exists = true;   // once a component is missing, the rest are too
    for (const QString& part : parts) {
        const QString name = exists ? matchName(path, part) : part;
        path += QLatin1Char('/') + name;
        exists = exists && QFileInfo::exists(path);
    }
    return path;
}

QString Drive::curDir() const
{
    if (hasCurDirOverride_)
        return curDirOverride_;
    const QString cwd = QDir::currentPath();
    const QString prefix = root_.endsWith(QLatin1Char('/')) ? root_ : root_ + QLatin1Char('/');
    if (!cwd.startsWith(prefix))
        return QStringLiteral("C:\\");
    QString rel = cwd.mid(prefix.size());
    rel.replace(QLatin1Char('/'), QLatin1Char('\\'));
    return QStringLiteral("C:\\") + rel;
}

void Drive::setCurDirForTest(QString winText)
{
    curDirOverride_ = std::move(winText);
    hasCurDirOverride_ = true;
}

bool Drive::fileExists(const QString& winPath) const
{
    const QFileInfo info(hostPath(winPath));
    return info.isFile() && !info.fileName().startsWith(QLatin1Char('.'));
}

QStringList Drive::list(const QString& winFolder, Kind kind) const
{
    // Without QDir::Hidden dot names are left out; without QDir::System so are
    // sockets, pipes and devices.
    QDir::Filters filters = QDir::NoDotAndDotDot;
    if (kind != Kind::Folders)
        filters |= QDir::Files;
    if (kind != Kind::Files)
        filters |= QDir::Dirs;
    const QDir dir(hostPath(winFolder));
    if (!dir.exists())
        return {};
    QStringList names = dir.entryList(filters, QDir::Unsorted);
    std::sort(names.begin(), names.end(), nameLess);
    return names;
}

bool Drive::mkDir(const QString& winPath) const
{
    const QString path = hostPath(winPath);
    if (QFileInfo::exists(path))
        return false;
    return QDir().mkdir(path);
}

bool Drive::mkPath(const QString& winPath) const
{
    const QString path = hostPath(winPath);
    return QDir().mkpath(path) && QFileInfo(path).isDir();
}

bool Drive::removeFile(const QString& winPath) const
{
    const QString path = hostPath(winPath);
    return QFileInfo(path).isFile() && QFile::remove(path);
}

} // namespace plat
