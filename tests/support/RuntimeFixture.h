#pragma once
// A run-time for tests: virtual time, scripted dialogs (or real pop-ups), a
// temporary drive C:, in-memory serial ports and a recording printer.

#include "platform/Dialogs.h"
#include "platform/Drive.h"
#include "platform/MemorySerialBackend.h"
#include "platform/PortDirectory.h"
#include "platform/Printer.h"
#include "platform/Runtime.h"
#include "platform/TimeSource.h"
#include "support/Printing.h"
#include "support/TestDialogs.h"

#include <QTemporaryDir>
#include <gtest/gtest.h>

struct TestRuntime {
    QTemporaryDir driveDir;
    plat::VirtualTimeSource time;
    TestDialogs dialogs;
    plat::Drive drive{driveDir.path()};
    plat::MemoryPortHub ports{time};
    plat::MemorySerialFactory serial{ports};
    plat::RecordingPrinter printer;
    plat::Runtime rt{time, dialogs, drive, serial, printer};

    // Host path of a file on the test drive, from its program path text.
    QString host(const QString& winPath) const { return drive.hostPath(winPath); }
};

class RuntimeTest : public ::testing::Test {
protected:
    TestRuntime t;
};
