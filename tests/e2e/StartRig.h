#pragma once
// The whole program on the real clock and real serial ports with tools/le-sim
// playing the LEs on pseudo-terminals, for the tests of starts and their
// parameter reads: ports opened through the port window, run modes chosen in
// the LE labels' pop-up, windows drawn, and what each LE was sent read back
// from le-sim's trace.

#include "client/LeSimProcess.h"
#include "client/RealProgram.h"
#include "model/Frames.h"
#include "scheduler/SchedulerState.h"
#include "scheduler/SelectionStart.h"
#include "shell/LeStrips.h"
#include "shell/LinkStatus.h"
#include "shell/LogPorts.h"
#include "shell/LogTimers.h"
#include "shell/State.h"

#include <QFile>
#include <gtest/gtest.h>

#include <ctime>
#include <memory>

namespace startrig {

using lesim::LeSimProcess;
using lesim::waitUntil;

constexpr int kPeriodMs = 100;

// What one LE was sent, from le-sim's trace: when its read request came,
// when its read-back went out, and when the first start request came.
struct Sent {
    int readRequests = 0;
    qint64 readRequestUs = -1, readBackUs = -1, firstStartUs = -1;
    int readRequestStart = -1;   // position 2 of the read request frame
};

inline Sent sentTo(LeSimProcess& sim, int le, qint64 fromUs)
{
    Sent out;
    for (const LeSimProcess::Event& e : sim.events(le)) {
        if (e.us < fromUs) continue;
        if (e.kind == LeSimProcess::Event::Unmarked && out.readRequestUs >= 0 && out.readBackUs < 0) out.readBackUs = e.us;
        if (e.kind != LeSimProcess::Event::Command) continue;
        const auto bank = uint8_t(e.command[le::pos::Bank]);
        const auto start = uint8_t(e.command[le::pos::StartStop]);
        if (bank == le::BankReadParam) {
            if (++out.readRequests == 1) {
                out.readRequestUs = e.us;
                out.readRequestStart = start;
            }
        }
        if (start == 1 && out.firstStartUs < 0) out.firstStartUs = e.us;
    }
    return out;
}

inline qint64 monotonicUs()
{
    timespec t{};
    clock_gettime(CLOCK_MONOTONIC, &t);
    return qint64(t.tv_sec) * 1000000 + t.tv_nsec / 1000;
}

class StartRig : public ::testing::Test {
protected:
    // le-sim plays LE-1 to LE-`count` (with `extra` options, faults among
    // them); the program opens the ports of `les`.
    void bringUp(int count, const std::vector<int>& les, const QStringList& extra = {})
    {
        sim = std::make_unique<LeSimProcess>(
            QStringList{"--count", QString::number(count), "--period", QString::number(kPeriodMs), "--start-scale", "0.02"} + extra);
        ASSERT_TRUE(sim->ready());
        std::vector<lesim::RealProgram::PortChoice> ports;
        for (int n : les) {
            qputenv(QStringLiteral("ORVANE_COM%1").arg(n).toLatin1(), sim->device(n).toLocal8Bit());
            ports.push_back({n, n});
        }
        rig = std::make_unique<lesim::RealProgram>();
        ASSERT_TRUE(rig->startUp());
        rig->validatePorts(ports);
        // Every LE talks, and the port watchdog's first pass (2 s after the
        // ports opened) is over: it closes for a second any port whose LE
        // has not sent a marked frame yet.
        ASSERT_TRUE(waitUntil([&] { return linked(les); }));
    }
    bool linked(const std::vector<int>& les)
    {
        orv::State& s = rig->prog().s;
        orv::LogTimers& timers = logTimers(rig->log());
        bool all = !timers.Timer57.enabled() && !timers.Timer58.enabled() && !timers.Timer59.enabled();
        for (int n : les) all = all && s.status->SynchroRS232[n - 1] == 123 && logPorts(rig->log()).MSComm(n - 1).portOpen();
        return all;
    }
    // The user picks a run mode in the pop-up of the LE's label.
    void choose(int n, const char* item)
    {
        rig->dialogs.popupChoices.push_back(item);
        plat::Label& label = leStrips(rig->log()).Label26[n - 1];
        label.raiseMouse(label.onMouseDown, {plat::LeftButton, 0, 300, 120});
    }
    orv::SelectionStart& start() { return *rig->prog().form<orv::SelectionStart>(); }
    // Transition t of LE n's drawn window at hh:mm.
    void transition(int n, int t, const char* hh, const char* mm)
    {
        orv::SchedulerState& sc = *rig->prog().s.scheduler;
        sc.HeuresTransition[n - 1][t] = hh;
        sc.MinutesTransition[n - 1][t] = mm;
    }
    // LE n in asymmetric mode with a window around the whole day: it opens
    // at the first tick after START LE.
    void allDayAsym(int n)
    {
        choose(n, "MListeAsymetrique");
        transition(n, 0, "00", "00");
        transition(n, 1, "24", "00");
    }
    QByteArray history()
    {
        QFile f(rig->drive.hostPath("C:\\LightCtl\\Histo.txt"));
        return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
    }
    bool started(const std::vector<int>& les)
    {
        const QByteArray h = history();
        for (int n : les)
            if (!h.contains(QStringLiteral("LE%1  Starting LE \r\n").arg(n).toLatin1())) return false;
        return true;
    }

    std::unique_ptr<LeSimProcess> sim;
    std::unique_ptr<lesim::RealProgram> rig;
};

} // namespace startrig
