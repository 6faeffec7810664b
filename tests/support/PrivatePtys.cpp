#include "PrivatePtys.h"

#include <sched.h>
#include <sys/mount.h>
#include <sys/stat.h>
#include <unistd.h>

namespace testsupport {

namespace {

bool isRealDirectory(const char* path)
{
    struct stat st {};
    return ::lstat(path, &st) == 0 && S_ISDIR(st.st_mode);
}

// The serial ports' lock files (LCK..pts_N) are named after the pty: a
// private devpts gives every test program the same names, so each takes a
// lock folder of its own too.
bool privateLockFolders()
{
    for (const char* dir : {"/run/lock", "/var/lock"}) {
        if (!isRealDirectory(dir)) continue;   // /var/lock is often a link to /run/lock
        if (::mount("tmpfs", dir, "tmpfs", 0, "mode=1777,size=1m") != 0) return false;
    }
    return true;
}

} // namespace

bool makePtysPrivate()
{
    if (::geteuid() != 0) return false;
    if (::unshare(CLONE_NEWNS) != 0) return false;
    // Nothing mounted here reaches the machine's own mount table.
    if (::mount(nullptr, "/", nullptr, MS_REC | MS_PRIVATE, nullptr) != 0) return false;
    if (!privateLockFolders()) return false;
    if (::mount("devpts", "/dev/pts", "devpts", 0, "newinstance,ptmxmode=0666,mode=0620") != 0) return false;
    if (::mount("/dev/pts/ptmx", "/dev/ptmx", nullptr, MS_BIND, nullptr) != 0) {
        ::umount("/dev/pts");
        return false;
    }
    return true;
}

} // namespace testsupport
