// intake_soak: a soak run of the program's serial intake. The whole program
// (its main window shown) on the real Qt event loop and real serial ports,
// against eight LEs of tools/le-sim on pseudo-terminals sending numbered
// status frames back to back at the speed of a 19200-baud line, handed to
// the PC the way the chosen delivery cuts them (le-sim --delivery: even,
// chars, fifo, usb, usb-latency, mix). The ports are opened through the port
// window as a user does.
//
// Every frame reception hands over is checked as the receive routine takes
// it: the receive event took exactly one text from its port, and that text
// is exactly one frame the LE on that line sent (its number names the LE,
// its check byte holds, it is the 160 characters le-sim composed), whole,
// and the one after the frame handed over before (nothing lost, nothing
// twice). The program's own reading of it is checked too: the LE's I/O row
// holds the frame's fields and its phase the frame's phase, and the run ends
// with no error report written (the LEs are idle and report no error).
//
//   intake_soak [--delivery a,b,...] [--frames N] [--minutes M] [--load K] [--period ms]
//       deliveries to run one after the other (default all six); frames to
//       check per delivery, all LEs together (default 100000, about 17
//       minutes); a time limit per delivery; K processes that spin on the
//       CPU for the whole run (default 0), to load the machine; the LEs'
//       period (default 1: back to back; 250 as an LE at rest sends, with
//       the line quiet between frames)
//
// It prints, per delivery, the frames checked and the mismatches (the first
// few in full), and exits 1 when there was any. Not a test: run it by hand.

#include "client/LeSimProcess.h"
#include "client/RealProgram.h"
#include "client/TapSerial.h"
#include "line/LineFeed.h"
#include "model/Frames.h"
#include "platform/CommPort.h"
#include "platform/PortDirectory.h"
#include "platform/TimeSource.h"
#include "shell/LinkStatus.h"
#include "shell/Log.h"
#include "shell/State.h"

#include <QApplication>
#include <QEventLoop>
#include <QTemporaryDir>
#include <QTimer>

#include <algorithm>
#include <array>
#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <ctime>
#include <fstream>
#include <map>
#include <sys/prctl.h>
#include <sys/wait.h>
#include <unistd.h>
#include <vector>

namespace {

constexpr int LeCount = 8;
constexpr double FrameLineMs = le::kStampFrameLength * 10.0 * 1000.0 / 19200.0;   // 83.3 ms

int64_t monotonicMs()
{
    timespec ts{};
    clock_gettime(CLOCK_MONOTONIC, &ts);
    return int64_t(ts.tv_sec) * 1000 + ts.tv_nsec / 1000000;
}

QString loadAverage()
{
    std::ifstream f("/proc/loadavg");
    std::string a, b, c;
    f >> a >> b >> c;
    return QString::fromStdString(a + " " + b + " " + c);
}

// Processes that spin on the CPU until killed (or until this one dies).
std::vector<pid_t> startLoad(int count)
{
    std::vector<pid_t> pids;
    for (int i = 0; i < count; ++i) {
        const pid_t pid = fork();
        if (pid == 0) {
            prctl(PR_SET_PDEATHSIG, SIGKILL);
            volatile unsigned long spin = 0;
            for (;;) spin = spin + 1;
        }
        if (pid > 0) pids.push_back(pid);
    }
    return pids;
}

void stopLoad(const std::vector<pid_t>& pids)
{
    for (pid_t pid : pids) kill(pid, SIGKILL);
    for (pid_t pid : pids) waitpid(pid, nullptr, 0);
}

QByteArray printable(const QByteArray& text)
{
    QByteArray out;
    for (char c : text) out += (c >= 0x20 && c < 0x7F) ? QByteArray(1, c) : "\\x" + QByteArray::number(uchar(c), 16);
    return out;
}

struct LeCheck {
    long checked = 0;
    int lastSeq = -1;     // -1: no frame yet (or after a mismatch), the next one sets it
    bool inBad = false;   // the last event was a mismatch
    long badRuns = 0;     // runs of mismatches (a line that lost step counts once)
};

} // namespace

