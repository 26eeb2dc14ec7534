#pragma once
// vorns-fit --combine: the runs of all the files fitted together.
#include "analysis/class_table.h"
#include "cli/options.h"

// Reads each file whole as vorns reads it (fit/run/run_file.h), leaves out its
// excluded spans, fits the runs together with the classes of `table` and
// prints the table of the runs, the combined fit and the runs' consistency
// (or with --json one object). A file that cannot be read, or holds lines
// that are no record, is named on stderr and the others are combined: the
// status is then 1, else 0; 2 for an --exclude naming no file given, or files
// whose formats give different units without --unit-ns.
int combine_files(const FitOptions& options, const ClassTable& table);
