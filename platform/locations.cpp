#include "platform/locations.h"

#include "platform/files.h"

#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>

namespace platform {

namespace {

QString with_slash(QString folder) {
    if (!folder.endsWith(QLatin1Char('/'))) folder += QLatin1Char('/');
    return folder;
}

// "../share/vorns/" from the program folder, cleaned.
QString installed_data_folder() {
    return with_slash(QDir::cleanPath(program_folder() + QStringLiteral("../share/vorns")));
}

bool writable_folder(const QString& folder) {
    const QFileInfo info(folder);
    return info.isDir() && info.isWritable();
}

// The folder, made when missing, if it can then be written.
bool made_writable(const QString& folder) {
    return !folder.isEmpty() && QDir().mkpath(folder) && writable_folder(folder);
}

}  // namespace

QString shipped_path(const QString& name) {
    const QString beside = program_folder() + name;
    if (QFileInfo::exists(beside)) return beside;
    const QString installed = installed_data_folder() + name;
    if (QFileInfo::exists(installed)) return installed;
    return beside;
}

QString translations_folder() {
    const QString name = QStringLiteral("translations");
    for (const QString& folder : {program_folder() + name, program_folder() + QStringLiteral("../share/vorns/") + name,
                                  program_folder() + QStringLiteral("../../share/vorns/") + name}) {
        if (QFileInfo(folder).isDir()) return with_slash(QDir::cleanPath(folder));
    }
    return {};
}

bool is_installed() { return shipped_path(QStringLiteral("fichiers")).startsWith(installed_data_folder()); }

QString settings_folder() {
    const QString programme = program_folder();
    if (!is_installed() && writable_folder(programme)) return programme;
    const QString config = QStandardPaths::writableLocation(QStandardPaths::AppConfigLocation);
    QDir().mkpath(config);  // a folder that cannot be made shows as a failed write
    return with_slash(config);
}

QString documentation_folder() {
    if (!is_installed()) return {};
    const QString docs = with_slash(QDir::cleanPath(program_folder() + QStringLiteral("../share/doc/vorns")));
    return QFileInfo(docs).isDir() ? docs : QString();
}

QString user_guide() {
    const QString docs = documentation_folder();
    return docs.isEmpty() ? shipped_path(QStringLiteral("README.md")) : docs + QStringLiteral("README.md");
}

QString export_folder(const QString& data_file) {
    if (!data_file.isEmpty()) {
        const QString folder = with_slash(QFileInfo(data_file).absolutePath());
        const bool shipped = is_installed() && folder.startsWith(installed_data_folder());
        if (!shipped && writable_folder(folder)) return folder;
    }
    const QString documents = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    if (made_writable(documents)) return with_slash(documents);
    return with_slash(QDir::homePath());
}

}  // namespace platform
