#include "SettingsFolder.h"

#include <QDir>

namespace kw {

QString appDataFolder() {
    const QString configHome = qEnvironmentVariable("XDG_CONFIG_HOME");
    if (!configHome.isEmpty() && QDir::isAbsolutePath(configHome))
        return configHome;
    return QDir::homePath() + QStringLiteral("/.config");
}

QString settingsFolder() {
    return QDir(appDataFolder()).filePath(QStringLiteral("Kelpwhistle"));
}

} // namespace kw
