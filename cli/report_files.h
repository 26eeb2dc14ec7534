#pragma once
// vorns-fit --report OUT.pdf: the run report of the files given (with
// --combine, of their runs together), written without a display by
// vorns-fit-report (cli/report_program.h).
#include "analysis/class_table.h"
#include "analysis/record_store.h"
#include "cli/options.h"

#include <QCoreApplication>
#include <memory>

// The application vorns-fit-report runs in: with --report among the arguments one
// that draws (fonts, the PDF writer), on the offscreen platform whatever
// display there is; else Qt Core alone.
std::unique_ptr<QCoreApplication> fit_application(int& argc, char** argv);

// Loads and fits each file again for the report and writes it to
// options.report. A file that cannot be read is named on stderr and left out;
// returns 1 then, or when the report cannot be written (named on stderr), else 0.
int report_files(const FitOptions& options, RecordStore& store, ClassTable& table);
