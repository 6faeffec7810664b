// link_bench: the whole program (its main window shown, so painting counts)
// on the real Qt event loop and real serial ports, against eight LEs of
// tools/le-sim that send marked status frames back to back at the speed of
// a 19200-baud line (one frame every 83.3 ms per LE). The ports are opened
// through the port window as a user does.
//
// It reports, for `frames` frames of each LE:
//  - frames answered and lost (no answer before the LE's next frame was
//    complete on the line);
//  - the hand-over -> answer latency: from the moment the program's port had
//    the whole frame (its hand-over stamp) to the answer's arrival at the LE
//    (le-sim's stamp), both in microseconds of CLOCK_MONOTONIC;
//  - the line -> answer latency: from the moment le-sim put the frame's last
//    character on the line, so that a late intake shows too;
//  - the whole process's CPU time (all threads) per frame received and as a
//    share of one core over the run;
//  - the floor: bench/floor_reader, a minimal reader in plain C, on the same
//    lines fed the same way right after, with its CPU per frame, and the
//    program/floor ratio.
//
//  - the idle program: its CPU share over a few seconds after start-up, the
//    window shown and no port open yet.
//
//   link_bench [--frames N] [--idle S]   frames per LE (default 120, about
//                                        10 s); seconds of idle (default 5)
//
// Not a test: run it by hand and note the machine's load beside its figures.

#include "client/LeSimProcess.h"
#include "client/RealProgram.h"
#include "model/Model.h"
#include "platform/CommPort.h"
#include "platform/TimeSource.h"

#include <QApplication>
#include <QEventLoop>
#include <QProcess>
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

QString loadAverage()
{
    std::ifstream f("/proc/loadavg");
    std::string a, b, c;
    f >> a >> b >> c;
    return QString::fromStdString(a + " " + b + " " + c);
}

} // namespace

