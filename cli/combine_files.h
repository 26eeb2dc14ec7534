#pragma once
// vorns-fit --combine: the runs of all the files fitted together.
#include "cli/options.h"

// Reads each file whole as vorns reads it (fit/run/run_file.h), leaves out its
// excluded spans, fits the runs together with the classes and window given,
// the others chosen in time for runs of known unit, and prints the table of
// the runs, the combined fit and the runs' consistency (or with --json one
// object). A file that cannot be read, or holds lines that are no record or
// none at all, is named on stderr and the others are combined: the status is
// then 1, else 0; 2 for an --exclude naming no file given, files whose formats
// give different units (or a unit beside none) without --unit-ns, the same run
// given twice, a window refused.
int combine_files(const FitOptions& options);
