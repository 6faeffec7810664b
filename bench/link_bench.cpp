// link_bench: the program's real reception and transmit code on the real Qt
// event loop and real serial ports, against eight simulated LEs on
// pseudo-terminals that send status frames back to back at the speed of a
// 19200-baud line. Prints how many frames were answered and lost, the reply
// latency (last character of a frame written -> answer read on the LE side)
// and the program's CPU time per frame beside the line time of a frame.
//
//   link_bench [--frames N]     frames per LE (default 120, about 10 s)
//
// Not a test: run it by hand on an otherwise idle machine.

#include "model/Model.h"
#include "platform/Dialogs.h"
#include "platform/Drive.h"
#include "platform/PortDirectory.h"
#include "platform/Printer.h"
#include "platform/Runtime.h"
#include "platform/TimeSource.h"
#include "shell/Log.h"
#include "shell/Program.h"

#include <QApplication>
#include <QEventLoop>
#include <QTemporaryDir>
#include <QTimer>

#include <algorithm>
#include <atomic>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <ctime>
#include <fcntl.h>
#include <functional>
#include <poll.h>
#include <pty.h>
#include <termios.h>
#include <thread>
#include <unistd.h>
#include <vector>

namespace {

using Clock = std::chrono::steady_clock;
constexpr int LeCount = 8;
constexpr double CharMs = 10.0 * 1000.0 / 19200.0;          // 8N1: ten bits a character
constexpr double FrameLineMs = le::kStampFrameLength * CharMs; // 83.3 ms
constexpr double LastWindowMs = 250;   // how long the last frame of an LE waits for its answer

double msSince(Clock::time_point origin, Clock::time_point t)
{
    return std::chrono::duration<double, std::milli>(t - origin).count();
}

double threadCpuMs()
{
    timespec ts{};
    clock_gettime(CLOCK_THREAD_CPUTIME_ID, &ts);
    return ts.tv_sec * 1000.0 + ts.tv_nsec / 1e6;
}

// One simulated LE on the master side of a pseudo-terminal.
struct Line {
    int master = -1;
    int slave = -1;   // held open so the line exists while the program is closed
    QString device;
    le::Model model{1};
    le::CommandSplitter replies;
    QByteArray out;                 // characters of the frame being sent
    double credit = 0;              // characters the line rate allows now
    int framesQueued = 0;
    std::vector<double> frameDone;  // ms: last character of each frame written
    std::vector<double> answers;    // ms: each complete command frame read
};

bool openLine(Line& l, int number)
{
    char name[256] = {};
    if (openpty(&l.master, &l.slave, name, nullptr, nullptr) != 0)
        return false;
    for (int fd : {l.master, l.slave}) {
        termios t{};
        tcgetattr(fd, &t);
        cfmakeraw(&t);
        tcsetattr(fd, TCSANOW, &t);
    }
    fcntl(l.master, F_SETFL, fcntl(l.master, F_GETFL) | O_NONBLOCK);
    l.device = QString::fromLocal8Bit(name);
    l.model = le::Model(number);
    l.model.setPeriodMs(1);   // a new frame whenever the line is free
    return true;
}

// The LEs' side: paced frames out, answers in, with their times.
void playLines(std::vector<Line>& lines, int frames, Clock::time_point origin, std::atomic<bool>& done)
{
    auto last = Clock::now();
    double carry = 0;
    std::vector<pollfd> fds(lines.size());
    for (;;) {
        bool sending = false;
        for (const Line& l : lines)
            sending = sending || l.framesQueued < frames || !l.out.isEmpty();
        if (!sending)
            break;

        for (size_t i = 0; i < lines.size(); ++i)
            fds[i] = {lines[i].master, POLLIN, 0};
        poll(fds.data(), fds.size(), 1);
        const auto now = Clock::now();
        const double t = msSince(origin, now);

        for (size_t i = 0; i < lines.size(); ++i) {
            Line& l = lines[i];
            if (!(fds[i].revents & POLLIN))
                continue;
            char buf[512];
            const ssize_t n = read(l.master, buf, sizeof buf);
            if (n <= 0)
                continue;
            const QByteArray bytes(buf, int(n));
            for (size_t k = 0; k < l.replies.feed(bytes).size(); ++k)
                l.answers.push_back(t);
            l.model.receive(bytes);
            l.model.clearReceived();
        }

        carry += std::chrono::duration<double, std::milli>(now - last).count();
        last = now;
        const int elapsed = int(carry);
        carry -= elapsed;
        for (Line& l : lines) {
            l.model.tick(elapsed);
            if (l.out.isEmpty() && l.framesQueued < frames) {
                if (auto frame = l.model.nextFrame()) {
                    l.out = *frame;
                    ++l.framesQueued;
                }
            }
            if (l.out.isEmpty()) {
                l.credit = 0;
                continue;
            }
            l.credit += elapsed / CharMs;
            const qsizetype allowed = std::min<qsizetype>(l.out.size(), qsizetype(l.credit));
            if (allowed <= 0)
                continue;
            const ssize_t w = write(l.master, l.out.constData(), size_t(allowed));
            if (w > 0) {
                l.out.remove(0, w);
                l.credit -= double(w);
                if (l.out.isEmpty())
                    l.frameDone.push_back(t);
            }
        }
    }

    // The last frames' answers.
    const auto end = Clock::now() + std::chrono::milliseconds(int(LastWindowMs));
    while (Clock::now() < end) {
        for (size_t i = 0; i < lines.size(); ++i)
            fds[i] = {lines[i].master, POLLIN, 0};
        poll(fds.data(), fds.size(), 5);
        const double t = msSince(origin, Clock::now());
        for (size_t i = 0; i < lines.size(); ++i) {
            if (!(fds[i].revents & POLLIN))
                continue;
            char buf[512];
            const ssize_t n = read(lines[i].master, buf, sizeof buf);
            if (n > 0)
                for (size_t k = 0; k < lines[i].replies.feed(QByteArray(buf, int(n))).size(); ++k)
                    lines[i].answers.push_back(t);
        }
    }
    done = true;
}

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