int main(int argc, char** argv)
{
    long frames = 100000;
    double minutes = 0;
    int load = 0;
    int periodMs = 1;
    QStringList deliveries{"even", "chars", "fifo", "usb", "usb-latency", "mix"};
    for (int i = 1; i < argc; ++i) {
        const QByteArray arg(argv[i]);
        lesim::LineFeed::Mode mode;
        if (arg == "--frames" && i + 1 < argc && std::atol(argv[i + 1]) > 0) {
            frames = std::atol(argv[++i]);
        } else if (arg == "--minutes" && i + 1 < argc && std::atof(argv[i + 1]) > 0) {
            minutes = std::atof(argv[++i]);
        } else if (arg == "--load" && i + 1 < argc && std::atoi(argv[i + 1]) >= 0) {
            load = std::atoi(argv[++i]);
        } else if (arg == "--period" && i + 1 < argc && std::atoi(argv[i + 1]) > 0) {
            periodMs = std::atoi(argv[++i]);
        } else if (arg == "--delivery" && i + 1 < argc) {
            deliveries = QString::fromLocal8Bit(argv[++i]).split(',');
            for (const QString& d : deliveries)
                if (!lesim::LineFeed::parse(d, mode)) deliveries.clear();
            if (deliveries.isEmpty()) {
                std::fprintf(stderr, "intake_soak: deliveries are even, chars, fifo, usb, usb-latency, mix\n");
                return 2;
            }
        } else {
            std::fprintf(stderr, "usage: intake_soak [--delivery a,b,...] [--frames N] [--minutes M] [--load K] [--period ms]\n");
            return 2;
        }
    }
    // The load starts before anything else, so that it shares nothing of the
    // program but the CPUs.
    const std::vector<pid_t> loadPids = startLoad(load);

    plat::RealTimeSource::selectEventLoop();
    setenv("QT_QPA_PLATFORM", "offscreen", 0);
    QApplication app(argc, argv);
    QTemporaryDir scratch;

    lesim::TapFactory tap;
    lesim::RealProgram rig(&tap);
    orv::Log& log = rig.log();
    orv::State& s = rig.prog().s;
    if (!rig.startUp()) {
        std::fprintf(stderr, "intake_soak: the program did not start up\n");
        stopLoad(loadPids);
        return 1;
    }
    log.show();

    std::printf("intake soak: %d LEs, numbered frames %s at 19200 baud, main window shown, "
                "%d spinning processes\n",
                LeCount, periodMs == 1 ? "back to back" : qPrintable(QStringLiteral("every %1 ms").arg(periodMs)), load);
    std::printf("  machine: %ld cores, load %s (1, 5, 15 min) before\n", sysconf(_SC_NPROCESSORS_ONLN),
                qPrintable(loadAverage()));
    std::fflush(stdout);

    long totalMismatches = 0;
    for (const QString& delivery : deliveries) {
        lesim::LeSimProcess sim({"--count", QString::number(LeCount), "--period", QString::number(periodMs), "--delivery",
                                 delivery, "--number"},
                                scratch.filePath(QStringLiteral("le-sim-trace-%1.txt").arg(delivery)));
        if (!sim.ready()) {
            std::fprintf(stderr, "intake_soak: le-sim did not start\n%s", qPrintable(sim.stderrLog()));
            stopLoad(loadPids);
            return 1;
        }
        std::vector<lesim::RealProgram::PortChoice> ports;
        for (int n = 1; n <= LeCount; ++n) {
            qputenv(QStringLiteral("ORVANE_COM%1").arg(n).toLatin1(), sim.device(n).toLocal8Bit());
            ports.push_back({n, n});
        }

        std::array<LeCheck, LeCount> checks{};
        std::array<std::map<int, long>, LeCount> events;   // per LE: event code -> count
        long mismatches = 0;
        const auto mismatch = [&](int i, const QString& what, const QByteArray& text) {
            ++mismatches;
            LeCheck& c = checks[size_t(i)];
            if (!c.inBad) ++c.badRuns;
            c.inBad = true;
            if (mismatches <= 20)
                std::printf("    MISMATCH LE%d after %ld good frames: %s\n      text (%d): \"%s\"\n", i + 1,
                            checks[size_t(i)].checked, qPrintable(what), int(text.size()),
                            printable(text).constData());
            checks[size_t(i)].lastSeq = -1;
        };
        // Each receive event, as the receive routine handles it.
        std::vector<std::function<void()>> handlers;
        for (int i = 0; i < LeCount; ++i) {
            plat::CommPort& port = log.MSComm(i);
            handlers.push_back(port.onComm);
            port.onComm = [&, i] {
                std::vector<QByteArray>& reads = tap.reads[size_t(i + 1)];
                reads.clear();
                const bool receive = port.commEvent() == plat::CommEvents::Receive;
                ++events[size_t(i)][port.commEvent()];
                handlers[size_t(i)]();
                if (!receive) return;
                if (reads.size() != 1) {
                    mismatch(i, QStringLiteral("the event took %1 texts").arg(reads.size()),
                             reads.empty() ? QByteArray() : reads.front());
                    return;
                }
                const QByteArray& text = reads.front();
                const std::optional<le::FrameNumber> number = le::frameNumber(text);
                if (!number) {
                    mismatch(i, QStringLiteral("not one whole numbered frame"), text);
                    return;
                }
                if (number->le != i + 1) {
                    mismatch(i, QStringLiteral("a frame of LE%1").arg(number->le), text);
                    return;
                }
                LeCheck& c = checks[size_t(i)];
                if (c.lastSeq >= 0 && number->seq != ((c.lastSeq + 1) & 0xFFFF)) {
                    mismatch(i, QStringLiteral("frame %1 after frame %2").arg(number->seq).arg(c.lastSeq), text);
                    c.lastSeq = number->seq;
                    return;
                }
                // What the receive routine made of it.
                const auto field = [&](int f) { return text.mid(f * le::kFieldWidth, le::kFieldWidth).trimmed().toInt(); };
                bool same = true;
                for (int f = 0; f < le::kFieldCount; ++f)
                    same = same && s.status->FadecIO[size_t(i)][size_t(f)] == field(f);
                // A read-back (bank 2) leaves the phase alone.
                const bool phaseKept = field(le::pos::Bank) == le::BankReadParam
                                       || s.status->PhaseLP[size_t(i)] == field(le::pos::Phase);
                if (!same || !phaseKept) {
                    mismatch(i, QStringLiteral("the LE's row or phase differs from the frame"), text);
                    return;
                }
                c.lastSeq = number->seq;
                c.inBad = false;
                ++c.checked;
            };
        }
        const long reportsBefore = std::count_if(s.common->ErrCodeReported.begin(), s.common->ErrCodeReported.end(),
                                                 [](uint8_t r) { return r != 0; });

        rig.validatePorts(ports);
        for (int i = 0; i < LeCount; ++i)
            if (!log.MSComm(i).portOpen()) {
                std::fprintf(stderr, "intake_soak: the program could not open COM%d\n", i + 1);
                stopLoad(loadPids);
                return 1;
            }
        const int64_t startMs = monotonicMs();
        const int64_t limitMs = minutes > 0 ? int64_t(minutes * 60000)
                                            : int64_t(2.0 * double(frames) / LeCount * std::max<double>(periodMs, FrameLineMs)) + 60000;
        const auto checked = [&] {
            long n = 0;
            for (const LeCheck& c : checks) n += c.checked;
            return n;
        };
        {
            QEventLoop loop;
            QTimer look;
            int64_t lastShownMs = startMs;
            QObject::connect(&look, &QTimer::timeout, [&] {
                const int64_t now = monotonicMs();
                if (now - lastShownMs >= 60000) {
                    lastShownMs = now;
                    std::printf("    %s: %ld checked, %ld mismatches after %.1f min\n", qPrintable(delivery), checked(),
                                mismatches, double(now - startMs) / 60000.0);
                    std::fflush(stdout);
                }
                if (checked() + mismatches >= frames || now - startMs > limitMs) loop.quit();
            });
            look.start(250);
            loop.exec();
        }
        const double ranMin = double(monotonicMs() - startMs) / 60000.0;
        for (int i = 0; i < LeCount; ++i)
            if (checks[size_t(i)].checked == 0)
            {
                std::printf("    LE%d: no frame checked; port %s; events:", i + 1,
                            log.MSComm(i).portOpen() ? "open" : "closed");
                for (const auto& [code, n] : events[size_t(i)]) std::printf(" %d x%ld", code, n);
                std::printf("; waiting %d; le-sim put %zu frames on the line (%s)\n", log.MSComm(i).inBufferCount(),
                            sim.events(i + 1).size(), qPrintable(sim.device(i + 1)));
                for (const QString& l : sim.stderrLog().split('\n'))
                    if (l.startsWith(QStringLiteral("LE%1:").arg(i + 1))) std::printf("      le-sim: %s\n", qPrintable(l));
                for (int k = 0; k < log.List4.listCount(); ++k) std::printf("      List4: %s\n", qPrintable(log.List4.list(k)));
                for (const auto& b : rig.dialogs.shown) std::printf("      box: %s / %s\n", qPrintable(b.title), qPrintable(b.text));
            }
        for (int i = 0; i < LeCount; ++i) {
            log.MSComm(i).onComm = handlers[size_t(i)];
            log.MSComm(i).setPortOpen(false);
        }
        const long reports = std::count_if(s.common->ErrCodeReported.begin(), s.common->ErrCodeReported.end(),
                                           [](uint8_t r) { return r != 0; })
                             - reportsBefore;
        long badRuns = 0;
        for (const LeCheck& c : checks) badRuns += c.badRuns;
        std::printf("  delivery %-12s frames checked %ld   mismatches %ld (in %ld runs)   error reports %ld   %.1f min   "
                    "(load %s)\n",
                    qPrintable(delivery), checked(), mismatches, badRuns, reports, ranMin, qPrintable(loadAverage()));
        std::printf("    per LE:");
        for (const LeCheck& c : checks) std::printf(" %ld", c.checked);
        std::printf("\n");
        std::fflush(stdout);
        totalMismatches += mismatches + reports;
    }
    stopLoad(loadPids);
    std::printf("  machine load %s (1, 5, 15 min) after\n", qPrintable(loadAverage()));
    return totalMismatches == 0 ? 0 : 1;
}
