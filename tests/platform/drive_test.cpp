// Drive C: on a host folder: path mapping, case-insensitive lookup, the
// current-directory text, presence tests, listings and folder calls.
#include "platform/Drive.h"
#include "support/Printing.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>
#include <cstdlib>

using namespace plat;

namespace {

void touch(const QString& path)
{
    QDir().mkpath(QFileInfo(path).absolutePath());
    QFile f(path);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
}

class DriveTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(tmp.isValid());
        root = QFileInfo(tmp.path()).canonicalFilePath() + QStringLiteral("/c");
    }
    QTemporaryDir tmp;
    QString root;
};

// Restores an environment variable on scope exit.
struct EnvGuard {
    explicit EnvGuard(const char* name) : name(name), had(qEnvironmentVariableIsSet(name)),
        old(qgetenv(name)) {}
    ~EnvGuard() { had ? qputenv(name, old) : qunsetenv(name); }
    const char* name;
    bool had;
    QByteArray old;
};

// Restores the process's working folder on scope exit.
struct CwdGuard {
    ~CwdGuard() { QDir::setCurrent(old); }
    QString old = QDir::currentPath();
};

} // namespace

TEST_F(DriveTest, RootIsCreated)
{
    Drive drive(root + QStringLiteral("/deeper"));
    EXPECT_TRUE(QFileInfo(root + QStringLiteral("/deeper")).isDir());
    EXPECT_EQ(drive.root(), root + QStringLiteral("/deeper"));
}

TEST_F(DriveTest, DefaultRootFromEnvironment)
{
    EnvGuard drive("ORVANE_DRIVE_C"), data("XDG_DATA_HOME");
    qputenv("ORVANE_DRIVE_C", "/x/drive");
    qputenv("XDG_DATA_HOME", "/x/data");
    EXPECT_EQ(Drive::defaultRoot(), QStringLiteral("/x/drive"));
    qunsetenv("ORVANE_DRIVE_C");
    EXPECT_EQ(Drive::defaultRoot(), QStringLiteral("/x/data/orvane"));
    qunsetenv("XDG_DATA_HOME");
    EXPECT_EQ(Drive::defaultRoot(), QDir::homePath() + QStringLiteral("/.local/share/orvane"));
}

TEST_F(DriveTest, HostPathMapping)
{
    Drive drive(root);
    touch(root + QStringLiteral("/LightCtl/Param4LogStart.ini"));
    touch(root + QStringLiteral("/WINDOWS/system32/Name.inc"));
    drive.setCurDirForTest(QStringLiteral("C:\\LightCtl"));

    struct Case { const char* win; const char* host; };
    const Case cases[] = {
        {"C:\\LightCtl\\Param4LogStart.ini", "/LightCtl/Param4LogStart.ini"},
        {"c:\\lightctl\\PARAM4LOGSTART.INI", "/LightCtl/Param4LogStart.ini"},   // found whatever the case
        {"C:\\WINDOWS\\system32\\Name.inc", "/WINDOWS/system32/Name.inc"},
        {"C:\\windows\\SYSTEM32\\name.INC", "/WINDOWS/system32/Name.inc"},
        {"\\Histo.txt", "/Histo.txt"},                                    // empty base folder
        {"\\Img", "/Img"},
        {"C:\\LightCtl\\New\\File.ini", "/LightCtl/New/File.ini"},         // missing: spelling kept
        {"C:\\lightctl\\NEW\\x.ini", "/LightCtl/NEW/x.ini"},
        {"Param4LogStart.ini", "/LightCtl/Param4LogStart.ini"},            // relative to curDir
        {"C:Param4LogStart.ini", "/LightCtl/Param4LogStart.ini"},
        {"C:\\", ""},
        {"C:\\a\\\\b\\.\\..\\c", "/a/c"},
        {"C:\\..\\..\\Histo.txt", "/Histo.txt"},                          // never above the root
        {"C:/LightCtl/param4logstart.ini", "/LightCtl/Param4LogStart.ini"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.win);
        EXPECT_EQ(drive.hostPath(QString::fromLatin1(c.win)), root + QString::fromLatin1(c.host));
    }
}

TEST_F(DriveTest, ExactSpellingWinsOverOtherCases)
{
    Drive drive(root);
    touch(root + QStringLiteral("/a.ini"));
    touch(root + QStringLiteral("/A.ini"));
    EXPECT_EQ(drive.hostPath(QStringLiteral("C:\\a.ini")), root + QStringLiteral("/a.ini"));
    EXPECT_EQ(drive.hostPath(QStringLiteral("C:\\A.ini")), root + QStringLiteral("/A.ini"));
}