int main(int argc, char** argv)
{
    int frames = 120;
    int idleSeconds = 5;
    for (int i = 1; i < argc; ++i) {
        if (QByteArray(argv[i]) == "--frames" && i + 1 < argc && std::atoi(argv[i + 1]) > 0) {
            frames = std::atoi(argv[++i]);
        } else if (QByteArray(argv[i]) == "--idle" && i + 1 < argc && std::atoi(argv[i + 1]) > 0) {
            idleSeconds = std::atoi(argv[++i]);
        } else {
            std::fprintf(stderr, "usage: link_bench [--frames N] [--idle S]\n");
            return 2;
        }
    }
    plat::RealTimeSource::selectEventLoop();
    setenv("QT_QPA_PLATFORM", "offscreen", 0);
    QApplication app(argc, argv);
    const QString loadBefore = loadAverage();

    // A new frame every millisecond at the line's pace: each LE's next frame
    // waits behind the one on the line, so they go back to back.
    // Its trace goes to a file read now and then, not through a pipe the
    // event loop would serve twice a frame.
    QTemporaryDir scratch;
    LeSimProcess sim({"--count", QString::number(LeCount), "--period", "1", "--pace"},
                     scratch.filePath(QStringLiteral("le-sim-trace.txt")));
    if (!sim.ready()) {
        std::fprintf(stderr, "link_bench: le-sim did not start\n%s", qPrintable(sim.stderrLog()));
        return 1;
    }
    std::vector<lesim::RealProgram::PortChoice> ports;
    for (int n = 1; n <= LeCount; ++n) {
        qputenv(QStringLiteral("ORVANE_COM%1").arg(n).toLatin1(), sim.device(n).toLocal8Bit());
        ports.push_back({n, n});
    }

    // The program on a scratch drive, started up, its window shown, its
    // eight ports validated.
    lesim::RealProgram rig;
    orv::Log& log = rig.log();
    if (!rig.startUp()) {
        std::fprintf(stderr, "link_bench: the program did not start up\n");
        return 1;
    }
    log.show();

    // Idle: the program as it stands after start-up, no port open, on the
    // plain event loop (the first second lets start-up's own work settle).
    const auto runFor = [](int ms) {
        QEventLoop loop;
        QTimer::singleShot(ms, &loop, &QEventLoop::quit);
        loop.exec();
    };
    runFor(1000);
    const int64_t idleWallBefore = monotonicUs();
    const double idleCpuBefore = cpuMs(CLOCK_PROCESS_CPUTIME_ID);
    runFor(idleSeconds * 1000);
    const double idleShare = 100.0 * (cpuMs(CLOCK_PROCESS_CPUTIME_ID) - idleCpuBefore)
                             / (double(monotonicUs() - idleWallBefore) / 1000.0);

    rig.validatePorts(ports);
    for (int i = 0; i < LeCount; ++i)
        if (!log.MSComm(i).portOpen()) {
            std::fprintf(stderr, "link_bench: the program could not open COM%d\n", i + 1);
            return 1;
        }

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
    // The plain event loop, as the program runs it; the trace is looked at
    // four times a second.
    bool complete = false;
    {
        QEventLoop loop;
        QTimer look;
        QObject::connect(&look, &QTimer::timeout, [&] {
            complete = allSent();
            if (complete || monotonicUs() - wallBefore > int64_t(2 * (frames + 1) * FrameLineMs + lesim::kGuardMs) * 1000)
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

    // A frame is answered when an answer arrives before the LE's next frame
    // is complete on the line; its latency runs from the frame's hand-over.
    long sent = 0, answered = 0, extra = 0, over30 = 0;
    std::vector<double> latency;       // ms, from the hand-over
    std::vector<double> lineLatency;   // ms, from the frame's last character on the line
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
            // character went on the line.
            while (h < given.size() && given[h] < done) ++h;
            int inWindow = 0;
            for (size_t b = a; b < answers.size() && answers[b] < next; ++b) {
                if (inWindow == 0) lineLatency.push_back(double(answers[b] - done) / 1000.0);
                if (inWindow++ == 0 && h < given.size() && given[h] <= answers[b]) {
                    const double ms = double(answers[b] - given[h]) / 1000.0;
                    latency.push_back(ms);
                    over30 += ms > 30.0;
                }
            }
            answered += inWindow > 0;
            extra += std::max(0, inWindow - 1);
        }
    }
    const double cpuPerFrame = sent > 0 ? cpu / double(sent) : 0;

    // The floor, on the same lines: the program lets go of them first.
    for (int i = 0; i < LeCount; ++i) log.MSComm(i).setPortOpen(false);
    QStringList floorArgs{QString::number(frames)};
    for (int n = 1; n <= LeCount; ++n) floorArgs << sim.device(n);
    QProcess floor;
    floor.start(QStringLiteral(FLOOR_READER), floorArgs);
    double floorPerFrame = 0;
    if (floor.waitForFinished(int(3 * (frames + 2) * FrameLineMs) + lesim::kGuardMs) && floor.exitCode() == 0) {
        const QList<QByteArray> parts = floor.readAllStandardOutput().trimmed().split(' ');
        if (parts.size() == 2 && parts[0].toLong() > 0)
            floorPerFrame = parts[1].toDouble() / 1000.0 / parts[0].toDouble();
    } else {
        std::fprintf(stderr, "link_bench: the floor reader failed: %s\n", floor.readAllStandardError().constData());
    }

    std::printf("link benchmark: %d LEs, %d frames each, back to back at 19200 baud, main window shown\n", LeCount,
                frames);
    std::printf("  machine load       %s (1, 5, 15 min) before; %s after\n", qPrintable(loadBefore),
                qPrintable(loadAverage()));
    std::printf("  frames sent        %ld\n", sent);
    std::printf("  frames answered    %ld\n", answered);
    std::printf("  frames lost        %ld\n", sent - answered);
    if (extra > 0) std::printf("  extra answers      %ld\n", extra);
    std::printf("  hand-over->answer  p50 %.2f ms   p99 %.2f ms   max %.2f ms   over 30 ms %.1f %%\n",
                percentile(latency, 50), percentile(latency, 99),
                latency.empty() ? 0.0 : *std::max_element(latency.begin(), latency.end()),
                latency.empty() ? 0.0 : 100.0 * double(over30) / double(latency.size()));
    std::printf("  line->answer       p50 %.2f ms   p99 %.2f ms   max %.2f ms   (from the frame's end on the line)\n",
                percentile(lineLatency, 50), percentile(lineLatency, 99),
                lineLatency.empty() ? 0.0 : *std::max_element(lineLatency.begin(), lineLatency.end()));
    std::printf("  CPU per frame      %.3f ms   (whole process, all threads)\n", cpuPerFrame);
    std::printf("  CPU share          %.2f %% of a core\n", wallMs > 0 ? 100.0 * cpu / wallMs : 0.0);
    std::printf("  idle program       %.2f %% of a core   (%d s, no port open)\n", idleShare, idleSeconds);
    if (floorPerFrame > 0)
        std::printf("  floor per frame    %.3f ms   (minimal C reader, same lines)   program/floor %.2f\n",
                    floorPerFrame, cpuPerFrame / floorPerFrame);
    return 0;
}
