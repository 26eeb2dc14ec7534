#include "bench/bench_files.h"

#include "bench/bench_text.h"
#include "daq_card/card.h"

#include <QFile>
#include <algorithm>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <string>

namespace {

// Two title lines and the column header, as the acquisition writes them.
const std::string kTitles =
    "Acquisition banc de mesure\r\nDate 2026-12-07 rate 1.7/s\r\nHeure\tDur\xE9"
    "e\r\n";

QString write_file(const QString& path, const std::string& text) {
    QFile file(path);
    if (file.open(QIODevice::WriteOnly | QIODevice::Truncate))
        file.write(text.data(), static_cast<qint64>(text.size()));
    return path;
}

}  // namespace

QString write_title_file(const QString& folder) {
    return write_file(QStringLiteral("%1/titles.txt").arg(folder), kTitles);
}

QString write_run_file(const QString& folder, int events, bool decimal_comma) {
    const QString path = QStringLiteral("%1/run_%2%3.txt").arg(folder).arg(events).arg(decimal_comma ? "_comma" : "");
    std::string text = kTitles;
    std::uint64_t state = 0x9E3779B97F4A7C15ULL;
    auto uniform = [&state] {
        state = state * 6364136223846793005ULL + 1442695040888963407ULL;
        return (static_cast<double>(state >> 11) + 0.5) / 9007199254740992.0;
    };
    double seconds = 10 * 3600;
    char line[64];
    // One origin line, then `events` records.
    for (int i = 0; i <= events; ++i) {
        // About 1.7 events a second, so that 50 000 events stay within one day;
        // the first record comes at least a second after the origin.
        seconds += (i == 1 ? 1.0 : 0.0) - std::log(uniform()) * 0.6;
        const long s = static_cast<long>(seconds) % 86400;
        const double duration = -std::log(uniform()) * 219.7;
        std::snprintf(line, sizeof line, "%ld:%02ld:%02ld\t", s / 3600, s / 60 % 60, s % 60);
        std::string duree = fixed_text(duration, 1);
        if (decimal_comma) duree.replace(duree.find('.'), 1, ",");
        text += line + duree + "\r\n";
    }
    return write_file(path, text);
}

QString write_two_integers_file(const QString& folder, int lines) {
    const QString path = QStringLiteral("%1/two_integers_%2.txt").arg(folder).arg(lines);
    std::string text;
    std::uint64_t state = 0x2545F4914F6CDD1DULL;
    auto uniform = [&state] {
        state = state * 6364136223846793005ULL + 1442695040888963407ULL;
        return (static_cast<double>(state >> 11) + 0.5) / 9007199254740992.0;
    };
    long long seconds = 1574345682;
    for (int i = 0; i < lines; ++i) {
        if (uniform() < 1.0 / 55) {
            const long long ns = std::llround(-std::log(uniform()) * 2197.0 / 20) * 20;
            text += std::to_string(ns < 40000 ? ns : 39980) + ' ' + std::to_string(seconds) + '\n';
        } else {
            text += std::to_string(40000 + static_cast<int>(uniform() * 16)) + ' ' + std::to_string(seconds++) + '\n';
        }
    }
    return write_file(path, text);
}

QString write_raw_stream_file(const QString& folder, int lines) {
    const QString path = QStringLiteral("%1/raw_stream_%2.txt").arg(folder).arg(lines);
    card::Settings settings;
    settings.rate_hz = 20;
    settings.stop_fraction = 0.1;
    card::Card simulated(settings);
    simulated.start();
    std::string text;
    double seconds = 0;
    while (std::count(text.begin(), text.end(), '\n') < lines) simulated.run_until(seconds += 60, text);
    std::size_t end = 0;
    for (int k = 0; k < lines; ++k) end = text.find('\n', end) + 1;
    text.resize(end);
    return write_file(path, text);
}
