// The whole game as a person gets it: installed into a temporary home the way `make install` does
// it, started as the real program, played for two moves with the mouse (by a driver library
// preloaded into the program), closed, and the last game found where the next start will read it.
#include <QDir>
#include <QFile>
#include <QProcess>
#include <QSettings>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

QProcessEnvironment home_environment(const QString& home) {
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QStringLiteral("HOME"), home);
    environment.remove(QStringLiteral("XDG_CONFIG_HOME"));
    environment.remove(QStringLiteral("XDG_DATA_HOME"));
    environment.remove(QStringLiteral("DESTDIR"));
    return environment;
}

QString read(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? QString::fromUtf8(file.readAll()) : QString();
}

TEST(EndToEnd, InstallPlayTwoMovesCloseAndFindTheLastGame) {
    ASSERT_TRUE(QFile::exists(QStringLiteral(VELMORA_SHARE_DIR "/velmora_chess.dat")))
        << "the default persona has not been built";
    QTemporaryDir home;
    ASSERT_TRUE(home.isValid());
    const QString prefix = home.filePath(QStringLiteral(".local"));

    QProcess install;
    install.setProcessEnvironment(home_environment(home.path()));
    install.start(QStringLiteral("cmake"),
                  {QStringLiteral("--install"), QStringLiteral(VELMORA_BUILD_DIR),
                   QStringLiteral("--prefix"), prefix});
    ASSERT_TRUE(install.waitForFinished(120000));
    ASSERT_EQ(install.exitCode(), 0) << install.readAllStandardError().toStdString();

    const QString install_dir = prefix + QStringLiteral("/share/velmora-chess");
    for (const char* file : {"velmora_chess.dat", "velmora_chess.avi", "velmora-chess.png"}) {
        EXPECT_TRUE(QFile::exists(install_dir + QLatin1Char('/') + QLatin1String(file))) << file;
    }
    const QString entry =
        read(prefix + QStringLiteral("/share/applications/velmora-chess.desktop"));
    EXPECT_TRUE(
        entry.contains(QStringLiteral("Exec=") + prefix + QStringLiteral("/bin/velmora-chess")));
    const QSettings settings(home.filePath(QStringLiteral(".config/Kwo/VelMoraChess.conf")),
                             QSettings::IniFormat);
    EXPECT_EQ(settings.value(QStringLiteral("InstallPath")).toString(), install_dir);

    QProcess game;
    QProcessEnvironment environment = home_environment(home.path());
    environment.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
    environment.insert(QStringLiteral("LD_PRELOAD"), QStringLiteral(VELMORA_E2E_DRIVER));
    // A sanitized program wants its runtime first; the driver only needs to be loaded. Leaks are
    // the unit tests' business (they run sanitized with leak checks); here only the exit counts.
    environment.insert(QStringLiteral("ASAN_OPTIONS"),
                       QStringLiteral("verify_asan_link_order=0:detect_leaks=0"));
    game.setProcessEnvironment(environment);
    game.setProcessChannelMode(QProcess::MergedChannels);
    game.start(prefix + QStringLiteral("/bin/velmora-chess"), {});
    ASSERT_TRUE(game.waitForFinished(120000)) << game.readAll().toStdString();
    const std::string output = game.readAll().toStdString();
    EXPECT_EQ(game.exitStatus(), QProcess::NormalExit) << output;
    EXPECT_EQ(game.exitCode(), 0) << output;
    EXPECT_NE(output.find("e2e driver: closing"), std::string::npos) << output;

    const QString last_game = read(install_dir + QStringLiteral("/lastgame.txt"));
    EXPECT_TRUE(last_game.contains(QStringLiteral("e2"))) << last_game.toStdString();
    EXPECT_TRUE(last_game.contains(QStringLiteral("g1"))) << last_game.toStdString();

    // The game recorded its zoom; installing again keeps it beside the installation directory.
    const QString config = home.filePath(QStringLiteral(".config/Kwo/VelMoraChess.conf"));
    EXPECT_EQ(QSettings(config, QSettings::IniFormat).value(QStringLiteral("Zoom")).toInt(), 100);
    QSettings(config, QSettings::IniFormat).setValue(QStringLiteral("Zoom"), 175);
    install.start(QStringLiteral("cmake"),
                  {QStringLiteral("--install"), QStringLiteral(VELMORA_BUILD_DIR),
                   QStringLiteral("--prefix"), prefix});
    ASSERT_TRUE(install.waitForFinished(120000));
    ASSERT_EQ(install.exitCode(), 0) << install.readAllStandardError().toStdString();
    const QSettings again(config, QSettings::IniFormat);
    EXPECT_EQ(again.value(QStringLiteral("Zoom")).toInt(), 175);
    EXPECT_EQ(again.value(QStringLiteral("InstallPath")).toString(), install_dir);
}

} // namespace