    std::vector<Line> lines(LeCount);
    for (int i = 0; i < LeCount; ++i) {
        if (!openLine(lines[i], i + 1)) {
            std::fprintf(stderr, "link_bench: openpty failed\n");
            return 1;
        }
        qputenv(QStringLiteral("ORVANE_COM%1").arg(i + 1).toLatin1(), lines[i].device.toLocal8Bit());
    }

    // The program on a scratch drive, started up, its eight ports validated.
    QTemporaryDir driveDir;
    plat::RealTimeSource time;
    plat::ScriptedDialogs dialogs;
    plat::Drive drive(driveDir.path());
    drive.mkDir("C:\\LightCtl");
    drive.setCurDirForTest("C:\\LightCtl");
    plat::QtSerialFactory serial;
    plat::RecordingPrinter printer;
    plat::Runtime rt{time, dialogs, drive, serial, printer};
    orv::Program prog(rt);
    orv::Log& log = prog.Log.get();
    QEventLoop loop;
    QTimer poller;
    poller.setInterval(10);
    std::function<bool()> until;
    QObject::connect(&poller, &QTimer::timeout, [&] {
        if (until())
            loop.quit();
    });
    const auto runUntil = [&](std::function<bool()> done) {
        until = std::move(done);
        poller.start();
        loop.exec();
        poller.stop();
    };
    runUntil([&] { return !log.Timer1.enabled(); });
    for (int i = 0; i < LeCount; ++i) {
        prog.s.ComPortNumber[i] = QString::number(i + 1);
        prog.s.ComPortEnabled[i] = QStringLiteral("1");
    }
    log.ActivationCOM();
    for (int i = 0; i < LeCount; ++i)
        if (!log.MSComm(i).portOpen()) {
            std::fprintf(stderr, "link_bench: the program could not open COM%d\n", i + 1);
            return 1;
        }

    const auto origin = Clock::now();
    std::atomic<bool> done{false};
    const double cpuBefore = threadCpuMs();
    std::thread les(playLines, std::ref(lines), frames, origin, std::ref(done));
    runUntil([&] { return done.load(); });
    const double cpuMs = threadCpuMs() - cpuBefore;
    les.join();

    // A frame is answered when an answer arrives before the LE's next frame
    // is complete (or within the last window for its last frame).
    long sent = 0, answered = 0, extra = 0;
    std::vector<double> latency;
    for (const Line& l : lines) {
        size_t a = 0;
        for (size_t k = 0; k < l.frameDone.size(); ++k) {
            ++sent;
            const double from = l.frameDone[k];
            const double to = k + 1 < l.frameDone.size() ? l.frameDone[k + 1] : from + LastWindowMs;
            while (a < l.answers.size() && l.answers[a] < from)
                ++a;
            int inWindow = 0;
            for (size_t b = a; b < l.answers.size() && l.answers[b] < to; ++b) {
                if (inWindow++ == 0)
                    latency.push_back(l.answers[b] - from);
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
