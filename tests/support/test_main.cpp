// Entry point of every test program: a headless QApplication, then GoogleTest.
#include <QApplication>
#include <gtest/gtest.h>
#include <cstdlib>

int main(int argc, char** argv)
{
    // Before the QApplication exists: test discovery runs this binary at
    // build time, where no display may be present.
    setenv("QT_QPA_PLATFORM", "offscreen", 0);
    QApplication app(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
