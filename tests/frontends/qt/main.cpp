// Runs the window tests headless unless a platform is chosen, with settings of their own.
#include <gtest/gtest.h>

#include <QApplication>
#include <QTemporaryDir>

#include "frontends/qt/setup.h"

int main(int argc, char* argv[]) {
    // Also when the test runner lists the tests, which it does without the
    // tests' environment.
    if (!qEnvironmentVariableIsSet("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    // A fresh configuration folder: the user's remembered zoom neither
    // reaches the tests nor is overwritten by them.
    const QTemporaryDir config;
    qputenv("XDG_CONFIG_HOME", config.path().toLocal8Bit());
    QApplication app(argc, argv);
    movra::qt::SetUpApplication();
    testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
