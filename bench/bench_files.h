#pragma once
// Data files for the benchmark: an acquisition of N events with exponential
// durations, written as the acquisition program writes them.
#include <QString>

// Writes the file and returns its path inside `folder`.
QString write_run_file(const QString& folder, int events, bool decimal_comma);
// The same run's title lines and column header only, without any event.
QString write_title_file(const QString& folder);
