#include "platform/textfile.h"

#include "platform/errors.h"

#include <QFile>
#include <QSaveFile>
#include <QStringDecoder>

namespace platform {

namespace {
// Windows-1252 bytes 0x80..0x9F; 0 where the code page has no character.
constexpr char16_t kCp1252High[32] = {
    0x20AC, 0,      0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0,      0x017D, 0,      0,      0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0,      0x017E, 0x0178};

QString decode_cp1252(QByteArrayView bytes) {
    QString s(bytes.size(), Qt::Uninitialized);
    QChar* out = s.data();
    for (qsizetype i = 0; i < bytes.size(); ++i) {
        const auto b = static_cast<unsigned char>(bytes[i]);
        char16_t c = b;
        if (b >= 0x80 && b < 0xA0) c = kCp1252High[b - 0x80] ? kCp1252High[b - 0x80] : b;
        out[i] = QChar(c);
    }
    return s;
}

// The byte of c in Windows-1252, -1 when the code page has none. The five
// bytes without a character read as the control characters of the same
// value, so those write back to the same byte.
int cp1252_byte(char16_t c) {
    if (c < 0x80 || (c >= 0xA0 && c <= 0xFF)) return c;
    if (c < 0xA0) return kCp1252High[c - 0x80] == 0 ? c : -1;
    for (int i = 0; i < 32; ++i) {
        if (kCp1252High[i] == c) return 0x80 + i;
    }
    return -1;
}
}  // namespace

QString decode_text(const QByteArray& bytes) {
    QByteArrayView view(bytes);
    if (view.startsWith("\xEF\xBB\xBF")) view = view.sliced(3);
    bool ascii = true;
    for (char c : view) {
        if (static_cast<unsigned char>(c) >= 0x80) {
            ascii = false;
            break;
        }
    }
    if (ascii) return QString::fromLatin1(view.data(), view.size());
    // Validate before decoding: a Windows-1252 file then costs no UTF-8 copy.
    if (view.isValidUtf8()) {
        QStringDecoder decoder(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
        QString text = decoder.decode(view);
        if (!decoder.hasError()) return text;
    }
    return decode_cp1252(view);
}

QStringList split_lines(const QString& text) {
    QStringList lines;
    const QChar* data = text.constData();
    const qsizetype n = text.size();
    qsizetype start = 0;
    for (qsizetype i = 0; i < n; ++i) {
        const QChar c = data[i];
        if (c == QLatin1Char('\r') || c == QLatin1Char('\n')) {
            lines.append(text.mid(start, i - start));
            if (c == QLatin1Char('\r') && i + 1 < n && data[i + 1] == QLatin1Char('\n')) ++i;
            start = i + 1;
        }
    }
    if (start < n) lines.append(text.mid(start));
    return lines;
}

QByteArray encode_lines(const QStringList& lines) {
    bool fits = true;
    for (const QString& line : lines) {
        for (QChar c : line) {
            if (cp1252_byte(c.unicode()) < 0) {
                fits = false;
                break;
            }
        }
        if (!fits) break;
    }
    QByteArray out;
    for (const QString& line : lines) {
        if (fits) {
            for (QChar c : line) out.append(static_cast<char>(cp1252_byte(c.unicode())));
        } else {
            out.append(line.toUtf8());
        }
        out.append("\r\n");
    }
    return out;
}

QByteArray read_file_bytes(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) raise_cannot_open(path, file.errorString());
    QByteArray bytes = file.readAll();
    if (file.error() != QFileDevice::NoError) raise_cannot_open(path, file.errorString());
    return bytes;
}

QStringList read_text_lines(const QString& path) { return split_lines(decode_text(read_file_bytes(path))); }

std::optional<QStringList> try_read_text_lines(const QString& path, int max_lines) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) return std::nullopt;
    QStringList lines = split_lines(decode_text(file.readAll()));
    if (max_lines >= 0 && lines.size() > max_lines) lines.resize(max_lines);
    return lines;
}

std::optional<QString> write_text_lines(const QString& path, const QStringList& lines) {
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate)) return file.errorString();
    const QByteArray bytes = encode_lines(lines);
    if (file.write(bytes) != bytes.size() || !file.flush()) {
        QString reason = file.errorString();
        file.close();
        return reason;
    }
    file.close();
    if (file.error() != QFileDevice::NoError) return file.errorString();
    return std::nullopt;
}

std::optional<QString> save_text_lines(const QString& path, const QStringList& lines) {
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly)) return file.errorString();
    const QByteArray bytes = encode_lines(lines);
    if (file.write(bytes) != bytes.size() || !file.flush()) {
        QString reason = file.errorString();
        file.cancelWriting();
        file.commit();
        return reason.isEmpty() ? QStringLiteral("write error") : reason;
    }
    if (!file.commit()) return file.errorString();
    return std::nullopt;
}

}  // namespace platform
