#pragma once
// A fresh Program on the test run-time, its main window loaded (start-up
// not yet run: advance the time to run it).

#include "shell/Program.h"
#include "support/RuntimeFixture.h"

#include <QFile>
#include <memory>

class ProgramTest : public ::testing::Test {
protected:
    TestRuntime t;
    std::unique_ptr<orv::Program> prog;

    // The base folder the program finds: a top-level folder of drive C:
    // holding the current directory.
    QString baseFolderName = "LightCtl";

    void SetUp() override { makeProgram(); }

    void makeProgram()
    {
        t.drive.mkDir("C:\\" + baseFolderName);
        t.drive.setCurDirForTest("C:\\" + baseFolderName);
        prog = std::make_unique<orv::Program>(t.rt);
    }

    // The main window, loaded when it was not.
    orv::Log& mainWindow();
    // The same as a window: its place, size, showing, picture.
    plat::Form& mainForm();

    // Loads the main window and runs start-up (the 100 ms start-up timer).
    void startUp();

    // Opens LE index le's port on in-memory line le + 1, as the port
    // activation sets it up.
    void openPort(int le);

    QByteArray readFile(const QString& winPath) const
    {
        QFile f(t.host(winPath));
        return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
    }
    void writeFile(const QString& winPath, const QByteArray& bytes) const
    {
        QFile f(t.host(winPath));
        ASSERT_TRUE(f.open(QIODevice::WriteOnly | QIODevice::Truncate)) << winPath.toStdString();
        f.write(bytes);
    }
};
