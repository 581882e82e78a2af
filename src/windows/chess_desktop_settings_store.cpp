#include "windows/chess_desktop_settings_store.h"

#include "desktop/chess_gui_text.h"

#include <QDir>
#include <QFileInfo>
#include <QSettings>
#include <QStandardPaths>

namespace {
QSettings native_settings() {
    return QSettings(QSettings::NativeFormat, QSettings::UserScope,
                     QString::fromLatin1(CHESS_DESKTOP_SETTINGS_STORE::organization),
                     QString::fromLatin1(CHESS_DESKTOP_SETTINGS_STORE::application));
}
} // namespace

// On Linux the key is the settings file; on Windows it is a registry key, there once it holds
// a value.
bool CHESS_DESKTOP_SETTINGS_STORE::has_key() const {
    const QSettings settings = native_settings();
    if (settings.fileName().startsWith(QLatin1Char('\\'))) {
        return !settings.allKeys().isEmpty();
    }
    const QFileInfo file(settings.fileName());
    return file.exists() && file.isReadable() && settings.status() == QSettings::NoError;
}

std::optional<std::string> CHESS_DESKTOP_SETTINGS_STORE::value(const std::string& name) const {
    const QSettings settings = native_settings();
    const QString key = QString::fromStdString(name);
    if (!settings.contains(key)) {
        return std::nullopt;
    }
    return CHESS_GUI_TEXT::to_std(settings.value(key).toString());
}

std::string CHESS_DESKTOP_SETTINGS_STORE::user_data_directory() const {
    const QString folder = QStandardPaths::writableLocation(QStandardPaths::AppDataLocation);
    QDir().mkpath(folder);
    return CHESS_GUI_TEXT::to_std(folder);
}

std::string CHESS_DESKTOP_SETTINGS_STORE::location() const {
    const QString file = native_settings().fileName();
    return file.startsWith(QLatin1Char('\\')) ? std::string() : CHESS_GUI_TEXT::to_std(file);
}

std::optional<int32_t> CHESS_DESKTOP_SETTINGS_STORE::zoom() const {
    const QSettings settings = native_settings();
    bool number = false;
    const int percent = settings.value(QStringLiteral("Zoom")).toInt(&number);
    return number ? std::optional<int32_t>(percent) : std::nullopt;
}

void CHESS_DESKTOP_SETTINGS_STORE::set_zoom(int32_t percent) const {
    set_value("Zoom", std::to_string(percent));
}

// A settings file that does not exist yet means the game is not installed; writing a value
// would create it and turn the "key missing" message into "value missing".
void CHESS_DESKTOP_SETTINGS_STORE::set_value(const std::string& name,
                                             const std::string& value) const {
    if (!has_key()) {
        return;
    }
    QSettings settings = native_settings();
    settings.setValue(QString::fromStdString(name), CHESS_GUI_TEXT::to_qstring(value));
}
