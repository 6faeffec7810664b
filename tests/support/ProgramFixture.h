#pragma once
// A fresh Program on the test run-time, its main window loaded (start-up
// not yet run: advance the time to run it).

#include "shell/Log.h"
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

    // Loads the main window and runs start-up (the 100 ms start-up timer).
    void startUp()
    {
        prog->Log.get();
        t.time.advance(150);
    }

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
