// le-sim: simulated light engines on pseudo-terminals.
//
// Creates one pseudo-terminal per LE, prints the ORVANE_COM<n> line to give
// the program for each, then "ready", and plays one le::Model behind every
// master side until SIGTERM or SIGINT.
#include "line/LineFeed.h"
#include "model/Model.h"

#include <QByteArray>
#include <QString>
#include <QStringList>

#include <algorithm>
#include <cerrno>
#include <chrono>
#include <ctime>
#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <deque>
#include <fcntl.h>
#include <memory>
#include <poll.h>
#include <pty.h>
#include <termios.h>
#include <unistd.h>
#include <vector>

namespace {

volatile std::sig_atomic_t g_stop = 0;

void onSignal(int) { g_stop = 1; }

struct Options {
    int count = 8;
    int periodMs = 250;
    double startScale = 0.05;
    bool pace = false;
    lesim::LineFeed::Mode delivery = lesim::LineFeed::Mode::Even;
    bool trace = false;
    bool number = false;
    bool zeros = false;
    bool runOn = false;
    QStringList faults;
};

struct Engine {
    int number = 0;
    int master = -1;
    QString slavePath;
    std::unique_ptr<le::Model> model;
    QByteArray out;          // bytes not yet on the line (unpaced)
    std::unique_ptr<lesim::LineFeed> feed;   // the line at its rate (paced)
    bool listening = false;  // the slave side is open
    bool dropOnOpen = false; // --fault LE:drop, applied to the first frame the program can see
    // Requests on stdin, applied to the next frame put on the line.
    int shortBy = 0;         // characters lost from its middle
    int longBy = 0;          // characters added in its middle
    int strays = 0;          // stray characters before it
    int numbered = 0;        // --number: the number of the next frame put on the line
    // --trace: frames queued in `out`, as (characters not yet written, kind).
    std::deque<std::pair<qsizetype, const char*>> inFlight;
};

void usage()
{
    std::fprintf(stderr,
                 "usage: le-sim [--count N] [--period ms] [--start-scale f] [--pace] [--delivery kind]\n"
                 "              [--run-on] [--zeros] [--trace] [--number] [--fault LE:kind]...\n"
                 "deliveries: even, chars, fifo, usb, usb-latency, mix\n"
                 "kinds: silence, garbage, unmarked, drop, error=CODE, temp=MAT,SHT, speed=M,V1,V2\n");
}

bool parseOptions(int argc, char** argv, Options& o)
{
    for (int i = 1; i < argc; ++i) {
        const QString arg = QString::fromLocal8Bit(argv[i]);
        const bool hasValue = i + 1 < argc;
        bool ok = true;
        if (arg == "--pace") {
            o.pace = true;
        } else if (arg == "--delivery" && hasValue) {
            ok = lesim::LineFeed::parse(QString::fromLocal8Bit(argv[++i]), o.delivery);
            o.pace = true;
        } else if (arg == "--trace") {
            o.trace = true;
        } else if (arg == "--number") {
            o.number = true;
        } else if (arg == "--zeros") {
            o.zeros = true;
        } else if (arg == "--run-on") {
            o.runOn = true;
            o.pace = true;
        } else if (arg == "--count" && hasValue) {
            o.count = QString::fromLocal8Bit(argv[++i]).toInt(&ok);
            ok = ok && o.count >= 1 && o.count <= 14;
        } else if (arg == "--period" && hasValue) {
            o.periodMs = QString::fromLocal8Bit(argv[++i]).toInt(&ok);
            ok = ok && o.periodMs >= 1;
        } else if (arg == "--start-scale" && hasValue) {
            o.startScale = QString::fromLocal8Bit(argv[++i]).toDouble(&ok);
            ok = ok && o.startScale > 0;
        } else if (arg == "--fault" && hasValue) {
            o.faults << QString::fromLocal8Bit(argv[++i]);
        } else {
            ok = false;
        }
        if (!ok) {
            std::fprintf(stderr, "le-sim: bad argument %s\n", argv[i]);
            return false;
        }
    }
    return true;
}

QList<int> numbers(const QString& text, int count)
{
    QList<int> out;
    for (const QString& part : text.split(',')) {
        bool ok = false;
        out << part.trimmed().toInt(&ok);
        if (!ok)
            return {};
    }
    return out.size() == count ? out : QList<int>{};
}

bool applyFault(const QString& fault, std::vector<Engine>& engines)
{
    const qsizetype colon = fault.indexOf(':');
    bool ok = false;
    const int le = fault.left(colon).toInt(&ok);
    if (colon < 0 || !ok || le < 1 || le > int(engines.size()))
        return false;
    Engine& e = engines[size_t(le - 1)];
    le::Model& m = *e.model;
    const QString kind = fault.mid(colon + 1).section('=', 0, 0);
    const QString value = fault.mid(colon + 1).section('=', 1);
    if (kind == "silence") {
        m.silence(true);
    } else if (kind == "garbage") {
        m.garbage(true);
    } else if (kind == "unmarked") {
        m.unmarked(true);
    } else if (kind == "drop") {
        e.dropOnOpen = true;
    } else if (kind == "error") {
        const QList<int> v = numbers(value, 1);
        if (v.isEmpty()) return false;
        m.setErrorCode(v[0]);
    } else if (kind == "temp") {
        const QList<int> v = numbers(value, 2);
        if (v.isEmpty()) return false;
        m.setTemperatures(v[0], v[1]);
    } else if (kind == "readback") {
        if (value == "never") {
            m.setReadBackDelayMs(-1);
        } else {
            const QList<int> v = numbers(value, 1);
            if (v.isEmpty()) return false;
            m.setReadBackDelayMs(v[0]);
        }
    } else if (kind == "speed") {
        const QList<int> v = numbers(value, 3);
        if (v.isEmpty()) return false;
        m.setSpeeds(v[0], v[1], v[2]);
    } else {
        return false;
    }
    return true;
}

// A request on stdin, one per line: "<LE> short", "<LE> long" or
// "<LE> stray <count>"; false when it is not one.
bool applyRequest(const QByteArray& line, std::vector<Engine>& engines)
{
    const QList<QByteArray> words = line.simplified().split(' ');
    if (words.size() < 2)
        return false;
    bool ok = false;
    const int le = words[0].toInt(&ok);
    if (!ok || le < 1 || le > int(engines.size()))
        return false;
    Engine& e = engines[size_t(le - 1)];
    if (words[1] == "short" && words.size() == 2) {
        ++e.shortBy;
    } else if (words[1] == "long" && words.size() == 2) {
        ++e.longBy;
    } else if (words[1] == "stray" && words.size() == 3) {
        const int n = words[2].toInt(&ok);
        if (!ok || n < 1 || n > 4096)
            return false;
        e.strays += n;
    } else {
        return false;
    }
    std::fprintf(stderr, "LE%d: request %s\n", le, line.trimmed().constData());
    return true;
}

// Stray characters as a line picks them up: control characters and bytes
// with the high bit set, never a digit or a blank.
QByteArray strayBytes(int n, unsigned seed)
{
    QByteArray b(n, '\0');
    for (int i = 0; i < n; ++i) {
        const unsigned v = (seed * 2654435761u + unsigned(i) * 40503u) >> 8;
        b[i] = char(i % 2 ? 0x80 + v % 0x80 : 0x01 + v % 0x1f);
    }
    return b;
}

// The next frame as the requests on stdin change it.
QByteArray changedFrame(Engine& e, QByteArray frame)
{
    const qsizetype middle = frame.size() / 2;
    if (e.shortBy > 0)
        frame.remove(middle, std::min<qsizetype>(e.shortBy, frame.size()));
    if (e.longBy > 0)
        frame.insert(middle, QByteArray(e.longBy, frame.isEmpty() ? '0' : frame.at(middle)));
    if (e.strays > 0)
        frame.prepend(strayBytes(e.strays, unsigned(e.number)));
    e.shortBy = e.longBy = e.strays = 0;
    return frame;
}

void makeRaw(int fd)
{
    termios t{};
    if (tcgetattr(fd, &t) != 0)
        return;
    cfmakeraw(&t);
    cfsetispeed(&t, B19200);
    cfsetospeed(&t, B19200);
    tcsetattr(fd, TCSANOW, &t);
}

bool openEngine(Engine& e)
{
    int master = -1, slave = -1;
    char name[256] = {};
    if (openpty(&master, &slave, name, nullptr, nullptr) != 0) {
        std::fprintf(stderr, "le-sim: openpty failed: %s\n", std::strerror(errno));
        return false;
    }
    makeRaw(master);
    makeRaw(slave);
    // Only the master stays open here: the program opens and closes the
    // slave as often as it likes, and the pair lives until we exit.
    close(slave);
    fcntl(master, F_SETFL, fcntl(master, F_GETFL) | O_NONBLOCK);
    e.master = master;
    e.slavePath = QString::fromLocal8Bit(name);
    return true;
}

// --trace lines on stdout: "<us> LE<n> frame marked|unmarked" once the last
// character of a frame is on the line, "<us> LE<n> command <68 hex digits>"
// for each command frame taken from the program.
const char* frameKind(const QByteArray& frame)
{
    const qsizetype at = le::pos::Synchro * le::kFieldWidth;
    bool number = false;
    const bool marked = frame.size() == le::kStampFrameLength &&
                        frame.mid(at, le::kFieldWidth).trimmed().toInt(&number) == le::kSynchroMarker && number;
    return marked ? "marked" : "unmarked";
}

void traceWritten(Engine& e, qsizetype written, long long us)
{
    while (written > 0 && !e.inFlight.empty()) {
        auto& front = e.inFlight.front();
        const qsizetype taken = std::min(written, front.first);
        front.first -= taken;
        written -= taken;
        if (front.first == 0) {
            if (us >= 0)
                std::printf("%lld LE%d frame %s\n", us, e.number, front.second);
            e.inFlight.pop_front();
        }
    }
    if (us >= 0)
        std::fflush(stdout);
}

void traceCommands(Engine& e, long long us)
{
    for (const le::Fields& c : e.model->receivedFrames())
        std::printf("%lld LE%d command %s\n", us, e.number, le::composeCommand(c).toHex().constData());
    std::fflush(stdout);
}

void logModel(Engine& e)
{
    for (const QString& line : e.model->takeLog())
        std::fprintf(stderr, "LE%d: %s\n", e.number, qPrintable(line));
}

} // namespace

