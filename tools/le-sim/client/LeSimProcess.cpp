#include "client/LeSimProcess.h"

namespace lesim {

LeSimProcess::LeSimProcess(const QStringList& args, const QString& traceFile)
{
    proc_.setProgram(QStringLiteral(LE_SIM_EXECUTABLE));
    proc_.setArguments(args + QStringList{QStringLiteral("--trace")});
    proc_.setProcessChannelMode(QProcess::SeparateChannels);
    if (!traceFile.isEmpty()) {
        proc_.setStandardOutputFile(traceFile, QIODevice::Truncate);
        // Created now, so that it can be opened before le-sim writes.
        QFile(traceFile).open(QIODevice::WriteOnly | QIODevice::Truncate);
        traceFile_.setFileName(traceFile);
        traceFile_.open(QIODevice::ReadOnly);
    }
    proc_.start();
}

LeSimProcess::~LeSimProcess()
{
    proc_.terminate();
    if (!proc_.waitForFinished(5000))
        proc_.kill();
}

bool LeSimProcess::ready(int timeoutMs)
{
    return waitUntil(
        [this] {
            read();
            return ready_;
        },
        timeoutMs);
}

QString LeSimProcess::device(int le) const { return devices_.value(le); }

const std::vector<LeSimProcess::Event>& LeSimProcess::events(int le)
{
    read();
    return events_[le];
}

std::vector<QByteArray> LeSimProcess::commands(int le)
{
    std::vector<QByteArray> out;
    for (const Event& e : events(le))
        if (e.kind == Event::Command)
            out.push_back(e.command);
    return out;
}

QString LeSimProcess::stderrLog()
{
    stderr_ += QString::fromLatin1(proc_.readAllStandardError());
    return stderr_;
}

bool LeSimProcess::request(int le, const QString& what)
{
    const QByteArray line = QStringLiteral("%1 %2\n").arg(le).arg(what).toLatin1();
    return proc_.write(line) == line.size() && proc_.waitForBytesWritten(kGuardMs);
}

void LeSimProcess::read()
{
    QList<QByteArray> lines;
    if (traceFile_.isOpen()) {
        partLine_ += traceFile_.readAll();
        const qsizetype end = partLine_.lastIndexOf('\n');
        if (end < 0) return;
        lines = partLine_.left(end).split('\n');
        partLine_.remove(0, end + 1);
    } else {
        while (proc_.canReadLine()) lines.push_back(proc_.readLine());
    }
    for (const QByteArray& raw : lines) {
        const QString line = QString::fromLatin1(raw).trimmed();
        if (line == QLatin1String("ready")) {
            ready_ = true;
        } else if (line.startsWith(QLatin1String("ORVANE_COM"))) {
            const qsizetype eq = line.indexOf('=');
            devices_[line.mid(10, eq - 10).toInt()] = line.mid(eq + 1);
        } else {
            // "<us> LE<n> frame marked|unmarked" or "<us> LE<n> command <hex>"
            const QStringList parts = line.split(' ');
            if (parts.size() != 4 || !parts[1].startsWith(QLatin1String("LE")))
                continue;
            Event e{Event::Command, {}, parts[0].toLongLong()};
            if (parts[2] == QLatin1String("command"))
                e.command = QByteArray::fromHex(parts[3].toLatin1());
            else
                e.kind = parts[3] == QLatin1String("marked") ? Event::Marked : Event::Unmarked;
            events_[parts[1].mid(2).toInt()].push_back(std::move(e));
        }
    }
}

} // namespace lesim
