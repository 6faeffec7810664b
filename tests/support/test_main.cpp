// Entry point of every test program: a headless QApplication, then GoogleTest.
#include "support/PrivatePtys.h"

#include <QApplication>
#include <gtest/gtest.h>
#include <cstdlib>

// Options of AddressSanitizer and UndefinedBehaviorSanitizer when the tests
// are built with them (CI's build): read by the sanitizers' run-time before
// main, so that test discovery, CTest and a test run by hand behave alike.
// ASAN_OPTIONS and UBSAN_OPTIONS in the environment still override them.
// Leaks are looked for: each test program ends with every window and
// control freed. A finding ends the test program with a stack trace.
extern "C" const char* __asan_default_options() { return "detect_leaks=1:abort_on_error=0"; }
extern "C" const char* __ubsan_default_options() { return "print_stacktrace=1:halt_on_error=1"; }

int main(int argc, char** argv)
{
    testsupport::makePtysPrivate();
    // Before the QApplication exists: test discovery runs this binary at
    // build time, where no display may be present.
    setenv("QT_QPA_PLATFORM", "offscreen", 0);
    QApplication app(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
