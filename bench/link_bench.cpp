// link_bench: the whole program (its main window shown, so painting counts)
// on the real Qt event loop and real serial ports, against eight LEs of
// tools/le-sim that send marked status frames back to back at the speed of
// a 19200-baud line (one frame every 83.3 ms per LE). The ports are opened
// through the port window as a user does.
//
// It runs once per delivery, the ways a real line hands characters to the PC
// (le-sim --delivery: even, single characters, UART FIFO pieces, USB
// packets of up to 64, a USB adapter's 16 ms latency timer), all at the
// line's rate, and reports for each, for `frames` frames of each LE:
//  - frames answered and lost (no answer before the LE's next frame was
//    complete on the line);
//  - the hand-over -> answer latency: from the moment the program's port had
//    the whole frame (its hand-over stamp) to the answer's arrival at the LE
//    (le-sim's stamp), both in microseconds of CLOCK_MONOTONIC;
//  - the line -> answer latency: from the moment the frame's last character
//    reached the PC (le-sim wrote it to the line), so that a late intake
//    shows too, and every answer later than 31 ms, with how many of them the
//    program had written within 31 ms (le-sim, busy feeding the lines, read
//    them late);
//  - the whole process's CPU time (all threads) per frame received and as a
//    share of one core over the run;
//  - the floor: bench/floor_reader --best, a minimal reader in plain C that
//    leaves each line out of poll() until its frame could be complete, on the
//    same lines fed the same way right after, with its CPU per frame, and
//    the program/floor ratio; then the same reader answering each frame 30 ms
//    after its last character as the program must (--answer), and the
//    program's ratio to that (the first delivery also runs the plain reader
//    that wakes for whatever arrives).
//
//  - the idle program: its CPU share over a few seconds after start-up, the
//    window shown and no port open yet, on Qt's offscreen platform (this
//    process) and on a real X server: Xvfb, started here when installed,
//    with the program in a child process of this benchmark.
//
//   link_bench [--frames N] [--idle S] [--delivery a,b,...]
//       frames per LE (default 120, about 10 s); seconds of idle (default 10);
//       the deliveries to run (default all)
//   link_bench --idle-only S
//       only the idle share, on the platform QT_QPA_PLATFORM names; prints
//       the percentage of a core alone (what the benchmark runs under Xvfb)
//
// Not a test: run it by hand and note the machine's load beside its figures.

#include "client/LeSimProcess.h"
#include "line/LineFeed.h"
#include "client/RealProgram.h"
#include "model/Model.h"
#include "platform/CommPort.h"
#include "platform/TimeSource.h"
#include "link/LeInstances.h"
#include "shell/Log.h"

#include <QApplication>
#include <QEventLoop>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTimer>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <ctime>
#include <fstream>
#include <vector>

