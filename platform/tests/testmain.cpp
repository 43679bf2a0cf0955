#include "platform/tests/testisolation.h"

#include <QApplication>

#include <gtest/gtest.h>

// Main for GoogleTest executables that need an application object (widgets,
// local sockets, timers). Runs offscreen unless told otherwise, so that test
// discovery at build time needs no display either.
int main(int argc, char **argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    const auto folder = isolateTestProcess(argv[0]);
    QApplication app(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
