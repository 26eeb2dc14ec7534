#pragma once
// Text files: read as UTF-8 when valid (BOM dropped), else Windows-1252; lines
// end at CR LF, LF or CR. Written in Windows-1252 when every character has a
// byte there, else UTF-8; every line ends with CR LF.
#include <QByteArray>
#include <QString>
#include <QStringList>
#include <optional>

namespace platform {

QString decode_text(const QByteArray& bytes);
QStringList split_lines(const QString& text);
QByteArray encode_lines(const QStringList& lines);

// Reads every line; raises `Cannot open file "PATH". reason` when it cannot.
QStringList read_text_lines(const QString& path);
// Reads the file's bytes; raises as read_text_lines.
QByteArray read_file_bytes(const QString& path);
// Reads at most `max_lines` lines (the small settings files); nothing when missing or unreadable.
std::optional<QStringList> try_read_text_lines(const QString& path, int max_lines = -1);

// Plain write (create or truncate); returns the system's reason on failure.
std::optional<QString> write_text_lines(const QString& path, const QStringList& lines);
// Write through a temporary file so that a failed write leaves the old file whole.
std::optional<QString> save_text_lines(const QString& path, const QStringList& lines);

}  // namespace platform
