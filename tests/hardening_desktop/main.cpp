// Headless, and with the per-user settings and data folders in a temporary home of this run, so
// that the real settings store can be pointed anywhere without touching the user's own.
#include "desktop_home.h"

#include <QApplication>
#include <gtest/gtest.h>

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) {
        qputenv("QT_QPA_PLATFORM", "offscreen");
    }
    DESKTOP_HOME::prepare();
    QApplication application(argc, argv);
    testing::InitGoogleTest(&argc, argv);
    const int result = RUN_ALL_TESTS();
    DESKTOP_HOME::remove();
    return result;
}
