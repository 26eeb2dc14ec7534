#include "settings/key_values.h"

QString escaped_value(const QString& value) {
    QString text;
    text.reserve(value.size());
    for (const QChar c : value) {
        if (c == QLatin1Char('\\')) {
            text += QStringLiteral("\\\\");
        } else if (c == QLatin1Char('\n')) {
            text += QStringLiteral("\\n");
        } else if (c == QLatin1Char('\r')) {
            text += QStringLiteral("\\r");
        } else {
            text += c;
        }
    }
    return text;
}

QString unescaped_value(const QString& text) {
    QString value;
    value.reserve(text.size());
    for (qsizetype i = 0; i < text.size(); ++i) {
        if (text[i] != QLatin1Char('\\') || i + 1 == text.size()) {
            value += text[i];
            continue;
        }
        const QChar next = text[++i];
        value += next == QLatin1Char('n') ? QChar(QLatin1Char('\n')) : next == QLatin1Char('r') ? QChar(QLatin1Char('\r')) : next;
    }
    return value;
}

KeyValues key_values_of_lines(const QStringList& lines) {
    KeyValues values;
    for (const QString& line : lines) {
        const qsizetype equals = line.indexOf(QLatin1Char('='));
        if (equals <= 0) continue;
        values.insert(line.left(equals).trimmed(), unescaped_value(line.mid(equals + 1)));
    }
    return values;
}

QStringList lines_of_key_values(const KeyValues& values) {
    QStringList lines;
    for (auto v = values.cbegin(); v != values.cend(); ++v) lines << v.key() + QLatin1Char('=') + escaped_value(v.value());
    return lines;
}

KeyValues read_key_values(const QString& file_name) { return key_values_of_lines(lit_lignes(file_name)); }

void write_key_values(const QString& file_name, const KeyValues& values, WriteFailures& failures) {
    ecrit_lignes(file_name, lines_of_key_values(values), failures);
}
