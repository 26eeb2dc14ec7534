#pragma once
// Data files whose records come at chosen times: the run's rate and its gaps
// known by hand.
#include <QByteArray>
#include <QString>
#include <vector>

// The record lines at `seconds` after 10:00:00 (the next day past midnight),
// durations 101, 102, ...
inline QByteArray timed_records(const std::vector<int>& seconds, int first_duration = 101) {
    QByteArray bytes;
    int duration = first_duration;
    for (const int s : seconds) {
        const int t = (36000 + s) % 86400;
        bytes += QStringLiteral("%1:%2:%3\t%4\r\n")
                     .arg(t / 3600, 2, 10, QLatin1Char('0'))
                     .arg(t / 60 % 60, 2, 10, QLatin1Char('0'))
                     .arg(t % 60, 2, 10, QLatin1Char('0'))
                     .arg(duration++)
                     .toLatin1();
    }
    return bytes;
}

// A whole file: two title lines, the header, the origin at 10:00:00, then the records.
inline QByteArray timed_run(const std::vector<int>& seconds) {
    return QByteArray(
               "Run\r\nB\r\nHeure\tDur\xE9"
               "e\r\n10:00:00\t50\r\n") +
           timed_records(seconds);
}

// `n` times `step` seconds apart, from `from` + step.
inline std::vector<int> every(int step, int n, int from = 0) {
    std::vector<int> out;
    for (int i = 1; i <= n; ++i) out.push_back(from + step * i);
    return out;
}
