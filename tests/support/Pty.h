#pragma once
// A pseudo-terminal pair for serial tests: the program opens the slave by
// its path, the test plays the far side on the master. Both sides are raw.

#include <QByteArray>
#include <QString>

namespace testsupport {

class Pty {
public:
    Pty();
    ~Pty();
    Pty(const Pty&) = delete;
    Pty& operator=(const Pty&) = delete;

    bool ok() const { return master_ >= 0; }
    // The device path the program opens, e.g. /dev/pts/7.
    const QString& slavePath() const { return path_; }

    // Writes all bytes from the far side; false on failure or when closed.
    bool write(const QByteArray& bytes);
    // Up to `max` bytes, waiting at most `timeoutMs` for the first ones
    // (0: only what is there now).
    QByteArray read(int max, int timeoutMs = 0);

    // Closes the far side, as when the cable or adapter goes away.
    void closeFar();

private:
    int master_ = -1;
    int slave_ = -1;   // held so the line exists before the program opens it
    QString path_;
};

} // namespace testsupport
