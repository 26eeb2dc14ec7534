#pragma once
// vorns-fit --combine: the runs of all the files fitted together.
#include "analysis/class_table.h"
#include "analysis/record_store.h"
#include "fit/cli/options.h"

// Loads each file as vorns loads it (into the store and table, one after the
// other), leaves out its excluded spans, fits the runs together and prints
// the table of the runs, the combined fit and the runs' consistency (or with
// --json one object). A file that cannot be read, or holds lines that are no
// record, is named on stderr and the others are combined: the status is then
// 1, else 0; 2 for an --exclude naming no file given.
int combine_files(const FitOptions& options, RecordStore& store, ClassTable& table);
