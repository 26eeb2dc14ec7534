#pragma once
// Data files for the benchmark: an acquisition of N events with exponential
// durations, written as the acquisition program writes them.
#include <QString>

// Writes the file and returns its path inside `folder`.
QString write_run_file(const QString& folder, int events, bool decimal_comma);
// A file of two integers a line of `lines` lines: a count record each
// second, and a decay (ns) about every 55 lines, as a teaching apparatus
// writes it (LF line ends, Unix seconds).
QString write_two_integers_file(const QString& folder, int lines);
// A DAQ card's raw stream of `lines` lines (CR LF), from the simulated card:
// 20 muons a second through four counters, a tenth stopping and decaying.
QString write_raw_stream_file(const QString& folder, int lines);
// The same run's title lines and column header only, without any event.
QString write_title_file(const QString& folder);
