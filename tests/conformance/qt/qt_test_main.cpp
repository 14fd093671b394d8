// The Qt back end's tests share one QApplication per process; CMake runs each test in a
// process of its own with the offscreen platform, so no display is needed.
#include <gtest/gtest.h>

#include <QApplication>

int main(int argc, char* argv[]) {
    ::testing::InitGoogleTest(&argc, argv);
    // Listing the tests, as CMake's discovery does at build time, runs no test and so needs
    // no platform at all.
    if (::testing::GTEST_FLAG(list_tests)) {
        return RUN_ALL_TESTS();
    }
    QApplication application(argc, argv);
    return RUN_ALL_TESTS();
}
