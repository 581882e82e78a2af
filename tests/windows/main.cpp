#include <QApplication>
#include <QTemporaryDir>
#include <gtest/gtest.h>

int main(int argc, char** argv) {
    // Headless even when started by hand or by test discovery, where no environment is set.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) {
        qputenv("QT_QPA_PLATFORM", "offscreen");
    }
    // Qt's file dialog keeps its history in the user's configuration. The tests give it a folder
    // of their own, removed when they end, so they neither read nor change the user's.
    const QTemporaryDir configuration;
    qputenv("XDG_CONFIG_HOME", configuration.path().toUtf8());
    QApplication application(argc, argv);
#ifdef VELMORA_TEST_PLUGINS
    // The speech tests' own engine, loaded as Qt loads its speech plugins.
    QCoreApplication::addLibraryPath(QStringLiteral(VELMORA_TEST_PLUGINS));
#endif
    testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
