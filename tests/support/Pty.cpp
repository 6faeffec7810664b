#include "Pty.h"

#include <cerrno>
#include <fcntl.h>
#include <poll.h>
#include <pty.h>
#include <termios.h>
#include <unistd.h>

namespace testsupport {

namespace {
void makeRaw(int fd)
{
    termios tio;
    if (::tcgetattr(fd, &tio) != 0) return;
    ::cfmakeraw(&tio);
    ::tcsetattr(fd, TCSANOW, &tio);
}
} // namespace

Pty::Pty()
{
    char name[256] = {};
    if (::openpty(&master_, &slave_, name, nullptr, nullptr) != 0) {
        master_ = slave_ = -1;
        return;
    }
    makeRaw(slave_);
    makeRaw(master_);
    ::fcntl(master_, F_SETFL, ::fcntl(master_, F_GETFL) | O_NONBLOCK);
    path_ = QString::fromLocal8Bit(name);
}

Pty::~Pty() { closeFar(); }

bool Pty::write(const QByteArray& bytes)
{
    qsizetype done = 0;
    while (master_ >= 0 && done < bytes.size()) {
        const ssize_t n = ::write(master_, bytes.constData() + done, size_t(bytes.size() - done));
        if (n > 0) {
            done += n;
        } else if (n < 0 && errno == EAGAIN) {
            pollfd p{master_, POLLOUT, 0};
            if (::poll(&p, 1, 1000) <= 0) return false;
        } else if (!(n < 0 && errno == EINTR)) {
            return false;
        }
    }
    return master_ >= 0;
}

QByteArray Pty::read(int max, int timeoutMs)
{
    if (master_ < 0 || max <= 0) return {};
    pollfd p{master_, POLLIN, 0};
    if (::poll(&p, 1, timeoutMs) <= 0 || !(p.revents & POLLIN)) return {};
    QByteArray buf(max, '\0');
    const ssize_t n = ::read(master_, buf.data(), size_t(max));
    if (n <= 0) return {};
    buf.resize(n);
    return buf;
}

void Pty::closeFar()
{
    if (master_ >= 0) ::close(master_);
    if (slave_ >= 0) ::close(slave_);
    master_ = slave_ = -1;
}

} // namespace testsupport