TEST_F(DriveTest, CurDirFromTheWorkingFolder)
{
    Drive drive(root);
    QDir().mkpath(root + QStringLiteral("/LightCtl/bin"));
    CwdGuard cwd;

    ASSERT_TRUE(QDir::setCurrent(root + QStringLiteral("/LightCtl/bin")));
    EXPECT_EQ(drive.curDir(), QStringLiteral("C:\\LightCtl\\bin"));
    ASSERT_TRUE(QDir::setCurrent(root));
    EXPECT_EQ(drive.curDir(), QStringLiteral("C:\\"));
    ASSERT_TRUE(QDir::setCurrent(tmp.path()));    // outside the drive
    EXPECT_EQ(drive.curDir(), QStringLiteral("C:\\"));
    QDir().mkpath(root + QStringLiteral("2"));     // a sibling whose name extends the root's
    ASSERT_TRUE(QDir::setCurrent(root + QStringLiteral("2")));
    EXPECT_EQ(drive.curDir(), QStringLiteral("C:\\"));

    drive.setCurDirForTest(QStringLiteral("C:\\Other"));
    EXPECT_EQ(drive.curDir(), QStringLiteral("C:\\Other"));
}

TEST_F(DriveTest, FileExists)
{
    Drive drive(root);
    touch(root + QStringLiteral("/Base/Histo.txt"));
    touch(root + QStringLiteral("/Base/.hidden"));
    QDir().mkpath(root + QStringLiteral("/Base/Img"));

    struct Case { const char* win; bool exists; };
    const Case cases[] = {
        {"C:\\Base\\Histo.txt", true}, {"C:\\BASE\\histo.TXT", true},
        {"C:\\Base\\.hidden", false}, {"C:\\Base\\Img", false}, {"C:\\Base", false},
        {"C:\\Base\\Missing.ini", false}, {"C:\\Nowhere\\Histo.txt", false}, {"", false},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.win);
        EXPECT_EQ(drive.fileExists(QString::fromLatin1(c.win)), c.exists);
    }
}

TEST_F(DriveTest, ListingsSortedWithoutDotEntries)
{
    Drive drive(root);
    for (const char* f : {"b.ini", "A.ini", "c.INI", ".hidden"})
        touch(root + QStringLiteral("/") + QString::fromLatin1(f));
    for (const char* d : {"zeta", "Img", "alpha", ".cache"})
        QDir().mkpath(root + QStringLiteral("/") + QString::fromLatin1(d));

    EXPECT_EQ(drive.list(QStringLiteral("C:\\"), Drive::Kind::Files),
              (QStringList{"A.ini", "b.ini", "c.INI"}));
    EXPECT_EQ(drive.list(QStringLiteral("C:\\"), Drive::Kind::Folders),
              (QStringList{"alpha", "Img", "zeta"}));
    EXPECT_EQ(drive.list(QStringLiteral("\\"), Drive::Kind::Both),
              (QStringList{"A.ini", "alpha", "b.ini", "c.INI", "Img", "zeta"}));
    EXPECT_EQ(drive.list(QStringLiteral("C:\\IMG"), Drive::Kind::Both), QStringList{});
    EXPECT_EQ(drive.list(QStringLiteral("C:\\Missing"), Drive::Kind::Both), QStringList{});
    EXPECT_EQ(drive.list(QStringLiteral("C:\\A.ini"), Drive::Kind::Both), QStringList{});
}

TEST_F(DriveTest, FolderCallsAndRemove)
{
    Drive drive(root);
    EXPECT_TRUE(drive.mkDir(QStringLiteral("C:\\Base")));
    EXPECT_FALSE(drive.mkDir(QStringLiteral("C:\\base")));            // exists, whatever the case
    EXPECT_FALSE(drive.mkDir(QStringLiteral("C:\\No\\Such\\Level")));  // one level only
    EXPECT_TRUE(drive.mkPath(QStringLiteral("C:\\No\\Such\\Level")));
    EXPECT_TRUE(QFileInfo(root + QStringLiteral("/No/Such/Level")).isDir());
    EXPECT_TRUE(drive.mkPath(QStringLiteral("C:\\no\\such")));         // already there

    touch(root + QStringLiteral("/Base/Histo.txt"));
    EXPECT_FALSE(drive.mkPath(QStringLiteral("C:\\Base\\Histo.txt\\x")));
    EXPECT_FALSE(drive.removeFile(QStringLiteral("C:\\Base")));
    EXPECT_TRUE(drive.removeFile(QStringLiteral("C:\\BASE\\HISTO.TXT")));
    EXPECT_FALSE(QFileInfo::exists(root + QStringLiteral("/Base/Histo.txt")));
    EXPECT_FALSE(drive.removeFile(QStringLiteral("C:\\Base\\Histo.txt")));
}
