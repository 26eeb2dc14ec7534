#pragma once
// What the window should show for a data file, worked out directly from the
// file's bytes, independently of the program's own passes.
#include <QByteArray>
#include <QList>
#include <QStringList>
#include <charconv>
#include <cmath>
#include <gtest/gtest.h>
#include <vector>

// What the window should show for a data file, worked out directly from the
// file's text: records after the origin line, classes of width 10 up to 800,
// Tau = total of the durations in the shown classes / their events (those
// beyond X max take no part in either); the acquisition time is
// the last record's time after the origin (a run within one day).
struct Expected {
    long double minutes = 0;
    int records = 0;
    long double total = 0;  // of the durations shown
    std::vector<int> counts = std::vector<int>(80, 0);
    int events = 0;
    long double tau = 0;
};

inline Expected expected_from(const QByteArray& bytes) {
    Expected e;
    QList<QByteArray> lines = bytes.split('\n');
    if (!lines.isEmpty() && lines.back().isEmpty()) lines.pop_back();
    bool header = false;
    bool origin_seen = false;  // the origin line only sets the time origin
    long double origin = 0;
    for (qsizetype i = 2; i < lines.size(); ++i) {
        QByteArray line = lines[i];
        if (line.endsWith('\r')) line.chop(1);
        if (line.contains("SAUVEGARDE") || (header && line.isEmpty())) break;
        if (line.isEmpty() || line.startsWith('\'')) continue;
        if (header) {
            const QList<QByteArray> hms = line.split('\t').value(0).trimmed().split(':');
            const long double at = hms.value(0).toInt() * 60.0L + hms.value(1).toInt() + hms.value(2).toInt() / 60.0L;
            if (!origin_seen) {
                origin_seen = true;
                origin = at;
            } else {
                e.minutes = at - origin;
                QByteArray text = line.split('\t').value(1).trimmed();
                text.replace(',', '.');
                long double d = 0;
                const auto parsed = std::from_chars(text.constData(), text.constData() + text.size(), d);
                EXPECT_EQ(parsed.ptr, text.constData() + text.size()) << "duration " << text.toStdString();
                ++e.records;
                const long double k = std::trunc(d / 10);
                if (k < 80) {
                    ++e.counts[static_cast<std::size_t>(k)];
                    e.total += d;
                }
            }
        }
        if (line.contains("Heure")) header = true;
    }
    for (int c : e.counts) e.events += c;
    if (e.events > 0) e.tau = e.total / e.events;
    return e;
}

inline QStringList listing_of(const Expected& e) {
    QStringList lines;
    for (int i = 0; i < 80; ++i) lines << QStringLiteral("%1   %2   %3").arg(i + 1).arg(i * 10).arg(e.counts[i]);
    return lines;
}
