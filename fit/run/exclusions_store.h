#pragma once
// The spans left out of each data file, remembered between runs in the
// settings file "qrt_vorn.exc" (beside the other settings files, never beside
// the data): one line a span, the file's absolute path percent-encoded, a
// blank, and the span as vorns-fit --exclude takes it ("10:00:00-+1/02:00:00").
#include "fit/run/run_exclusions.h"
#include "settings/settings_files.h"

#include <QString>
#include <map>
#include <vector>

extern const QString FICHIER_EXCLUSIONS;  // "qrt_vorn.exc"

// By the data file's absolute path, each file's spans in the order given.
using ExclusionsParFichier = std::map<QString, std::vector<ExcludedSpan>>;

// A line that cannot be read is left out (the next write drops it).
ExclusionsParFichier lit_exclusions(WriteFailures* echecs = nullptr);
void ecrit_exclusions(const ExclusionsParFichier& exclusions, WriteFailures& echecs);
