#pragma once
// The whole program as the user runs it, for the end-to-end tests and the
// link benchmark: real clock, real serial ports (the devices named by
// ORVANE_COM<n>, so set those first), a drive on a temporary folder with
// C:\LightCtl as the current folder, scripted dialogs and a recording
// printer. No test framework: the caller checks what the calls return.

#include "client/Wait.h"
#include "platform/Dialogs.h"
#include "platform/Drive.h"
#include "platform/PortDirectory.h"
#include "platform/Printer.h"
#include "platform/Runtime.h"
#include "platform/TimeSource.h"
#include "shell/Program.h"

#include <QTemporaryDir>

#include <memory>
#include <vector>

namespace lesim {

class RealProgram {
public:
    // The port the user gives an LE (1-based) in the port window.
    struct PortChoice {
        int le;
        int port;
    };

    // `serialFactory` replaces the real ports' factory (a benchmark's tap on
    // them); it must outlive the program.
    explicit RealProgram(plat::SerialFactory* serialFactory = nullptr);
    ~RealProgram();
    RealProgram(const RealProgram&) = delete;
    RealProgram& operator=(const RealProgram&) = delete;

    // Loads the main window and waits until its start-up timer has run.
    bool startUp(int timeoutMs = kGuardMs);

    // The user, in the port window, types each port and ticks its
    // "Activated" box, then presses OK (which opens the ports it can).
    void validatePorts(const std::vector<PortChoice>& choices);

    orv::Program& prog() { return *prog_; }
    orv::Log& log();

    QTemporaryDir driveDir;
    plat::RealTimeSource time;
    plat::ScriptedDialogs dialogs;
    plat::Drive drive;
    plat::QtSerialFactory serial;
    plat::RecordingPrinter printer;
    plat::Runtime rt;

private:
    std::unique_ptr<orv::Program> prog_;   // made once the drive is ready
};

} // namespace lesim
