#include "platform/locations.h"

#include "platform/files.h"

#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>

namespace platform {

QString settings_folder() {
    const QString programme = program_folder();
    const QFileInfo dossier(programme);
    if (dossier.isDir() && dossier.isWritable()) return programme;
    QString config = QStandardPaths::writableLocation(QStandardPaths::AppConfigLocation);
    QDir().mkpath(config);  // a folder that cannot be made shows as a failed write
    if (!config.endsWith(QLatin1Char('/'))) config += QLatin1Char('/');
    return config;
}

QString shipped_path(const QString& name) {
    const QString beside = program_folder() + name;
    if (QFileInfo::exists(beside)) return beside;
    const QString installed = QDir::cleanPath(program_folder() + QStringLiteral("../share/vorns/") + name);
    if (QFileInfo::exists(installed)) return installed;
    return beside;
}

}  // namespace platform
