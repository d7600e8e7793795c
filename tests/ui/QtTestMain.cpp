// Runs the widget tests inside one QApplication, on the offscreen platform
// unless another one is asked for.
#include <gtest/gtest.h>

#include <QApplication>
#include <cstdlib>

#include "platform/posix/ChildEnvironment.h"

int main(int argc, char** argv) {
    ::testing::InitGoogleTest(&argc, argv);
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    // Without it Qt warns on the console (test listing at build time included).
    vane::provide_runtime_directory();
    QApplication application(argc, argv);
    return RUN_ALL_TESTS();
}
