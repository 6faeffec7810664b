#pragma once
// Drive C: of the program, kept in one host folder. The program names files
// as Windows path text ("C:\Base\Histo.txt", "\Histo.txt", "Histo.txt");
// Drive turns that text into a host path and offers the file-system calls the
// program makes on it. Names of existing files and folders are matched
// without regard to case, as on the system the files come from.

#include <QString>
#include <QStringList>

namespace plat {

class Drive {
public:
    enum class Kind { Files, Folders, Both };

    // `hostRoot` stands for "C:\"; it is created when missing.
    explicit Drive(QString hostRoot);

    // $ORVANE_DRIVE_C, else $XDG_DATA_HOME/orvane, else ~/.local/share/orvane.
    static QString defaultRoot();

    const QString& root() const { return root_; }

    // Host path of a Windows path text. A drive letter, or a leading "\",
    // starts at the root (there is one drive); other text is relative to
    // curDir(). "\" and "/" both separate; "." and ".." are followed but
    // never leave the root. Each existing component is found whatever its
    // case; missing components keep the spelling given.
    QString hostPath(const QString& winPath) const;

    // "C:\" followed by the process's working folder relative to the root,
    // without a trailing "\", when it lies inside the root; else "C:\".
    QString curDir() const;
    void setCurDirForTest(QString winText);

    // True when the path names an ordinary, not hidden (dot) file.
    bool fileExists(const QString& winPath) const;

    // Names in a folder, sorted by name without regard to case, hidden (dot)
    // entries left out. Empty when the folder is missing.
    QStringList list(const QString& winFolder, Kind kind) const;

    // One level; false when the folder exists already or cannot be made.
    bool mkDir(const QString& winPath) const;
    // Every missing level; true when the folder is there afterwards.
    bool mkPath(const QString& winPath) const;
    bool removeFile(const QString& winPath) const;

private:
    QString root_;
    QString curDirOverride_;
    bool hasCurDirOverride_ = false;
};

} // namespace plat
