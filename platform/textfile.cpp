#include "platform/textfile.h"

#include "platform/errors.h"
#include "platform/files.h"

#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>
#include <QStringDecoder>
#include <algorithm>
#include <cstdint>
#include <cstring>

namespace {
struct PlatformText {
    Q_DECLARE_TR_FUNCTIONS(platform)
};
}  // namespace

namespace platform {

namespace {
// Windows-1252 bytes 0x80..0x9F; 0 where the code page has no character.
constexpr char16_t kCp1252High[32] = {0x20AC, 0,      0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021,
                                      0x02C6, 0x2030, 0x0160, 0x2039, 0x0152, 0,      0x017D, 0,
                                      0,      0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014,
                                      0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0,      0x017E, 0x0178};

// Every byte as the character of the same code (Latin-1), into `text`'s storage.
void widen_into(QByteArrayView bytes, QString& text) {
    text.resize(bytes.size());
    char16_t* out = reinterpret_cast<char16_t*>(text.data());
    const auto* in = reinterpret_cast<const unsigned char*>(bytes.data());
    for (qsizetype i = 0; i < bytes.size(); ++i) out[i] = in[i];
}

// Windows-1252: Latin-1 but for the bytes 0x80..0x9F, looked for eight bytes at a time.
void decode_cp1252_into(QByteArrayView bytes, QString& text) {
    widen_into(bytes, text);
    char16_t* out = reinterpret_cast<char16_t*>(text.data());
    const auto* in = reinterpret_cast<const unsigned char*>(bytes.data());
    const qsizetype n = bytes.size();
    for (qsizetype i = 0; i < n; ++i) {
        if (i % 8 == 0 && i + 8 <= n) {
            std::uint64_t word;
            std::memcpy(&word, in + i, sizeof word);
            if ((word & 0x8080808080808080ULL) == 0) {
                i += 7;
                continue;
            }
        }
        const unsigned char b = in[i];
        if (b >= 0x80 && b < 0xA0 && kCp1252High[b - 0x80]) out[i] = kCp1252High[b - 0x80];
    }
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

// The text of the bytes into `text`, in its storage when the bytes are ASCII.
void decode_into(QByteArrayView view, QString& text) {
    view = without_mark(view);
    if (is_ascii(view)) {
        widen_into(view, text);
        return;
    }
    // Validate before decoding: a Windows-1252 file then costs no UTF-8 copy.
    if (view.isValidUtf8()) {
        QStringDecoder decoder(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
        QString utf8 = decoder.decode(view);
        if (!decoder.hasError()) {
            text = std::move(utf8);
            return;
        }
    }
    decode_cp1252_into(view, text);
}
}  // namespace

bool is_ascii(QByteArrayView bytes) {
    // Eight bytes at a time, 64 between two looks at what was seen.
    const char* p = bytes.data();
    const qsizetype n = bytes.size();
    constexpr std::uint64_t high = 0x8080808080808080ULL;
    qsizetype i = 0;
    std::uint64_t bits = 0;
    for (; i + 8 <= n; i += 8) {
        std::uint64_t word;
        std::memcpy(&word, p + i, sizeof word);
        bits |= word;
        if (i % 64 == 0 && (bits & high) != 0) return false;
    }
    for (; i < n; ++i) bits |= static_cast<unsigned char>(p[i]);
    return (bits & high) == 0;
}

QByteArrayView without_mark(QByteArrayView bytes) { return bytes.startsWith("\xEF\xBB\xBF") ? bytes.sliced(3) : bytes; }

// The UTF-8 decoder decode_text uses, fed part by part into one buffer:
// only whether it meets an error matters.
struct EncodingCheck::Decoder {
    static constexpr qsizetype kPiece = 64 * 1024;
    QStringDecoder decoder{QStringDecoder::Utf8};
    QString buffer{decoder.requiredSpace(kPiece), Qt::Uninitialized};
    void add(QByteArrayView part) {
        for (qsizetype i = 0; i < part.size() && !decoder.hasError(); i += kPiece) {
            (void)decoder.appendToBuffer(buffer.data(), part.sliced(i, std::min(kPiece, part.size() - i)));
        }
    }
};

EncodingCheck::EncodingCheck() = default;
EncodingCheck::~EncodingCheck() = default;

namespace {
bool continuation(char c) { return (static_cast<unsigned char>(c) & 0xC0) == 0x80; }
}  // namespace

void EncodingCheck::add(QByteArrayView part) {
    if (invalid_ || part.isEmpty()) return;
    if (ascii_) {
        if (is_ascii(part)) return;
        ascii_ = false;
    }
    add_valid_check(part);
    if (invalid_) return;
    // Valid so far: the decoder must not meet an error either (the same
    // question, asked as decode_text asks it).
    if (!decoder_) decoder_ = std::make_unique<Decoder>();
    decoder_->add(part);
    invalid_ = decoder_->decoder.hasError();
}

// Valid UTF-8 is checked on pieces cut before a byte that is no continuation
// byte: no sequence crosses such a cut, so the text is valid when every
// piece is. The last sequence waits in carry_ for the next part.
void EncodingCheck::add_valid_check(QByteArrayView part) {
    qsizetype k = 0;
    if (!carry_.isEmpty()) {
        while (k < part.size() && continuation(part[k])) ++k;
        carry_.append(part.first(k));
        if (k == part.size()) {
            if (carry_.size() > 4) invalid_ = true;  // no sequence is that long
            return;
        }
        if (!QByteArrayView(carry_).isValidUtf8()) {
            invalid_ = true;
            return;
        }
        carry_.clear();
        part = part.sliced(k);
    }
    qsizetype last = part.size() - 1;
    while (last >= 0 && continuation(part[last])) --last;
    if (last < 0) {
        invalid_ = true;  // continuation bytes after a piece that ended whole
        return;
    }
    if (!part.first(last).isValidUtf8()) {
        invalid_ = true;
        return;
    }
    carry_ = part.sliced(last).toByteArray();
}

TextEncoding EncodingCheck::result() const {
    if (ascii_) return TextEncoding::utf8;
    if (invalid_ || !QByteArrayView(carry_).isValidUtf8()) return TextEncoding::cp1252;
    return TextEncoding::utf8;
}

TextEncoding text_encoding(QByteArrayView text) {
    EncodingCheck check;
    check.add(text);
    return check.result();
}

void decode_part(QByteArrayView part, TextEncoding encoding, QString& out) {
    if (is_ascii(part)) {
        widen_into(part, out);
    } else if (encoding == TextEncoding::utf8) {
        // A mark at the start of a part is a character of the text, as it is
        // when the whole text is decoded: only the file's own mark is dropped.
        out = QStringDecoder(QStringDecoder::Utf8,
                             QStringDecoder::Flag::Stateless | QStringDecoder::Flag::ConvertInitialBom)
                  .decode(part);
    } else {
        decode_cp1252_into(part, out);
    }
}

QString decode_text(const QByteArray& bytes) {
    QString text;
    decode_into(bytes, text);
    return text;
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

PackedLines::PackedLines(QString text) : text_(std::move(text)) { cut(); }

void PackedLines::clear() {
    text_.resize(0);
    spans_.clear();
    last_open_ = false;
}

void raise_unless_regular_file(const QString& path) {
    if (is_special_file(path)) raise_cannot_open(path, PlatformText::tr("Not a regular file"));
}

void PackedLines::read_file(const QString& path) {
    clear();
    raise_unless_regular_file(path);
    read_file_bytes_into(path, bytes_);
    try {
        with_memory_for(path, [&] {
            decode_into(bytes_, text_);
            cut();
        });
    } catch (const Error&) {
        clear();  // no line rather than some
        throw;
    }
}

void PackedLines::cut() {
    spans_.clear();
    const char16_t* p = reinterpret_cast<const char16_t*>(text_.utf16());
    const qsizetype n = text_.size();
    constexpr std::uint64_t uns = 0x0001000100010001ULL, hauts = 0x8000800080008000ULL;
    qsizetype start = 0;
    qsizetype i = 0;
    while (i < n) {
        // Four characters at a time while none is below 14 (CR is 13, LF 10):
        // lines are short, files long.
        if (i + 4 <= n) {
            std::uint64_t mot;
            std::memcpy(&mot, p + i, sizeof mot);
            if (((mot - 14 * uns) & ~mot & hauts) == 0) {
                i += 4;
                continue;
            }
        }
        const char16_t c = p[i];
        if (c == u'\n' || c == u'\r') {
            spans_.push_back({start, i - start});
            if (c == u'\r' && i + 1 < n && p[i + 1] == u'\n') ++i;  // CR LF is one break
            start = i + 1;
        }
        ++i;
    }
    last_open_ = start < n;
    if (last_open_) spans_.push_back({start, n - start});  // the last line has no break
}

PackedLines PackedLines::from_list(const QStringList& lines) {
    PackedLines packed;
    qsizetype total = 0;
    for (const QString& line : lines) total += line.size();
    packed.text_.reserve(total);
    packed.spans_.reserve(static_cast<std::size_t>(lines.size()));
    for (const QString& line : lines) {
        packed.spans_.push_back({packed.text_.size(), line.size()});
        packed.text_ += line;
    }
    return packed;
}

QStringList PackedLines::to_list() const {
    QStringList lines;
    lines.reserve(size());
    for (qsizetype i = 0; i < size(); ++i) lines.append(at(i).toString());
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
    QByteArray bytes;
    read_file_bytes_into(path, bytes);
    return bytes;
}

void read_file_bytes_into(const QString& path, QByteArray& bytes) { FileBlocks(path).read_rest_into(bytes); }

FileBlocks::FileBlocks(const QString& path) : file_(path) {
    if (!file_.open(QIODevice::ReadOnly | QIODevice::Unbuffered)) raise_cannot_open(path, file_.errorString());
    size_ = std::max<qint64>(file_.size(), 0);
}

FileBlocks::~FileBlocks() = default;

qsizetype FileBlocks::read(char* to, qsizetype max) {
    if (failed_ || max <= 0) return 0;
    const qint64 n = file_.read(to, max);
    if (n < 0 || (n == 0 && file_.error() != QFileDevice::NoError)) {
        failed_ = true;
        return 0;
    }
    return static_cast<qsizetype>(n);
}

void FileBlocks::raise_if_failed() const {
    if (failed_) raise_cannot_open(file_.fileName(), file_.errorString());
}

bool FileBlocks::sequential() const { return file_.isSequential(); }

void FileBlocks::read_rest_into(QByteArray& bytes) {
    // To the end of the file, even when it grows while it is read.
    qsizetype lu = 0;
    with_memory_for(file_.fileName(), [&] {
        bytes.resize(std::max<qint64>(size_ - file_.pos(), 0) + 1);
        for (;;) {
            if (lu == bytes.size()) bytes.resize(lu + 65536);
            const qsizetype n = read(bytes.data() + lu, bytes.size() - lu);
            if (n == 0) break;
            lu += n;
        }
    });
    bytes.resize(lu);
    raise_if_failed();
}

void FileBlocks::check_from(qint64 offset, EncodingCheck& check, qsizetype block) {
    if (file_.isSequential()) return;
    const qint64 position = file_.pos();
    if (!file_.seek(offset)) return;
    std::vector<char> bytes(static_cast<std::size_t>(block));
    while (!check.decided()) {
        const qint64 n = file_.read(bytes.data(), block);
        if (n <= 0) break;
        check.add(QByteArrayView(bytes.data(), static_cast<qsizetype>(n)));
    }
    if (!file_.seek(position)) failed_ = true;
}

QStringList read_text_lines(const QString& path) { return split_lines(decode_text(read_file_bytes(path))); }

PackedLines read_packed_lines(const QString& path) {
    PackedLines lines;
    lines.read_file(path);
    return lines;
}

std::optional<QStringList> try_read_text_lines(const QString& path, int max_lines, QString* why) {
    const QFileInfo info(path);
    if (!info.exists()) return std::nullopt;
    const auto refuse = [why](const QString& reason) {
        if (why) *why = reason;
        return std::nullopt;
    };
    // Looked at before it is opened: opening a pipe waits for a writer.
    if (!info.isFile()) return refuse(QStringLiteral("Not a regular file"));
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) return refuse(file.errorString());
    // One byte more than the limit tells a file that grew past it meanwhile.
    const QByteArray bytes = file.read(kLargestSmallFile + 1);
    if (bytes.size() > kLargestSmallFile) {
        return refuse(QStringLiteral("Larger than %1 bytes").arg(kLargestSmallFile));
    }
    if (file.error() != QFileDevice::NoError) return refuse(file.errorString());
    QStringList lines = split_lines(decode_text(bytes));
    if (max_lines >= 0 && lines.size() > max_lines) lines.resize(max_lines);
    return lines;
}

std::optional<QString> save_text_lines(const QString& path, const QStringList& lines) {
    return save_bytes(path, encode_lines(lines));
}

std::optional<QString> save_bytes(const QString& path, const QByteArray& bytes) {
    // A device or a pipe would be replaced by the renamed file (a device
    // replaced by a report, for a user who may write its folder).
    const QFileInfo there(path);
    if (there.exists() && !there.isFile()) return QStringLiteral("Not a regular file");
    QSaveFile file(path);
    file.setDirectWriteFallback(true);
    if (!file.open(QIODevice::WriteOnly)) return file.errorString();
    if (file.write(bytes) != bytes.size() || !file.flush()) {
        QString reason = file.errorString();
        file.cancelWriting();
        file.commit();
        return reason.isEmpty() ? PlatformText::tr("write error") : reason;
    }
    if (!file.commit()) return file.errorString();
    return std::nullopt;
}

}  // namespace platform
