#pragma once
// A settings file of ours as "key=value" lines, in the settings folder:
// read whole (a line without '=' or of an unknown key is left out by the
// caller, who reads the keys it knows), written whole through a temporary
// file renamed into place. A value keeps its blanks; a line end or a
// backslash in it is written "\n" or "\\", so that a value of several lines
// (a note) stays on its line.
#include "settings/settings_files.h"

#include <QMap>
#include <QString>

using KeyValues = QMap<QString, QString>;

// The keys and values of the file; none when it is missing or unreadable.
KeyValues read_key_values(const QString& file_name);
// Replaces the file by the keys and values, in the keys' order; a write that
// fails goes to `failures`, the old file kept.
void write_key_values(const QString& file_name, const KeyValues& values, WriteFailures& failures);

// The keys and values of lines already read (a line without '=' is none),
// and the lines of keys and values, sorted by key.
KeyValues key_values_of_lines(const QStringList& lines);
QStringList lines_of_key_values(const KeyValues& values);

// A value as its line holds it, and back.
QString escaped_value(const QString& value);
QString unescaped_value(const QString& text);
