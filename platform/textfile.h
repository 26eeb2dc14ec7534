#pragma once
// Text files: read as UTF-8 when valid (BOM dropped), else Windows-1252; lines
// end at CR LF, LF or CR. Written in Windows-1252 when every character has a
// byte there, else UTF-8; every line ends with CR LF.
#include <QByteArray>
#include <QFile>
#include <QString>
#include <QStringList>
#include <QStringView>
#include <memory>
#include <optional>
#include <vector>

namespace platform {

QString decode_text(const QByteArray& bytes);

// How decode_text reads a text's bytes: as UTF-8 when they are valid UTF-8,
// else as Windows-1252.
enum class TextEncoding { utf8, cp1252 };
// Whether every byte is below 0x80.
bool is_ascii(QByteArrayView bytes);
// The bytes without the UTF-8 mark at their start.
QByteArrayView without_mark(QByteArrayView bytes);
// The encoding of a whole text (its mark already removed).
TextEncoding text_encoding(QByteArrayView text);
// The same found piece by piece, the text given in consecutive parts cut
// anywhere (inside a UTF-8 sequence too), as a file read in blocks: the
// same answer as text_encoding of the parts joined.
class EncodingCheck {
public:
    EncodingCheck();
    ~EncodingCheck();
    EncodingCheck(const EncodingCheck&) = delete;
    EncodingCheck& operator=(const EncodingCheck&) = delete;
    // The next part of the text.
    void add(QByteArrayView part);
    // The parts so far decide whatever follows: they are not UTF-8.
    bool decided() const { return invalid_; }
    // The encoding of the parts added.
    TextEncoding result() const;

private:
    void add_valid_check(QByteArrayView part);
    bool ascii_ = true;
    bool invalid_ = false;
    QByteArray carry_;  // the last UTF-8 sequence of the parts so far, which the next part may complete
    struct Decoder;
    std::unique_ptr<Decoder> decoder_;  // made when a part that is not ASCII is valid
};
// A part of a text in the encoding of the whole, into `out`'s storage. A line
// cut at its line breaks decodes to the line decode_text and split_lines give,
// so that a reader of the bytes decodes only the lines it needs as text.
void decode_part(QByteArrayView part, TextEncoding encoding, QString& out);
QStringList split_lines(const QString& text);
QByteArray encode_lines(const QStringList& lines);

// The lines of a text kept in one piece: the text and where each line lies in
// it, so that a file of 50 000 lines costs two allocations instead of 50 000.
class PackedLines {
public:
    PackedLines() = default;
    // The lines of `text`, cut as split_lines cuts them.
    explicit PackedLines(QString text);
    static PackedLines from_list(const QStringList& lines);

    // No line; the storage is kept for the next text.
    void clear();
    // Replaces the lines by those of the file, in the storage already there, so
    // that reading a file again and again takes no fresh memory from the
    // system (whose first use is slow). Raises as read_text_lines, and then
    // holds no line. These lines are a file read again at each of its
    // changes: a pipe or a device is refused (raise_unless_regular_file).
    void read_file(const QString& path);

    qsizetype size() const { return static_cast<qsizetype>(spans_.size()); }
    bool isEmpty() const { return spans_.empty(); }
    QStringView at(qsizetype i) const {
        const Span& s = spans_[static_cast<std::size_t>(i)];
        return QStringView(text_).sliced(s.start, s.length);
    }
    QStringView last() const { return at(size() - 1); }
    // The text ends inside its last line, with no line break after it (a file
    // caught while a line is being written ends so).
    bool last_line_open() const { return last_open_; }
    QStringList to_list() const;

private:
    void cut();  // the spans of text_

    struct Span {
        qsizetype start;
        qsizetype length;
    };
    QString text_;
    std::vector<Span> spans_;
    QByteArray bytes_;  // the bytes of the last file read, kept for their storage as the text is
    bool last_open_ = false;
};

// Raises `Cannot open file "PATH". Not a regular file` for a pipe, a device
// or a socket, which a reader that comes back to the file cannot take:
// opening a pipe waits for a writer, a device may never end, and neither can
// be read again.
void raise_unless_regular_file(const QString& path);
// Reads every line; raises `Cannot open file "PATH". reason` when it cannot.
QStringList read_text_lines(const QString& path);
// The same lines, packed.
PackedLines read_packed_lines(const QString& path);
// Reads the file's bytes; raises as read_text_lines.
QByteArray read_file_bytes(const QString& path);
// The same into `bytes`, whose storage is reused.
void read_file_bytes_into(const QString& path, QByteArray& bytes);
// A file read from its start in blocks into the reader's own buffer, so that
// it is never held whole. Reads to the end of the file even when it grows
// while it is read, as read_file_bytes does.
class FileBlocks {
public:
    // Opens the file; raises as read_file_bytes when it cannot.
    explicit FileBlocks(const QString& path);
    ~FileBlocks();
    FileBlocks(const FileBlocks&) = delete;
    FileBlocks& operator=(const FileBlocks&) = delete;
    // Up to `max` next bytes into `to`: how many, 0 at the end of the file.
    // A read that fails ends the file too, and failed() then says so.
    qsizetype read(char* to, qsizetype max);
    bool failed() const { return failed_; }
    // Raises what read_file_bytes raises when a read failed.
    void raise_if_failed() const;
    // The file's size when it was opened (0 when it has none, as a pipe).
    qint64 size() const { return size_; }
    // Whether the file can only be read once, from its start to its end (a pipe).
    bool sequential() const;
    // The bytes not read yet, to the end of the file, into `bytes` (its
    // storage reused); raises as read_file_bytes when a read fails.
    void read_rest_into(QByteArray& bytes);
    // The bytes from `offset` to the end of the file, read once more through
    // `check` until it decides; the next read() goes on where it was.
    // Nothing for a sequential file.
    void check_from(qint64 offset, EncodingCheck& check, qsizetype block);

private:
    QFile file_;
    qint64 size_ = 0;
    bool failed_ = false;
};

// The largest small file read (a settings file, a comment): a file larger
// than any the program writes is no such file (a link to a device, a log
// written in its place) and is not read, so that it can neither fill the
// memory nor hold the window.
inline constexpr qint64 kLargestSmallFile = 1 << 20;
// Reads at most `max_lines` lines of a small file (the settings files, a
// comment file); nothing when it is missing. One that is there but is not
// read (no regular file: a pipe, a device, a folder, a link to one; larger
// than kLargestSmallFile; unreadable) gives nothing too, and `why` the reason.
std::optional<QStringList> try_read_text_lines(const QString& path, int max_lines = -1, QString* why = nullptr);

// Every file the program writes is written whole into a temporary file beside
// it, then renamed into place (its mode and owner kept, a link followed to its
// file), once per change: a process killed meanwhile leaves the old file or
// the new one, never a part. Something there that is not a regular file (a
// device, a pipe, a folder) is never replaced: the save refuses, "Not a
// regular file". Where no temporary file can be made beside it (a folder the
// user may not add to, holding a file the user may write) the file is written
// in place. Returns the reason of a failure; the old file is then kept.
std::optional<QString> save_bytes(const QString& path, const QByteArray& bytes);
// The same for lines, as encode_lines writes them.
std::optional<QString> save_text_lines(const QString& path, const QStringList& lines);

}  // namespace platform