namespace {

using lesim::LeSimProcess;

constexpr int LeCount = 8;
constexpr double CharMs = 10.0 * 1000.0 / 19200.0;          // 8N1: ten bits a character
constexpr double FrameLineMs = le::kStampFrameLength * CharMs; // 83.3 ms

int64_t monotonicUs()
{
    timespec ts{};
    clock_gettime(CLOCK_MONOTONIC, &ts);
    return int64_t(ts.tv_sec) * 1000000 + ts.tv_nsec / 1000;
}

double cpuMs(clockid_t clock)
{
    timespec ts{};
    clock_gettime(clock, &ts);
    return ts.tv_sec * 1000.0 + ts.tv_nsec / 1e6;
}

double percentile(std::vector<double> v, double p)
{
    if (v.empty()) return 0;
    std::sort(v.begin(), v.end());
    const size_t k = std::min(v.size() - 1, size_t(p / 100.0 * double(v.size() - 1) + 0.5));
    return v[k];
}

double maxOf(const std::vector<double>& v) { return v.empty() ? 0.0 : *std::max_element(v.begin(), v.end()); }

QString loadAverage()
{
    std::ifstream f("/proc/loadavg");
    std::string a, b, c;
    f >> a >> b >> c;
    return QString::fromStdString(a + " " + b + " " + c);
}

// The idle program's CPU share (all threads) of one core, in percent, over
// `seconds` of the plain event loop; the first `settleMs` let start-up's own
// work settle.
double idleShare(int settleMs, int seconds)
{
    const auto runFor = [](int ms) {
        QEventLoop loop;
        QTimer::singleShot(ms, &loop, &QEventLoop::quit);
        loop.exec();
    };
    runFor(settleMs);
    const int64_t wallBefore = monotonicUs();
    const double cpuBefore = cpuMs(CLOCK_PROCESS_CPUTIME_ID);
    runFor(seconds * 1000);
    return 100.0 * (cpuMs(CLOCK_PROCESS_CPUTIME_ID) - cpuBefore) / (double(monotonicUs() - wallBefore) / 1000.0);
}

// The idle share under a real X server: a private Xvfb (it picks a free
// display and tells which on its standard output) and this benchmark with
// --idle-only on it. Negative when that cannot be done; `why` says why.
double idleShareUnderXvfb(int seconds, QString& why)
{
    const QString xvfb = QStandardPaths::findExecutable(QStringLiteral("Xvfb"));
    if (xvfb.isEmpty()) {
        why = QStringLiteral("Xvfb is not installed (Debian: apt-get install xvfb)");
        return -1;
    }
    QProcess server;
    server.start(xvfb, {"-displayfd", "1", "-screen", "0", "1280x1024x24", "-nolisten", "tcp"});
    QByteArray display;
    while (!display.contains('\n') && server.waitForReadyRead(10000)) display += server.readAllStandardOutput();
    display = display.trimmed();
    if (display.isEmpty()) {
        why = QStringLiteral("Xvfb did not start: %1").arg(QString::fromLocal8Bit(server.readAllStandardError()));
        server.kill();
        server.waitForFinished();
        return -1;
    }
    QProcess idle;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("xcb"));
    env.insert(QStringLiteral("DISPLAY"), QStringLiteral(":") + QString::fromLatin1(display));
    idle.setProcessEnvironment(env);
    idle.setProcessChannelMode(QProcess::ForwardedErrorChannel);
    idle.start(QCoreApplication::applicationFilePath(), {"--idle-only", QString::number(seconds)});
    bool ok = false;
    double share = -1;
    if (idle.waitForFinished((seconds + 60) * 1000) && idle.exitStatus() == QProcess::NormalExit
        && idle.exitCode() == 0)
        share = idle.readAllStandardOutput().trimmed().toDouble(&ok);
    if (!ok) {
        why = QStringLiteral("the program did not run under Xvfb");
        share = -1;
        idle.kill();
        idle.waitForFinished();
    }
    server.terminate();
    if (!server.waitForFinished(5000)) {
        server.kill();
        server.waitForFinished();
    }
    return share;
}

} // namespace

struct Floor {
    double perFrameMs = 0;
    bool ok = false;
};

// The floor reader on the given lines, once they are free.
Floor runFloor(const QStringList& devices, int frames, const QStringList& modes)
{
    QStringList args = modes;
    args << QString::number(frames) << devices;
    QProcess floor;
    floor.start(QStringLiteral(FLOOR_READER), args);
    Floor f;
    if (floor.waitForFinished(int(3 * (frames + 2) * FrameLineMs) + lesim::kGuardMs) && floor.exitCode() == 0) {
        const QList<QByteArray> parts = floor.readAllStandardOutput().trimmed().split(' ');
        if (parts.size() == 2 && parts[0].toLong() > 0) {
            f.perFrameMs = parts[1].toDouble() / 1000.0 / parts[0].toDouble();
            f.ok = true;
        }
    } else {
        std::fprintf(stderr, "link_bench: the floor reader failed: %s\n", floor.readAllStandardError().constData());
    }
    return f;
}

