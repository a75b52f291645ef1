// Runs the window tests headless unless a platform is chosen.
#include <gtest/gtest.h>

#include <QApplication>

#include "frontends/qt/setup.h"

int main(int argc, char* argv[]) {
    // Also when the test runner lists the tests, which it does without the
    // tests' environment.
    if (!qEnvironmentVariableIsSet("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    movra::qt::SetUpApplication();
    testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