int main(int argc, char** argv)
{
    Options options;
    if (!parseOptions(argc, argv, options)) {
        usage();
        return 2;
    }

    std::vector<Engine> engines(size_t(options.count));
    for (int i = 0; i < options.count; ++i) {
        Engine& e = engines[size_t(i)];
        e.number = i + 1;
        e.model = std::make_unique<le::Model>(e.number);
        e.model->setPeriodMs(options.periodMs);
        e.model->setStartScale(options.startScale);
        if (options.pace)
            e.feed = std::make_unique<lesim::LineFeed>(options.delivery, 19200, unsigned(e.number));
        if (!openEngine(e))
            return 1;
    }
    for (const QString& fault : options.faults) {
        if (!applyFault(fault, engines)) {
            std::fprintf(stderr, "le-sim: bad fault %s\n", qPrintable(fault));
            usage();
            return 2;
        }
    }

    struct sigaction sa {};
    sa.sa_handler = onSignal;
    sigemptyset(&sa.sa_mask);
    sigaction(SIGTERM, &sa, nullptr);
    sigaction(SIGINT, &sa, nullptr);
    std::signal(SIGPIPE, SIG_IGN);

    for (const Engine& e : engines)
        std::printf("ORVANE_COM%d=%s\n", e.number, qPrintable(e.slavePath));
    std::printf("ready\n");
    std::fflush(stdout);

    using Clock = std::chrono::steady_clock;
    const auto begin = Clock::now();
    auto last = begin;
    // Trace stamps: microseconds on the machine's monotonic clock, which
    // other processes on the machine read alike.
    const auto traceStamp = [] {
        timespec ts{};
        clock_gettime(CLOCK_MONOTONIC, &ts);
        return (long long)ts.tv_sec * 1000000 + ts.tv_nsec / 1000;
    };
    double carryMs = 0;
    // One poll entry per LE, then stdin for requests, when it is a pipe or a
    // file rather than a terminal (a job in the background that read its
    // terminal would be stopped); left out once it is closed.
    std::vector<pollfd> fds(engines.size() + 1);
    int requestFd = isatty(STDIN_FILENO) ? -1 : STDIN_FILENO;
    QByteArray requestLine;

    while (!g_stop) {
        // Which slaves are open: a master whose slave is closed reports a
        // hang-up at once, so it is asked without waiting and left out of
        // the waiting poll below.
        for (size_t i = 0; i < engines.size(); ++i)
            fds[i] = {engines[i].master, POLLIN, 0};
        poll(fds.data(), fds.size(), 0);
        for (size_t i = 0; i < engines.size(); ++i) {
            const bool listening = !(fds[i].revents & POLLHUP);
            Engine& e = engines[i];
            if (listening != e.listening)
                std::fprintf(stderr, "LE%d: port %s\n", e.number, listening ? "opened" : "closed");
            if (listening && e.dropOnOpen) {
                e.model->dropCharacter(true);
                e.dropOnOpen = false;
            }
            e.listening = listening;
            fds[i].fd = listening ? e.master : -1;
            fds[i].revents = 0;
        }
        fds.back() = {requestFd, POLLIN, 0};

        // Paced lines wake the loop when their next characters reach the PC.
        int64_t wakeUs = -1;
        const int64_t loopUs = traceStamp();
        for (const Engine& e : engines) {
            const int64_t next = e.feed && e.listening ? e.feed->nextUs(loopUs) : -1;
            if (next >= 0 && (wakeUs < 0 || next < wakeUs)) wakeUs = next;
        }
        const int64_t waitUs = wakeUs < 0 ? 5000 : std::clamp<int64_t>(wakeUs - loopUs, 0, 5000);
        const timespec wait{0, long(waitUs * 1000)};
        const int r = ppoll(fds.data(), fds.size(), &wait, nullptr);
        if (r < 0 && errno != EINTR)
            break;
        if (requestFd >= 0 && (fds.back().revents & (POLLIN | POLLHUP | POLLERR))) {
            char buf[256];
            const ssize_t n = read(requestFd, buf, sizeof buf);
            if (n > 0) {
                requestLine += QByteArray(buf, n);
                qsizetype end;
                while ((end = requestLine.indexOf('\n')) >= 0) {
                    const QByteArray line = requestLine.left(end);
                    requestLine.remove(0, end + 1);
                    if (!line.trimmed().isEmpty() && !applyRequest(line, engines))
                        std::fprintf(stderr, "le-sim: bad request %s\n", line.constData());
                }
            } else if (n == 0 || (errno != EAGAIN && errno != EINTR)) {
                requestFd = -1;   // closed: no more requests
            }
        }
        for (size_t i = 0; i < engines.size(); ++i) {
            Engine& e = engines[i];
            if (fds[i].fd < 0 || !(fds[i].revents & POLLIN))
                continue;
            char buf[4096];
            const ssize_t n = read(e.master, buf, sizeof buf);
            if (n > 0) {
                e.model->receive(QByteArray(buf, n));
                if (options.trace)
                    traceCommands(e, traceStamp());
                e.model->clearReceived();
            }
        }

        const auto now = Clock::now();
        carryMs += std::chrono::duration<double, std::milli>(now - last).count();
        last = now;
        const int elapsed = int(carryMs);
        carryMs -= elapsed;

        for (Engine& e : engines) {
            e.model->tick(elapsed);
            const int64_t nowUs = traceStamp();
            const qsizetype waiting = e.feed ? e.feed->pending() : e.out.size();
            if (std::optional<QByteArray> frame = e.model->nextFrame()) {
                // A line still busy with a whole earlier frame (the program
                // does not read) skips this one, as the controller's UART would.
                if (waiting < le::kStampFrameLength) {
                    if (options.number)
                        *frame = le::numberFrame(*frame, e.number, e.numbered++ & 0xFFFF);
                    if (options.zeros)
                        frame->replace(' ', '0');
                    *frame = changedFrame(e, *frame);
                    const char* kind = frameKind(*frame);
                    if (e.feed)
                        e.feed->queue(*frame, nowUs);
                    else
                        e.out += *frame;
                    e.inFlight.emplace_back(frame->size(), kind);
                }
            }
            logModel(e);

            if (!e.listening) {
                if (options.runOn && e.feed) {
                    // The line runs on: what reaches the closed port is lost.
                    traceWritten(e, e.feed->take(nowUs).size(), -1);
                    continue;
                }
                e.out.clear();
                if (e.feed) e.feed->clear();
                e.inFlight.clear();
                continue;
            }
            // Unpaced, what the line does not take now waits; paced, it is
            // lost as on a line whose receiver overflows.
            const QByteArray chunk = e.feed ? e.feed->take(nowUs) : e.out;
            if (chunk.isEmpty())
                continue;
            const ssize_t written = write(e.master, chunk.constData(), size_t(chunk.size()));
            if (written > 0) {
                if (!e.feed)
                    e.out.remove(0, written);
                if (options.trace)
                    traceWritten(e, written, traceStamp());
            }
        }
    }

    for (Engine& e : engines)
        close(e.master);
    return 0;
}