int main(int argc, char** argv)
{
    int frames = 120;
    int idleSeconds = 10;
    bool idleOnly = false;
    QStringList deliveries{"even", "chars", "fifo", "usb", "usb-latency"};
    for (int i = 1; i < argc; ++i) {
        lesim::LineFeed::Mode mode;
        if (QByteArray(argv[i]) == "--frames" && i + 1 < argc && std::atoi(argv[i + 1]) > 0) {
            frames = std::atoi(argv[++i]);
        } else if (QByteArray(argv[i]) == "--idle" && i + 1 < argc && std::atoi(argv[i + 1]) > 0) {
            idleSeconds = std::atoi(argv[++i]);
        } else if (QByteArray(argv[i]) == "--idle-only" && i + 1 < argc && std::atoi(argv[i + 1]) > 0) {
            idleSeconds = std::atoi(argv[++i]);
            idleOnly = true;
        } else if (QByteArray(argv[i]) == "--delivery" && i + 1 < argc) {
            deliveries = QString::fromLocal8Bit(argv[++i]).split(',');
            for (const QString& d : deliveries)
                if (!lesim::LineFeed::parse(d, mode)) deliveries.clear();
            if (deliveries.isEmpty()) {
                std::fprintf(stderr, "link_bench: deliveries are even, chars, fifo, usb, usb-latency\n");
                return 2;
            }
        } else {
            std::fprintf(stderr, "usage: link_bench [--frames N] [--idle S] [--delivery a,b,...] | --idle-only S\n");
            return 2;
        }
    }
    plat::RealTimeSource::selectEventLoop();
    setenv("QT_QPA_PLATFORM", "offscreen", 0);
    QApplication app(argc, argv);
    const QString loadBefore = loadAverage();
    QTemporaryDir scratch;

    // The program on a scratch drive, started up and its window shown; the
    // ports are opened later, through the port window, for each delivery.
    lesim::RealProgram rig;
    orv::Log& log = rig.log();
    if (!rig.startUp()) {
        std::fprintf(stderr, "link_bench: the program did not start up\n");
        return 1;
    }
    log.show();

    // Idle: the program as it stands after start-up, no port open, on the
    // plain event loop (the first second lets start-up's own work settle).
    // This process runs on the offscreen platform unless QT_QPA_PLATFORM
    // names another (as it does for --idle-only under Xvfb).
    const double ownIdle = idleShare(1000, idleSeconds);
    if (idleOnly) {
        std::printf("%.4f\n", ownIdle);
        return 0;
    }
    QString noXvfb;
    const double xvfbIdle = idleShareUnderXvfb(idleSeconds, noXvfb);

    // The hand-over of every frame, on the monotonic clock: the port's own
    // stamp, taken back from the time source's clock to the machine's.
    std::vector<std::vector<int64_t>> handOver(LeCount + 1);
    for (int i = 0; i < LeCount; ++i) {
        plat::CommPort& port = log.MSComm(i);
        std::function<void()> handler = port.onComm;
        port.onComm = [&rig, &port, &handOver, i, handler] {
            if (port.commEvent() == plat::CommEvents::Receive)
                handOver[i + 1].push_back(monotonicUs() - (rig.time.nowUs() - port.handOverUs()));
            handler();
        };
    }
    // When each reply left: the reply timer's handler writes it to the line.
    std::vector<std::vector<int64_t>> written(LeCount + 1);
    for (const orv::LeInstance& in : orv::leInstances()) {
        plat::FormTimer& tx = log.*in.txTimer;
        std::function<void()> handler = tx.onTimer;
        tx.onTimer = [&written, n = in.number, handler] {
            handler();
            written[n].push_back(monotonicUs());
        };
    }

    std::printf("link benchmark: %d LEs, %d frames each, back to back at 19200 baud, main window shown\n", LeCount,
                frames);
    std::printf("  machine load       %s (1, 5, 15 min) before\n", qPrintable(loadBefore));
    std::printf("  idle program       %.2f %% of a core   (%d s, no port open, offscreen platform)\n", ownIdle,
                idleSeconds);
    if (xvfbIdle >= 0)
        std::printf("                     %.2f %% of a core   (%d s, no port open, X server: Xvfb)\n", xvfbIdle,
                    idleSeconds);
    else
        std::printf("                     not measured under an X server: %s\n", qPrintable(noXvfb));
    std::fflush(stdout);

    bool plainFloorDone = false;
    for (const QString& delivery : deliveries) {
        // A new frame every millisecond at the line's pace: each LE's next
        // frame waits behind the one on the line, so they go back to back.
        // Its trace goes to a file read now and then, not through a pipe the
        // event loop would serve twice a frame.
        LeSimProcess sim({"--count", QString::number(LeCount), "--period", "1", "--delivery", delivery},
                         scratch.filePath(QStringLiteral("le-sim-trace-%1.txt").arg(delivery)));
        if (!sim.ready()) {
            std::fprintf(stderr, "link_bench: le-sim did not start\n%s", qPrintable(sim.stderrLog()));
            return 1;
        }
        std::vector<lesim::RealProgram::PortChoice> ports;
        QStringList devices;
        for (int n = 1; n <= LeCount; ++n) {
            qputenv(QStringLiteral("ORVANE_COM%1").arg(n).toLatin1(), sim.device(n).toLocal8Bit());
            ports.push_back({n, n});
            devices << sim.device(n);
        }
        rig.validatePorts(ports);
        for (int i = 0; i < LeCount; ++i)
            if (!log.MSComm(i).portOpen()) {
                std::fprintf(stderr, "link_bench: the program could not open COM%d\n", i + 1);
                return 1;
            }
        // Settle: the first frames meet a program still arming its timers.
        lesim::waitUntil([] { return false; }, 1000);

        std::vector<size_t> from(LeCount + 1);
        std::vector<size_t> handOverFrom(LeCount + 1);
        for (int n = 1; n <= LeCount; ++n) {
            from[n] = sim.events(n).size();
            handOverFrom[n] = handOver[n].size();
        }
        double countingMs = 0;   // the trace reading here is not the program's work
        const auto allSent = [&] {
            const double start = cpuMs(CLOCK_THREAD_CPUTIME_ID);
            bool all = true;
            for (int n = 1; n <= LeCount; ++n) {
                int seen = 0;
                const std::vector<LeSimProcess::Event>& events = sim.events(n);
                for (size_t k = from[n]; k < events.size(); ++k) seen += events[k].kind != LeSimProcess::Event::Command;
                all = all && seen > frames;
            }
            countingMs += cpuMs(CLOCK_THREAD_CPUTIME_ID) - start;
            return all;
        };
        const int64_t wallBefore = monotonicUs();
        const double cpuBefore = cpuMs(CLOCK_PROCESS_CPUTIME_ID);
        // The plain event loop, as the program runs it; the trace is looked
        // at four times a second.
        bool complete = false;
        {
            QEventLoop loop;
            QTimer look;
            QObject::connect(&look, &QTimer::timeout, [&] {
                complete = allSent();
                if (complete
                    || monotonicUs() - wallBefore > int64_t(2 * (frames + 1) * FrameLineMs + lesim::kGuardMs) * 1000)
                    loop.quit();
            });
            look.start(250);
            loop.exec();
        }
        const double cpu = cpuMs(CLOCK_PROCESS_CPUTIME_ID) - cpuBefore - countingMs;
        const double wallMs = double(monotonicUs() - wallBefore) / 1000.0;
        if (!complete) {
            std::fprintf(stderr, "link_bench: le-sim stopped sending\n%s", qPrintable(sim.stderrLog()));
            return 1;
        }

        // A frame is answered when an answer arrives before the LE's next
        // frame is complete; its latency runs from the frame's hand-over and
        // from its last character's arrival.
        long sent = 0, answered = 0, extra = 0;
        long lateOnTime = 0;               // answers over 31 ms that the program wrote within 31 ms
        std::vector<double> latency;       // ms, from the hand-over
        std::vector<double> lineLatency;   // ms, from the frame's last character reaching the PC
        for (int n = 1; n <= LeCount; ++n) {
            std::vector<int64_t> frameDone, answers;
            const std::vector<LeSimProcess::Event>& events = sim.events(n);
            for (size_t k = from[n]; k < events.size(); ++k)
                (events[k].kind != LeSimProcess::Event::Command ? frameDone : answers).push_back(events[k].us);
            frameDone.resize(size_t(frames) + 1);
            const std::vector<int64_t>& given = handOver[n];
            size_t a = 0, h = handOverFrom[n];
            for (size_t k = 0; k < size_t(frames); ++k) {
                ++sent;
                const int64_t done = frameDone[k], next = frameDone[k + 1];
                while (a < answers.size() && answers[a] < done) ++a;
                // The hand-over of this frame: the first one after its last
                // character reached the PC.
                while (h < given.size() && given[h] < done) ++h;
                int inWindow = 0;
                for (size_t b = a; b < answers.size() && answers[b] < next; ++b) {
                    if (inWindow == 0) lineLatency.push_back(double(answers[b] - done) / 1000.0);
                    if (inWindow == 0 && answers[b] - done > 31000) {
                        // The write this answer came from: the last one before it arrived.
                        const std::vector<int64_t>& w = written[n];
                        const auto it = std::upper_bound(w.begin(), w.end(), answers[b]);
                        if (it != w.begin() && *(it - 1) >= done && *(it - 1) - done <= 31000) ++lateOnTime;
                    }
                    if (inWindow++ == 0 && h < given.size() && given[h] <= answers[b])
                        latency.push_back(double(answers[b] - given[h]) / 1000.0);
                }
                answered += inWindow > 0;
                extra += std::max(0, inWindow - 1);
            }
        }
        const double cpuPerFrame = sent > 0 ? cpu / double(sent) : 0;

        // The floor, on the same lines: the program lets go of them first.
        for (int i = 0; i < LeCount; ++i) log.MSComm(i).setPortOpen(false);
        const Floor best = runFloor(devices, frames, {QStringLiteral("--best")});
        const Floor answering = runFloor(devices, frames, {QStringLiteral("--best"), QStringLiteral("--answer")});
        Floor plain;
        if (!plainFloorDone) {
            plain = runFloor(devices, frames, {});
            plainFloorDone = true;
        }

        std::vector<double> late;
        for (double ms : lineLatency)
            if (ms > 31.0) late.push_back(ms);
        std::sort(late.begin(), late.end());
        std::printf("\n  delivery %s   (load %s)\n", qPrintable(delivery), qPrintable(loadAverage()));
        std::printf("    frames sent        %ld   answered %ld   lost %ld", sent, answered, sent - answered);
        if (extra > 0) std::printf("   extra answers %ld", extra);
        std::printf("\n    line->answer       p50 %.2f ms   p99 %.2f ms   max %.2f ms   (from the last character)\n",
                    percentile(lineLatency, 50), percentile(lineLatency, 99), maxOf(lineLatency));
        std::printf("    over 31 ms         %zu", late.size());
        for (size_t k = 0; k < late.size(); ++k) {
            if (k == 40) {
                std::printf(" ...");
                break;
            }
            std::printf("%s%.1f", k == 0 ? ":  " : " ", late[k]);
        }
        if (!late.empty()) std::printf("\n                       of which written within 31 ms: %ld (the LE read them late)", lateOnTime);
        std::printf("\n    hand-over->answer  p50 %.2f ms   p99 %.2f ms   max %.2f ms\n", percentile(latency, 50),
                    percentile(latency, 99), maxOf(latency));
        std::printf("    CPU per frame      %.3f ms   CPU share %.2f %% of a core   (whole process, all threads)\n",
                    cpuPerFrame, wallMs > 0 ? 100.0 * cpu / wallMs : 0.0);
        if (best.ok)
            std::printf("    floor per frame    %.3f ms   (C reader out of poll() until a frame could be complete)"
                        "   program/floor %.2f\n",
                        best.perFrameMs, cpuPerFrame / best.perFrameMs);
        if (answering.ok)
            std::printf("    answering floor    %.3f ms   (the same reader, answering each frame 30 ms after it)"
                        "   program/answering %.2f\n",
                        answering.perFrameMs, cpuPerFrame / answering.perFrameMs);
        if (plain.ok)
            std::printf("    plain floor        %.3f ms   (C reader waking for whatever arrives)   program/plain %.2f\n",
                        plain.perFrameMs, cpuPerFrame / plain.perFrameMs);
        std::fflush(stdout);
    }
    std::printf("\n  machine load       %s (1, 5, 15 min) after\n", qPrintable(loadAverage()));
    return 0;
}
