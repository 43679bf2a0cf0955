#include "platform/tests/testisolation.h"

#include <gtest/gtest.h>

// Main for GoogleTest executables without an application object.
int main(int argc, char **argv)
{
    const auto folder = isolateTestProcess(argv[0]);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
