// Test entry point: every test runs headless. The platform plugin must be set
// here, not only in CTest's environment, because test discovery starts the
// program at build time without that environment.
#include "platform/formes/ApplicationGardee.h"
#include <gtest/gtest.h>
#include <cstdlib>

int main(int argc, char** argv)
{
    setenv("QT_QPA_PLATFORM", "offscreen", 1);
    ::testing::InitGoogleTest(&argc, argv);
    kelmo::ApplicationGardee app(argc, argv);
    return RUN_ALL_TESTS();
}
