#include "share/token.h"

#include "platform/textfile.h"

#include <QFile>
#include <QFileInfo>
#include <QRandomGenerator>

#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace share {

const QString kKeptAddressFile = QStringLiteral("qrt_vorn.prt");

QByteArray new_token() {
    quint32 words[4];
    QRandomGenerator::system()->fillRange(words);
    return QByteArray(reinterpret_cast<const char*>(words), sizeof words).toHex();
}

bool token_form(QByteArrayView text) {
    if (text.size() != kTokenLength) return false;
    for (const char c : text) {
        if (!((c >= '0' && c <= '9') || (c >= 'a' && c <= 'f'))) return false;
    }
    return true;
}

bool same_token(QByteArrayView given, QByteArrayView token) {
    // The length of a token is no secret; its bytes are all compared.
    unsigned char differ = given.size() == token.size() ? 0 : 1;
    for (qsizetype i = 0; i < token.size(); ++i) {
        const unsigned char g = i < given.size() ? static_cast<unsigned char>(given[i]) : 0;
        differ |= static_cast<unsigned char>(g ^ static_cast<unsigned char>(token[i]));
    }
    return differ == 0;
}

std::optional<KeptAddress> read_kept_address(const QString& path, QString* why) {
    const auto refuse = [why](const QString& reason) -> std::optional<KeptAddress> {
        if (why) *why = reason;
        return std::nullopt;
    };
    struct stat st {};
    if (::lstat(QFile::encodeName(path).constData(), &st) != 0) return std::nullopt;  // none kept
    if (!S_ISREG(st.st_mode)) return refuse(QStringLiteral("not a regular file"));
    if ((st.st_mode & 077) != 0) return refuse(QStringLiteral("readable by other users than its owner"));
    const std::optional<QStringList> lines = platform::try_read_text_lines(path, 16);
    if (!lines) return refuse(QStringLiteral("cannot be read"));
    KeptAddress kept;
    for (const QString& line : *lines) {
        const qsizetype equal = line.indexOf(QLatin1Char('='));
        if (equal <= 0) continue;
        const QString key = line.left(equal).trimmed();
        const QString value = line.mid(equal + 1).trimmed();
        if (key == QLatin1String("token")) kept.token = value.toLatin1();
        if (key == QLatin1String("port")) {
            bool ok = false;
            const uint port = value.toUInt(&ok);
            if (ok && port <= 65535) kept.port = static_cast<quint16>(port);
        }
        if (key == QLatin1String("network")) kept.network = value == QLatin1String("1");
    }
    if (!token_form(kept.token)) return refuse(QStringLiteral("holds no token"));
    return kept;
}

std::optional<QString> keep_address(const QString& path, const KeptAddress& a) {
    const QByteArray name = QFile::encodeName(path);
    // The file exists with mode 0600 before the secret is written: the save
    // keeps the mode of the file it replaces, and the secret is never in a
    // file others may read.
    const int fd = ::open(name.constData(), O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, 0600);
    if (fd >= 0) {
        ::close(fd);
    } else if (errno != EEXIST) {
        return QString::fromLocal8Bit(std::strerror(errno));
    }
    struct stat st {};
    if (::lstat(name.constData(), &st) != 0) return QString::fromLocal8Bit(std::strerror(errno));
    if (!S_ISREG(st.st_mode)) return QStringLiteral("Not a regular file");
    if ((st.st_mode & 07777) != 0600 && ::chmod(name.constData(), 0600) != 0) {
        return QString::fromLocal8Bit(std::strerror(errno));
    }
    const QByteArray text = "token=" + a.token + "\nport=" + QByteArray::number(a.port) +
                            "\nnetwork=" + (a.network ? "1" : "0") + "\n";
    return platform::save_bytes(path, text);
}

std::optional<QString> forget_address(const QString& path) {
    if (::unlink(QFile::encodeName(path).constData()) != 0 && errno != ENOENT) {
        return QString::fromLocal8Bit(std::strerror(errno));
    }
    return std::nullopt;
}

}  // namespace share
