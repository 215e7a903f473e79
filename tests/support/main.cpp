// Test entry point: every test runs headless. The platform plugin must be set
// here, not only in CTest's environment, because test discovery starts the
// program at build time without that environment. An error that a guard
// catches fails the running test unless the test expects it.
#include "platform/formes/ApplicationGardee.h"
#include "support/ErreursAttendues.h"
#include <gtest/gtest.h>
#include <cstdlib>

int main(int argc, char** argv)
{
    setenv("QT_QPA_PLATFORM", "offscreen", 0); // a test run on a display chooses xcb
    ::testing::InitGoogleTest(&argc, argv);
    kelmo::ApplicationGardee app(argc, argv);
    kelmo::test::SurveilleErreursInattendues();
    return RUN_ALL_TESTS();
}
