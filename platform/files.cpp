#include "platform/files.h"

#include <QCoreApplication>
#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <algorithm>

namespace platform {

namespace {
QString g_program_folder_override;

qsizetype last_separator(const QString& path) {
    qsizetype pos = path.lastIndexOf(QLatin1Char('/'));
#ifdef Q_OS_WIN
    pos = std::max({pos, path.lastIndexOf(QLatin1Char('\\')), path.lastIndexOf(QLatin1Char(':'))});
#endif
    return pos;
}
}  // namespace

QString program_folder() {
    if (!g_program_folder_override.isEmpty()) return g_program_folder_override;
    QString folder = QCoreApplication::applicationDirPath();
    if (!folder.endsWith(QLatin1Char('/'))) folder += QLatin1Char('/');
    return folder;
}

void set_program_folder_for_tests(const QString& folder) {
    g_program_folder_override = folder;
    if (!g_program_folder_override.isEmpty() && !g_program_folder_override.endsWith(QLatin1Char('/'))) {
        g_program_folder_override += QLatin1Char('/');
    }
}

bool file_exists(const QString& path) {
    QFileInfo info(path);
    return info.exists() && info.isFile();
}

bool is_special_file(const QString& path) {
    const QFileInfo info(path);
    return info.exists() && !info.isFile() && !info.isDir();
}

std::int32_t file_size(const QString& path) {
    // A pipe is not opened to be measured: that waits for its writer, and
    // takes the writer from the reading that follows. It has no size.
    if (is_special_file(path)) return 0;
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) return -1;
    const qint64 size = file.size();
    return size > INT32_MAX ? INT32_MAX : static_cast<std::int32_t>(size);
}

std::int32_t file_stamp(const QString& path) { return file_times(path).stamp; }

FileTimes file_times(const QString& path) {
    // A fresh QFileInfo looks at the file once and answers every question from that.
    const QFileInfo info(path);
    if (!info.exists()) return {};
    const QDateTime modifie = info.lastModified();
    const QDateTime t = modifie.toLocalTime();
    const QDate d = t.date();
    const QTime h = t.time();
    const std::uint32_t packed =
        (static_cast<std::uint32_t>(d.year() - 1980) << 25) | (static_cast<std::uint32_t>(d.month()) << 21) |
        (static_cast<std::uint32_t>(d.day()) << 16) | (static_cast<std::uint32_t>(h.hour()) << 11) |
        (static_cast<std::uint32_t>(h.minute()) << 5) | (static_cast<std::uint32_t>(h.second()) / 2);
    return {static_cast<std::int32_t>(packed),
            std::max(modifie.toMSecsSinceEpoch(), info.metadataChangeTime().toMSecsSinceEpoch()), info.size()};
}

QString folder_part(const QString& path) { return path.left(last_separator(path) + 1); }

QString name_part(const QString& path) { return path.mid(last_separator(path) + 1); }

QString native_path(const QString& path) { return QDir::toNativeSeparators(path); }

}  // namespace platform
