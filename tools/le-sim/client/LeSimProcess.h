#pragma once
// tools/le-sim run as a child process with --trace: waits for its "ready",
// gives the device of each LE from its ORVANE_COM<n> lines, and collects its
// trace per LE: the frames it put on the line (marked or not) and the command
// frames it took, in order, with le-sim's time stamps.
//
// Used by the end-to-end tests and by the link benchmark. Qt Core only; the
// caller owns a QCoreApplication (or QApplication) and the waits run its
// event loop.
//
// The trace comes through a pipe the event loop reads as it arrives, or,
// given a file, goes to that file and is read only when asked for: the
// benchmark measures the program's own work, not the reading of the trace.

#include "client/Wait.h"

#include <QByteArray>
#include <QFile>
#include <QMap>
#include <QProcess>
#include <QString>
#include <QStringList>

#include <map>
#include <vector>

namespace lesim {

class LeSimProcess {
public:
    struct Event {
        enum Kind { Marked, Unmarked, Command } kind;
        QByteArray command;   // a Command's 34 bytes
        qint64 us = 0;        // CLOCK_MONOTONIC, microseconds
    };

    // Starts le-sim with `args` and --trace; the trace goes to `traceFile`
    // when one is given.
    explicit LeSimProcess(const QStringList& args, const QString& traceFile = {});
    // Ends le-sim (SIGTERM, then SIGKILL if it does not exit).
    ~LeSimProcess();
    LeSimProcess(const LeSimProcess&) = delete;
    LeSimProcess& operator=(const LeSimProcess&) = delete;

    // Waits for "ready" (false after `timeoutMs`); the devices are known then.
    bool ready(int timeoutMs = kGuardMs);
    // The device le-sim made for LE `le` (1-based); empty if none.
    QString device(int le) const;
    // The trace of LE `le` so far.
    const std::vector<Event>& events(int le);
    // The command frames LE `le` took so far, in order.
    std::vector<QByteArray> commands(int le);
    // All that le-sim wrote on stderr so far (its log of each LE).
    QString stderrLog();
    // Sends le-sim a request for the next frame of LE `le` (1-based):
    // "short", "long" or "stray <count>" (see its README).
    bool request(int le, const QString& what);

private:
    void read();

    QProcess proc_;
    QFile traceFile_;        // open for reading when the trace goes to a file
    QByteArray partLine_;    // a line of the file not yet complete
    bool ready_ = false;
    QMap<int, QString> devices_;
    std::map<int, std::vector<Event>> events_;
    QString stderr_;
};

} // namespace lesim
