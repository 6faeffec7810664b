// link_bench: the program's real reception and transmit code on the real Qt
// event loop and real serial ports, against eight LEs of tools/le-sim (run as
// a process) that send status frames back to back at the speed of a
// 19200-baud line. Prints how many frames were answered and lost, the reply
// latency (last character of a frame written -> answer read on the LE side,
// both on le-sim's millisecond clock) and the program's CPU time per frame
// beside the line time of a frame.
//
//   link_bench [--frames N]     frames per LE (default 120, about 10 s)
//
// Not a test: run it by hand on an otherwise idle machine.

#include "client/LeSimProcess.h"
#include "client/RealProgram.h"
#include "model/Model.h"

#include <QApplication>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <ctime>
#include <vector>

namespace {

using lesim::LeSimProcess;

constexpr int LeCount = 8;
constexpr double CharMs = 10.0 * 1000.0 / 19200.0;          // 8N1: ten bits a character
constexpr double FrameLineMs = le::kStampFrameLength * CharMs; // 83.3 ms

double threadCpuMs()
{
    timespec ts{};
    clock_gettime(CLOCK_THREAD_CPUTIME_ID, &ts);
    return ts.tv_sec * 1000.0 + ts.tv_nsec / 1e6;
}

bool isFrame(const LeSimProcess::Event& e) { return e.kind != LeSimProcess::Event::Command; }

double percentile(std::vector<double> v, double p)
{
    if (v.empty())
        return 0;
    std::sort(v.begin(), v.end());
    const size_t k = std::min(v.size() - 1, size_t(p / 100.0 * double(v.size() - 1) + 0.5));
    return v[k];
}

} // namespace

int main(int argc, char** argv)
{
    int frames = 120;
    for (int i = 1; i < argc; ++i) {
        if (QByteArray(argv[i]) == "--frames" && i + 1 < argc && std::atoi(argv[i + 1]) > 0) {
            frames = std::atoi(argv[++i]);
        } else {
            std::fprintf(stderr, "usage: link_bench [--frames N]\n");
            return 2;
        }
    }
    setenv("QT_QPA_PLATFORM", "offscreen", 0);
    QApplication app(argc, argv);

    // A new frame every millisecond at the line's pace: each LE's next frame
    // waits behind the one on the line, so they go back to back.
    LeSimProcess sim({"--count", QString::number(LeCount), "--period", "1", "--pace"});
    if (!sim.ready()) {
        std::fprintf(stderr, "link_bench: le-sim did not start\n%s", qPrintable(sim.stderrLog()));
        return 1;
    }
    std::vector<lesim::RealProgram::PortChoice> ports;
    for (int n = 1; n <= LeCount; ++n) {
        qputenv(QStringLiteral("ORVANE_COM%1").arg(n).toLatin1(), sim.device(n).toLocal8Bit());
        ports.push_back({n, n});
    }

    // The program on a scratch drive, started up, its eight ports validated.
    lesim::RealProgram rig;
    orv::Log& log = rig.log();
    if (!rig.startUp()) {
        std::fprintf(stderr, "link_bench: the program did not start up\n");
        return 1;
    }
    rig.validatePorts(ports);
    for (int i = 0; i < LeCount; ++i)
        if (!log.MSComm(i).portOpen()) {
            std::fprintf(stderr, "link_bench: the program could not open COM%d\n", i + 1);
            return 1;
        }

    // Measured: the next `frames` frames of each LE, and the one after them,
    // which closes the last one's answer window.
    std::vector<size_t> from(LeCount + 1), seen(LeCount + 1);
    std::vector<int> framesSeen(LeCount + 1, 0);
    for (int n = 1; n <= LeCount; ++n)
        from[n] = seen[n] = sim.events(n).size();
    // The CPU time spent here, parsing the trace, is not the program's.
    double countingMs = 0;
    const auto allSent = [&] {
        const double start = threadCpuMs();
        bool all = true;
        for (int n = 1; n <= LeCount; ++n) {
            const std::vector<LeSimProcess::Event>& events = sim.events(n);
            for (; seen[n] < events.size(); ++seen[n])
                framesSeen[n] += isFrame(events[seen[n]]);
            all = all && framesSeen[n] > frames;
        }
        countingMs += threadCpuMs() - start;
        return all;
    };
    const double cpuBefore = threadCpuMs();
    const bool complete = lesim::waitUntil(allSent, int(2 * (frames + 1) * FrameLineMs) + lesim::kGuardMs);
    const double cpuMs = threadCpuMs() - cpuBefore - countingMs;
    if (!complete) {
        std::fprintf(stderr, "link_bench: le-sim stopped sending\n%s", qPrintable(sim.stderrLog()));
        return 1;
    }

    // A frame is answered when an answer arrives before the LE's next frame
    // is complete.
    long sent = 0, answered = 0, extra = 0;
    std::vector<double> latency;
    for (int n = 1; n <= LeCount; ++n) {
        std::vector<double> frameDone, answers;   // ms
        const std::vector<LeSimProcess::Event>& events = sim.events(n);
        for (size_t k = from[n]; k < events.size(); ++k)
            (isFrame(events[k]) ? frameDone : answers).push_back(double(events[k].ms));
        frameDone.resize(size_t(frames) + 1);
        size_t a = 0;
        for (size_t k = 0; k < size_t(frames); ++k) {
            ++sent;
            const double done = frameDone[k], next = frameDone[k + 1];
            while (a < answers.size() && answers[a] < done)
                ++a;
            int inWindow = 0;
            for (size_t b = a; b < answers.size() && answers[b] < next; ++b) {
                if (inWindow++ == 0)
                    latency.push_back(answers[b] - done);
            }
            answered += inWindow > 0;
            extra += std::max(0, inWindow - 1);
        }
    }
    const long received = sent;   // every frame reaches the program's port
    const double cpuPerFrame = received > 0 ? cpuMs / double(received) : 0;

    std::printf("link benchmark: %d LEs, %d frames each, back to back at 19200 baud\n", LeCount, frames);
    std::printf("  frames sent        %ld\n", sent);
    std::printf("  frames answered    %ld\n", answered);
    std::printf("  frames lost        %ld\n", sent - answered);
    if (extra > 0)
        std::printf("  extra answers      %ld\n", extra);
    std::printf("  reply latency      p50 %.1f ms   p99 %.1f ms   max %.1f ms\n", percentile(latency, 50),
                percentile(latency, 99), latency.empty() ? 0.0 : *std::max_element(latency.begin(), latency.end()));
    std::printf("  CPU per frame      %.3f ms   (line time of a frame %.1f ms, ratio %.4f)\n", cpuPerFrame,
                FrameLineMs, cpuPerFrame / FrameLineMs);
    return 0;
}
